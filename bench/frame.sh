#!/usr/bin/env bash
# The language click on the start window to the end of the main window's
# first paint, on the demo catalogue, as a ratio to a minimal Qt program that
# shows an 820 x 620 window and exits at its first paint (same platform, same
# run; medians of 10).
set -euo pipefail
BUILD=$1
DATA=$("$(dirname "$0")/demo-data" "$BUILD" small)
exec "$BUILD/bin/bench_frame" --data "$DATA" "${@:2}"
