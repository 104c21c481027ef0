#pragma once
// Ends of games made by code, as the session hands them to the journal: a scrambled start,
// legal moves with the clock's second at each, the settings and a picture of odd characters
// chosen by the seed. Tests, fuzz seeds, benchmarks and the screenshot journals use them.

#include <QCryptographicHash>

#include "sitzung/spielbau.h"
#include "sitzung/spielergebnis.h"

namespace ergebnisbau {

inline sitzung::Spielergebnis Ergebnis(engine::Variante variante, int n, std::uint32_t saat, int zuege,
                                       sitzung::Ausgang ausgang = sitzung::Ausgang::Geloest, bool hilfe = false)
{
    engine::MtZufall zufall(saat);
    sitzung::Spielergebnis e;
    e.ausgang = ausgang;
    e.mitHilfe = hilfe;
    sitzung::Einstellungen& s = e.einstellungen;
    s.variante = variante;
    s.groesse = n;
    s.posZufall = zufall.Random(2) == 1;
    s.vorschau = zufall.Random(2) == 1;
    s.swBild = zufall.Random(2) == 1;
    e.zuschnitt = zufall.Random(2) ? daten::Zuschnitt::Mitte : daten::Zuschnitt::Strecken;
    engine::Spielstand brett;
    engine::NeuesSpiel(brett, zufall, variante, n, s.posZufall);
    e.start = brett;
    int sekunde = 0;
    for (int i = 0; i < zuege; ++i) {
        e.gespielt.push_back(spielbau::ZufallsZug(brett, zufall));
        engine::Ausfuehren(brett, e.gespielt.back());
        sekunde = std::min(sekunde + zufall.Random(3), int(engine::MaxSekunden));
        e.zugSekunden.push_back(std::uint16_t(sekunde));
    }
    e.zuege = zuege;
    e.sekunden = sekunde;
    e.beginn = QDateTime(QDate(2026, 1, 1), QTime(9, 0), Qt::UTC).addSecs(qint64(saat) * 600);
    e.ende = e.beginn.addMSecs(qint64(sekunde) * 1000 + 1234);
    if (saat % 3) {
        s.bilddatei = QString::fromUtf8("/home/spieler/Bilder/Wald, \"alt\" – Größe %1.png").arg(saat % 7);
        e.bildPruefsumme = QCryptographicHash::hash(s.bilddatei.toUtf8(), QCryptographicHash::Sha256);
    }
    return e;
}

// Game `i` of a journal of `gesamt`: mostly 4 x 4 sliding games that grow faster over time, with
// every other board, some abandoned, some at the time limit and some with help among them;
// ended ten minutes apart up to now.
inline sitzung::Spielergebnis Gemischt(long i, long gesamt, engine::Zufall& zufall)
{
    const int art = zufall.Random(20);
    const auto variante = art < 14 ? engine::Variante::Schieben : engine::Variante(art % 3 + 1);
    const int seite = art < 14 ? 4 : 3 + art % 4;
    const auto ausgang = art == 0 ? sitzung::Ausgang::Abgebrochen
                         : art == 1 ? sitzung::Ausgang::MaxZeit
                                    : sitzung::Ausgang::Geloest;
    const double uebung = 1.0 + 2.0 * double(gesamt - i) / double(gesamt);
    const int zuege = int((40 + zufall.Random(60)) * uebung);
    sitzung::Spielergebnis e = Ergebnis(variante, seite, std::uint32_t(i), zuege, ausgang, art == 2);
    e.sekunden = ausgang == sitzung::Ausgang::MaxZeit ? engine::MaxSekunden
                                                      : std::min(3599, int(zuege * (0.8 + zufall.Random(100) / 100.0)));
    e.ende = QDateTime::currentDateTimeUtc().addSecs(-600 * (gesamt - i));
    e.beginn = e.ende.addSecs(-e.sekunden);
    return e;
}

} // namespace ergebnisbau
