// Makes a journal of games for the benchmarks and the screenshots of the statistics window.
//
//   journalmacher FILE GAMES      FILE: the journal (journal.sqlite), added to when it exists
//
// The games are the same for every run (tests/journal/ergebnisbau.h, Gemischt).

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
    for (long i = 0; i < spiele; ++i)
        if (!journal.Aufzeichnen(ergebnisbau::Gemischt(i, spiele, zufall))) {
            std::fprintf(stderr, "journalmacher: %s cannot be written\n", argv[1]);
            return 1;
        }
    return 0;
}
