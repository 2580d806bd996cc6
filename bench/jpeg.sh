#!/usr/bin/env bash
# JPEG encoder: time per megapixel of tqjpeg as a ratio to
# cjpeg -dct float -optimize with the same quantisation tables.
set -euo pipefail
BUILD=$1
exec "$BUILD/bin/tqjpegbench" "$BUILD/bin/tqjpeg" "${JPEG_BENCH_RUNS:-15}"
