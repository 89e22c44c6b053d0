#!/usr/bin/env bash
# The lesson's file type as a desktop learns it: the shared MIME database built from our
# package file alone must know *.vlnokres as application/x-vlnokres, with a Czech and an
# English comment, and the desktop entry must open that type with the file.
set -euo pipefail
update=$1
mime=$2
desktop=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/mime/packages"
cp "$mime" "$tmp/mime/packages/"
XDG_DATA_DIRS=$tmp XDG_DATA_HOME=$tmp "$update" "$tmp/mime" 2>"$tmp/warnings"
if [ -s "$tmp/warnings" ]; then cat "$tmp/warnings"; exit 1; fi
grep -qx 'application/x-vlnokres:\*\.vlnokres' "$tmp/mime/globs" || { echo "the glob *.vlnokres is not known"; exit 1; }
type=$tmp/mime/application/x-vlnokres.xml
grep -q '<comment xml:lang="cs">Lekce programu Vlnokres</comment>' "$type" || { echo "no Czech comment"; exit 1; }
grep -q '<comment>Vlnokres lesson</comment>' "$type" || { echo "no English comment"; exit 1; }
grep -qx 'MimeType=application/x-vlnokres;' "$desktop" || { echo "the desktop entry does not open lessons"; exit 1; }
grep -qx 'Exec=vlnokres %f' "$desktop" || { echo "the desktop entry is not given the file"; exit 1; }
echo "lessons are known as application/x-vlnokres and open in the program"
