#!/usr/bin/env bash
# The comparison of two generated assemblies of 3,000 components each (half
# shared, a tenth over two items) added to a copy of the scale-100 demo
# catalogue: the table built through the database layer and the list's
# record source refreshed, as a ratio to the same work in plain SQLite.
set -euo pipefail
BUILD=$1
DATA=$("$(dirname "$0")/demo-data" "$BUILD")
exec "$BUILD/bin/comparison_bench" "$DATA"
