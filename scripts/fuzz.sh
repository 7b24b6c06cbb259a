#!/usr/bin/env bash
# Runs each libFuzzer target over its committed corpus for the given number of seconds
# (default 30), as many at a time as there are cores. The targets are those of the sanitized
# build (clang, AddressSanitizer and UBSan on, built against the suite's own libraries;
# scripts/lib/sanitized-build.sh), built here if they are not yet. New inputs go to a scratch
# folder; a finding is written to build-asan/findings/ and fails the script.
#   scripts/fuzz.sh          # about 30 s a target, as ./test.sh runs it
#   scripts/fuzz.sh 3600     # an hour a target, by hand
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/sanitized-build.sh
seconds=${1:-30}
build=$sanitized_build

configure_sanitized_build >/dev/null
cmake --build "$build" -j "$(nproc)" --target korvel_fuzzers

# One target over its corpus; its log is $build/<name>.log.
fuzz_one() {
  local name scratch status=0
  name=$(basename "$1")
  scratch=$(mktemp -d)
  mkdir -p "fuzz/corpus/$name"
  "$1" "$scratch" "fuzz/corpus/$name" -max_total_time="$seconds" -timeout=30 \
    -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$build/findings/$name-" \
    2>"$build/$name.log" || status=$?
  rm -rf "$scratch"
  return "$status"
}

mkdir -p "$build/findings"
targets=("$build"/fuzz/*_fuzz)
declare -A running=()
status=0
# Waits for the first of the running targets to end and reports it.
report_one() {
  local pid name
  wait -n -p pid "${!running[@]}" && ok=1 || ok=0
  name=${running[$pid]}
  unset "running[$pid]"
  echo "== $name: ${seconds}s"
  if ((!ok)); then
    status=1
    tail -n 40 "$build/$name.log"
  fi
  grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "$build/$name.log" | sed "s/^/   /"
}
for target in "${targets[@]}"; do
  ((${#running[@]} < $(nproc))) || report_one
  fuzz_one "$target" &
  running[$!]=$(basename "$target")
done
while ((${#running[@]})); do
  report_one
done
exit $status
