#!/usr/bin/env bash
# Builds the program in a fresh tree as the run command does, but unoptimised and without
# debugging information, which halves the time and changes nothing of what the build needs,
# with every program of the test-only packages and Google Benchmark out of reach, so that the run command can never
# again come to need a test tool. They are hidden in a mount namespace of this check's own:
# an empty, non-executable file is mounted over each program, an empty folder over the
# benchmark library's CMake package. Exits 77 (skipped) where no mount namespace can be made.
set -euo pipefail
repo=$1

if [ "${VLNOKRES_IN_NAMESPACE:-}" != 1 ]; then
  unshare --map-root-user --mount true 2>/dev/null || { echo "no mount namespace here: skipped"; exit 77; }
  VLNOKRES_IN_NAMESPACE=1 exec unshare --map-root-user --mount "$0" "$@"
fi

source "$repo/scripts/setup.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
touch "$scratch/nothing"
mkdir "$scratch/empty"

hidden=0
while read -r path; do
  if [ -f "$path" ] && [ -x "$path" ]; then
    mount --bind "$scratch/nothing" "$path"
    hidden=$((hidden + 1))
  fi
done < <(dpkg -L "${test_packages[@]}" 2>/dev/null | grep -E '/s?bin/[^/]+$' | sort -u)
for dir in /usr/lib/*/cmake/benchmark /usr/lib/cmake/benchmark; do
  [ -d "$dir" ] && mount --bind "$scratch/empty" "$dir"
done
for tool in xvfb-run xdotool desktop-file-validate; do
  if command -v "$tool" >/dev/null && [ -x "$(command -v "$tool")" ]; then
    echo "the check failed to hide $tool"
    exit 1
  fi
done

configure_and_build "$scratch/build" "${program_only[@]}" -DCMAKE_BUILD_TYPE= >"$scratch/log" 2>&1 ||
  { cat "$scratch/log"; echo "the run command's build needs something only the tests install"; exit 1; }
test -x "$scratch/build/app/vlnokres"
echo "the run command builds the program with the $hidden programs of the test-only packages hidden"
