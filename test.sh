#!/usr/bin/env bash
# Installs what is missing, builds Korvel with its tests and benchmarks, and runs every test:
# once as built for use, then builds and checks the Debian package from that build, once
# under AddressSanitizer and UndefinedBehaviorSanitizer, and then each fuzz target for about
# 30 seconds over its corpus.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
./scripts/check-package.sh build

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEL_SANITIZE=ON -DKORVEL_BENCH=OFF
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"

./scripts/fuzz.sh "${KORVEL_FUZZ_SECONDS:-30}"
