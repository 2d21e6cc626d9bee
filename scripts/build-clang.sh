#!/usr/bin/env bash
# Builds everything (library, program, tools, tests, benchmarks) with Debian
# 12's clang 14 in build-clang/, beside the release build, so that clang-based
# tools (clang-tidy, clangd, sanitizer builds) can work on the code.
# Usage: bash scripts/build-clang.sh [extra cmake options]
set -euo pipefail
VORBIX_SOURCE=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VORBIX_CLANG_BUILD=${VORBIX_CLANG_BUILD:-$VORBIX_SOURCE/build-clang}

source "$VORBIX_SOURCE/scripts/packages.sh"
vorbix_install_missing "${vorbix_packages[@]}" clang-14

cmake -S "$VORBIX_SOURCE" -B "$VORBIX_CLANG_BUILD" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_EXPORT_COMPILE_COMMANDS=ON "$@" >/dev/null
cmake --build "$VORBIX_CLANG_BUILD" -j"$(nproc)"
