#!/usr/bin/env bash
# Installs what is missing, builds the programs (release) and starts Tembra, or with --marquell
# the layout editor; the remaining arguments go to the program (a file to open). Only what runs
# is built: Tembra with the layout editor it starts, or the layout editor alone; no tests, no
# benchmarks.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=tembra
targets=(tembra marquell)
if [ "${1:-}" = "--marquell" ]; then
    program=marquell
    targets=(marquell)
    shift
fi
"$root/scripts/install-deps.sh"
# A folder of its own: the options set here (no tests) would otherwise stay in the cache of a
# developer's release folder.
build="$root/build/run"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTEMBRA_TESTS=OFF \
    -DTEMBRA_BENCH=OFF
cmake --build "$build" --target "${targets[@]}"
# The build folder holds the programs in bin/ beside share/tembra, as an installed tree does.
if [ -x "$build/bin/$program" ]; then
    exec "$build/bin/$program" "$@"
fi
echo "Built into $build."
