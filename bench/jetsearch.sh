#!/usr/bin/env bash
# The catalogue part search through the Jet translator and its functions,
# against the same search in plain SQLite with its built-in LIKE.
set -euo pipefail
exec "$1/bin/jetsearch_bench" "${@:2}"
