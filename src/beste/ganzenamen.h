#pragma once
// morvik.dat holds a name in Windows-1252, where a character of another script becomes '?'. The
// whole name is kept beside it, in morvik.namen (UTF-8), for each place that lost a character.
// A whole name counts only while its place still holds what this program wrote there: the same
// moves, seconds and name bytes. Where an older version changed the place, its bytes win.

#include "beste/liste.h"

#include <QString>

#include <filesystem>

namespace beste {
inline constexpr char NamenDateiName[] = "morvik.namen";

// The whole names, place by place as in TListe; empty where the classic name is whole.
using TGanzeNamen = std::array<TPlaetze<QString>, ListenAnzahl>;

// Whether place `platz` of list d holds the entry a whole name was written for: a result, and
// name bytes that are the whole name's Windows-1252 form.
bool GehoertZu(const TListe& liste, int d, int platz, const QString& ganz);

// The name shown for a place: the whole name where it still belongs there, else the classic one.
QString AnzeigeName(const TListe& liste, const TGanzeNamen& namen, int d, int platz);

// The file's whole names whose places in `liste` still match, by list and place. A missing,
// garbled or foreign file gives none.
TGanzeNamen LiesGanzeNamen(const std::filesystem::path& datei, const TListe& liste);

// Writes the whole names that differ from the classic ones; no new file when there are none.
bool SpeichereGanzeNamen(const std::filesystem::path& datei, const TListe& liste, const TGanzeNamen& namen);

// Carries the whole names of `vorher` to the places of `nachher` that hold the same entry, in
// order within each list (a new result pushes the ones below it down), filling only the empty
// places of `ziel`.
void NamenNachziehen(const TListe& vorher, const TGanzeNamen& namen, const TListe& nachher, TGanzeNamen& ziel);

} // namespace beste
