#!/usr/bin/env bash
# Builds Tavelor and runs every test (unit, widget and end-to-end).
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/bauen.sh --alles
cd build
ctest --output-on-failure -j"$(nproc)" -LE lang "$@"
