#!/usr/bin/env bash
# Installs what is missing, builds, prepares the word data and runs every test.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh" "$@"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$VORBIX_BUILD" --output-on-failure -j"$(nproc)"
