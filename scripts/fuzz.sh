#!/usr/bin/env bash
# Builds the fuzz targets with clang 14 (libFuzzer, ASan, UBSan) in
# build-fuzz/ and runs each for RUNS executions (default 10 million), from
# its seed corpus in tests/fuzz/corpus. New interesting inputs go to
# build-fuzz/corpus/<target>; a crash leaves its input in build-fuzz/.
# Usage: bash scripts/fuzz.sh [RUNS] [TARGET...]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/packages.sh"
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VORBIX_FUZZ_BUILD:-$source_dir/build-fuzz}
runs=${1:-10000000}
shift || true
targets=("$@")
if ((${#targets[@]} == 0)); then
  targets=(fuzz_answer_scoring fuzz_text_services fuzz_criteria_search fuzz_word_list fuzz_dictd
           fuzz_kvtml fuzz_flashcards fuzz_csv_round_trip fuzz_trans_de_en)
fi

vorbix_install_missing "${vorbix_packages[@]}" clang-14 libclang-rt-14-dev
cmake -S "$source_dir" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORBIX_FUZZ=ON \
      -DVORBIX_BUNDLE_WORD_DATA=OFF -DVORBIX_BUILD_BENCH=OFF \
      -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

# The longest input worth trying per target: answers beyond 255 characters,
# numbers and short texts, whole tables and files.
max_len() {
  case "$1" in
    fuzz_answer_scoring) echo 600 ;;
    fuzz_text_services) echo 128 ;;
    fuzz_criteria_search) echo 512 ;;   # a few hundred rows; every input builds an index
    fuzz_dictd) echo 1024 ;;            # real entries and index runs are shorter
    fuzz_kvtml) echo 8192 ;;            # most KWordQuiz examples whole (4 to 13 KB), entries of the rest
    fuzz_flashcards) echo 8192 ;;       # many notes, long HTML fields
    *) echo 4096 ;;
  esac
}

for target in "${targets[@]}"; do
  mkdir -p "$build/corpus/$target"
  echo "== $target: $runs runs"
  start=$SECONDS
  (cd "$build" && "$build/tests/fuzz/$target" -runs="$runs" -max_len="$(max_len "$target")" -timeout=10 -rss_limit_mb=2048 \
     -print_final_stats=1 "$build/corpus/$target" "$source_dir/tests/fuzz/corpus/$target" 2>&1 \
     | grep -E "stat::(number_of_executed_units|average_exec_per_sec|slowest_unit_time_sec|peak_rss_mb)|ERROR|SUMMARY|Done" || true)
  echo "$target: $((SECONDS - start)) s"
done
