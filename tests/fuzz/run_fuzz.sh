#!/usr/bin/env bash
# Runs the fuzz target for a bounded time from the committed seeds. New inputs go to a
# scratch folder, so the committed corpus stays as it is; a finding is kept beside the build.
set -euo pipefail
fuzzer=$1
seeds=$2
seconds=${3:-60}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
artifacts="$(dirname "$fuzzer")/findings"
mkdir -p "$artifacts"
"$fuzzer" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$artifacts/" "$scratch" "$seeds" 2>&1 | grep -vE '^#[0-9]+.*(NEW|REDUCE|pulse)' || true
exit "${PIPESTATUS[0]}"
