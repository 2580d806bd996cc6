#!/usr/bin/env bash
# The assembly view on the demo catalogue at scale 100 with its drawings:
# opening the showcase figure, figure then table, a page turn and the
# 31-page figure, each until painted, as ratios to decoding the page's
# drawing with QImage alone.
set -euo pipefail
BUILD=$1
DATA=$BUILD/bench-data/demo-V-100-figuras
if [ ! -f "$DATA/DAZADIZETQ_V.MDB" ]; then
  echo "generating the scale-100 demo catalogue with drawings (once) ..." >&2
  mkdir -p "$BUILD/bench-data"
  QT_QPA_PLATFORM=offscreen "$BUILD/bin/tqdemo" --edition V --scale 100 --out "$DATA" >/dev/null
fi
QT_QPA_PLATFORM=offscreen exec "$BUILD/bin/bench_assembly" --data "$DATA"
