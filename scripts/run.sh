#!/usr/bin/env bash
# Installs what is missing, builds, prepares the word data and starts Vorbix.
# Usage: bash scripts/run.sh [--data-root DIR] [PROGRAM OPTIONS...]
# Every argument is passed on to the program (see "vorbix --help").
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh" "$@"
exec "$VORBIX_BUILD/src/app/vorbix" --data-root "$VORBIX_DATA_ROOT" "$@"
