#pragma once

#include <QString>

// Every text the program shows has a number; the English text of an item has the
// German number + 1000, so the current language is just an offset added to the id.
namespace daten {

inline constexpr int EnglischVersatz = 1000;

QString LadeText(int id, int offset);

} // namespace daten
