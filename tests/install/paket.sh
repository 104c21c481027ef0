#!/usr/bin/env bash
# Makes the Debian packages (tavelor, tavelor-data) from the build into a scratch folder, unpacks
# them into a scratch root and checks what Debian asks of them: the program in /usr/games, the
# gzipped manual page, copyright and changelog, hardening, the control fields; then lintian
# --pedantic, when installed, reports nothing that is not overridden.
set -euo pipefail
build=$1
command -v dpkg-shlibdeps >/dev/null || { echo "dpkg-dev is not installed: skipped"; exit 77; }
grep -q '^TAVELOR_SANITIZE:BOOL=ON' "$build/CMakeCache.txt" &&
    { echo "a sanitizer build is never packaged (fuzz/sanitizer.sh): skipped"; exit 77; }
wurzel=$(mktemp -d)
trap 'rm -rf "$wurzel"' EXIT
fehler=0
falsch() { echo "FAIL: $*"; fehler=1; }

"${CPACK:-cpack}" -G DEB --config "$build/CPackConfig.cmake" -B "$wurzel/paket" >"$wurzel/cpack.log" 2>&1 ||
    { cat "$wurzel/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$wurzel"/paket/tavelor_*.deb) daten=$(ls "$wurzel"/paket/tavelor-data_*_all.deb) ||
    { echo "FAIL: cpack made $(ls "$wurzel/paket")"; exit 1; }
dpkg-deb -x "$deb" "$wurzel/ziel"
dpkg-deb -x "$daten" "$wurzel/ziel"
u=$wurzel/ziel/usr

[ -x "$u/games/tavelor" ] || falsch "no program /usr/games/tavelor"
[ ! -e "$u/bin" ] || falsch "the package has /usr/bin: $(ls "$u/bin")"
gzip -t "$u/share/man/man6/tavelor.6.gz" 2>/dev/null || falsch "no gzipped manual page"
[ ! -e "$u/share/man/man6/tavelor.6" ] || falsch "an uncompressed manual page"
for paket in tavelor tavelor-data; do
    grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$u/share/doc/$paket/copyright" ||
        falsch "no machine-readable /usr/share/doc/$paket/copyright"
    zcat "$u/share/doc/$paket/changelog.gz" 2>/dev/null | head -1 | grep -q "^tavelor ($(dpkg-deb -f "$deb" Version))" ||
        falsch "no $paket changelog.gz whose first entry is the package's version"
done
[ "$(find "$u/share/tavelor/images" -name '*.bmp' | wc -l)" -eq 8 ] || falsch "tavelor-data holds not the 8 pictures"
dpkg-deb -c "$deb" | grep -q 'share/tavelor/' && falsch "the program's package holds data of tavelor-data"
[ -f "$u/share/lintian/overrides/tavelor" ] || falsch "no lintian overrides"

# Stripped of what lintian finds unneeded, and hardened.
kopf=$(readelf -W -S -d -l "$u/games/tavelor")
grep -q ' \.comment ' <<<"$kopf" && falsch "the program keeps its .comment section"
grep -q ' \.debug_info ' <<<"$kopf" && falsch "the program is not stripped"
grep -q 'GNU_RELRO' <<<"$kopf" || falsch "no RELRO"
grep -q 'BIND_NOW\|FLAGS.*NOW' <<<"$kopf" || falsch "no bind-now"
grep -q 'Type:.*DYN\|DYN (' <<<"$(readelf -h "$u/games/tavelor")" || falsch "not position-independent"
symbole=$(readelf -W --dyn-syms "$u/games/tavelor")
grep -q '__[a-z0-9]*_chk' <<<"$symbole" || falsch "no fortified functions"
grep -q '__stack_chk_fail' <<<"$symbole" || falsch "no stack protector"

felder() { dpkg-deb -f "$deb" "$1"; }
[ "$(felder Section)" = games ] || falsch "section $(felder Section), not games"
grep -q "tavelor-data (= $(felder Version))" <<<"$(felder Depends)" || falsch "no dependency on tavelor-data: $(felder Depends)"
[ "$(dpkg-deb -f "$daten" Architecture)" = all ] || falsch "tavelor-data is not Architecture: all"
for empfohlen in qt6-wayland qt6-image-formats-plugins qt6-translations-l10n libpulse0 fonts-dejavu-core; do
    grep -qw "$empfohlen" <<<"$(felder Recommends)" || falsch "Recommends lacks $empfohlen"
done
grep -Eq '^[^<]+ <[^@ ]+@[^ >]+\.[a-z]+>$' <<<"$(felder Maintainer)" || falsch "maintainer $(felder Maintainer)"
grep -Eq '\.invalid>|example\.' <<<"$(felder Maintainer)" && falsch "a placeholder maintainer: $(felder Maintainer)"

if command -v lintian >/dev/null; then
    bericht=$(lintian --pedantic --display-level '>=pedantic' "$deb" "$daten" 2>&1 | grep -v 'running with root privileges' || true)
    [ -z "$bericht" ] || falsch "lintian --pedantic:"$'\n'"$bericht"
else
    echo "lintian is not installed: its check skipped"
fi
[ $fehler -eq 0 ] && echo "packages: ok"
exit $fehler
