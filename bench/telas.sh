#!/usr/bin/env bash
# The search screens on the real main window over the demo catalogue at scale
# 100: the event loop's longest stall while screen 1 opens, Forward goes to
# the parts list and Back returns to screen 1, in ms (target at most 100),
# with the same steps on the small demo catalogue as the reference.
set -euo pipefail
BUILD=$1
HERE=$(dirname "$0")
DATA=$("$HERE/demo-data" "$BUILD")
SMALL=$("$HERE/demo-data" "$BUILD" small)
QT_QPA_PLATFORM=offscreen exec "$BUILD/bin/bench_telas" --data "$DATA" --reference "$SMALL" "${@:2}"
