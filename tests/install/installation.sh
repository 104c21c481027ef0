#!/usr/bin/env bash
# Installs the build into a scratch root as the package does (prefix /usr) and checks it:
#   baum     every file where it belongs, the desktop files valid
#   start    the installed program, started from an empty folder in its own Xvfb, shows its
#            settings dialog and ends on Escape without writing anywhere under the install root
#   nutzer   started from a folder with images/, it still plays installed: its own pictures,
#            its files per user, nothing written into that folder
#   sprache  with nothing stored it speaks the desktop's language; a stored choice wins
# The package itself (cpack, dpkg-deb, lintian) is checked by paket.sh.
set -euo pipefail
build=$1 art=$2 id=io.github.tavelor.tavelor
wurzel=$(mktemp -d)
xpid= spielpid=
aufraeumen() {
    for pid in $spielpid $xpid; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$wurzel"
}
trap aufraeumen EXIT
for komponente in tavelor daten; do  # the two packages, tavelor and tavelor-data
    DESTDIR=$wurzel/ziel "${CMAKE:-cmake}" --install "$build" --prefix /usr --component $komponente >/dev/null
done
p=$wurzel/ziel/usr
fehler=0
falsch() { echo "FAIL: $*"; fehler=1; }

pruefeBaum() {
    [ -x "$p/games/tavelor" ] || falsch "usr/games/tavelor is missing or not executable"
    [ ! -e "$p/bin" ] || falsch "the package's program belongs in usr/games, not usr/bin"
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
    local man=$wurzel/tavelor.6
    gzip -dc "$p/share/man/man6/tavelor.6.gz" >"$man" || falsch "no gzipped manual page usr/share/man/man6/tavelor.6.gz"
    [ -z "$(groff -man -ww -z "$man" 2>&1)" ] || falsch "groff warns about the manual page: $(groff -man -ww -z "$man" 2>&1)"
    grep -q '^\.SH FILES' "$man" && grep -q 'XDG_DATA_HOME' "$man" || falsch "the manual page lacks FILES or XDG_DATA_HOME"
    grep -q '^StartupWMClass=Tavelor$' "$desktop" || falsch "the desktop file names no window class"
    grep -q '\\-\\-help' "$man" && grep -q '\\-\\-version' "$man" || falsch "the manual page lacks --help or --version"
    if command -v desktop-file-validate >/dev/null; then
        local bericht
        bericht=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$bericht" ] || falsch "desktop-file-validate: $bericht"
    else
        echo "desktop-file-validate is not installed (desktop-file-utils): check skipped"
    fi
    if command -v appstreamcli >/dev/null; then
        # Every remark counts, but one: AppStream 1.0 names the developer by <developer id=…>,
        # which Debian 12's AppStream 0.16 does not know yet.
        bericht=$(appstreamcli validate --pedantic --no-net "$meta" 2>&1) || falsch "appstreamcli validate: $bericht"
        grep -E '^[EWIP]: ' <<<"$bericht" | grep -v ': unknown-tag developer$' && falsch "appstreamcli validate --pedantic: $bericht"
        for url in homepage bugtracker vcs-browser; do
            grep -q "<url type=\"$url\">https://" "$meta" || falsch "the metainfo has no $url"
        done
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

# Starts the installed program in its own Xvfb from $wurzel/arbeit and waits for the window
# named $1 (default: the German settings dialog). Set before: sprache (the desktop's, default
# German), programm (default the package's), datenheim (default one of the scratch root's;
# "-" leaves $XDG_DATA_HOME unset), zusatz (further NAME=value for its environment).
starteInstalliert() {
    command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "Xvfb or xdotool missing: skipped"; exit 77; }
    # the server picks a free display and names it once it takes connections
    rm -f "$wurzel/display"
    Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset >"$wurzel/display" 2>/dev/null &
    xpid=$!
    for _ in $(seq 200); do [ -s "$wurzel/display" ] && break; sleep 0.1; done
    [ -s "$wurzel/display" ] || { echo "FAIL: Xvfb names no display"; exit 1; }
    display=:$(head -1 "$wurzel/display")
    mkdir -p "$wurzel/arbeit" "$wurzel/heim" && mkdir -p -m 700 "$wurzel/laufzeit"
    bestand >"$wurzel/vorher"
    (cd "$wurzel/arbeit" && find . | sort >"$wurzel/arbeit.vorher")
    local umgebung=(-u QT_QPA_PLATFORM -u LC_ALL -u LC_MESSAGES -u XDG_DATA_HOME LANGUAGE="${sprache:-de}"
        DISPLAY="$display" HOME="$wurzel/heim" XDG_CONFIG_HOME="$wurzel/heim/konfig" XDG_RUNTIME_DIR="$wurzel/laufzeit")
    [ "${datenheim:-}" = - ] || umgebung+=(XDG_DATA_HOME="${datenheim:-$wurzel/heim/daten}")
    (cd "$wurzel/arbeit" && exec env "${umgebung[@]}" ${zusatz[@]+"${zusatz[@]}"} "${programm:-$p/games/tavelor}") &
    spielpid=$!
    warteAufFenster "${1:-Einstellungen}" || { echo "FAIL: the installed program shows no window ${1:-Einstellungen}"; exit 1; }
}

pruefeNichtsGeschrieben() {
    bestand | diff "$wurzel/vorher" - || falsch "the program wrote under the install root"
    (cd "$wurzel/arbeit" && find . | sort) | diff "$wurzel/arbeit.vorher" - || falsch "the program wrote into its working folder"
}

beende() {
    kill "$spielpid"; warteAufEnde || falsch "the program does not end"
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
    # A home folder with pictures of its own is no portable game folder for an installed program.
    mkdir -p "$wurzel/arbeit/images" && /usr/bin/convert -size 16x16 xc:red "bmp3:$wurzel/arbeit/images/fremd.bmp"
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
    beende
    pruefeNichtsGeschrieben ;;
sprache)
    # An English desktop and nothing stored: English, and still nothing written.
    sprache=en_GB:en starteInstalliert Settings
    beende
    [ ! -e "$wurzel/heim/daten/tavelor" ] || falsch "the program wrote before the player changed anything"
    pruefeNichtsGeschrieben
    # A stored German wins over the English desktop.
    mkdir -p "$wurzel/heim/daten/tavelor" && printf '[Sprache]\nAktuell=0\n' >"$wurzel/heim/daten/tavelor/options.ini"
    kill "$xpid"; sprache=en starteInstalliert Einstellungen
    beende ;;
lokal)
    # `cmake --install build --prefix ~/.local`: shipped and own pictures share one folder. Read
    # through AT-SPI, as a screen reader does: each picture listed once, the variants, the board.
    command -v dbus-daemon >/dev/null && /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
        { echo "dbus or python3-pyatspi missing: skipped"; exit 77; }
    lokal=$wurzel/heim/.local
    "${CMAKE:-cmake}" --install "$build" --prefix "$lokal" >/dev/null
    [ -x "$lokal/bin/tavelor" ] || falsch "a plain install puts no program in bin/"
    [ ! -e "$lokal/games" ] || falsch "a plain install makes games/"
    mkdir -p "$wurzel/arbeit/images" && /usr/bin/convert -size 16x16 xc:red "bmp3:$wurzel/arbeit/images/fremd.bmp"
    eval "$(dbus-daemon --session --fork --print-address=1 --print-pid=1 | { read -r a; read -r b; echo "bus=$a buspid=$b"; })"
    trap 'kill "$buspid" 2>/dev/null || true; aufraeumen' EXIT
    export DBUS_SESSION_BUS_ADDRESS=$bus
    zusatz=(QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)  # as if a screen reader were on
    programm=$lokal/bin/tavelor datenheim=- starteInstalliert
    mapfile -t bilder < <(cd "$lokal/share/tavelor/images" && ls)
    DISPLAY=$display XDG_RUNTIME_DIR="$wurzel/laufzeit" HOME="$wurzel/heim" timeout 60 /usr/bin/python3 \
        "$(dirname "$0")/zugang.py" "${bilder[@]}" || falsch "read through AT-SPI"
    # The window's class is the desktop entry's StartupWMClass (checked by baum).
    klasse=$(DISPLAY=$display xprop -id "$(fenster Tavelor)" WM_CLASS 2>/dev/null | sed 's/.*= //')
    [ "$klasse" = '"tavelor", "Tavelor"' ] || falsch "WM_CLASS $klasse"
    beende
    (cd "$wurzel/arbeit" && find . | sort) | diff "$wurzel/arbeit.vorher" - || falsch "the program wrote into its working folder" ;;
*)
    echo "usage: installation.sh BUILD baum|start|nutzer|sprache|lokal"; exit 2 ;;
esac
[ $fehler -eq 0 ] && echo "installation $art: ok"
exit $fehler
