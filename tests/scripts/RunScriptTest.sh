#!/usr/bin/env bash
# scripts/run.sh as a developer runs it in a tree that has a release build folder of their own:
# the cmake it calls is a stand-in that records its arguments, and every package counts as
# installed. The script configures and builds a folder of its own and leaves build/release alone
# (its options, tests off among them, would otherwise land in that folder's cache); it builds
# only the programs it runs (Tembra starts the layout editor), never the benchmarks.
# The scripts run from a copy in a tree of their own: a program the developer has built in
# build/run would otherwise be started, and the test would wait for it to be closed.
set -euo pipefail
source_root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/tree"
mkdir -p "$work/bin" "$root/build/release"
cp -r "$source_root/scripts" "$root/scripts"
printf '#!/bin/sh\necho "$*" >> "$CMAKE_LOG"\n' > "$work/bin/cmake"
printf '#!/bin/sh\nprintf "install ok installed"\n' > "$work/bin/dpkg-query"
chmod +x "$work/bin/cmake" "$work/bin/dpkg-query"

fail() {
    echo "FAILED: $1" >&2
    echo "cmake was called with:" >&2
    cat "$work/cmake.log" >&2
    exit 1
}
# The arguments of the script ("-" none), and the targets its build names.
while read -r arguments targets; do
    [ "$arguments" = - ] && arguments=""
    : > "$work/cmake.log"
    # shellcheck disable=SC2086 # the arguments are words
    CMAKE_LOG="$work/cmake.log" PATH="$work/bin:$PATH" "$root/scripts/run.sh" $arguments \
        < /dev/null > "$work/out"
    grep -q -- "-B $root/build/run " "$work/cmake.log" || fail "configures build/run"
    grep -q -- "-DTEMBRA_BENCH=OFF" "$work/cmake.log" || fail "configures no benchmarks"
    build=$(grep -- "--build " "$work/cmake.log") || fail "builds"
    [ "$build" = "--build $root/build/run --target ${targets//,/ }" ] ||
        fail "run.sh $arguments builds $targets only"
    if grep -q "build/release" "$work/cmake.log"; then
        fail "leaves build/release alone"
    fi
done <<'CASES'
- tembra,marquell
--marquell marquell
CASES
echo "run.sh configures and builds build/run only, and only the programs it runs"
