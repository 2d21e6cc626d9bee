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
# launch to exit of each, Vorbix's ratio to each, the peak RSS of all three,
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

# In turn, so that a change of the machine's load falls on all three alike.
bare_times=() controls_times=() vorbix_times=()
for ((i = 0; i < runs; i++)); do
  bare_times+=("$(elapsed "$bare")")
  controls_times+=("$(elapsed "$controls")")
  vorbix_times+=("$(elapsed "$vorbix" --quit-after-show --data-root "$data")")
done
bare_ms=$(printf '%s\n' "${bare_times[@]}" | median)
controls_ms=$(printf '%s\n' "${controls_times[@]}" | median)
vorbix_ms=$(printf '%s\n' "${vorbix_times[@]}" | median)

peak_rss() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }
bare_kb=$(for i in 1 2 3 4 5; do peak_rss "$bare"; done | median)
controls_kb=$(for i in 1 2 3 4 5; do peak_rss "$controls"; done | median)
vorbix_kb=$(for i in 1 2 3 4 5; do peak_rss "$vorbix" --quit-after-show --data-root "$data"; done | median)

ratio() { awk -v v="$1" -v b="$2" 'BEGIN { printf "%.2f", v / b }'; }
printf 'start-up, median of %d runs each (ms): empty window %.1f, controls window %.1f, vorbix %.1f\n' \
  "$runs" "$bare_ms" "$controls_ms" "$vorbix_ms"
printf 'ratios: vorbix / empty window %s, vorbix / controls window %s\n' \
  "$(ratio "$vorbix_ms" "$bare_ms")" "$(ratio "$vorbix_ms" "$controls_ms")"
printf 'peak RSS at the first window (kB, median of 5): empty window %d, controls window %d, vorbix %d\n' \
  "$bare_kb" "$controls_kb" "$vorbix_kb"
echo "memory walk (every screen, every pair, every table full):"
"$build/bench/vorbix-memory-walk" --data-root "$data" 2>/dev/null | sed 's/^/  /'
