#pragma once
// The languages the program speaks: each has the code of its translation files (the program's
// own and Qt's) and its name in itself, as the language menu lists it whatever the program speaks.

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace daten {

enum class Sprache {
    Deutsch, Englisch, Franzoesisch, Spanisch, Italienisch, PortugiesischBrasilien, Niederlaendisch, Polnisch,
    Tschechisch, Schwedisch, Russisch, Ukrainisch
};
// In the order of the menu.
inline constexpr std::array AlleSprachen = {
    Sprache::Deutsch,     Sprache::Englisch,   Sprache::Franzoesisch, Sprache::Spanisch,
    Sprache::Italienisch, Sprache::PortugiesischBrasilien, Sprache::Niederlaendisch, Sprache::Polnisch,
    Sprache::Tschechisch, Sprache::Schwedisch, Sprache::Russisch,     Sprache::Ukrainisch};

// "de", "pt_BR": the suffix of the translation files.
QString SprachCode(Sprache sprache);
// "Français", "Русский". A language's name is the same in every language, so it is no text of the
// catalogue; German and English also have their classic menu entries there, with accelerators.
QString SprachName(Sprache sprache);
// The language of a code or locale name ("fr", "fr_FR.UTF-8", "pt", "pt-BR", "sr@latin"): any
// Portuguese is Brazil's; none for "C", "POSIX", an empty name or a language the program lacks.
std::optional<Sprache> SpracheAusCode(QStringView code);

// The desktop's choice of language as its environment states it.
struct Sprachwahl {
    QString language;   // LANGUAGE: a list of languages separated by colons, the first preferred
    QString lcAll, lcMessages, lang;
    static Sprachwahl AusUmgebung();
};

// The first language of LANGUAGE the program has, else the first of LC_ALL, LC_MESSAGES and LANG
// that is set and is no "C" or "POSIX"; English when that is none or one the program lacks.
Sprache SpracheDesDesktops(const Sprachwahl& wahl);

} // namespace daten
