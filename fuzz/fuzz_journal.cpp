// The journal, any bytes. A record's start board, moves and seconds as stored: whatever reads
// back is a board of every tile once that its variant can solve, moves a click makes on it
// (variant 1: into the empty field), seconds that never run back, and written again it gives
// the same bytes. Or a whole journal file: whatever it holds, reading it, each record whole and
// a new record go through; a damaged file is set aside with one message and play goes on.
//
// Layout: a byte, even for a record, odd for a file. A record: variant, side, whether there is a
// board, the home field, the board, the moves (each a length byte and bytes), then the seconds.
// A file: the rest of the input.

#include "eingabe.h"

#include <QFile>

#include "engine/loeser.h"
#include "engine/zug.h"
#include "journal/journal.h"
#include "journal/verlauf.h"

using namespace engine;

namespace {

void PruefeVerlauf(Variante variante, int n, const journal::Verlaufsbytes& bytes)
{
    const std::optional<journal::Verlauf> verlauf = journal::VerlaufDekodieren(variante, n, bytes);
    if (!verlauf)
        return;
    PRUEFE(journal::VerlaufKodieren(variante, n, *verlauf) == bytes);
    PRUEFE(verlauf->zuege.size() == std::size_t(bytes.zuege.size()));
    PRUEFE(verlauf->sekunden.empty() || verlauf->sekunden.size() == verlauf->zuege.size());
    for (std::size_t i = 1; i < verlauf->sekunden.size(); ++i)
        PRUEFE(verlauf->sekunden[i - 1] <= verlauf->sekunden[i] && verlauf->sekunden[i] <= MaxSekunden);
    if (!verlauf->start)
        return;
    Spielstand s = *verlauf->start;
    PRUEFE(Loesbar(s) && s.variante == variante && s.n() == n && s.phase == Phase::Aufgebaut);
    for (const Zug& zug : verlauf->zuege) {
        // What a left click on the moved tile, the row's left strip, the column's top strip or
        // the axis (the right button turning back) makes, asked of the rules.
        const Zielart art[] = {Zielart::Feld, Zielart::StreifenLinks, Zielart::StreifenRechts, Zielart::StreifenOben,
                               Zielart::StreifenUnten, Zielart::Achse, Zielart::Achse};
        const Taste taste = zug.op == Operation::AchseLinks ? Taste::Rechts : Taste::Links;
        const Absicht absicht = Deute(s, {art[int(zug.op)], zug.a}, taste);
        PRUEFE(absicht.art == Absicht::Art::Zug && absicht.zug == zug);
        Ausfuehren(s, zug);
    }
}

void PruefeDatei(const QByteArray& bytes)
{
    const QString datei = QString::fromStdString((fuzz::Arbeitsordner() / journal::Dateiname).string());
    for (const char* rest : {"", "-wal", "-shm", "-journal", ".defekt", ".defekt-wal"})
        QFile::remove(datei + QLatin1String(rest));
    {
        QFile f(datei);
        PRUEFE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    journal::Journal journal(datei, false);
    int gesagt = 0;
    journal.MelderSetzen([&gesagt](journal::Hinweis hinweis, const QString&) {
        PRUEFE(hinweis == journal::Hinweis::Beiseitegelegt);
        ++gesagt;
    });
    for (const journal::Kurzeintrag& k : journal.Lesen().spiele) {
        PRUEFE(k.seite >= 3 && k.seite <= MaxSeite && k.zuege <= MaxZuege && k.sekunden <= MaxSekunden);
        if (const std::optional<journal::Eintrag> e = journal.EintragLesen(k.id); e && e->ergebnis.start)
            PRUEFE(Loesbar(*e->ergebnis.start));
    }
    sitzung::Spielergebnis neu;
    neu.zuege = 3;
    PRUEFE(journal.Aufzeichnen(neu));
    const journal::Uebersicht danach = journal.Lesen();
    PRUEFE(!danach.spiele.empty() && danach.spiele.back().zuege == 3);
    PRUEFE(gesagt <= 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    static fuzz::Aufraeumen aufraeumen;
    fuzz::Leser l(daten, groesse);
    if (l.Byte() % 2) {
        PruefeDatei(l.Rest());
        return 0;
    }
    const auto variante = Variante(l.Byte() % 3 + 1);
    const int n = 3 + l.Byte() % 4;
    journal::Verlaufsbytes bytes;
    if (l.Ja())
        bytes.brett = l.Text(MaxFelder);
    bytes.heimfeld = l.Byte();
    bytes.zuege = l.Text();
    bytes.zeiten = l.Rest();
    PruefeVerlauf(variante, n, bytes);
    return 0;
}
