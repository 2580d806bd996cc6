#!/usr/bin/env bash
# Download rate of the update client against curl, both fetching the same
# 100 MB file from a local nginx in the same run.
set -euo pipefail
BUILD=$1
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} exec "$BUILD/bench/tq_http_bench" "${@:2}"
