#!/usr/bin/env bash
# Builds Vlnokres and starts it. Needs only what it installs itself: no test tools.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_missing "${build_packages[@]}"
configure_and_build "$build" "${program_only[@]}"
exec "$build/app/vlnokres" "$@"
