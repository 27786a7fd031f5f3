#!/usr/bin/env bash
# Installs what is missing, builds everything with the sanitizers and runs the whole test suite.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build="$root/build/test"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTEMBRA_SANITIZE=ON -DTEMBRA_WERROR=ON
cmake --build "$build"
# Chart dates must not depend on the host's zone: run under a zone far from the charts' own.
export TZ=America/New_York
# The program's clock stands on a day after 2020, so that every chart a test makes "today" is a
# current one; a test that needs another day sets its own.
export TEMBRA_NOW=2027-04-01
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
