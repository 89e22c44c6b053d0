#!/usr/bin/env bash
# Builds Vlnokres with its tests and benchmarks and runs every test: the unit, widget,
# end-to-end and package tests and the check that the run command needs no test tools; the
# unit and widget tests again under AddressSanitizer and UndefinedBehaviorSanitizer; and the
# fuzz target for a minute. Arguments go to the first ctest alone, and then only it runs
# (scripts/test.sh -R tst_scene).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_missing "${build_packages[@]}" "${test_packages[@]}"
configure_and_build "$build" "${everything[@]}"
if [ $# -gt 0 ]; then
  exec ctest --test-dir "$build" --output-on-failure "$@"
fi
ctest --test-dir "$build" --output-on-failure

# One clang tree for both, built once.
CXX=clang++ configure_and_build "$repo/build-checked" "${everything[@]}" -DVLNOKRES_BENCHMARKS=OFF \
  -DCMAKE_BUILD_TYPE=Debug -DVLNOKRES_SANITIZE=ON -DVLNOKRES_FUZZ=ON
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --test-dir "$repo/build-checked" -L 'unit|fuzz' --output-on-failure
