#!/usr/bin/env bash
# Set-up shared by run.sh and test.sh: installs the Debian 12 packages that
# are missing, builds Vorbix (Release) and creates the word databases when
# they are missing. Sourced, not run: it sets VORBIX_BUILD and VORBIX_DATA_ROOT.
set -euo pipefail

VORBIX_SOURCE=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VORBIX_BUILD=${VORBIX_BUILD:-$VORBIX_SOURCE/build-release}

source "$VORBIX_SOURCE/scripts/packages.sh"
vorbix_install_missing "${vorbix_packages[@]}"

cmake -S "$VORBIX_SOURCE" -B "$VORBIX_BUILD" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$VORBIX_BUILD" -j"$(nproc)"

# The data root: --data-root DIR when given, else $XDG_DATA_HOME/vorbix.
VORBIX_DATA_ROOT=${XDG_DATA_HOME:-$HOME/.local/share}/vorbix
args=("$@")
for ((i = 0; i < ${#args[@]}; i++)); do
  case "${args[i]}" in
    --data-root) VORBIX_DATA_ROOT=${args[i + 1]:-$VORBIX_DATA_ROOT} ;;
    --data-root=*) VORBIX_DATA_ROOT=${args[i]#--data-root=} ;;
  esac
done

if [ ! -f "$VORBIX_DATA_ROOT/English/engmi.db" ] || [ ! -f "$VORBIX_DATA_ROOT/Convdiv/engmi.db" ] \
   || [ ! -f "$VORBIX_DATA_ROOT/Engleza/eng.db" ]; then
  echo "Creating the word databases under $VORBIX_DATA_ROOT"
  "$VORBIX_BUILD/tools/import/vorbix-import" freedict --data-root "$VORBIX_DATA_ROOT"
fi
