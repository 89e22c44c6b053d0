#!/usr/bin/env bash
# Renders the manual page as man shows it and fails on any warning of the formatter, and on a
# key that its list of keys names twice.
set -euo pipefail
man=$1
page=$2
warnings=$(MANWIDTH=80 "$man" --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
  echo "$warnings"
  exit 1
fi
twice=$(awk '/^\.SH/ { keys = ($0 ~ /KLÁVESY/) } keys && /^\.BR? / { sub(/^\.BR? /, ""); print }' "$page" | sort | uniq -d)
if [ -n "$twice" ]; then
  echo "keys listed twice: $twice"
  exit 1
fi
echo "the manual renders without warnings and lists each key once"
