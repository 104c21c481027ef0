#!/usr/bin/env bash
# Installs the build into a scratch root as a package would (prefix /usr) and checks it:
#   baum     every file where it belongs, the desktop files valid
#   start    the installed program, started from an empty folder in its own Xvfb, shows its
#            settings dialog and ends on Escape without writing anywhere under the install root
#   nutzer   it finds its installed pictures there, plays, and keeps its files per user
set -euo pipefail
build=$1 art=$2 id=io.github.tavelor.Tavelor
wurzel=$(mktemp -d)
xpid= spielpid=
aufraeumen() {
    for pid in $spielpid $xpid; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$wurzel"
}
trap aufraeumen EXIT
DESTDIR=$wurzel/ziel "${CMAKE:-cmake}" --install "$build" --prefix /usr --component tavelor >/dev/null
p=$wurzel/ziel/usr
fehler=0
falsch() { echo "FAIL: $*"; fehler=1; }

pruefeBaum() {
    [ -x "$p/bin/tavelor" ] || falsch "usr/bin/tavelor is missing or not executable"
    local bilder
    bilder=$(find "$p/share/tavelor/images" -name '*.bmp' 2>/dev/null | wc -l || true)
    [ "$bilder" -eq 8 ] || falsch "usr/share/tavelor/images holds $bilder pictures, not 8"
    for f in images/*.bmp ton1.wav ton2.wav ton3.wav morvik_de.hlp morvik_en.hlp; do
        for datei in "$build"/spiel/$f; do
            cmp -s "$datei" "$p/share/tavelor/${datei#"$build"/spiel/}" || falsch "usr/share/tavelor/${datei#"$build"/spiel/} differs from the build's"
        done
    done
    for s in 16 24 32 48 64 128 256; do
        local bild=$p/share/icons/hicolor/${s}x${s}/apps/$id.png
        [ "$(identify -format '%wx%h' "$bild" 2>/dev/null)" = "${s}x${s}" ] || falsch "no ${s}x${s} icon at $bild"
    done
    grep -q '<svg' "$p/share/icons/hicolor/scalable/apps/$id.svg" || falsch "no scalable icon"
    local desktop=$p/share/applications/$id.desktop meta=$p/share/metainfo/$id.metainfo.xml
    grep -qx "Icon=$id" "$desktop" || falsch "the desktop file names another icon"
    grep -qx "Exec=tavelor" "$desktop" || falsch "the desktop file starts something else"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$meta" || falsch "the metainfo launches another desktop file"
    local man=$p/share/man/man6/tavelor.6
    [ -z "$(groff -man -ww -z "$man" 2>&1)" ] || falsch "groff warns about the manual page: $(groff -man -ww -z "$man" 2>&1)"
    grep -q '^\.SH FILES' "$man" && grep -q 'XDG_DATA_HOME' "$man" || falsch "the manual page lacks FILES or XDG_DATA_HOME"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$desktop" || falsch "desktop-file-validate"
    else
        echo "desktop-file-validate is not installed (desktop-file-utils): check skipped"
    fi
    if command -v appstreamcli >/dev/null; then
        appstreamcli validate --no-net "$meta" || falsch "appstreamcli validate"
    else
        echo "appstreamcli is not installed (appstream): check skipped"
    fi
}

# What lies under the install root, with sizes and times, to tell any write.
bestand() { (cd "$wurzel/ziel" && find . -printf '%p %s %T@\n' | sort); }

x() { DISPLAY=$display xdotool "$@" 2>/dev/null; }
fenster() { x search --onlyvisible --name "^$1\$" | head -1; }
warteAufFenster() {
    for _ in $(seq 150); do [ -n "$(fenster "$1")" ] && return 0; sleep 0.1; done
    return 1
}
warteAufEnde() {
    for _ in $(seq 100); do kill -0 "$spielpid" 2>/dev/null || return 0; sleep 0.1; done
    return 1
}

starteInstalliert() {
    command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "Xvfb or xdotool missing: skipped"; exit 77; }
    # the server picks a free display and names it once it takes connections
    Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset >"$wurzel/display" 2>/dev/null &
    xpid=$!
    for _ in $(seq 200); do [ -s "$wurzel/display" ] && break; sleep 0.1; done
    [ -s "$wurzel/display" ] || { echo "FAIL: Xvfb names no display"; exit 1; }
    display=:$(head -1 "$wurzel/display")
    mkdir -p "$wurzel/arbeit" "$wurzel/heim" && mkdir -m 700 "$wurzel/laufzeit"
    bestand >"$wurzel/vorher"
    (cd "$wurzel/arbeit" && exec env -u QT_QPA_PLATFORM DISPLAY="$display" HOME="$wurzel/heim" \
        XDG_DATA_HOME="$wurzel/heim/daten" XDG_CONFIG_HOME="$wurzel/heim/konfig" XDG_RUNTIME_DIR="$wurzel/laufzeit" "$p/bin/tavelor") &
    spielpid=$!
    warteAufFenster Einstellungen || { echo "FAIL: the installed program shows no settings dialog"; exit 1; }
}

pruefeNichtsGeschrieben() {
    bestand | diff "$wurzel/vorher" - || falsch "the program wrote under the install root"
    [ -z "$(ls -A "$wurzel/arbeit")" ] || falsch "the program wrote into its working folder: $(ls -A "$wurzel/arbeit")"
}

case $art in
baum)
    pruefeBaum ;;
start)
    starteInstalliert
    # Esc leaves the settings dialog at the start, and with it the program.
    x key Escape; sleep 0.5; x key Escape
    warteAufEnde || falsch "the program does not end on Escape"
    pruefeNichtsGeschrieben ;;
nutzer)
    starteInstalliert
    sleep 1
    [ -z "$(fenster Fehler)" ] || falsch "an error message instead of the installed pictures"
    x key Return  # a game of the first shipped picture
    warteAufFenster Tavelor && sleep 1 || falsch "no game window"
    eval "$(x getwindowgeometry --shell "$(fenster Tavelor)")"
    x mousemove $((X + 745)) $((Y + HEIGHT - 10)) click 1; sleep 0.3  # the keyboard to the window
    x key alt+o; sleep 0.3; x key p; sleep 0.3; x key e  # Optionen, Sprache, English
    optionen=$wurzel/heim/daten/tavelor/options.ini
    for _ in $(seq 50); do [ -s "$optionen" ] && break; sleep 0.1; done
    [ -s "$optionen" ] || falsch "no options.ini in \$XDG_DATA_HOME/tavelor after a language switch"
    kill "$spielpid"; warteAufEnde || falsch "the program does not end"
    pruefeNichtsGeschrieben ;;
*)
    echo "usage: installation.sh BUILD baum|start|nutzer"; exit 2 ;;
esac
[ $fehler -eq 0 ] && echo "installation $art: ok"
exit $fehler
