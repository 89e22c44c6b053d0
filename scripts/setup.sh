#!/usr/bin/env bash
# Installs the Debian packages that are missing, then configures and builds.
# Sourced by the run, test, bench and package commands; safe to run again, and quick when
# nothing changed.
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

# What building and running the program needs, and what only the tests and benchmarks need.
build_packages=(cmake g++ ninja-build qt6-base-dev qt6-svg-dev libgl-dev qt6-qpa-plugins fonts-liberation
                qt6-translations-l10n qt6-multimedia-dev libgif-dev qt6-tools-dev qt6-l10n-tools)
test_packages=(xvfb xauth xdotool libxcb1-dev libbenchmark-dev desktop-file-utils dpkg-dev file
               clang libclang-rt-14-dev fonts-dejavu-core openbox librsvg2-bin poppler-utils appstream man-db
               pulseaudio pulseaudio-utils shared-mime-info)

# The program alone reads neither the test folders nor the benchmarks, so it needs none of
# their tools; the test command builds everything.
program_only=(-DBUILD_TESTING=OFF -DVLNOKRES_BENCHMARKS=OFF)
everything=(-DBUILD_TESTING=ON -DVLNOKRES_BENCHMARKS=ON)

# configure_and_build DIR [CMAKE_ARGUMENTS...]: configures (again, which is quick, so that the
# arguments always hold) and builds.
configure_and_build() {
  local dir=$1
  shift
  cmake -S "$repo" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir"
}
