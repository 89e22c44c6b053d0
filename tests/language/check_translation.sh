#!/usr/bin/env bash
# Fails where a text of the program has no English: lupdate reads the sources into a copy of
# the translation, which must then hold no message that is unfinished or has no translation.
set -euo pipefail
lupdate=$1
repo=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp "$repo/translations/vlnokres_en.ts" "$tmp/check.ts"
"$lupdate" -silent -no-obsolete -locations none -extensions cpp,h -I "$repo" "$repo/app" "$repo/core" -ts "$tmp/check.ts" 2>/dev/null
missing=$(grep -c -e 'type="unfinished"' -e '<translation></translation>' "$tmp/check.ts" || true)
if [ "$missing" -gt 0 ]; then
  grep -B2 -e 'type="unfinished"' -e '<translation></translation>' "$tmp/check.ts"
  echo "$missing texts have no English translation (scripts: cmake --build build --target update_translations)"
  exit 1
fi
echo "every text of the program has its English translation"
