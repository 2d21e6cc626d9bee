#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs the whole test suite there; any report fails the run.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/packages.sh"
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VORBIX_ASAN_BUILD:-$source_dir/build-asan}

vorbix_install_missing "${vorbix_packages[@]}"
cmake -S "$source_dir" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DVORBIX_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
