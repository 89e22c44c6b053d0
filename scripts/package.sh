#!/usr/bin/env bash
# Builds Vlnokres and makes its Debian package in build/packages/.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_missing "${build_packages[@]}" dpkg-dev file
configure_and_build "$build" "${program_only[@]}"
(cd "$build" && cpack -G DEB -B "$build/packages")
