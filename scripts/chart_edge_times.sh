#!/usr/bin/env bash
# Times `caelix chart` on the edges of every range the main dialog admits (every house system,
# all four pages, the JSON and the wheel as SVG) and prints the slowest run in milliseconds.
# Usage: scripts/chart_edge_times.sh [path/to/caelix]   (default build/caelix)
set -euo pipefail
caelix=${1:-build/caelix}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
slowest=0
slowest_args=""
runs=0
for date in -9999-01-01 -4713-01-01 1582-10-04 1582-10-15 2000-02-29 99999-12-31; do
  for time in 00:00 23:59.99; do
    for place in "-360 -65.9999" "360 65.9999" "0 0" "-0.0001 -0.0001"; do
      read -r lon lat <<<"$place"
      for houses in P C K; do
        args=(chart --date="$date" --time="$time" --lon="$lon" --lat="$lat" --houses="$houses"
              --page=all --json --svg="$out/wheel.svg" --data-dir="$out")
        start=$(date +%s%N)
        "$caelix" "${args[@]}" >/dev/null
        ms=$(( ($(date +%s%N) - start) / 1000000 ))
        runs=$((runs + 1))
        if (( ms > slowest )); then slowest=$ms; slowest_args="${args[*]}"; fi
      done
    done
  done
done
echo "$runs runs, slowest $slowest ms: caelix $slowest_args"
