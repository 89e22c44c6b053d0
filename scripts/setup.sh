#!/usr/bin/env bash
# Installs the Debian packages that are missing, then configures and builds.
# Sourced by run.sh and test.sh; safe to run again, and quick when nothing changed.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$repo/build"

install_missing() {
  local missing=()
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_packages=(cmake g++ ninja-build qt6-base-dev qt6-svg-dev libgl-dev qt6-qpa-plugins fonts-liberation)
test_packages=(xvfb xauth xdotool libxcb1-dev libbenchmark-dev desktop-file-utils dpkg-dev file
               clang libclang-rt-14-dev)

# configure_and_build [DIR [CMAKE_ARGUMENTS...]]: the main build tree unless told otherwise.
configure_and_build() {
  local dir=${1:-$build}
  shift || true
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$repo" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  fi
  cmake --build "$dir"
}
