#!/usr/bin/env bash
# Start-up time and memory of Vorbix against two Qt Widgets programs: an
# empty window (bench/bare_window.cpp) and a window with the main window's
# number and kinds of controls and its fonts, but nothing of the program
# (bench/controls_window.cpp).
#
#   bash bench/startup.sh [BUILD_DIR] [RUNS]
#
# Writes (once) a data root with every word table at 32767 entries, then
# starts "vorbix --quit-after-show" and the two references in turn RUNS
# times each (default 20; offscreen), and prints the median wall time from
# launch to exit of each, Vorbix's ratio to each, the same for the CPU time
# of each run (with perf, when installed) and for the instructions executed
# (with valgrind, when installed), the peak RSS of all three,
# and the peak RSS of the walk through every screen and pair
# (bench/memory_walk.cpp).
set -euo pipefail

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$source_dir/build-release}
runs=${2:-20}
vorbix=$build/src/app/vorbix
bare=$build/bench/bare_window
controls=$build/bench/controls_window
data=$build/bench/startup-data
export QT_QPA_PLATFORM=offscreen

for program in "$vorbix" "$bare" "$controls" "$build/bench/vorbix-bench-data" "$build/bench/vorbix-memory-walk"; do
  [ -x "$program" ] || { echo "missing $program: build $build first" >&2; exit 1; }
done
if [ ! -f "$data/English/engmi.db" ] || [ ! -f "$data/Convdiv/engmi.db" ] || [ ! -f "$data/Engleza/eng.db" ]; then
  "$build/bench/vorbix-bench-data" "$data"
fi

# Milliseconds from launch to exit of one run; the output is discarded.
elapsed() {
  local start=$EPOCHREALTIME
  "$@" >/dev/null 2>&1
  local end=$EPOCHREALTIME
  awk -v s="${start/./}" -v e="${end/./}" 'BEGIN { printf "%.3f\n", (e - s) / 1000 }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One warm-up run each, so that all start from a warm file cache.
"$bare" >/dev/null 2>&1
"$controls" >/dev/null 2>&1
"$vorbix" --quit-after-show --data-root "$data" >/dev/null 2>&1

# Runs the three programs in turn RUNS times, measuring each run with the
# given function, and prints the three medians: empty window, controls
# window, vorbix. In turn, so that a change of the machine's load falls on
# all three alike.
in_turn() {
  local measure=$1 b=() c=() v=() i
  for ((i = 0; i < runs; i++)); do
    b+=("$("$measure" "$bare")")
    c+=("$("$measure" "$controls")")
    v+=("$("$measure" "$vorbix" --quit-after-show --data-root "$data")")
  done
  echo "$(printf '%s\n' "${b[@]}" | median) $(printf '%s\n' "${c[@]}" | median) $(printf '%s\n' "${v[@]}" | median)"
}
read -r bare_ms controls_ms vorbix_ms < <(in_turn elapsed)

# CPU time (all threads) of one run, in ms, when perf is there: on a machine
# that other work shares it varies far less than the wall time.
cpu_ms() { perf stat -x, -e task-clock -- "$@" 2>&1 >/dev/null | awk -F, '$3 == "task-clock" { print $1 }'; }
cpu_line=
if command -v perf >/dev/null && [ -n "$(cpu_ms "$bare")" ]; then
  read -r bare_cpu_ms controls_cpu_ms vorbix_cpu_ms < <(in_turn cpu_ms)
  cpu_line=$(printf 'CPU time, median (ms): empty window %.1f, controls window %.1f, vorbix %.1f; ratios %s and %s' \
    "$bare_cpu_ms" "$controls_cpu_ms" "$vorbix_cpu_ms" \
    "$(awk -v v="$vorbix_cpu_ms" -v b="$bare_cpu_ms" 'BEGIN { printf "%.2f", v / b }')" \
    "$(awk -v v="$vorbix_cpu_ms" -v b="$controls_cpu_ms" 'BEGIN { printf "%.2f", v / b }')")
fi

# Instructions executed by one run, when valgrind is there: the same on
# every run, whatever else the machine is doing (but blind to the kernel's
# share: loading files, mapping memory).
instructions() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null | awk '/Collected :/ { print $NF }'
}
instructions_line=
if command -v valgrind >/dev/null; then
  bare_ir=$(instructions "$bare")
  controls_ir=$(instructions "$controls")
  vorbix_ir=$(instructions "$vorbix" --quit-after-show --data-root "$data")
  instructions_line=$(awk -v b="$bare_ir" -v c="$controls_ir" -v v="$vorbix_ir" 'BEGIN {
    printf "instructions (millions): empty window %.1f, controls window %.1f, vorbix %.1f; ratios %.2f and %.2f",
      b / 1e6, c / 1e6, v / 1e6, v / b, v / c }')
fi

peak_rss() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }
bare_kb=$(for i in 1 2 3 4 5; do peak_rss "$bare"; done | median)
controls_kb=$(for i in 1 2 3 4 5; do peak_rss "$controls"; done | median)
vorbix_kb=$(for i in 1 2 3 4 5; do peak_rss "$vorbix" --quit-after-show --data-root "$data"; done | median)

ratio() { awk -v v="$1" -v b="$2" 'BEGIN { printf "%.2f", v / b }'; }
printf 'start-up, median of %d runs each (ms): empty window %.1f, controls window %.1f, vorbix %.1f\n' \
  "$runs" "$bare_ms" "$controls_ms" "$vorbix_ms"
printf 'ratios: vorbix / empty window %s, vorbix / controls window %s\n' \
  "$(ratio "$vorbix_ms" "$bare_ms")" "$(ratio "$vorbix_ms" "$controls_ms")"
[ -z "$cpu_line" ] || echo "$cpu_line"
[ -z "$instructions_line" ] || echo "$instructions_line"
printf 'peak RSS at the first window (kB, median of 5): empty window %d, controls window %d, vorbix %d\n' \
  "$bare_kb" "$controls_kb" "$vorbix_kb"
echo "memory walk (every screen, every pair, every table full):"
"$build/bench/vorbix-memory-walk" --data-root "$data" 2>/dev/null | sed 's/^/  /'
