// Makes a journal of games for the benchmarks and the screenshots of the statistics window.
//
//   journalmacher FILE GAMES      FILE: the journal (journal.sqlite), added to when it exists
//
// The games are the same for every run: mostly 4 x 4 sliding games that grow faster over time,
// with every other board, some abandoned, some at a limit and some with help among them.

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

#include "journal/ergebnisbau.h"
#include "journal/journal.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const long spiele = argc == 3 ? std::strtol(argv[2], nullptr, 10) : -1;
    if (spiele < 0) {
        std::fprintf(stderr, "usage: journalmacher FILE GAMES\n");
        return 2;
    }
    journal::Journal journal(QString::fromLocal8Bit(argv[1]), false);
    engine::MtZufall zufall(42);
    for (long i = 0; i < spiele; ++i) {
        const int art = zufall.Random(20);
        const auto variante = art < 14 ? engine::Variante::Schieben : engine::Variante(art % 3 + 1);
        const int seite = art < 14 ? 4 : 3 + art % 4;
        const auto ausgang = art == 0 ? sitzung::Ausgang::Abgebrochen
                             : art == 1 ? sitzung::Ausgang::MaxZeit
                                        : sitzung::Ausgang::Geloest;
        // Fewer moves and seconds as the games go on, as a player gets better.
        const double uebung = 1.0 + 2.0 * double(spiele - i) / double(spiele);
        const int zuege = int((40 + zufall.Random(60)) * uebung);
        sitzung::Spielergebnis e = ergebnisbau::Ergebnis(variante, seite, std::uint32_t(i), zuege, ausgang, art == 2);
        e.sekunden = ausgang == sitzung::Ausgang::MaxZeit ? 3599 : std::min(3599, int(zuege * (0.8 + zufall.Random(100) / 100.0)));
        e.ende = QDateTime::currentDateTimeUtc().addSecs(-600 * (spiele - i));
        e.beginn = e.ende.addSecs(-e.sekunden);
        if (!journal.Aufzeichnen(e)) {
            std::fprintf(stderr, "journalmacher: %s cannot be written\n", argv[1]);
            return 1;
        }
    }
    return 0;
}
