#!/usr/bin/env bash
# Large photos as players bring them, first in the picture list, against a bitmap first in the
# same run, in a private X server. Run by hand, not by CI:
#
#   bench/fotos.sh [RUNS] [PROGRAM]   RUNS: start-ups of each case, taken in turn (default 7);
#                                     PROGRAM: another build of the game to measure (default ours)
#
# Prints the medians of fork -> settings dialog mapped and of the peak RSS two seconds after the
# start, for a bitmap and for 12, 48, 108 MP JPEG and a 48 MP PNG (noise-textured, quality 90),
# with the difference to the bitmap; then over eleven 48 MP photos the time each of ten arrow
# keys takes to show in the dialog, and Return -> board shown, right after the keys and after
# the dialog was left alone for 1.5 s.
set -euo pipefail
cd "$(dirname "$0")/.."
laeufe=${1:-7}
[[ $laeufe =~ ^[1-9][0-9]*$ ]] || { echo "usage: bench/fotos.sh [RUNS] [PROGRAM]" >&2; exit 2; }

bash scripts/pakete.sh libxtst-dev
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target tavelor tavelor_laufzeit startmessung fotomessung fotomacher >/dev/null
programm=$(realpath "${2:-build/spiel/tavelor}")
bin=$PWD/build/bench

tmp=$(mktemp -d)
xpid=''
aufraeumen() {
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$tmp"
}
trap aufraeumen EXIT
mkdir -m 700 "$tmp/run" "$tmp/home"
export XDG_RUNTIME_DIR=$tmp/run HOME=$tmp/home
unset DBUS_SESSION_BUS_ADDRESS

for n in $(seq 90 140); do [ -e /tmp/.X$n-lock ] || { export DISPLAY=:$n; break; }; done
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 & xpid=$!
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

echo "== making the photos"
"$bin/fotomacher" 4000 3000 "$tmp/12mp.jpg"
"$bin/fotomacher" 8000 6000 "$tmp/48mp.jpg"
"$bin/fotomacher" 12000 9000 "$tmp/108mp.jpg"
"$bin/fotomacher" 8000 6000 "$tmp/48mp.png"
ls -l "$tmp"/*mp.* | awk '{printf "%s %.1f MB\n", $NF, $5 / 1e6}'

# A copy of the game folder per case, the photo first in its list; the program is linked in.
spielordner() {
  local ordner=$tmp/fall-$1
  cp -r build/spiel "$ordner"
  ln -sf "$programm" "$ordner/tavelor"
  shift
  for foto in "$@"; do ln -s "$tmp/$foto" "$ordner/images/0_$(basename "$foto")"; done
}
faelle=(bmp 12mp.jpg 48mp.jpg 108mp.jpg 48mp.png)
spielordner bmp
for f in "${faelle[@]:1}"; do spielordner "$f" "$f"; done

median() { sort -n | awk '{w[NR]=$1} END{print (NR%2 ? w[(NR+1)/2] : (w[NR/2]+w[NR/2+1])/2)}'; }

echo "== start-up, $laeufe runs each, taken in turn (display $DISPLAY)"
for _ in $(seq "$laeufe"); do
  for f in "${faelle[@]}"; do
    (cd "$tmp/fall-$f" && "$bin/startmessung" 2 ./tavelor 2>/dev/null || echo "- -") >>"$tmp/$f.txt"
  done
done
printf "%-12s %9s %9s %12s %9s\n" "first" "start ms" "+ms" "peak RSS MB" "+MB"
b_ms=$(cut -d' ' -f1 "$tmp/bmp.txt" | median); b_kb=$(cut -d' ' -f2 "$tmp/bmp.txt" | median)
for f in "${faelle[@]}"; do
  ms=$(cut -d' ' -f1 "$tmp/$f.txt" | median); kb=$(cut -d' ' -f2 "$tmp/$f.txt" | median)
  awk -v f="$f" -v ms="$ms" -v kb="$kb" -v bms="$b_ms" -v bkb="$b_kb" \
    'BEGIN { printf "%-12s %9.1f %+9.1f %12.1f %+9.1f\n", f, ms, ms - bms, kb / 1024, (kb - bkb) / 1024 }'
done

echo "== ten arrow keys over eleven 48 MP photos, then Return at once; $laeufe runs"
mkdir -p "$tmp/liste"
cp -r build/spiel/. "$tmp/liste"
ln -sf "$programm" "$tmp/liste/tavelor"
for i in $(seq -w 0 10); do ln -s "$tmp/48mp.jpg" "$tmp/liste/images/0_$i.jpg"; done
: >"$tmp/tasten.txt"; : >"$tmp/ok_kalt.txt"; : >"$tmp/ok_warm.txt"
for _ in $(seq "$laeufe"); do
  zeile=$(cd "$tmp/liste" && "$bin/fotomessung" 10 1500 ./tavelor 2>/dev/null)
  echo "${zeile%|*}" | tr ' ' '\n' | grep . >>"$tmp/tasten.txt"
  echo "${zeile#*| }" >>"$tmp/ok_kalt.txt"
  (cd "$tmp/fall-48mp.jpg" && "$bin/fotomessung" 0 1500 ./tavelor 2>/dev/null) | sed 's/.*| //' >>"$tmp/ok_warm.txt"
done
sed -i 's/^-1$/99999/' "$tmp/tasten.txt" "$tmp/ok_kalt.txt" "$tmp/ok_warm.txt"  # no answer in 5 s
echo "key -> list shown: median $(median <"$tmp/tasten.txt") ms, max $(sort -n "$tmp/tasten.txt" | tail -1) ms over $(wc -l <"$tmp/tasten.txt") keys"
echo "Return -> board shown, 48 MP JPEG, right after the keys: median $(median <"$tmp/ok_kalt.txt") ms, max $(sort -n "$tmp/ok_kalt.txt" | tail -1) ms"
echo "Return -> board shown, 48 MP JPEG, dialog open 1.5 s: median $(median <"$tmp/ok_warm.txt") ms, max $(sort -n "$tmp/ok_warm.txt" | tail -1) ms"
