#!/usr/bin/env bash
# Installs what is missing, builds Korvel with its tests and benchmarks, and runs every test:
# once as built for use; the Debian package from that build; the Windows build under Wine
# where this machine has its cross-built Qt; once more under AddressSanitizer and
# UndefinedBehaviorSanitizer, in the clang build that also holds the libFuzzer targets; and
# then each fuzz target for about 30 seconds over its corpus. Each phase says when it starts.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/lib/sanitized-build.sh
step() { echo "== $(date +%H:%M:%S) $*"; }

step "packages for the build"
./scripts/install-deps.sh build
# The rest (clang, the readers, Xvfb, lintian, …) installs while the build for use compiles:
# apt's download and unpacking overlap the compile instead of coming before it (they share the
# cores, so this hides part of apt's time, not all).
packages_log=$(mktemp)
./scripts/install-deps.sh test >"$packages_log" 2>&1 &
packages_pid=$!
jobs=$(nproc)

step "the build for use (build/), the other packages installing beside it"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKORVEL_TESTS=ON -DKORVEL_BENCH=ON
cmake --build build -j "$jobs"
step "the other packages"
if ! wait "$packages_pid"; then
  cat "$packages_log" >&2
  echo "installing the packages for the tests failed" >&2
  exit 1
fi
cat "$packages_log"
rm -f "$packages_log"
step "its tests"
ctest --test-dir build --output-on-failure -j "$jobs"
step "the Debian package"
./scripts/check-package.sh build

# The Windows build under Wine, on a machine that has cross-built Windows Qt once (an hour
# that a fresh machine is spared; scripts/build-windows.sh does it).
windows_qt="${KORVEL_WINDOWS_CACHE:-$HOME/.cache/korvel-windows}/qt/.korvel-$(dpkg-query -W -f='${Version}' qt6-base-dev)"
if [ -f "$windows_qt" ]; then
  step "the Windows build"
  ./scripts/build-windows.sh
  step "the Windows build under Wine"
  ./scripts/test-windows.sh
else
  echo "Windows check skipped: no cross-built Windows Qt in ${windows_qt%/qt/*} (scripts/build-windows.sh builds it once, in about an hour)"
fi

step "the sanitized build with the fuzzers (build-asan/)"
configure_sanitized_build
cmake --build "$sanitized_build" -j "$jobs"
step "its tests under the sanitizers"
ctest --test-dir "$sanitized_build" --output-on-failure -j "$jobs"

step "the fuzz targets"
./scripts/fuzz.sh "${KORVEL_FUZZ_SECONDS:-30}"
step "every test passed"
