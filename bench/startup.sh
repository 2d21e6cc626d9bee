#!/usr/bin/env bash
# Start-up time and memory of Vorbix against a bare Qt Widgets window.
#
#   bash bench/startup.sh [BUILD_DIR] [RUNS]
#
# Writes (once) a data root with every word table at 32767 entries, then
# starts "vorbix --quit-after-show" and bench/bare_window alternately RUNS
# times each (default 20; offscreen), and prints the median wall time from
# launch to exit of each, their ratio, the peak RSS of both, and the peak RSS
# of the walk through every screen and pair (bench/memory_walk.cpp).
set -euo pipefail

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$source_dir/build-release}
runs=${2:-20}
vorbix=$build/src/app/vorbix
bare=$build/bench/bare_window
data=$build/bench/startup-data
export QT_QPA_PLATFORM=offscreen

for program in "$vorbix" "$bare" "$build/bench/vorbix-bench-data" "$build/bench/vorbix-memory-walk"; do
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

# One warm-up run each, so that both start from a warm file cache.
"$bare" >/dev/null 2>&1
"$vorbix" --quit-after-show --data-root "$data" >/dev/null 2>&1

bare_times=() vorbix_times=()
for ((i = 0; i < runs; i++)); do
  bare_times+=("$(elapsed "$bare")")
  vorbix_times+=("$(elapsed "$vorbix" --quit-after-show --data-root "$data")")
done
bare_ms=$(printf '%s\n' "${bare_times[@]}" | median)
vorbix_ms=$(printf '%s\n' "${vorbix_times[@]}" | median)

peak_rss() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }
bare_kb=$(for i in 1 2 3 4 5; do peak_rss "$bare"; done | median)
vorbix_kb=$(for i in 1 2 3 4 5; do peak_rss "$vorbix" --quit-after-show --data-root "$data"; done | median)

printf 'start-up, median of %d runs each (ms): bare %.1f, vorbix %.1f, ratio %.2f\n' \
  "$runs" "$bare_ms" "$vorbix_ms" "$(awk -v v="$vorbix_ms" -v b="$bare_ms" 'BEGIN { print v / b }')"
printf 'peak RSS at the first window (kB, median of 5): bare %d, vorbix %d\n' "$bare_kb" "$vorbix_kb"
echo "memory walk (every screen, every pair, every table full):"
"$build/bench/vorbix-memory-walk" --data-root "$data" 2>/dev/null | sed 's/^/  /'
