#!/usr/bin/env bash
# Builds Vlnokres with its tests and benchmarks and runs every test: the unit, widget,
# end-to-end and package tests and the check that the run command needs no test tools; the
# unit and widget tests again under AddressSanitizer and UndefinedBehaviorSanitizer; and the
# fuzz target for a minute; and the raster surface, whose painters share a scene, under
# ThreadSanitizer. Arguments go to the first ctest alone, and then only it runs
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

# The surface's two painters under ThreadSanitizer: only the surface's test is built there.
CXX=clang++ cmake -S "$repo" -B "$repo/build-threads" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
  -DVLNOKRES_BENCHMARKS=OFF -DVLNOKRES_SANITIZE_THREADS=ON >/dev/null
cmake --build "$repo/build-threads" --target tst_rastersurface
TSAN_OPTIONS=halt_on_error=1 ctest --test-dir "$repo/build-threads" -R '^tst_rastersurface$' --output-on-failure
