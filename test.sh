#!/usr/bin/env bash
# Installs what is missing, builds Korvel with its tests and benchmarks, and runs every test:
# once as built for use; the Debian package from that build; the Windows build under Wine
# where this machine has its cross-built Qt; once under AddressSanitizer and
# UndefinedBehaviorSanitizer; and then each fuzz target for about 30 seconds over its corpus.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
./scripts/check-package.sh build

# The Windows build under Wine, on a machine that has cross-built Windows Qt once (an hour
# that a fresh machine is spared; scripts/build-windows.sh does it).
windows_qt="${KORVEL_WINDOWS_CACHE:-$HOME/.cache/korvel-windows}/qt/.korvel-$(dpkg-query -W -f='${Version}' qt6-base-dev)"
if [ -f "$windows_qt" ]; then
  ./scripts/build-windows.sh
  ./scripts/test-windows.sh
else
  echo "Windows check skipped: no cross-built Windows Qt in ${windows_qt%/qt/*} (scripts/build-windows.sh builds it once, in about an hour)"
fi

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEL_SANITIZE=ON -DKORVEL_BENCH=OFF
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"

./scripts/fuzz.sh "${KORVEL_FUZZ_SECONDS:-30}"
