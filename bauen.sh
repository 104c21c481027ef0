#!/usr/bin/env bash
# Builds Tavelor into build/ without starting it, ready for `cmake --install build`;
# `./bauen.sh --deb` makes the Debian package build/tavelor_*.deb as well.
set -euo pipefail
cd "$(dirname "$0")"
exec bash scripts/bauen.sh "$@"
