#pragma once

#include "beste/liste.h"

#include <QString>
#include <QStringView>

namespace beste {
// Names are stored as Windows-1252 bytes, as the program has always written them.

// True when the character has a Windows-1252 byte; the name field refuses the rest.
bool ZeichenErlaubt(char16_t zeichen);

// The name held by a slot; a length byte above 12 shows the first 12 characters.
QString NameAlsText(const TNamensFeld& feld);

// Stores at most the first 12 characters of text; a character without a
// Windows-1252 byte becomes '?'. The unused bytes of the slot stay as they are.
void NameEintragen(TNamensFeld& feld, QStringView text);

} // namespace beste
