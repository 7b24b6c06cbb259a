#!/usr/bin/env bash
# Installs what building and running Korvel needs and is missing (scripts/install-deps.sh run),
# builds the program and starts its window. Arguments go to the program (a .zdy file, say).
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh run
# A new build leaves out the tests and benchmarks, whose packages only ./test.sh installs; a
# build that ./test.sh configured keeps them.
light=()
[ -f build/CMakeCache.txt ] || light=(-DKORVEL_TESTS=OFF -DKORVEL_BENCH=OFF)
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release "${light[@]}"
cmake --build build -j "$(nproc)" --target korvel
exec ./build/app/korvel "$@"
