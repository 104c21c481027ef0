#pragma once
// The life of a game around the session: the resume decision at the start, the picture of each
// new game, keeping the game in spiel.dat as it changes, and what the player learns at its end.
// The main window asks for games and shows what it is told; the list of best results, the
// sound and the journal of games learn the end through the session's result value.

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <functional>
#include <future>

#include "daten/bilddienst.h"
#include "daten/vorlieben.h"
#include "engine/spielcode.h"
#include "sitzung/spielablage.h"
#include "sitzung/spielbild.h"
#include "sitzung/spielergebnis.h"
#include "sitzung/spielsitzung.h"

namespace sitzung {

// A text of the catalogue to tell the player, with what fills its %1.
struct Hinweis {
    int text = 0;
    QString argument;
    bool operator==(const Hinweis&) const = default;
};

// What the player learns when a game is solved or runs into a limit.
struct Abschluss {
    Spielergebnis ergebnis;
    bool eintrag = false;  // solved without help and good enough: the list takes a name
    int meldung = 0;       // the text told instead; 0 with an entry
    QString ton;           // the sound of the end
};

class Spielleitung : public QObject {
    Q_OBJECT
public:
    // `bilder` decodes the pictures; without it the board decodes each picture itself each time.
    // `ablage` keeps the game between runs; without one nothing is kept.
    Spielleitung(Spielsitzung& sitzung, daten::Bilddienst* bilder, const daten::Vorlieben& vorlieben,
                 Spielablage* ablage, QObject* eltern = nullptr);
    ~Spielleitung() override;

    Spielsitzung& sitzung() { return sitzung_; }
    const Spielsitzung& sitzung() const { return sitzung_; }
    // The picture of the game in progress as the board is to show it.
    const Spielbild& bild() const { return bild_; }
    // Asks the list of best results whether a solved game enters it; without it none does.
    void ListeSetzen(std::function<bool(const Spielergebnis&)> kommtInListe) { kommtInListe_ = std::move(kommtInListe); }

    // Where the journal's number of the game recorded last comes from, which a retry names;
    // without it a retry names none.
    void JournalSetzen(std::function<std::int64_t()> letzteNummer) { letzteNummer_ = std::move(letzteNummer); }
    // The folders a code's picture and today's picture are looked for in.
    void BilderordnerSetzen(QStringList ordner) { bilderordner_ = std::move(ordner); }

    // The current or last game's start board is known: it can be played again or passed on.
    bool KannNochEinmal() const;
    // That board again, counters and clock at 0, recorded as a retry of that game. An
    // unfinished game ends as given up first.
    void NochEinmal();
    // The code of the current or last game's board and picture; empty while none is known.
    QString Spielcode();
    // Starts a code's board. The name of its picture when the player lacks it: the built-in
    // picture is used instead.
    std::optional<QString> CodeBeginnen(const engine::Spielcode& code);
    // Starts the puzzle of that day (UTC); the name of its picture where that is missing.
    std::optional<QString> TagesraetselBeginnen(QDate tag);

    // Looks for the saved game off the window's thread; `begonnen` tells what came of it.
    void Beginnen();
    // A new game with these settings, its picture cut as the preferences say. An unfinished
    // game ends as given up.
    void NeuesSpiel(const Einstellungen& einstellungen);
    // Writes the game as it is now, seconds included, and waits for it (the program is told to end).
    void SichernUndWarten();
    // The program ends: a game that is not kept for the next start ends as given up.
    void Beenden();

signals:
    // The start is decided: a saved game was taken up, paused (true), or not. The texts are to
    // be told first, in their order.
    void begonnen(bool fortgesetzt, const QList<sitzung::Hinweis>& hinweise);
    // A game was solved or ran into a limit.
    void abgeschlossen(const sitzung::Abschluss& abschluss);

private:
    void Gefunden(const Spielablage::Fund& fund);
    void BrettBeginnen(const Einstellungen& einstellungen, engine::Spielstand brett, const Herkunft& herkunft,
                       daten::Zuschnitt zuschnitt, const QByteArray& pruefsumme);
    void BildWaehlen(const QString& pfad, daten::Zuschnitt zuschnitt, const QByteArray& pruefsumme);
    void Merken();
    void Beendet(const Spielergebnis& ergebnis);

    Spielsitzung& sitzung_;
    daten::Bilddienst* bilder_;
    const daten::Vorlieben& vorlieben_;
    Spielablage* ablage_;
    std::function<bool(const Spielergebnis&)> kommtInListe_;
    std::function<std::int64_t()> letzteNummer_;
    QStringList bilderordner_;
    bool letzteVorschau_ = true;  // the preview as the game that ended last had it
    Spielbild bild_;
    std::shared_future<QByteArray> pruefsumme_;  // of the picture of the game in progress
    int bildNummer_ = 0;  // tells a late checksum that its game has been replaced
    QThreadPool pruefer_;  // makes the checksums, one after the other
};

} // namespace sitzung

Q_DECLARE_METATYPE(sitzung::Abschluss)
Q_DECLARE_METATYPE(sitzung::Hinweis)
