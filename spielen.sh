#!/usr/bin/env bash
# Builds Tavelor and starts it in its runtime folder (pictures, sounds, help).
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/bauen.sh
cd build/spiel
exec ./tavelor
