#!/usr/bin/python3
# Reads the running game through AT-SPI, as a screen reader does, and checks what it finds:
#   zugang.py BILDER...  the picture list holds exactly these names, each once; the three variant
#                        radio buttons are named, one checked; after OK, the board's fields are
#                        named, no field has a value, and the counters are read-only labels; in
#                        variants 2 and 3 the keyboard's frame and ring give the focus to the
#                        field or axis under them; the list of best results is a table.
# Prints FAIL lines and ends with 1 on any failure; 77 when AT-SPI cannot be reached.
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

erwartet_bilder = sys.argv[1:]
fehler = 0


def falsch(text):
    global fehler
    print("FAIL:", text)
    fehler = 1


def warte(finden, sekunden=15):
    ende = time.monotonic() + sekunden
    while time.monotonic() < ende:
        try:
            gefunden = finden()
        except Exception:  # the tree changes while it is read
            gefunden = None
        if gefunden:
            return gefunden
        time.sleep(0.2)
    return None


def spiel():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == "tavelor":
            return app
    return None


def fenster(name):
    app = spiel()
    return next((f for f in app if f is not None and f.name == name), None) if app else None


def alle(wurzel, passt):
    return pyatspi.findAllDescendants(wurzel, passt)


def zustand(acc, art):
    return acc.getState().contains(art)


dialog = warte(lambda: fenster("Einstellungen"))
if not dialog:
    print("no settings dialog over AT-SPI: is the accessibility bus there?")
    sys.exit(77 if not spiel() else 1)

liste = warte(lambda: next(iter(alle(dialog, lambda a: a.getRoleName() in ("list", "list box") and a.name == "Bildmotiv")), None))
if not liste:
    falsch("no list named Bildmotiv")
else:
    namen = [liste.getChildAtIndex(i).name for i in range(liste.childCount)]
    if namen != sorted(erwartet_bilder, key=str.lower):
        falsch("the picture list holds %s, not %s" % (namen, erwartet_bilder))

radios = alle(dialog, lambda a: a.getRole() == pyatspi.ROLE_RADIO_BUTTON and a.name.startswith("Variante"))
namen = sorted(r.name for r in radios)
if namen != ["Variante 1: leeres Feld", "Variante 2: Zeilen und Spalten", "Variante 3: Achsen"]:
    falsch("the variant choice reads %s" % namen)
if sum(zustand(r, pyatspi.STATE_CHECKED) for r in radios) != 1:
    falsch("not exactly one variant checked")

def knopf(wurzel, name, rolle=pyatspi.ROLE_PUSH_BUTTON):
    return next(iter(alle(wurzel, lambda a: a.getRole() == rolle and a.name == name)), None)


def tasten(*folge):
    for taste in folge:
        subprocess.run(["xdotool", "key", taste], check=False)
        time.sleep(0.3)


def ueber_menue(taste, titel):
    # A key lost while the menu opens is tried again; a menu entry's action would wait for the modal window.
    for _ in range(3):
        tasten("alt+s", taste)
        offen = warte(lambda: fenster(titel) if zustand(fenster(titel), pyatspi.STATE_SHOWING) else None, 5)
        if offen:
            return offen
        tasten("Escape")
    return None


def druecke(acc):
    if acc is None:
        return False
    acc.queryAction().doAction(0)
    return True


def schnittstellen(acc):
    return set(acc.get_interfaces()) if hasattr(acc, "get_interfaces") else set()


# A screen reader that read the board before the first game (its counters only) must not take
# the first fields for counters afterwards: each child keeps what it is, and no field has a value.
vorher = warte(lambda: next(iter(alle(fenster("Tavelor"), lambda a: a.name == "Spielfeld")), None))
for i in range(vorher.childCount if vorher else 0):
    schnittstellen(vorher.getChildAtIndex(i))

# OK starts a game of the first picture in the variant chosen (4 x 4 unless stored otherwise).
druecke(knopf(dialog, "OK"))
brett = warte(lambda: next(iter(alle(fenster("Tavelor"), lambda a: a.name == "Spielfeld" and a.childCount > 2)), None))
if not brett:
    falsch("no board named Spielfeld with its fields")
    sys.exit(1)
kinder = [brett.getChildAtIndex(i) for i in range(brett.childCount)]
felder, zaehler = [k for k in kinder if k.getRole() == pyatspi.ROLE_TABLE_CELL], kinder[-2:]
if len(felder) not in (9, 16, 25, 36):
    falsch("%d fields" % len(felder))
for i, feld in enumerate(felder):
    zeile, spalte = i // int(len(felder) ** 0.5) + 1, i % int(len(felder) ** 0.5) + 1
    if not feld.name.endswith("Zeile %d, Spalte %d" % (zeile, spalte)):
        falsch("field %d is named %r" % (i + 1, feld.name))
    if feld.description not in ("an seinem Platz", "nicht an seinem Platz"):
        falsch("field %d is described %r" % (i + 1, feld.description))
    if zustand(feld, pyatspi.STATE_CHECKED) != (feld.description == "an seinem Platz"):
        falsch("field %d is %r but its checked state says otherwise" % (i + 1, feld.description))
    if "Value" in schnittstellen(feld):
        falsch("field %d offers a value: %r" % (i + 1, feld.queryValue().currentValue))
for z, name in zip(zaehler, ("Züge: 0", "Zeit: ")):
    if z.getRole() != pyatspi.ROLE_LABEL or not z.name.startswith(name):
        falsch("a counter %s %r, not a label %r" % (z.getRoleName(), z.name, name))
    if schnittstellen(z) & {"Value", "Action"}:
        falsch("the counter %r offers %s" % (z.name, schnittstellen(z) & {"Value", "Action"}))
if not warte(lambda: zustand(brett, pyatspi.STATE_FOCUSED)):
    falsch("the board has not the keyboard after the settings")
am_platz = sum(zustand(f, pyatspi.STATE_CHECKED) for f in felder)
print("AT-SPI: %d pictures, 3 variants, %d fields (%d in place), counters %s" % (
    len(erwartet_bilder), len(felder), am_platz, [z.name for z in zaehler]))

# The focus as a screen reader hears of it while the keys move the frame (variant 2) and the ring
# (variant 3). Each variant is chosen in the settings of a new game.
gehoert = []


def fokus(ereignis):
    if ereignis.detail1 == 1 and ereignis.source is not None:
        gehoert.append(ereignis.source.name)


def pumpe(sekunden):
    ende = time.monotonic() + sekunden
    kontext = GLib.MainContext.default()
    while time.monotonic() < ende:
        while kontext.iteration(False):
            pass
        time.sleep(0.05)


pyatspi.Registry.registerEventListener(fokus, "object:state-changed:focused")
for variante, folge, erwartet in (
        ("Variante 2: Zeilen und Spalten", ("Right", "Right", "Down"),
         ["auf Zeile 1, Spalte 1", "auf Zeile 1, Spalte 2", "auf Zeile 2, Spalte 2"]),
        ("Variante 3: Achsen", ("Down", "Right"),
         ["Achse 1: Zeilen 1–2, Spalten 1–2", "Achse 2: Zeilen 1–2, Spalten 2–3"])):
    dialog = ueber_menue("n", "Einstellungen")  # Spiel, Neues Spiel
    if not dialog:
        falsch("no settings dialog for %s" % variante)
        continue
    druecke(knopf(dialog, variante, pyatspi.ROLE_RADIO_BUTTON))
    druecke(knopf(dialog, "OK"))
    warte(lambda: zustand(brett, pyatspi.STATE_FOCUSED))
    pumpe(1)
    gehoert.clear()
    for taste in folge:
        tasten(taste)
        pumpe(0.3)
    ziele = [name for name in gehoert if "Zeile" in name or "Achse" in name]
    if len(ziele) != len(erwartet) or any(not n.endswith(e) for n, e in zip(ziele, erwartet)):
        falsch("%s: the focus went to %s, not %s" % (variante, ziele, erwartet))
    else:
        print("AT-SPI: %s, the focus went to %s" % (variante, ziele))

# The list of best results: a table of the places, its columns named.
ueber_menue("l", "Hier sind die Besten")  # Spiel, Bestenliste
liste = warte(lambda: next(iter(alle(fenster("Hier sind die Besten"), lambda a: a.getRole() == pyatspi.ROLE_TABLE)), None), 5)
if not liste:
    falsch("no table in the list of best results")
else:
    tabelle = liste.queryTable()
    koepfe = [tabelle.getColumnDescription(s) for s in range(tabelle.nColumns)]
    erste = [tabelle.getAccessibleAt(0, s).name for s in range(tabelle.nColumns)]
    if (tabelle.nRows, koepfe) != (5, ["Platz", "Name", "Züge", "Zeit"]) or erste[0] != "1":
        falsch("the list is a table of %d rows, heads %s, first row %s" % (tabelle.nRows, koepfe, erste))
    else:
        print("AT-SPI: the list of best results is a table %s, first row %s" % (koepfe, erste))
    druecke(knopf(fenster("Hier sind die Besten"), "OK"))
sys.exit(fehler)
