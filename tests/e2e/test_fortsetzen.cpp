// A game in progress survives quitting and being killed: the next start shows it paused, and a
// click goes on with it where it was.

#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>

#include <signal.h>

#include "brettleser.h"
#include "journal/journal.h"
#include "schiebeloeser.h"
#include "spielablauf.h"

namespace {

constexpr int N = 3;

QString Zaehlerstand(int zuege) { return QStringLiteral("%1").arg(zuege, 4, 10, QLatin1Char('0')); }

// Started again in the same folder: no settings dialog, the game window with the saved game.
void WiederStarten(XSitzung& x, const QTemporaryDir& ordner, Spielfenster& f)
{
    ASSERT_TRUE(x.starte(QStringLiteral(TAVELOR_PROGRAMM), ordner.path()));
    f.id = x.warteAufFenster(QStringLiteral("Tavelor"));
    ASSERT_FALSE(f.id.isEmpty()) << "no game window" << x.bildschirmSichern("neustart");
    ASSERT_TRUE(ClientFinden(x, f)) << x.bildschirmSichern("client");
}

// Clicks the fields in turn, each once the move before shows; `schon` moves were made before.
void Klicke(XSitzung& x, const Spielfenster& f, const std::vector<int>& felder, int schon)
{
    for (std::size_t k = 0; k < felder.size(); ++k) {
        x.klick(Feldmitte(f, N, felder[k]));
        const QString stand = Zaehlerstand(schon + int(k) + 1);
        ASSERT_TRUE(x.warteBis([&](const QImage& s) { return Zuganzeige(s, f.client) == stand; }))
            << "move " << schon + k + 1 << " does not show" << x.bildschirmSichern("zug");
    }
}

std::vector<int> Lies(XSitzung& x, const Spielfenster& f)
{
    std::vector<int> brett;
    x.warteBis([&](const QImage& s) {
        brett = SchiebebrettLesen(s, f, N);
        return !brett.empty();
    });
    return brett;
}

} // namespace

TEST(Ende2Ende, BeendetesSpielGehtNachNeustartUndKlickWeiterBisInDieBestenliste)
{
    XSitzung x;
    QTemporaryDir ordner;
    ASSERT_NO_FATAL_FAILURE(ProgrammStarten(x, ordner));
    Spielfenster f;
    ASSERT_NO_FATAL_FAILURE(SpielEinstellen(x, 1, N, f));
    const std::vector<int> weg = Loesungsweg(Lies(x, f));
    ASSERT_GE(weg.size(), 3u) << x.bildschirmSichern("weg");
    ASSERT_NO_FATAL_FAILURE(Klicke(x, f, {weg[0], weg[1]}, 0));
    const std::vector<int> vorher = Lies(x, f);
    ASSERT_NO_FATAL_FAILURE(Menuebefehl(x, f, QStringLiteral("s"), QStringLiteral("b")));
    ASSERT_TRUE(x.warteAufEnde(10000)) << "Spiel, Beenden does not end the program";
    ASSERT_TRUE(QFile::exists(ordner.filePath("spiel.dat")));

    ASSERT_NO_FATAL_FAILURE(WiederStarten(x, ordner, f));
    EXPECT_TRUE(x.warteBis([&](const QImage& s) { return Zuganzeige(s, f.client) == Zaehlerstand(2); }))
        << "the counter of the saved game" << x.bildschirmSichern("zaehler");
    EXPECT_TRUE(SchiebebrettLesen(x.bildschirm(), f, N).empty()) << "the board shows before the pause ends";
    x.klick(Feldmitte(f, N, 5));  // any click only ends the pause
    EXPECT_EQ(Lies(x, f), vorher) << x.bildschirmSichern("brett");
    ASSERT_NO_FATAL_FAILURE(Klicke(x, f, std::vector<int>(weg.begin() + 2, weg.end()), 2));

    const QString dialog = x.warteAufFenster(QStringLiteral("Hier sind die Besten"));
    ASSERT_FALSE(dialog.isEmpty()) << "no best results after the resumed game" << x.bildschirmSichern("geloest");
    ASSERT_TRUE(x.warteAufFokus(dialog));
    x.tippe(QStringLiteral("Ben"));
    x.taste(QStringLiteral("Return"));
    ASSERT_TRUE(x.fensterWeg(QStringLiteral("Hier sind die Besten")));
    QFile liste(ordner.filePath("morvik.dat"));
    ASSERT_TRUE(liste.open(QIODevice::ReadOnly));
    const QByteArray daten = liste.readAll();
    EXPECT_EQ(daten.mid(65, 4), QByteArray("\x03" "Ben"));
    EXPECT_EQ(uint8_t(daten[1050]) | uint8_t(daten[1051]) << 8, int(weg.size()));
    EXPECT_TRUE(x.warteBis([&](const QImage&) { return !QFile::exists(ordner.filePath("spiel.dat")); }, 3000))
        << "a finished game stays saved";
    // Played over two runs, it is one game in the journal, from its first move to its last.
    journal::Journal spiele(ordner.filePath(journal::Dateiname), true);
    const std::vector<journal::Eintrag> eintraege = spiele.AlleLesen();
    ASSERT_EQ(eintraege.size(), 1u);
    EXPECT_EQ(eintraege[0].ergebnis.ausgang, sitzung::Ausgang::Geloest);
    EXPECT_EQ(eintraege[0].ergebnis.zuege, int(weg.size()));
}

// Reads the board of any variant.
std::vector<int> BrettVon(XSitzung& x, const Spielfenster& f, int variante)
{
    std::vector<int> brett;
    x.warteBis([&](const QImage& s) {
        brett = variante == 1 ? SchiebebrettLesen(s, f, N) : BrettLesen(s, f, N);
        return !brett.empty();
    });
    return brett;
}

// A move by the keys, whatever the board: variant 1 pushes a tile, variant 2 walks the frame
// and shifts its row, variant 3 walks the ring and turns.
void Tastenzug(XSitzung& x, int variante, int k)
{
    static const char* pfeile[] = {"Left", "Up", "Right", "Down"};
    const QString pfeil = QLatin1String(pfeile[k % 4]);
    if (variante == 1)
        x.taste(pfeil);
    else if (variante == 2)
        x.taste("shift+" + pfeil);
    else
        x.taste(QStringLiteral("space"));
}

// Killed at any moment, the program comes back with the board it showed and its counter, or
// with those of a moment before: at most the last second of play is lost, and the file is never
// half-written. CI runs a few rounds of each variant; TAVELOR_TOETUNGEN sets the number.
TEST(Ende2Ende, GetoetetesSpielKommtMitBrettUndZaehlerZurueck)
{
    const int runden = qEnvironmentVariableIntValue("TAVELOR_TOETUNGEN") > 0
                           ? qEnvironmentVariableIntValue("TAVELOR_TOETUNGEN") : 1;
    for (int variante = 1; variante <= 3; ++variante) {
        XSitzung x;
        QTemporaryDir ordner;
        ASSERT_NO_FATAL_FAILURE(ProgrammStarten(x, ordner));
        Spielfenster f;
        ASSERT_NO_FATAL_FAILURE(SpielEinstellen(x, variante, N, f));
        ASSERT_NO_FATAL_FAILURE(FokusHolen(x, f));
        if (variante > 1)
            x.taste(QStringLiteral("Right"));  // the frame or ring appears on its first field
        std::vector<int> vorher = BrettVon(x, f, variante), nachher = vorher;
        int zuegeVorher = 0, zuege = 0;
        for (int runde = 0; runde < runden; ++runde) {
            for (int k = 0; k < 3; ++k) {
                const QString stand = Zaehlerstand(zuege);
                Tastenzug(x, variante, runde + k);
                Pause(60);
                x.warteBis([&](const QImage& s) { return Zuganzeige(s, f.client) != stand; }, 1500);
                zuege = Zuganzeige(x.bildschirm(), f.client).toInt();
            }
            nachher = BrettVon(x, f, variante);
            Pause(int(QRandomGenerator::global()->bounded(1500)));
            ::kill(pid_t(x.pid()), SIGKILL);
            ASSERT_TRUE(x.warteAufEnde(5000));

            ASSERT_NO_FATAL_FAILURE(WiederStarten(x, ordner, f));
            QString gezeigt;
            ASSERT_TRUE(x.warteBis([&](const QImage& s) {
                gezeigt = Zuganzeige(s, f.client);
                return !gezeigt.contains(QLatin1Char('?'));
            })) << x.bildschirmSichern("zaehler");
            const bool alles = gezeigt == Zaehlerstand(zuege);
            EXPECT_TRUE(alles || gezeigt.toInt() >= zuegeVorher)
                << "variant " << variante << ", round " << runde << ": " << gezeigt.toStdString() << " for "
                << zuege << " moves";
            ASSERT_NO_FATAL_FAILURE(FokusHolen(x, f));  // the click also ends the pause
            const std::vector<int> brett = BrettVon(x, f, variante);
            if (alles) {
                EXPECT_EQ(brett, nachher) << "variant " << variante << ", round " << runde << x.bildschirmSichern("brett");
            }
            zuege = gezeigt.toInt();
            zuegeVorher = zuege;
            vorher = nachher = brett;
            if (variante > 1)
                x.taste(QStringLiteral("Right"));
        }
    }
}

// SIGTERM (logout, shutdown) right after a move: the program ends by itself, keeps that move and
// leaves no lock behind; the next start takes the game up with it.
TEST(Ende2Ende, SigtermGleichNachEinemZugBehaeltIhnUndLaesstKeineSperre)
{
    XSitzung x;
    QTemporaryDir ordner;
    ASSERT_NO_FATAL_FAILURE(ProgrammStarten(x, ordner));
    Spielfenster f;
    ASSERT_NO_FATAL_FAILURE(SpielEinstellen(x, 2, N, f));
    ASSERT_NO_FATAL_FAILURE(FokusHolen(x, f));
    x.taste(QStringLiteral("Right"));  // the frame appears on its first field
    for (int zug = 1; zug <= 3; ++zug) {
        x.taste(QStringLiteral("shift+Right"));
        ASSERT_TRUE(x.warteBis([&](const QImage& s) { return Zuganzeige(s, f.client) == Zaehlerstand(zug); }))
            << x.bildschirmSichern("zug");
    }
    const std::vector<int> brett = BrettVon(x, f, 2);
    ::kill(pid_t(x.pid()), SIGTERM);
    ASSERT_TRUE(x.warteAufEnde(5000)) << "SIGTERM does not end the program";
    EXPECT_EQ(x.ende(), 0) << "ended by itself, not by the signal";
    EXPECT_FALSE(QFile::exists(ordner.filePath(".spiel.dat.lock")));

    ASSERT_NO_FATAL_FAILURE(WiederStarten(x, ordner, f));
    EXPECT_TRUE(x.warteBis([&](const QImage& s) { return Zuganzeige(s, f.client) == Zaehlerstand(3); }))
        << "the last move is kept" << x.bildschirmSichern("zaehler");
    ASSERT_NO_FATAL_FAILURE(FokusHolen(x, f));  // the click also ends the pause
    EXPECT_EQ(BrettVon(x, f, 2), brett) << x.bildschirmSichern("brett");
}
