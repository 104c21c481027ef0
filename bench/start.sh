#!/usr/bin/env bash
# Start-up, memory and sound delay of the game as a player meets them, measured beside a peer from
# Debian (Fifteen of the portable puzzle collection, package sgt-puzzles) in the same run, under
# a private X server and a private sound server. Run by hand, not by CI:
#
#   bench/start.sh [RUNS]      RUNS: start-ups of each program, taken in turn (default 11)
#
# Prints the medians of: fork -> first dialog mapped (the peer: its window), peak RSS two seconds
# after the start, click -> sound at a null sink over 100 sounds, and the picture benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
laeufe=${1:-11}
[[ $laeufe =~ ^[1-9][0-9]*$ ]] || { echo "usage: bench/start.sh [RUNS]" >&2; exit 2; }

bash scripts/pakete.sh sgt-puzzles libxtst-dev
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target tavelor tavelor_laufzeit startmessung tonmessung bench_brett >/dev/null
bin=$PWD/build/bench
peer=/usr/games/sgt-fifteen

# Everything runs in a scratch folder: a copy of the game folder (German, no options stored yet),
# its own runtime folder, no session bus for either program.
tmp=$(mktemp -d)
xpid='' ppid='' spid=''
aufraeumen() {
  for p in $spid $ppid $xpid; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$tmp"
}
trap aufraeumen EXIT
cp -r build/spiel "$tmp/spiel"
mkdir -m 700 "$tmp/run" "$tmp/home"
export XDG_RUNTIME_DIR=$tmp/run HOME=$tmp/home
export LANGUAGE=de  # with nothing stored the game speaks the desktop's language
unset DBUS_SESSION_BUS_ADDRESS

for n in $(seq 90 140); do [ -e /tmp/.X$n-lock ] || { export DISPLAY=:$n; break; }; done
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 & xpid=$!
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

median() { sort -n | awk '{w[NR]=$1} END{print (NR%2 ? w[(NR+1)/2] : (w[NR/2]+w[NR/2+1])/2)}'; }

echo "== start-up, $laeufe runs each, taken in turn (display $DISPLAY)"
: >"$tmp/t.txt"; : >"$tmp/p.txt"
for _ in $(seq "$laeufe"); do
  (cd "$tmp/spiel" && "$bin/startmessung" 2 ./tavelor 2>/dev/null) >>"$tmp/t.txt"
  (cd "$tmp" && "$bin/startmessung" 1 "$peer" 2>/dev/null) >>"$tmp/p.txt"
done
t_ms=$(cut -d' ' -f1 "$tmp/t.txt" | median); t_kb=$(cut -d' ' -f2 "$tmp/t.txt" | median)
p_ms=$(cut -d' ' -f1 "$tmp/p.txt" | median); p_kb=$(cut -d' ' -f2 "$tmp/p.txt" | median)
awk -v tm="$t_ms" -v tk="$t_kb" -v pm="$p_ms" -v pk="$p_kb" 'BEGIN {
  printf "%-36s %9s %12s\n", "", "start ms", "peak RSS MB"
  printf "%-36s %9.1f %12.1f\n", "Tavelor (settings dialog mapped)", tm, tk / 1024
  printf "%-36s %9.1f %12.1f\n", "sgt-fifteen (window mapped)", pm, pk / 1024
  printf "%-36s %9.2f %12.2f\n", "ratio Tavelor / sgt-fifteen", tm / pm, tk / pk
}'

echo "== click -> sound at a null sink, 100 sounds"
mkdir -m 700 "$tmp/pulse"
echo "autospawn = no" >"$tmp/pulse/client.conf"
export PULSE_RUNTIME_PATH=$tmp/pulse PULSE_SERVER=unix:$tmp/pulse/native PULSE_CLIENTCONFIG=$tmp/pulse/client.conf
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
  --load="module-native-protocol-unix socket=$tmp/pulse/native" \
  --load="module-null-sink sink_name=nullsink" >"$tmp/pulse.log" 2>&1 & spid=$!
for _ in $(seq 100); do pactl list short sinks 2>/dev/null | grep -q nullsink && break; sleep 0.1; done
(cd "$tmp/spiel" && exec ./tavelor) >/dev/null 2>&1 & ppid=$!
dialog=$(xdotool search --sync --name '^Einstellungen$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xdotool mousemove $((X + 17 + 23 + 120 + 50)) $((Y + 8 + 24 + 50)) click 1  # variant 2: arrows
sleep 0.3
xdotool key Return
while xdotool search --onlyvisible --name '^Einstellungen$' >/dev/null 2>&1; do sleep 0.1; done
fenster=$(xdotool search --onlyvisible --name '^Tavelor$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$fenster")"
oben=$((Y + HEIGHT - 475))  # the client area is the bottom 475 rows, below the menu bar
xdotool mousemove $((X + 745)) $((oben + 465)) click 1
sleep 0.3
xdotool key alt+o
sleep 0.3
xdotool key t  # "Ton an"
sleep 0.3
PULSE_SOURCE=nullsink.monitor "$bin/tonmessung" $((X + 30)) $((oben + 100)) 100 300 >"$tmp/ton.txt"
read -r t_med t_vorne t_hinten t_max t_fehlt < <(tail -1 "$tmp/ton.txt")
echo "median $t_med ms, first 10 $t_vorne ms, last 10 $t_hinten ms, max $t_max ms, no sound $t_fehlt of 100"

echo "== pictures (Google Benchmark, medians of 5)"
QT_QPA_PLATFORM=offscreen "$bin/bench_brett" --benchmark_filter='Faerben|NeuesSpielMitBild/grau:1' \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null | grep median
