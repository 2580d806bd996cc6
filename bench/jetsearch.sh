#!/usr/bin/env bash
# The catalogue part search through the database layer on the demo catalogue
# at scale 100, against the same search in plain SQLite with its built-in LIKE.
set -euo pipefail
BUILD=$1
DATA=$("$(dirname "$0")/demo-data" "$BUILD")
exec "$BUILD/bin/jetsearch_bench" "$DATA" "${@:2}"
