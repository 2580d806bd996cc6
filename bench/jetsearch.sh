#!/usr/bin/env bash
# The catalogue search through the search builders and runner on the demo
# catalogue at scale 100, box change to list repainted, against the same
# search in plain SQLite with its built-in LIKE; and the event loop's longest
# stall while typing.
set -euo pipefail
BUILD=$1
DATA=$("$(dirname "$0")/demo-data" "$BUILD")
QT_QPA_PLATFORM=offscreen exec "$BUILD/bin/jetsearch_bench" "$DATA" "${@:2}"
