#!/usr/bin/env bash
# The slope in height as whole korvel-calc processes: 32767 points across the toe and its layer
# lines beside the toe alone of 32767 rows, both to CSV (the layers should cost less than twice
# the toe); the face check of those 32767 points shot back, printed to /dev/null, beside the
# same toe-only run (100 ms or less); and the surface of a slope 20 m high written as LandXML
# and as a drawing, as a cone, with a flat top and twisted (each in 50 ms or less). hyperfine
# times each command.
#   scripts/bench-heights.sh          # after ./run.sh or ./test.sh has built build/
#   scripts/bench-heights.sh 300      # more runs for steadier figures
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-100}
calc=build/cli/korvel-calc
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

toe=(--step -o "$work/toe.csv" 32765 6 60 1000 500 0 1)
layers=(--step --top 10 --layers 0.7 -o "$work/layers.csv" 4280 6 60 1000 500 0 1)
slope=(--step --top 20 30 20 60 3000 5000 45 1 0)
"$calc" "${layers[@]}"
face=(--step --top 10 --face "$work/layers.csv" 4280 6 60 1000 500 0 1)
hyperfine -N --warmup 5 --runs "$runs" --output=null --export-json "$work/points.json" \
  "$calc ${toe[*]}" "$calc ${layers[*]}" "$calc ${face[*]}"
python3 - "$work/points.json" <<'PY'
import json, sys
toe, layers, face = json.load(open(sys.argv[1]))["results"]
for what, result in (("toe and layers, 32767 points", layers),
                     ("face check of 32767 shots", face)):
    print(f"{what}: {result['mean'] * 1000:.1f} ms, "
          f"{result['mean'] / toe['mean']:.2f} times the toe alone ({toe['mean'] * 1000:.1f} ms)")
PY
commands=()
for slopes in "" "--slope 1.25,0.75" "--slope 1.4,0.2"; do
  for ending in xml dxf; do
    commands+=("$calc $slopes -o $work/slope.$ending ${slope[*]}")
  done
done
hyperfine -N --warmup 5 --runs "$runs" "${commands[@]}"
