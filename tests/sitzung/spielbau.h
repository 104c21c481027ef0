#pragma once
// Games in progress made by code, as a session would leave them: scrambled, played on by
// legal moves, some taken back, with counters, pause, cursor and a picture path of odd
// characters. The tests and the fuzz seeds both use them.

#include <QCryptographicHash>
#include <QDateTime>

#include "engine/mischen.h"
#include "engine/tastatur.h"
#include "engine/zufall.h"
#include "sitzung/schnappschuss.h"

namespace spielbau {

inline engine::Zug ZufallsZug(const engine::Spielstand& s, engine::Zufall& zufall)
{
    using engine::Operation;
    switch (s.variante) {
    case engine::Variante::Schieben:
        for (;;)  // at an edge some directions move nothing
            if (const auto zug = engine::SchiebeZug(s, engine::Richtung(zufall.Random(4))))
                return *zug;
    case engine::Variante::Verschieben: {
        static constexpr Operation art[] = {Operation::ZeileRechts, Operation::ZeileLinks,
                                            Operation::SpalteRunter, Operation::SpalteHoch};
        return {art[zufall.Random(4)], zufall.Random(s.n()) + 1};
    }
    case engine::Variante::Drehen:
        return {zufall.Random(2) ? Operation::AchseRechts : Operation::AchseLinks,
                zufall.Random(engine::AchsenAnzahl(s.n())) + 1};
    }
    return {Operation::TeilSchieben, 0};
}

// A game of that variant and side after `zuege` moves, the last `zurueck` of them taken back,
// with its start board and course and some origin marks.
inline sitzung::Schnappschuss Spiel(engine::Variante variante, int n, std::uint32_t saat, int zuege, int zurueck)
{
    engine::MtZufall zufall(saat);
    sitzung::Schnappschuss x;
    auto& e = x.einstellungen;
    e.variante = variante;
    e.groesse = n;
    e.posZufall = zufall.Random(2) == 1;
    e.vorschau = zufall.Random(2) == 1;
    e.swBild = zufall.Random(2) == 1;
    engine::NeuesSpiel(x.spiel, zufall, variante, n, e.posZufall);
    x.start = x.spiel;
    for (int i = 0; i < zuege; ++i) {
        x.verlauf.push_back(ZufallsZug(x.spiel, zufall));
        x.gespielt.push_back(x.verlauf.back());
        engine::Ausfuehren(x.spiel, x.verlauf.back());
    }
    for (int i = 0; i < zurueck && !x.verlauf.empty(); ++i) {
        x.zurueckgenommen.push_back(x.verlauf.back());
        x.verlauf.pop_back();
        x.gespielt.push_back(engine::Umkehrung(x.zurueckgenommen.back()));
        engine::Ausfuehren(x.spiel, x.gespielt.back());
    }
    const int gezaehlt = int(x.gespielt.size());
    x.spiel.ZugAnzahl = std::uint16_t(gezaehlt);
    x.spiel.Sekunden = gezaehlt ? std::uint16_t(zufall.Random(engine::MaxSekunden)) : 0;
    for (int i = 0; i < gezaehlt; ++i)  // the clock's second at each move, never going back
        x.zugSekunden.push_back(std::uint16_t(x.spiel.Sekunden * i / gezaehlt));
    x.spiel.phase = gezaehlt == 0 ? engine::Phase::Aufgebaut
                    : zufall.Random(2)  ? engine::Phase::Pausiert
                                        : engine::Phase::Laeuft;
    x.mitHilfe = zufall.Random(2) == 1;
    x.zuschnitt = zufall.Random(2) ? daten::Zuschnitt::Mitte : daten::Zuschnitt::Strecken;
    x.beginn = QDateTime(QDate(2024, 1 + int(saat % 12), 1 + int(saat % 28)), QTime(int(saat % 24), 59, 58), Qt::UTC);
    if (saat % 4 == 1)
        x.herkunft = {std::int64_t(saat) * 1000000007, QStringLiteral("B4-%1 ü").arg(saat), QDate(2025, 2, 28)};
    if (variante == engine::Variante::Verschieben)
        x.cursor = zufall.Random(n * n + 1);
    else if (variante == engine::Variante::Drehen)
        x.cursor = zufall.Random(engine::AchsenAnzahl(n) + 1);
    if (saat % 3 != 0) {  // every third game plays the built-in picture
        e.bilddatei = QString::fromUtf8("/home/spieler/Bilder %1/a=b\nc%41 \xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80\r\\.bmp").arg(saat);
        x.bildPruefsumme = QCryptographicHash::hash(e.bilddatei.toUtf8(), QCryptographicHash::Sha256);
    }
    return x;
}

} // namespace spielbau
