#pragma once
// What the player switches on beyond the language, kept in the options file: section
// "Optionen", key "Animation" (0 or 1, off when missing) and key "Groesse" (the zoom of the main
// window in percent, 100 when missing or not a number from 100 to 400).
// "Optionen", keys "Animation" (0 or 1, off when missing) and "Zuschnitt" (1: the board takes
// the picture's centred square, anything else: the picture is stretched).

#include "daten/bildquadrat.h"
#include "daten/umgebung.h"

namespace daten {

bool AnimationGespeichert(const Umgebung& umgebung);
// Not written when started from a CD-ROM. Throws Schreibfehler.
void AnimationSpeichern(const Umgebung& umgebung, bool an);

int GroesseGespeichert(const Umgebung& umgebung);
// Not written when started from a CD-ROM. Throws Schreibfehler.
void GroesseSpeichern(const Umgebung& umgebung, int prozent);
Zuschnitt ZuschnittGespeichert(const Umgebung& umgebung);
// Not written when started from a CD-ROM. Throws Schreibfehler.
void ZuschnittSpeichern(const Umgebung& umgebung, Zuschnitt zuschnitt);

} // namespace daten
