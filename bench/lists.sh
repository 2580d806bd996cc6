#!/usr/bin/env bash
# The result list over the demo catalogue at scale 100 (about 280,000
# items): binding and first paint of a THGrid as a ratio to materialising the
# same recordset alone.
set -euo pipefail
BUILD=$1
DATA=$("$(dirname "$0")/demo-data" "$BUILD")
QT_QPA_PLATFORM=offscreen exec "$BUILD/bin/bench_lists" --data "$DATA"
