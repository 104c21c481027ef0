#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing need, and only those missing.
# Arguments name further packages for one purpose, e.g. the fuzzers' compiler (fuzz/run.sh).
set -euo pipefail

pakete=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-image-formats-plugins libgl-dev libpulse-dev
  libgtest-dev libbenchmark-dev
  fonts-dejavu-core
  xvfb xdotool x11-utils imagemagick
  pulseaudio pulseaudio-utils
  desktop-file-utils appstream dpkg-dev groff-base
  "$@"
)

fehlend=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$p")
done
[ ${#fehlend[@]} -eq 0 ] && exit 0

echo "Installing: ${fehlend[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${fehlend[@]}" </dev/null
