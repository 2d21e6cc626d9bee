#!/usr/bin/env bash
# Builds the Debian package from a build folder, unpacks it into a scratch
# root and checks that it holds the program, the importer, the desktop files
# and the word data, that its dependencies name Qt, and that the unpacked
# program starts offscreen on a fresh data root and finds its words.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/vorbix_*.deb)
dpkg-deb -x "$deb" "$work/root"

for file in usr/bin/vorbix usr/bin/vorbix-import usr/bin/vorbix-export \
            usr/share/applications/org.vorbix.Vorbix.desktop \
            usr/share/icons/hicolor/scalable/apps/org.vorbix.Vorbix.svg \
            usr/share/metainfo/org.vorbix.Vorbix.metainfo.xml \
            usr/share/man/man1/vorbix.1 usr/share/man/man1/vorbix-import.1 usr/share/man/man1/vorbix-export.1 \
            usr/share/vorbix/words/English/engmi.db usr/share/vorbix/words/Convdiv/engmi.db \
            usr/share/vorbix/words/Engleza/eng.db; do
  [ -f "$work/root/$file" ] || fail "the package lacks /$file"
done

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6sql6 libqt6sql6-sqlite libqt6charts6; do
  grep -q "$package" <<<"$depends" || fail "Depends ($depends) does not name $package"
done

version=$("$work/root/usr/bin/vorbix" --version)
grep -q "^vorbix [0-9]" <<<"$version" || fail "unexpected --version: $version"

# A fresh data root: the program copies the installed words into it and runs.
data="$work/home/.local/share/vorbix"
status=0
QT_QPA_PLATFORM=offscreen timeout 5 "$work/root/usr/bin/vorbix" --data-root "$data" || status=$?
[ "$status" -eq 124 ] || fail "the program ended by itself with status $status"
for file in English/engmi.db Convdiv/engmi.db Engleza/eng.db; do
  cmp -s "$data/$file" "$work/root/usr/share/vorbix/words/$file" || fail "$file was not copied into the data root"
done
echo "ok: $(basename "$deb") holds the program, the desktop files and the word data, and starts"
