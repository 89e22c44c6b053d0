#!/usr/bin/env bash
# Installs the build tree into a fresh prefix and runs the end-to-end start test against the
# installed program: its window comes up, Start draws and Konec ends it.
set -euo pipefail
build=$1
e2e_test=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
VLNOKRES_BINARY="$prefix/bin/vlnokres" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96 -nolisten tcp" "$e2e_test" startDrawsTheAxesAndKonecEnds
