// Keeping the game between runs: what the start finds in every kind of file and folder, without
// ever hanging on one that is no regular file; what saving writes, and what it leaves behind.
#include "sitzung/spielablage.h"
#include "sitzung/spielleitung.h"
#include "sitzung/spielbau.h"
#include "sitzung/spieldatei.h"
#include "daten/dateizugriff.h"
#include "daten/texte.h"
#include "daten/dateihilfen.h"
#include "schreibgeschuetzt.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace sitzung;
using Lage = Spielablage::Lage;

namespace {

QString Fifo(const QString& pfad)
{
    EXPECT_EQ(::mkfifo(QFile::encodeName(pfad).constData(), 0600), 0);
    return pfad;
}

// The search, failing the test instead of hanging: a search caught in opening a FIFO is set
// free by a writer once the time is up.
Spielablage::Fund Suche(Spielablage& ablage, const QStringList& fifos = {})
{
    std::promise<Spielablage::Fund> versprochen;
    std::future<Spielablage::Fund> fund = versprochen.get_future();
    ablage.Suchen([&versprochen](Spielablage::Fund f) { versprochen.set_value(std::move(f)); });
    if (fund.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        ADD_FAILURE() << "the search hangs";
        for (const QString& fifo : fifos)
            ::close(::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK));
    }
    return fund.get();
}

// A game of variant 2 whose picture is `bild`, with the checksum `pruefsumme`.
Schnappschuss Spiel(const QString& bild = {}, const QByteArray& pruefsumme = {})
{
    Schnappschuss x = spielbau::Spiel(engine::Variante::Verschieben, 4, 3, 12, 2);
    x.einstellungen.bilddatei = bild;
    x.bildPruefsumme = pruefsumme;
    return x;
}

struct Fall {
    const char* name;
    std::function<void(const QString& ordner, QStringList& fifos)> anlegen;
    bool spiel;
    bool bildGeaendert;
    const char* beiseite;  // the name the damaged file got, or ""
    Lage lage;
};

TEST(Spielablage, FindetNurRegulaereDateienUndHaengtNie)
{
    const QByteArray irgendeine(32, 'x');
    const auto mitBild = [&](const QString& bild) {
        return [bild, irgendeine](const QString& o, QStringList& fifos) {
            const QString pfad = bild == "fifo" ? fifos.emplace_back(Fifo(o + "/bild.png")) : bild;
            Schreibe(o + "/spiel.dat", SpielAlsBytes(Spiel(pfad, irgendeine)));
        };
    };
    const std::vector<Fall> faelle = {
        {"keine Datei", [](const QString&, QStringList&) {}, false, false, "", Lage::Zustaendig},
        {"eingebautes Bild", [](const QString& o, QStringList&) { Schreibe(o + "/spiel.dat", SpielAlsBytes(Spiel())); },
         true, false, "", Lage::Zustaendig},
        {"dasselbe Bild",
         [](const QString& o, QStringList&) {
             Schreibe(o + "/a.png", "Bildbytes");
             Schreibe(o + "/spiel.dat", SpielAlsBytes(Spiel(o + "/a.png", daten::Pruefsumme(o + "/a.png"))));
         },
         true, false, "", Lage::Zustaendig},
        {"Bild ist ein FIFO", mitBild("fifo"), true, true, "", Lage::Zustaendig},
        {"Bild ist /dev/zero", mitBild("/dev/zero"), true, true, "", Lage::Zustaendig},
        {"Bild ist /dev/urandom", mitBild("/dev/urandom"), true, true, "", Lage::Zustaendig},
        {"beschaedigt", [](const QString& o, QStringList&) { Schreibe(o + "/spiel.dat", "Tavelor-Spiel 2\nende\n"); },
         false, false, "spiel.dat.defekt", Lage::Zustaendig},
        {"spiel.dat ist ein FIFO", [](const QString& o, QStringList& f) { f << Fifo(o + "/spiel.dat"); }, false, false,
         "spiel.dat.defekt", Lage::Zustaendig},
        {"spiel.dat zeigt auf /dev/zero",
         [](const QString& o, QStringList&) { QFile::link("/dev/zero", o + "/spiel.dat"); }, false, false,
         "spiel.dat.defekt", Lage::Zustaendig},
        {"spiel.dat ist ein Ordner", [](const QString& o, QStringList&) { QDir(o).mkdir("spiel.dat"); }, false, false,
         "", Lage::Ordner},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        QTemporaryDir ordner;
        QStringList fifos;
        f.anlegen(ordner.path(), fifos);
        Spielablage ablage(ordner.path(), false);
        const Spielablage::Fund fund = Suche(ablage, fifos);
        EXPECT_EQ(fund.spiel.has_value(), f.spiel);
        EXPECT_EQ(fund.bildGeaendert, f.bildGeaendert);
        EXPECT_EQ(fund.beiseitegelegt, *f.beiseite ? ordner.filePath(f.beiseite) : QString());
        EXPECT_EQ(fund.lage, f.lage);
        EXPECT_EQ(ablage.behaelt(), f.lage == Lage::Zustaendig);
        if (*f.beiseite) {
            EXPECT_FALSE(QFileInfo::exists(ordner.filePath("spiel.dat"))) << "set aside, not left in the way";
        }
    }
}

// Each damaged file gets a name of its own: an earlier one is never overwritten.
TEST(Spielablage, BeschaedigteDateienWerdenDurchnummeriert)
{
    QTemporaryDir ordner;
    for (int nummer = 0; nummer < 3; ++nummer) {
        Schreibe(ordner.filePath("spiel.dat"), "kaputt " + QByteArray::number(nummer));
        Spielablage ablage(ordner.path(), false);
        const QString erwartet = ordner.filePath("spiel.dat.defekt") + (nummer ? "." + QString::number(nummer) : "");
        EXPECT_EQ(ablage.Laden().beiseitegelegt, erwartet);
    }
    EXPECT_EQ(Lies(ordner.filePath("spiel.dat.defekt")), "kaputt 0");
    EXPECT_EQ(Lies(ordner.filePath("spiel.dat.defekt.2")), "kaputt 2");
}

// Only the newest of the games handed over is written, with the picture's checksum once it is
// made, and no second copy's; a finished game takes the file with it, and the lock goes with
// the program.
TEST(Spielablage, SchreibtDasNeuesteUndLaesstAmEndeNichtsZurueck)
{
    QTemporaryDir wurzel;
    const QString ordner = wurzel.filePath("installiert/tavelor");  // made by the first save
    const QString sperre = ordner + "/.spiel.dat.lock";
    {
        Spielablage ablage(ordner, false);
        EXPECT_FALSE(ablage.Laden().spiel);
        std::promise<QByteArray> pruefsumme;
        for (int zuege = 1; zuege <= 3; ++zuege)
            ablage.Sichern({spielbau::Spiel(engine::Variante::Drehen, 5, 7, zuege, 0), {}});
        Schnappschuss letztes = Spiel("/bilder/x.png");
        ablage.Sichern({letztes, pruefsumme.get_future().share()});
        pruefsumme.set_value(QByteArray(32, 'p'));
        ablage.Warten();
        letztes.bildPruefsumme = QByteArray(32, 'p');
        EXPECT_EQ(SpielAusBytes(Lies(ordner + "/spiel.dat")), letztes);
        EXPECT_TRUE(QFileInfo::exists(sperre));
        // A second copy neither takes the game up nor overwrites it.
        Spielablage zweite(ordner, false);
        EXPECT_EQ(zweite.Laden().lage, Lage::AndereKopie);
        zweite.Sichern({Spiel(), {}});
        zweite.Warten();
        EXPECT_EQ(SpielAusBytes(Lies(ordner + "/spiel.dat")), letztes);
        ablage.Sichern({});
        ablage.Warten();
        EXPECT_FALSE(QFileInfo::exists(ordner + "/spiel.dat"));
        ablage.Sichern({Spiel(), {}});
    }
    EXPECT_TRUE(SpielAusBytes(Lies(ordner + "/spiel.dat"))) << "what waited is written before the end";
    EXPECT_FALSE(QFileInfo::exists(sperre));
    EXPECT_EQ(QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"spiel.dat"});
}

// A folder that cannot be written still gives its saved game, which is then not kept.
TEST(Spielablage, SchreibgeschuetzterOrdnerGibtSeinSpielHer)
{
    SchreibgeschuetzterOrdner ordner;
    const Schnappschuss x = Spiel();
    Schreibe(ordner.pfad() + "/spiel.dat", SpielAlsBytes(x));
    ASSERT_TRUE(ordner.Schuetzen()) << "the folder cannot be protected here";
    Spielablage ablage(ordner.pfad(), false);
    const Spielablage::Fund fund = ablage.Laden();
    EXPECT_EQ(fund.spiel, x);
    EXPECT_EQ(fund.lage, Lage::NichtSchreibbar);
    EXPECT_FALSE(ablage.behaelt());
}

// What the player is told at the start, and whether the saved game goes on.
TEST(Spielleitung, SagtAmStartWasSieFand)
{
    using daten::text::SpielDefekt, daten::text::SpielBeiseite, daten::text::ZweiteKopie,
        daten::text::SpielIstOrdner, daten::text::SpielBildFehlt;
    std::unique_ptr<Spielablage> ersteKopie;
    const struct {
        const char* name;
        std::function<QList<Hinweis>(const QString& ordner)> anlegen;  // what is to be told
        bool fortgesetzt;
    } faelle[] = {
        {"erster Schaden", [](const QString& o) {
             Schreibe(o + "/spiel.dat", "kaputt");
             return QList<Hinweis>{{SpielDefekt, {}}};
         }, false},
        {"zweiter Schaden", [](const QString& o) {
             Schreibe(o + "/spiel.dat.defekt", "alt");
             Schreibe(o + "/spiel.dat", "kaputt");
             return QList<Hinweis>{{SpielBeiseite, "spiel.dat.defekt.1"}};
         }, false},
        {"Ordner", [](const QString& o) {
             QDir(o).mkdir("spiel.dat");
             return QList<Hinweis>{{SpielIstOrdner, o + "/spiel.dat"}};
         }, false},
        {"Bild geaendert", [](const QString& o) {
             Schreibe(o + "/spiel.dat", SpielAlsBytes(Spiel(o + "/weg.png", QByteArray(32, 'x'))));
             return QList<Hinweis>{{SpielBildFehlt, {}}};
         }, true},
        {"zweite Kopie", [&ersteKopie](const QString& o) {
             Schreibe(o + "/spiel.dat", SpielAlsBytes(Spiel()));
             ersteKopie = std::make_unique<Spielablage>(o, false);
             ersteKopie->Laden();  // holds the lock: its game is not taken up
             return QList<Hinweis>{{ZweiteKopie, {}}};
         }, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        QTemporaryDir ordner;
        const QList<Hinweis> erwartet = f.anlegen(ordner.path());
        daten::Umgebung umgebung{ordner.path(), false, {}};
        daten::Vorlieben vorlieben{umgebung};
        engine::MtZufall zufall{1};
        Spielsitzung sitzung{zufall};
        Spielablage ablage(ordner.path(), false);
        daten::Bilddienst bilder;  // decodes the picture of a game taken up
        Spielleitung leitung(sitzung, &bilder, vorlieben, &ablage);
        QSignalSpy begonnen(&leitung, &Spielleitung::begonnen);
        leitung.Beginnen();
        ASSERT_TRUE(begonnen.wait(5000));
        EXPECT_EQ(begonnen[0][0].toBool(), f.fortgesetzt);
        EXPECT_EQ(begonnen[0][1].value<QList<Hinweis>>(), erwartet);
        ersteKopie.reset();
    }
}

} // namespace
