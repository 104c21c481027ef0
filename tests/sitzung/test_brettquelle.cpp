// Boards from elsewhere: the same board again, a game code's board with its picture, and
// today's puzzle, as the game's leader starts them.
#include "engine/tagesraetsel.h"
#include "sitzung/spielleitung.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sitzung;

namespace {

struct Leitung {
    Leitung()
    {
        leitung.JournalSetzen([] { return std::int64_t(42); });
        QObject::connect(&sitzung, &Spielsitzung::spielZuEnde, [this](const Spielergebnis& e) { enden.push_back(e); });
    }
    QTemporaryDir ordner;
    daten::Umgebung umgebung{ordner.path(), false, {}};
    daten::Vorlieben vorlieben{umgebung};
    engine::MtZufall zufall{5};
    Spielsitzung sitzung{zufall};
    Spielleitung leitung{sitzung, nullptr, vorlieben, nullptr};
    std::vector<Spielergebnis> enden;
};

Einstellungen Wahl(engine::Variante variante, int n, const QString& bild = {})
{
    Einstellungen e;
    e.variante = variante;
    e.groesse = n;
    e.posZufall = true;
    e.bilddatei = bild;
    return e;
}

// An unfinished game is recorded as given up, and its board comes back untouched, marked as
// played again; one not yet begun keeps its origin.
TEST(Brettquelle, NochEinmalBeginntDasselbeBrettAlsWiederholung)
{
    Leitung l;
    EXPECT_FALSE(l.leitung.KannNochEinmal());
    l.leitung.NeuesSpiel(Wahl(engine::Variante::Drehen, 4));
    const engine::Spielstand start = l.sitzung.spiel();
    ASSERT_TRUE(l.sitzung.Ziehe({engine::Operation::AchseRechts, 1}));
    l.leitung.NochEinmal();
    ASSERT_EQ(l.enden.size(), 1u);
    EXPECT_EQ(l.enden[0].ausgang, Ausgang::Abgebrochen);
    EXPECT_EQ(l.sitzung.spiel(), start);
    EXPECT_EQ(l.sitzung.schnappschuss().herkunft.wiederholungVon, 42);
    l.leitung.NochEinmal();
    EXPECT_EQ(l.enden.size(), 1u);
    EXPECT_EQ(l.sitzung.schnappschuss().herkunft.wiederholungVon, 42);
}

// The code of a game starts its board with its picture where the player has that file, and
// with the built-in picture, said by name, where the file is missing or another.
TEST(Brettquelle, CodeBeginntDasBrettMitSeinemBild)
{
    Leitung geber, nehmer;
    const QString bild = geber.ordner.filePath(QStringLiteral("Bild – 1.bmp"));
    QFile f(bild);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("BM any bytes") > 0);
    f.close();
    geber.leitung.NeuesSpiel(Wahl(engine::Variante::Schieben, 5, bild));
    const auto code = std::get<engine::Spielcode>(engine::CodeLesen(geber.leitung.Spielcode().toStdString()));

    EXPECT_EQ(nehmer.leitung.CodeBeginnen(code), std::optional<QString>(QStringLiteral("Bild – 1.bmp")));
    EXPECT_EQ(nehmer.sitzung.spiel(), geber.sitzung.spiel());
    EXPECT_TRUE(nehmer.sitzung.einstellungen().bilddatei.isEmpty());
    EXPECT_EQ(nehmer.sitzung.schnappschuss().herkunft.spielcode, geber.leitung.Spielcode());
    nehmer.leitung.BilderordnerSetzen({nehmer.ordner.path(), geber.ordner.path()});
    EXPECT_EQ(nehmer.leitung.CodeBeginnen(code), std::nullopt);
    EXPECT_EQ(nehmer.sitzung.einstellungen(), geber.sitzung.einstellungen());
    ASSERT_TRUE(f.open(QIODevice::Append) && f.write("changed") > 0);
    f.close();
    EXPECT_TRUE(nehmer.leitung.CodeBeginnen(code).has_value());
}

// The day's shipped picture where it is, else the built-in one, said by name.
TEST(Brettquelle, TagesraetselIstDasBrettDesTages)
{
    Leitung l;
    const QString name = QStringLiteral("Sonnenblume.bmp");
    EXPECT_EQ(l.leitung.TagesraetselBeginnen(QDate(2027, 1, 3)), std::optional<QString>(name));
    EXPECT_EQ(l.sitzung.spiel(), engine::RaetselDesTages(2027, 1, 3).brett);
    EXPECT_EQ(l.sitzung.schnappschuss().herkunft.tagesraetsel, QDate(2027, 1, 3));
    QFile f(l.ordner.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    l.leitung.BilderordnerSetzen({l.ordner.path()});
    EXPECT_EQ(l.leitung.TagesraetselBeginnen(QDate(2027, 1, 3)), std::nullopt);
    EXPECT_EQ(l.sitzung.einstellungen().bilddatei, l.ordner.filePath(name));
}

} // namespace
