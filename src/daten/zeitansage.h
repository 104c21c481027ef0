#pragma once
// A time as a screen reader should say it: "2 Minuten 5 Sekunden", not "02:05".

#include <QString>

namespace daten {

class Texte;

QString Zeitansage(const Texte& texte, int sekunden);

} // namespace daten
