#!/usr/bin/env bash
# Report output: the full figure and table run (all parts, both options) of
# the 23-part assembly of the scale-100 demo catalogue, printed to a 600-dpi
# PDF and written as JPEG pages, against replaying the same pages with
# QPainter onto an 840 x 630 picture (and encoding them) in the same run.
set -euo pipefail
BUILD=$1
DATA=$BUILD/bench-data/demo-V-100-files
if [ ! -f "$DATA/DAZADIZETQ_V.MDB" ]; then
  echo "generating the scale-100 demo catalogue with its drawings (once) ..." >&2
  mkdir -p "$BUILD/bench-data"
  "$BUILD/bin/tqdemo" --edition V --scale 100 --out "$DATA" >/dev/null
fi
exec "$BUILD/bin/saida_bench" "$DATA" "${SAIDA_BENCH_RUNS:-15}"
