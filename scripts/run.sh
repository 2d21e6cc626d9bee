#!/usr/bin/env bash
# Installs what is missing, builds, prepares the word data and starts Vorbix.
# Usage: bash scripts/run.sh [--data-root DIR]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh" "$@"
exec "$VORBIX_BUILD/src/vorbix" --data-root "$VORBIX_DATA_ROOT"
