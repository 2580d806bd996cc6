#!/usr/bin/env bash
# The catalogue part search through the database layer on the demo catalogue
# at scale 100, against the same search in plain SQLite with its built-in
# LIKE.  The scale-100 catalogue is generated once and kept in the build folder.
set -euo pipefail
BUILD=$1
DATA=$BUILD/bench-data/demo-V-100
if [ ! -f "$DATA/DAZADIZETQ_V.MDB" ]; then
  echo "generating the scale-100 demo catalogue (once) ..."
  mkdir -p "$BUILD/bench-data"
  "$BUILD/bin/tqdemo" --edition V --scale 100 --no-files --out "$DATA" >/dev/null
fi
exec "$BUILD/bin/jetsearch_bench" "$DATA" "${@:2}"
