#!/usr/bin/env bash
# Builds Vlnokres and runs its benchmarks: drawing cost per step and the pace of real runs.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_missing "${build_packages[@]}" "${test_packages[@]}"
configure_and_build "$build" "${everything[@]}"
# The sound's benchmarks play to a private sound server, as the sound's test does.
exec "$repo/tests/e2e/with_pulseaudio.sh" "$build/bench/vlnokres_bench" "$@"
