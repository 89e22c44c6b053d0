#!/usr/bin/env bash
# Builds Vlnokres with its tests and benchmarks and runs every test.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_missing "${build_packages[@]}" "${test_packages[@]}"
configure_and_build
ctest --test-dir "$build" --output-on-failure "$@"
