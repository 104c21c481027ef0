#!/usr/bin/env bash
# Installs the Debian packages Tavelor needs, and only those missing; never removes one.
#   pakete.sh --spiel [PAKET...]   building and playing
#   pakete.sh [PAKET...]           that, and every test tool (the default, for the test and fuzz scripts)
# Further arguments name packages for one purpose, e.g. the fuzzers' compiler (fuzz/run.sh).
set -euo pipefail

spiel=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-image-formats-plugins libgl-dev libpulse-dev libsqlite3-dev
  qt6-l10n-tools qt6-translations-l10n
  fonts-dejavu-core
)
tests=(
  libgtest-dev libbenchmark-dev
  xvfb xdotool x11-utils imagemagick
  pulseaudio-utils
  desktop-file-utils appstream dpkg-dev groff-base lintian
  dbus at-spi2-core python3-pyatspi
)

pakete=("${spiel[@]}")
if [ "${1:-}" = --spiel ]; then shift; else pakete+=("${tests[@]}"); mitTests=1; fi
pakete+=("$@")

fehlt() { ! dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
fehlend=()
for p in "${pakete[@]}"; do fehlt "$p" && fehlend+=("$p"); done
# The sound tests' private server. Debian's desktop sound (pipewire-audio) conflicts with it, and
# apt would resolve that by removing the desktop's sound: there the tests run a private PipeWire.
klang=()
[ -n "${mitTests:-}" ] && fehlt pulseaudio && klang=(pulseaudio)
[ ${#fehlend[@]} -eq 0 ] && [ ${#klang[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
installiere() { "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends --no-remove "$@" </dev/null; }
"${sudo_cmd[@]}" apt-get update -qq
if [ ${#fehlend[@]} -gt 0 ]; then
  echo "Installing: ${fehlend[*]}"
  installiere "${fehlend[@]}"
fi
if [ ${#klang[@]} -gt 0 ]; then
  echo "Installing: ${klang[*]}"
  installiere "${klang[@]}" 2>/dev/null ||
    echo "pulseaudio cannot be installed beside this machine's PipeWire without removing it: the sound tests use a private PipeWire"
fi
