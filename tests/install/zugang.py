#!/usr/bin/python3
# Reads the running game through AT-SPI, as a screen reader does, and checks what it finds:
#   zugang.py BILDER...  the picture list holds exactly these names, each once; the three variant
#                        radio buttons are named, one checked; after Return, the board's fields
#                        are named and the counters carry values.
# Prints FAIL lines and ends with 1 on any failure; 77 when AT-SPI cannot be reached.
import sys
import time

import pyatspi

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

# Return starts a game of the first picture (4 x 4 unless stored otherwise).
ok = next(iter(alle(dialog, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == "OK")), None)
if ok:
    ok.queryAction().doAction(0)
brett = warte(lambda: next(iter(alle(fenster("Tavelor"), lambda a: a.name == "Spielfeld" and a.childCount > 2)), None))
if not brett:
    falsch("no board named Spielfeld with its fields")
    sys.exit(1)
kinder = [brett.getChildAtIndex(i) for i in range(brett.childCount)]
felder, zaehler = kinder[:-2], kinder[-2:]
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
for z, name in zip(zaehler, ("Züge", "Zeit")):
    if z.name != name:
        falsch("a counter named %r, not %r" % (z.name, name))
    try:
        wert = z.queryValue().currentValue
    except NotImplementedError:
        falsch("the counter %s has no value" % name)
        continue
    if wert != 0:
        falsch("the counter %s reads %r at the start" % (name, wert))
am_platz = sum(zustand(f, pyatspi.STATE_CHECKED) for f in felder)
print("AT-SPI: %d pictures, 3 variants, %d fields (%d in place), counters %s" % (
    len(erwartet_bilder), len(felder), am_platz, [z.name for z in zaehler]))
sys.exit(fehler)
