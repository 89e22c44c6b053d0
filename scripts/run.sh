#!/usr/bin/env bash
# Builds Vlnokres and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_missing "${build_packages[@]}"
configure_and_build
exec "$build/vlnokres" "$@"
