#include "journal/journal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

#include "journal/ergebnisbau.h"
#include "journal/sqlite.h"

using namespace journal;
using engine::Variante;
using sitzung::Ausgang;

namespace {

struct Gesagt {
    Hinweis hinweis;
    QString datei;
};

class JournalTest : public ::testing::Test {
protected:
    QString Pfad(const QString& name = QLatin1String(Dateiname)) const { return ordner.filePath(name); }
    static QByteArray Inhalt(const QString& pfad)
    {
        QFile datei(pfad);
        return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    }
    static void Schreibe(const QString& pfad, const QByteArray& bytes)
    {
        QFile datei(pfad);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
        datei.write(bytes);
    }
    Melder Zuhoerer()
    {
        return [this](Hinweis h, const QString& datei) { gesagt.push_back({h, datei}); };
    }

    QTemporaryDir ordner;
    std::vector<Gesagt> gesagt;
};

// What goes in comes back, moves, start board, seconds and marks included; nothing is touched
// before the first use.
TEST_F(JournalTest, AufzeichnenUndLesenGibtDasGleiche)
{
    Journal journal(Pfad(), false);
    EXPECT_FALSE(QFile::exists(Pfad()));
    std::vector<sitzung::Spielergebnis> ergebnisse = {
        ergebnisbau::Ergebnis(Variante::Schieben, 4, 1, 80),
        ergebnisbau::Ergebnis(Variante::Verschieben, 6, 2, 0, Ausgang::Abgebrochen),
        ergebnisbau::Ergebnis(Variante::Drehen, 3, 3, 9999, Ausgang::MaxZuege, true),
    };
    ergebnisse[1].start.reset();
    ergebnisse[1].herkunft = {7, QStringLiteral("T4-ABCD, \"x\""), QDate(2026, 12, 8)};
    std::vector<std::int64_t> nummern;  // what a retry names
    for (const auto& e : ergebnisse) {
        EXPECT_TRUE(journal.Aufzeichnen(e));
        nummern.push_back(journal.letzteNummer());
    }

    const Uebersicht uebersicht = Journal(Pfad(), true).Lesen();
    ASSERT_EQ(uebersicht.spiele.size(), 3u);
    for (std::size_t i = 0; i < ergebnisse.size(); ++i) {
        const Kurzeintrag& k = uebersicht.spiele[i];
        EXPECT_EQ(k.id, nummern[i]);
        const std::optional<Eintrag> eintrag = journal.EintragLesen(k.id);
        ASSERT_TRUE(eintrag && eintrag->verlaufLesbar);
        EXPECT_EQ(eintrag->ergebnis, ergebnisse[i]) << i;
        EXPECT_EQ(std::tuple(k.variante, int(k.seite), k.ausgang, int(k.zuege), int(k.sekunden), k.hilfe),
                  std::tuple(ergebnisse[i].einstellungen.variante, ergebnisse[i].einstellungen.groesse,
                             ergebnisse[i].ausgang, ergebnisse[i].zuege, ergebnisse[i].sekunden, ergebnisse[i].mitHilfe));
        EXPECT_EQ(k.bild < 0 ? QString() : uebersicht.bilder[k.bild], ergebnisse[i].einstellungen.bilddatei);
    }
    EXPECT_EQ(uebersicht.spiele[1].tagesraetsel, QDate(1970, 1, 1).daysTo(QDate(2026, 12, 8)));
    EXPECT_EQ(journal.AlleLesen().size(), 3u);
    EXPECT_TRUE(journal.Loeschen());
    EXPECT_TRUE(journal.Lesen().spiele.empty());
    EXPECT_TRUE(gesagt.empty());
}

// A record whose values are out of range is left out of the statistics; one whose moves alone
// are damaged is read without them.
TEST_F(JournalTest, BeschaedigterEintragWirdUebergangenOderOhneZuegeGelesen)
{
    Journal journal(Pfad(), false);
    for (std::uint32_t i = 0; i < 3; ++i)
        ASSERT_TRUE(journal.Aufzeichnen(ergebnisbau::Ergebnis(Variante::Schieben, 4, i, 30)));
    Verbindung(QFile::encodeName(Pfad()), SQLITE_OPEN_READWRITE)
        .Ausfuehren("PRAGMA ignore_check_constraints = 1; UPDATE spiel SET seite = 9 WHERE id = 1;"
                    "UPDATE verlauf SET zuege = x'FF' WHERE spiel = 2");
    const Uebersicht uebersicht = journal.Lesen();
    ASSERT_EQ(uebersicht.spiele.size(), 2u);
    EXPECT_EQ(uebersicht.spiele[0].id, 2);
    const std::optional<Eintrag> ohneZuege = journal.EintragLesen(2);
    ASSERT_TRUE(ohneZuege);
    EXPECT_FALSE(ohneZuege->verlaufLesbar);
    EXPECT_TRUE(ohneZuege->ergebnis.gespielt.empty() && !ohneZuege->ergebnis.start);
    EXPECT_EQ(ohneZuege->ergebnis.zuege, 30);
    EXPECT_FALSE(journal.EintragLesen(1));
    EXPECT_TRUE(journal.EintragLesen(3)->verlaufLesbar);
}

// A file that is no journal of this version is set aside under the next free number, its bytes
// kept; the player is told once, and the game's record goes into a fresh journal.
TEST_F(JournalTest, FremdeOderBeschaedigteDateiWirdNummeriertBeiseitegelegt)
{
    QByteArray langesJournal;
    {
        Journal journal(Pfad(QStringLiteral("lang.sqlite")), false);
        for (int i = 0; i < 300; ++i)
            journal.Aufzeichnen(ergebnisbau::Ergebnis(Variante::Schieben, 5, std::uint32_t(i), 200));
    }
    langesJournal = Inhalt(Pfad(QStringLiteral("lang.sqlite")));
    const auto sqliteDatei = [&](const char* sql) {
        const QString pfad = Pfad(QStringLiteral("fremd.sqlite"));
        QFile::remove(pfad);
        Verbindung(QFile::encodeName(pfad), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE).Ausfuehren(sql);
        return Inhalt(pfad);
    };
    const std::pair<const char*, QByteArray> faelle[] = {
        {"random bytes", QByteArray(5000, '\x5A')},
        {"cut in half", langesJournal.left(langesJournal.size() / 2)},
        {"another program's", sqliteDatei("CREATE TABLE notizen (text TEXT); INSERT INTO notizen VALUES ('x')")},
        {"a later version", sqliteDatei("PRAGMA application_id = 1415673418; PRAGMA user_version = 2; CREATE TABLE spiel (x)")},
        {"marked as ours, other tables", sqliteDatei("PRAGMA application_id = 1415673418; PRAGMA user_version = 1; CREATE TABLE spiel (x)")},
        {"a later file format", QByteArray(langesJournal).replace(18, 1, "\x03")},
    };
    for (const auto& [was, bytes] : faelle) {
        SCOPED_TRACE(was);
        for (const QString& alt : QDir(ordner.path()).entryList({QStringLiteral("journal.sqlite*")}))
            QFile::remove(Pfad(alt));
        Schreibe(Pfad() + QStringLiteral(".defekt"), "an earlier one");
        Schreibe(Pfad(), bytes);
        gesagt.clear();
        Journal journal(Pfad(), false);
        journal.MelderSetzen(Zuhoerer());
        journal.Lesen();
        EXPECT_TRUE(journal.Aufzeichnen(ergebnisbau::Ergebnis(Variante::Drehen, 4, 9, 30)));
        ASSERT_EQ(gesagt.size(), 1u);
        EXPECT_EQ(gesagt[0].hinweis, Hinweis::Beiseitegelegt);
        EXPECT_EQ(gesagt[0].datei, Pfad() + QStringLiteral(".defekt.1"));
        EXPECT_EQ(Inhalt(Pfad() + QStringLiteral(".defekt.1")), bytes);
        EXPECT_EQ(Inhalt(Pfad() + QStringLiteral(".defekt")), "an earlier one");
        EXPECT_EQ(journal.Lesen().spiele.size(), 1u);
    }
}

// Two copies of the game writing at once keep every record of both.
TEST_F(JournalTest, ZweiSchreiberBehaltenAlleEintraege)
{
    constexpr int jeder = 40;
    const auto schreiber = [this](std::uint32_t saat) {
        Journal journal(Pfad(), false);
        for (int i = 0; i < jeder; ++i)
            journal.Aufzeichnen(ergebnisbau::Ergebnis(Variante::Schieben, 4, saat + std::uint32_t(i), 60));
        journal.Nachtragen();
        EXPECT_EQ(journal.wartend(), 0u);
    };
    std::thread a(schreiber, 0), b(schreiber, 1000);
    a.join();
    b.join();
    const Uebersicht uebersicht = Journal(Pfad(), false).Lesen();
    EXPECT_EQ(uebersicht.spiele.size(), std::size_t(2 * jeder));
}

// A journal that cannot be written says so once, keeps its records back and writes them once
// it can; started from a CD it writes nothing and says nothing, but reads what is there.
TEST_F(JournalTest, NichtSchreibbarWirdEinmalGesagtUndNichtsGehtVerloren)
{
    const QString sperre = Pfad(QStringLiteral("kein-ordner"));
    Schreibe(sperre, "a file where the folder should be");
    Journal journal(sperre + QStringLiteral("/journal.sqlite"), false);
    journal.MelderSetzen(Zuhoerer());
    EXPECT_FALSE(journal.Aufzeichnen(ergebnisbau::Ergebnis(Variante::Schieben, 3, 1, 10)));
    EXPECT_FALSE(journal.Aufzeichnen(ergebnisbau::Ergebnis(Variante::Schieben, 3, 2, 10)));
    EXPECT_EQ(journal.letzteNummer(), 0);  // kept back: a retry names no record
    EXPECT_TRUE(journal.Lesen().spiele.empty());
    ASSERT_EQ(gesagt.size(), 1u);
    EXPECT_EQ(gesagt[0].hinweis, Hinweis::NichtSchreibbar);
    EXPECT_EQ(journal.wartend(), 2u);
    QFile::remove(sperre);
    ASSERT_TRUE(QDir().mkdir(sperre));
    EXPECT_TRUE(journal.Aufzeichnen(ergebnisbau::Ergebnis(Variante::Schieben, 3, 3, 10)));
    EXPECT_EQ(journal.Lesen().spiele.size(), 3u);

    Journal vonCD(journal.datei(), true);
    vonCD.MelderSetzen(Zuhoerer());
    EXPECT_FALSE(vonCD.Aufzeichnen(ergebnisbau::Ergebnis(Variante::Schieben, 3, 4, 10)));
    EXPECT_FALSE(vonCD.Loeschen());
    EXPECT_EQ(vonCD.Lesen().spiele.size(), 3u);
    EXPECT_FALSE(Journal(Pfad(QStringLiteral("nichts.sqlite")), true).Aufzeichnen({}));
    EXPECT_FALSE(QFile::exists(Pfad(QStringLiteral("nichts.sqlite"))));
    EXPECT_EQ(gesagt.size(), 1u);
}

} // namespace
