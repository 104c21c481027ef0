#pragma once
// The texts of one language. Every text has a number N: its message id "tN" in the translation
// files (assets/sprachen/tavelor_<code>.ts, listed with their English in textliste_*.cpp),
// which the build compiles into the program's resources.

#include <QString>
#include <QTranslator>

#include "daten/sprache.h"

namespace daten {

class Katalog {
public:
    explicit Katalog(Sprache sprache);
    Katalog(const Katalog&) = delete;
    Katalog& operator=(const Katalog&) = delete;

    Sprache sprache() const { return sprache_; }
    // Text `id` in this language, or in English where the language has none yet; empty when
    // there is no such text. A text with a count takes the form for `anzahl`; its placeholders
    // are left to the caller.
    QString text(int id, int anzahl = -1) const;

private:
    Sprache sprache_;
    QTranslator eigene_, englisch_;
};

// The classic offsets: German texts at their number, English at the number + 1000.
inline constexpr int EnglischVersatz = 1000;
// Text `id` in German (offset 0) or English (offset 1000); empty for any other offset.
QString LadeText(int id, int offset);

} // namespace daten
