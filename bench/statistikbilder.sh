#!/usr/bin/env bash
# Screenshots of the statistics window as a player opens it (Game → Statistics, Ctrl+I), in a
# private X server, for looking at by hand: German and English, 100 % and 200 %, 0, 3 and 500
# games.
#
#   bench/statistikbilder.sh [FOLDER] [SCHEME]   PNGs go to FOLDER (default build/statistikbilder);
#                                                SCHEME 1 light, 2 dark (default: the desktop's)
set -euo pipefail
cd "$(dirname "$0")/.."
ziel=$(realpath -m "${1:-build/statistikbilder}")
schema=${2:-0}
cmake --build build -j2 --target tavelor tavelor_laufzeit journalmacher >/dev/null
mkdir -p "$ziel"
tmp=$(mktemp -d)
xpid=''
trap 'kill $xpid 2>/dev/null || true; rm -rf "$tmp"' EXIT
for n in $(seq 90 140); do [ -e /tmp/.X$n-lock ] || { export DISPLAY=:$n; break; }; done
Xvfb "$DISPLAY" -screen 0 1600x1200x24 -nolisten tcp -noreset >/dev/null 2>&1 & xpid=$!
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
export XDG_RUNTIME_DIR=$tmp HOME=$tmp
unset DBUS_SESSION_BUS_ADDRESS

for spiele in 0 3 500; do
  for sprache in de en; do
    for groesse in 100 200; do
      ordner=$tmp/spiel-$spiele-$sprache-$groesse
      cp -r build/spiel "$ordner"
      [ "$spiele" -gt 0 ] && build/bench/journalmacher "$ordner/journal.sqlite" "$spiele"
      printf '[Sprache]\nAktuell=%s\n[Optionen]\nGroesse=%s\nErscheinungsbild=%s\n' \
        "$([ $sprache = en ] && echo 1000 || echo 0)" "$groesse" "$schema" >"$ordner/options.ini"
      (cd "$ordner" && exec ./tavelor) >/dev/null 2>&1 & spid=$!
      dialog=$(xdotool search --sync --onlyvisible --name '^(Einstellungen|Settings)$' | head -1)
      xdotool windowfocus --sync "$dialog" key Return
      sleep 0.5
      haupt=$(xdotool search --sync --onlyvisible --name '^Tavelor$' | head -1)
      xdotool windowfocus --sync "$haupt" key ctrl+i
      fenster=$(xdotool search --sync --onlyvisible --name '^(Statistik|Statistics)$' | head -1)
      sleep 0.5
      import -window "$fenster" "$ziel/statistik-$spiele-$sprache-$groesse$([ "$schema" = 0 ] || echo "-$schema").png"
      kill "$spid"; wait "$spid" 2>/dev/null || true
    done
  done
done
ls "$ziel"
