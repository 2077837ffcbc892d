#!/usr/bin/env bash
# The load figures of `caelix serve` (docs/performance.md): `caelix batch`'s charts per second on
# both cores as the yardstick, then wrk against /api/v1/chart with 64 connections for 10 s, then a
# soak of good and bad requests mixed (mixed.lua) after which the server must still answer a good
# request exactly as the command line does.
# Usage: load_test.sh CAELIX [SECONDS]
set -euo pipefail
caelix=$1
seconds=${2:-10}
here=$(cd "$(dirname "$0")" && pwd)
command -v wrk >/dev/null || { echo "load_test: wrk is not installed (scripts/bootstrap.sh installs it)"; exit 1; }

work=$(mktemp -d)
server=
cleanup() {
  [[ -n $server ]] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# The yardstick: 20,000 varied rows through caelix batch on two threads, best of three.
awk 'BEGIN { srand(7); for (i = 0; i < 20000; i++)
  printf "%04d-%02d-%02d,%02d:%05.2f,%.3f,%.3f,%s\n", 1900 + int(rand() * 200), 1 + int(rand() * 12),
    1 + int(rand() * 28), int(rand() * 24), rand() * 59.99, rand() * 360 - 180, rand() * 120 - 60,
    substr("PCK", 1 + int(rand() * 3), 1) }' >"$work/rows.csv"
best=0
for run in 1 2 3; do
  start=$(date +%s.%N)
  "$caelix" batch --threads 2 <"$work/rows.csv" >/dev/null
  end=$(date +%s.%N)
  rate=$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%d", 20000 / (e - s) }')
  ((rate > best)) && best=$rate
done
echo "caelix batch, 2 threads: $best charts/s; a fifth: $((best / 5)) requests/s ($(uptime | sed 's/.*load/load/'))"

"$caelix" serve --port 0 >"$work/serve.out" 2>&1 &
server=$!
for _ in $(seq 50); do grep -q '^caelix serve: http' "$work/serve.out" && break; sleep 0.1; done
url=$(grep -o 'http://[^ ]*' "$work/serve.out")
query='api/v1/chart?date=2000-01-01&time=12:00&lon=14.417&lat=50.083&houses=P'

# One wrk thread drives the 64 connections: on two cores a second one only takes a core's share
# from the server it measures.
wrk -t1 -c64 -d"${seconds}s" --latency "$url$query" >"$work/wrk.txt"
rps=$(awk '/^Requests\/sec/ { printf "%d", $2 }' "$work/wrk.txt")
p50=$(awk '$1 == "50%" { print $2 }' "$work/wrk.txt")
p99=$(awk '$1 == "99%" { print $2 }' "$work/wrk.txt")
errors=$(awk '/Non-2xx|Socket errors/' "$work/wrk.txt")
echo "wrk, 64 connections, ${seconds} s, /api/v1/chart: $rps requests/s, p50 $p50, p99 $p99" \
  "($(uptime | sed 's/.*load/load/'))"
echo "${errors:-no error responses, no socket errors}"

wrk -t8 -c8 -d"${seconds}s" -s "$here/mixed.lua" "$url" >"$work/soak.txt"
echo "soak, good and bad mixed: $(awk '/^Requests\/sec/ { printf "%d", $2 }' "$work/soak.txt") requests/s," \
  "$(grep 'mismatched statuses' "$work/soak.txt")"

want=$("$caelix" chart --json --date 2000-01-01 --time 12:00 --lon 14.417 --lat 50.083 --houses P)
got=$(curl -sf "$url$query")
[[ "$got" == "$want" ]] || { echo "after the soak the chart differs from the command line's"; exit 1; }
grep -q 'mismatched statuses: 0' "$work/soak.txt" || { cat "$work/soak.txt"; exit 1; }
[[ -z $errors ]] || { cat "$work/wrk.txt"; exit 1; }
echo "after the soak the server answers as the command line does"
