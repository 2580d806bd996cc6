#!/usr/bin/env bash
# The result list over the demo catalogue at scale 100 (about 300,000
# items): binding and first paint of a THGrid as a ratio to materialising the
# same recordset alone.  Uses the demo generator when it is built; otherwise
# the benchmark writes a catalogue of 300,000 items itself.
set -euo pipefail
BUILD=$1
DATA=$BUILD/bench-lists-V
if [ -x "$BUILD/bin/tqdemo" ]; then
  if [ ! -f "$DATA/DAZADIZETQ_V.MDB" ]; then
    "$BUILD/bin/tqdemo" --edition V --scale 100 --out "$DATA" >/dev/null
  fi
  QT_QPA_PLATFORM=offscreen "$BUILD/bin/bench_lists" --data "$DATA"
else
  QT_QPA_PLATFORM=offscreen "$BUILD/bin/bench_lists" --rows 300000
fi
