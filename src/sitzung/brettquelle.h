#pragma once
// Boards that come from elsewhere than a scramble of their own, as the session's world sees
// them: the game code of a game and the picture a code names, looked up in the picture folders;
// the settings of a code's or of today's board.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

#include "engine/spielcode.h"
#include "sitzung/schnappschuss.h"

namespace sitzung {

// The code of the game's start board and picture; none while its start board is unknown.
// `pruefsumme` is the picture file's SHA-256 (empty for the built-in picture).
std::optional<QString> Codetext(const Schnappschuss& stand, const QByteArray& pruefsumme);

// The picture a code names: a file of that name (or beginning with it, where the code kept only
// its beginning) in one of the folders, whose SHA-256 begins with the code's bytes. Empty when
// there is none; `pruefsumme` then receives nothing.
QString BildFinden(const QStringList& ordner, const engine::Spielcode& code, QByteArray* pruefsumme = nullptr);

// The settings of a board from a code or a day: the player's own view (preview, grey) from
// `bisher`, the board's variant, side and rule, and the picture.
Einstellungen BrettEinstellungen(const Einstellungen& bisher, const engine::Spielstand& brett, bool posZufall,
                                 const QString& bilddatei);

// What the player is told about a refused code.
int Codefehlertext(engine::Codefehler fehler);

} // namespace sitzung
