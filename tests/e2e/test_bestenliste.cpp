// A 3 x 3 sliding game played to the solved picture, the name typed into the best results,
// the file on disk, and the list seen again after a new start.

#include <gtest/gtest.h>

#include <QFile>

#include "brettleser.h"
#include "schiebeloeser.h"
#include "spielablauf.h"

namespace {

constexpr int N = 3;
const QString Bestenliste = QStringLiteral("Hier sind die Besten");

QString Zaehlerstand(int zuege) { return QStringLiteral("%1").arg(zuege, 4, 10, QLatin1Char('0')); }

// Yellow name pixels in row `platz` (1..5) of the list, counted in the name column only.
int GelbeNamenspunkte(const QImage& schirm, QPoint dialog, int platz)
{
    const QPoint zeile = dialog + QPoint(9 + 70, 8 + 70 + 34 * (platz - 1));
    int gelb = 0;
    for (int y = -2; y < 17; ++y)
        for (int x = 0; x < 140; ++x) {
            const QRgb p = schirm.pixel(zeile + QPoint(x, y));
            gelb += qRed(p) > 160 && qGreen(p) > 160 && qBlue(p) < 100;
        }
    return gelb;
}

// The moves column shows yellow digits once the rows are drawn.
bool ZeilenGezeichnet(const QImage& schirm, QPoint dialog)
{
    const QPoint spalte = dialog + QPoint(9 + 225, 8 + 70 + 34 * 4);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 30; ++x) {
            const QRgb p = schirm.pixel(spalte + QPoint(x, y));
            if (qRed(p) > 160 && qGreen(p) > 160 && qBlue(p) < 100)
                return true;
        }
    return false;
}

int Wort(const QByteArray& daten, int stelle) { return uint8_t(daten[stelle]) | uint8_t(daten[stelle + 1]) << 8; }

QByteArray WarteAufDatei(const QString& pfad, int groesse)
{
    for (int i = 0; i < 100; ++i) {
        QFile datei(pfad);
        if (datei.size() == groesse && datei.open(QIODevice::ReadOnly))
            return datei.readAll();
        Pause(100);
    }
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// Clicks the way home, each click only once the last move shows. The number of clicks made.
void SpieleHeim(XSitzung& x, const Spielfenster& f, const std::vector<int>& weg)
{
    for (size_t k = 0; k < weg.size(); ++k) {
        const int feld = weg[k];
        x.klick(Feldmitte(f, N, feld));
        const QString stand = Zaehlerstand(int(k) + 1);
        const bool letzter = k + 1 == weg.size();
        ASSERT_TRUE(x.warteBis([&](const QImage& s) {
            return Zuganzeige(s, f.client) == stand && (letzter || LeeresFeld(s, f, N) == feld);
        })) << "move " << k + 1 << " (field " << feld << ") does not show" << x.bildschirmSichern("zug");
    }
}

} // namespace

TEST(Ende2Ende, GeloestesSchiebespielKommtMitNamenInDieBestenliste)
{
    XSitzung x;
    QTemporaryDir ordner;
    ASSERT_NO_FATAL_FAILURE(ProgrammStarten(x, ordner));

    Spielfenster f;
    ASSERT_NO_FATAL_FAILURE(SpielEinstellen(x, 1, N, f));
    std::vector<int> brett;
    ASSERT_TRUE(x.warteBis([&](const QImage& s) {
        brett = SchiebebrettLesen(s, f, N);
        return !brett.empty();
    })) << "the 3 x 3 board cannot be read" << x.bildschirmSichern("brett");
    const std::vector<int> weg = Loesungsweg(brett);
    ASSERT_FALSE(weg.empty()) << "the board read is solved already or cannot be solved" << x.bildschirmSichern("weg");

    ASSERT_NO_FATAL_FAILURE(SpieleHeim(x, f, weg));
    const QString dialog = x.warteAufFenster(Bestenliste);
    ASSERT_FALSE(dialog.isEmpty()) << "no best results after the solved game" << x.bildschirmSichern("geloest");
    const QPoint d = x.fensterLage(dialog);
    ASSERT_TRUE(x.warteAufFokus(dialog)) << "the name field has no keyboard focus";
    x.tippe(QStringLiteral("Anna"));
    // Into the empty list the result goes to place 1, and the typed name shows there.
    EXPECT_TRUE(x.warteBis([&](const QImage& s) { return GelbeNamenspunkte(s, d, 1) > 20; }))
        << "the typed name does not show in row 1" << x.bildschirmSichern("name");
    x.taste(QStringLiteral("Return"));
    ASSERT_TRUE(x.fensterWeg(Bestenliste)) << "Enter does not close the best results";

    const QByteArray daten = WarteAufDatei(QDir(ordner.path()).filePath("morvik.dat"), 1360);
    ASSERT_EQ(daten.size(), 1360) << "morvik.dat is missing or has the wrong size";
    EXPECT_EQ(daten.mid(0, 11), QByteArray("\x0AMorvik 2.0"));
    EXPECT_EQ(daten.mid(65, 5), QByteArray("\x04" "Anna"));
    EXPECT_EQ(Wort(daten, 1050), int(weg.size()));
    EXPECT_EQ(Wort(daten, 1052), 0) << "place 2 should stay empty";

    ASSERT_NO_FATAL_FAILURE(Menuebefehl(x, f, QStringLiteral("s"), QStringLiteral("b")));
    ASSERT_TRUE(x.warteAufEnde(10000)) << "Spiel, Beenden does not end the program" << x.bildschirmSichern("beenden");

    // A new start in the same folder reads the list back.
    ASSERT_TRUE(x.starte(QStringLiteral(TAVELOR_PROGRAMM), ordner.path()));
    ASSERT_NO_FATAL_FAILURE(SpielEinstellen(x, 1, N, f));
    ASSERT_NO_FATAL_FAILURE(Menuebefehl(x, f, QStringLiteral("s"), QStringLiteral("l")));
    const QString wieder = x.warteAufFenster(Bestenliste);
    ASSERT_FALSE(wieder.isEmpty()) << "Spiel, Bestenliste opens no list" << x.bildschirmSichern("liste");
    const QPoint d2 = x.fensterLage(wieder);
    QImage schirm;
    ASSERT_TRUE(x.warteBis([&](const QImage& s) {
        schirm = s;
        return ZeilenGezeichnet(s, d2);
    })) << "the list's rows are not drawn" << x.bildschirmSichern("zeilen");
    EXPECT_GT(GelbeNamenspunkte(schirm, d2, 1), 20) << "no name on place 1" << x.bildschirmSichern("platz1");
    for (int platz = 2; platz <= 5; ++platz)
        EXPECT_EQ(GelbeNamenspunkte(schirm, d2, platz), 0) << "a name on place " << platz << x.bildschirmSichern("platz");
}
