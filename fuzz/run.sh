#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# into build-fuzz/, makes the seed corpora there and runs each target for SECONDS.
# Exits non-zero on any finding: a crash, a leak, a sanitizer report or a broken rule.
#
#   fuzz/run.sh SECONDS [TARGET...]      targets: liste ini bild bildweg ton engine spiel journal code (default: all)
#
# An input that fails is kept as build-fuzz/funde/<target>-crash-*; run it again with
#   build-fuzz/fuzz/fuzz_<target> build-fuzz/funde/<target>-crash-...
set -euo pipefail
cd "$(dirname "$0")/.."

sekunden=${1:-}
if ! [[ $sekunden =~ ^[0-9]+$ ]]; then
  echo "usage: fuzz/run.sh SECONDS [TARGET...]" >&2
  exit 2
fi
shift
alle=(liste ini bild bildweg ton engine spiel journal code)
ziele=("$@")
[ ${#ziele[@]} -gt 0 ] || ziele=("${alle[@]}")
for ziel in "${ziele[@]}"; do
  [[ " ${alle[*]} " == *" $ziel "* ]] || { echo "unknown target: $ziel (known: ${alle[*]})" >&2; exit 2; }
done

ordner=build-fuzz
bash scripts/pakete.sh clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B "$ordner" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVELOR_FUZZ=ON >/dev/null
cmake --build "$ordner" -j"$(nproc)" --target tavelor_korpus "${ziele[@]/#/fuzz_}"

# Fresh seeds each time; what libFuzzer added to the folders in earlier runs stays.
"$ordner/fuzz/tavelor_korpus" "$ordner/korpus"
mkdir -p "$ordner/funde" "$ordner/logs"

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:symbolize=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export QT_QPA_PLATFORM=offscreen   # no target opens a window; this keeps Qt from looking for one
export QT_LOGGING_RULES="qt.gui.imageio*=false"  # a broken picture's warnings, by the thousand
# The targets' scratch files, on a memory file system where there is one; gone after the run.
export TMPDIR
TMPDIR=$(mktemp -d /dev/shm/tavelor-fuzz.XXXXXX 2>/dev/null || mktemp -d)
trap 'rm -rf "$TMPDIR"' EXIT

fehler=0
gut=0
schlecht=0
zusammenfassung=()
for ziel in "${ziele[@]}"; do
  log="$ordner/logs/$ziel.log"
  echo "== fuzz_$ziel: $sekunden s"
  status=0
  "$ordner/fuzz/fuzz_$ziel" "$ordner/korpus/$ziel" \
    -max_total_time="$sekunden" -rss_limit_mb=2048 -timeout=60 -print_final_stats=1 \
    -artifact_prefix="$ordner/funde/$ziel-" >"$log" 2>&1 </dev/null || status=$?
  laeufe=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  tempo=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  if [ "$status" -eq 0 ]; then
    ergebnis="no finding"
    gut=$((gut + 1))
  else
    fehler=1
    schlecht=$((schlecht + 1))
    ergebnis="FINDING (exit $status), see $log"
    grep -m1 -E 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error|rule broken' "$log" || true
    grep -E '^artifact_prefix|Test unit written to' "$log" || true
  fi
  zusammenfassung+=("$(printf '%-14s %10s runs %8s exec/s   %s' "fuzz_$ziel" "${laeufe:-?}" "${tempo:-?}" "$ergebnis")")
done

echo
printf '%s\n' "${zusammenfassung[@]}"
echo "fuzz: $gut passed, $schlecht failed"
exit "$fehler"
