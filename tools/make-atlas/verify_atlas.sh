#!/usr/bin/env bash
# The atlas test: fetches the sources (fetch_sources.sh; exit 77, skipped, without npm or the
# registry), then runs make-atlas with the remaining arguments (ending in --verify FILE).
# Usage: verify_atlas.sh SOURCES_DIR MAKE_ATLAS ARGUMENTS...
set -euo pipefail
sources=$1
make_atlas=$2
shift 2
bash "$(dirname "$0")/fetch_sources.sh" "$sources"
exec "$make_atlas" "$@"
