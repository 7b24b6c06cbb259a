#!/usr/bin/env bash
# The check of 32767 staked points as whole korvel-calc processes, beside the plain run that
# makes the same design points: the instrument's file is Korvel's own export of the run, as
# CSV, CASS .dat and GSI-16, every point measured where it was set out. hyperfine times each
# command, its output going to /dev/null; a check should take 100 ms at most.
#   scripts/bench-check.sh          # after ./run.sh or ./test.sh has built build/
#   scripts/bench-check.sh 300      # more runs for steadier figures
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-100}
calc=build/cli/korvel-calc
run=(--step 32765 6 60 1000 500 0 1)  # the step example at the 32767-row limit
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

commands=("$calc ${run[*]}")
for ending in csv dat gsi; do
  "$calc" "${run[@]}" -o "$work/measured.$ending"
  commands+=("$calc --measured $work/measured.$ending ${run[*]}")
done
hyperfine -N --warmup 5 --runs "$runs" --export-json "$work/times.json" "${commands[@]}"
python3 - "$work/times.json" <<'PY'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
plain = results[0]["mean"]
for result in results[1:]:
    ending = result["command"].split("measured.")[1].split()[0]
    print(f"check of .{ending}: {result['mean'] * 1000:.1f} ms, "
          f"{result['mean'] / plain:.2f} times the plain run ({plain * 1000:.1f} ms)")
PY
