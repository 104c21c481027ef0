#!/usr/bin/env bash
# Configures the project into build/ (Release with debug info) and builds the game and its runtime
# folder; `bauen.sh --alles` builds the tests and benchmarks too, `bauen.sh --deb` also the package.
set -euo pipefail
cd "$(dirname "$0")/.."
was=${1:-}
case $was in
  --alles) bash scripts/pakete.sh ;;
  --deb) bash scripts/pakete.sh --spiel dpkg-dev ;;
  "") bash scripts/pakete.sh --spiel ;;
  *) echo "usage: bauen.sh [--alles|--deb]" >&2; exit 2 ;;
esac
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ "$was" = --alles ]; then
  cmake --build build -j"$(nproc)"
else
  cmake --build build -j"$(nproc)" --target tavelor_spiel
fi
if [ "$was" = --deb ]; then
  (cd build && cpack -G DEB)
fi
