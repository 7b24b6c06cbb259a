#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UBSan on) and runs each over
# its committed corpus for the given number of seconds (default 30). New inputs go to a
# scratch folder; a finding is written to build-fuzz/findings/ and fails the script.
#   scripts/fuzz.sh          # about 30 s a target, as ./test.sh runs it
#   scripts/fuzz.sh 3600     # an hour a target, by hand
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}

cmake -S . -B build-fuzz -DKORVEL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j "$(nproc)"

mkdir -p build-fuzz/findings
status=0
for target in build-fuzz/fuzz/*_fuzz; do
  name=$(basename "$target")
  scratch=$(mktemp -d)
  mkdir -p "fuzz/corpus/$name"
  echo "== $name: ${seconds}s"
  if ! "$target" "$scratch" "fuzz/corpus/$name" -max_total_time="$seconds" -timeout=30 \
      -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$name-" \
      2>"build-fuzz/$name.log"; then
    status=1
    tail -n 40 "build-fuzz/$name.log"
  fi
  grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "build-fuzz/$name.log" | sed "s/^/   /"
  rm -rf "$scratch"
done
exit $status
