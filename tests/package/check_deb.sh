#!/usr/bin/env bash
# Builds the .deb from the build tree and checks what it holds and what it depends on.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/vlnokres_*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
status=0
for path in ./usr/bin/vlnokres ./usr/share/applications/example.vlnokres.Vlnokres.desktop \
            ./usr/share/metainfo/example.vlnokres.Vlnokres.metainfo.xml ./usr/share/man/man1/vlnokres.1 \
            ./usr/share/mime/packages/example.vlnokres.Vlnokres.xml \
            ./usr/share/vlnokres/lessons/skladani-kmitu.vlnokres ./usr/share/vlnokres/lessons/adding-oscillations.vlnokres \
            ./usr/share/icons/hicolor/scalable/apps/vlnokres.svg \
            ./usr/share/icons/hicolor/{16x16,32x32,48x48,256x256}/apps/vlnokres.png; do
  grep -qxF "$path" <<<"$contents" || { echo "missing from the package: $path"; status=1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for pkg in fonts-liberation qt6-qpa-plugins qt6-translations-l10n libqt6widgets6 libqt6multimedia6; do
  grep -q "\b$pkg\b" <<<"$depends" || { echo "not a dependency: $pkg (Depends: $depends)"; status=1; }
done
[ $status -eq 0 ] && echo "package $(basename "$deb") holds the program, its desktop entry, metainfo, file type, lessons, manual and icons"
exit $status
