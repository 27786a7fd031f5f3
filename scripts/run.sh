#!/usr/bin/env bash
# Installs what is missing, builds the programs (release) and starts Tembra, or with --marquell
# the layout editor; the remaining arguments go to the program (a file to open).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=tembra
if [ "${1:-}" = "--marquell" ]; then
    program=marquell
    shift
fi
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTEMBRA_TESTS=OFF
cmake --build "$root/build/release"
# The build folder holds the programs in bin/ beside share/tembra, as an installed tree does.
if [ -x "$root/build/release/bin/$program" ]; then
    exec "$root/build/release/bin/$program" "$@"
fi
echo "Built into $root/build/release."
