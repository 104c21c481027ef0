#pragma once

#include "beste/liste.h"

#include <QString>
#include <QStringView>
#include <cstdint>

namespace beste {
// Whether a result enters list d: place 5 is empty, or it has more moves, or
// as many moves and more seconds. Fewer moves always beat fewer seconds.
bool KommtInListe(const TListe& liste, int d, std::uint16_t zuege, std::uint16_t sekunden);

// Hands a qualifying result to the high-score dialog (Zuege[0][1], Zeiten[0][1]).
void ErgebnisVormerken(TListe& liste, std::uint16_t zuege, std::uint16_t sekunden);

// Places the pending result in list d and returns its place 1..5. Relies on
// KommtInListe having been asked: place 5 is not tested again. The name of
// the new place still shows the entry that moved down until NameSetzen.
int Neueintrag(TListe& liste, int d);

// Stores at most the first 12 characters; an empty text gives an empty name.
void NameSetzen(TListe& liste, int d, int platz, QStringView text);

// Empties all five places of list d; the other lists keep their entries.
void ListeLoeschen(TListe& liste, int d);

// "mm:ss", each part with at least two digits: 0 -> "00:00", 3599 -> "59:59".
QString ZeitText(std::uint16_t sekunden);

} // namespace beste
