#pragma once
// What the player switches on beyond the language, kept in the options file: section
// "Optionen", key "Animation" (0 or 1, off when missing).

#include "daten/umgebung.h"

namespace daten {

bool AnimationGespeichert(const Umgebung& umgebung);
// Not written when started from a CD-ROM. Throws Schreibfehler.
void AnimationSpeichern(const Umgebung& umgebung, bool an);

} // namespace daten
