#include "statistik/frmstatistik.h"

#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "journal/ergebnisbau.h"
#include "statistik/anzeige.h"

using engine::Variante;
using sitzung::Ausgang;

namespace {

// RFC 4180 as a spreadsheet reads it: quoted fields may hold commas, doubled quotes and line breaks.
std::vector<QStringList> LiesCsv(const QByteArray& bytes)
{
    std::vector<QStringList> zeilen(1);
    QString feld;
    bool inAnfuehrung = false;
    const QString text = QString::fromUtf8(bytes);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inAnfuehrung) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                feld += text[++i];
            else if (c == u'"')
                inAnfuehrung = false;
            else
                feld += c;
        } else if (c == u'"') {
            inAnfuehrung = true;
        } else if (c == u',') {
            zeilen.back().append(std::exchange(feld, {}));
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            zeilen.back().append(std::exchange(feld, {}));
            zeilen.emplace_back();
            ++i;
        } else {
            feld += c;
        }
    }
    zeilen.pop_back();  // after the last line's end
    return zeilen;
}

// Times round to the tenth with the carry into the minutes; whole figures show no decimals.
TEST(Anzeige, ZeitenUndZahlenInBeidenSprachen)
{
    const QLocale de(QLocale::German), en(QLocale::English);
    EXPECT_EQ(statistik::ZeitText(de, 0), "0:00");
    EXPECT_EQ(statistik::ZeitText(de, 95), "1:35");
    EXPECT_EQ(statistik::ZeitText(de, 580.0 / 6), "1:36,7");
    EXPECT_EQ(statistik::ZeitText(en, 580.0 / 6), "1:36.7");
    EXPECT_EQ(statistik::ZeitText(de, 59.96), "1:00");
    EXPECT_EQ(statistik::ZeitText(de, 3599.94), "59:59,9");
    EXPECT_EQ(statistik::ZahlText(de, 47.5), "47,5");
    EXPECT_EQ(statistik::ZahlText(de, 51.0), "51");
    EXPECT_EQ(statistik::ZahlText(en, 306.0 / 580, 2), "0.53");
}

class Statistikfenster : public ::testing::Test {
protected:
    void Aufzeichnen(Variante v, int n, int sekunden, int zuege, Ausgang ausgang = Ausgang::Geloest, bool hilfe = false)
    {
        sitzung::Spielergebnis e = ergebnisbau::Ergebnis(v, n, saat++, 3, ausgang, hilfe);
        e.sekunden = sekunden;
        e.zuege = zuege;
        journal.Aufzeichnen(e);
    }
    QString Zelle(int zeile, int spalte) { return fenster.findChild<QTableWidget*>()->item(zeile, spalte)->text(); }
    QComboBox* Gruppe() { return fenster.findChild<QComboBox*>(QStringLiteral("cmbGruppe")); }
    QTableView* Liste() { return fenster.findChild<QTableView*>(QStringLiteral("tblSpiele")); }
    void Klick(const char* knopf) { QTest::mouseClick(fenster.findChild<QPushButton*>(QLatin1String(knopf)), Qt::LeftButton); }

    QTemporaryDir ordner;
    daten::Umgebung umgebung{ordner.path(), false, {}};
    daten::Vorlieben vorlieben{umgebung};
    daten::Texte texte{umgebung, vorlieben};
    journal::Journal journal{umgebung};
    std::uint32_t saat = 1;
    QString speicherort;
    bool bestaetigt = false;
    std::vector<QString> fehler;
    statistik::TfrmStatistik fenster{journal, texte, vorlieben, nullptr,
                                     {[this](QWidget*, const QString&, const QString&, const QString&) { return speicherort; },
                                      [this](QWidget*, const QString&, const QString&, const QString&) { return bestaetigt; },
                                      [this](QWidget*, const QString& text) { fehler.push_back(text); }}};
};

// With no journal the window opens empty and makes no file.
TEST_F(Statistikfenster, OhneSpieleLeerUndOhneDatei)
{
    fenster.Zeigen();
    EXPECT_EQ(Gruppe()->count(), 0);
    EXPECT_EQ(Zelle(0, 0), "0");
    EXPECT_EQ(Zelle(5, 0), QString::fromUtf8("–"));
    EXPECT_EQ(Liste()->model()->rowCount(), 0);
    EXPECT_FALSE(fenster.grab().isNull());
    EXPECT_FALSE(QFile::exists(journal.datei()));
}

// The table holds the board's figures in the player's language, the list that board's games
// newest first; a game recorded while it is open shows at once, a double click names its record.
TEST_F(Statistikfenster, KennzahlenUndListeDesBretts)
{
    for (auto [sekunden, zuege] : {std::pair{100, 50}, {80, 40}, {130, 70}, {90, 45}, {110, 66}, {70, 35}})
        Aufzeichnen(Variante::Schieben, 4, sekunden, zuege);
    Aufzeichnen(Variante::Schieben, 4, 10, 5, Ausgang::Geloest, true);
    Aufzeichnen(Variante::Drehen, 5, 300, 99, Ausgang::Abgebrochen);
    fenster.Zeigen();
    ASSERT_EQ(Gruppe()->count(), 2);
    EXPECT_EQ(Gruppe()->currentText(), QString::fromUtf8("Variante 3: Achsen, 5 × 5"));  // the last game's board
    Gruppe()->setCurrentIndex(0);
    const QStringList erwartet[] = {{"7"}, {"7"}, {"1"}, {"0"}, {"0"}, {"1:10", "35"}, {QString::fromUtf8("1:36,7"), "51"},
                                    {"1:35", "47,5"}, {"1:33,3", "50,3"}, {QString::fromUtf8("–"), QString::fromUtf8("–")}, {"0,53"}};
    for (int z = 0; z < int(std::size(erwartet)); ++z)
        for (int s = 0; s < erwartet[z].size(); ++s)
            EXPECT_EQ(Zelle(z, s), erwartet[z][s]) << z << " " << s;
    vorlieben.SpracheSetzen(daten::Sprache::Englisch);
    EXPECT_EQ(Zelle(6, 0), "1:36.7");
    EXPECT_EQ(Gruppe()->itemText(0), QString::fromUtf8("Variant 1: empty field, 4 × 4"));

    QAbstractItemModel* liste = Liste()->model();
    ASSERT_EQ(liste->rowCount(), 7);
    EXPECT_EQ(liste->index(0, 0).data().toString(), "7");
    EXPECT_EQ(liste->index(0, 5).data().toString(), "yes");
    Aufzeichnen(Variante::Schieben, 4, 60, 30);
    EXPECT_EQ(liste->rowCount(), 8);
    EXPECT_EQ(Zelle(5, 0), "1:00");
    QSignalSpy gewaehlt(&fenster, &statistik::TfrmStatistik::spielGewaehlt);
    const QRect zeile = Liste()->visualRect(liste->index(0, 2));
    QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, {}, zeile.center());  // a double click begins with a click
    QTest::mouseDClick(Liste()->viewport(), Qt::LeftButton, {}, zeile.center());
    ASSERT_EQ(gewaehlt.count(), 1);
    EXPECT_EQ(gewaehlt[0][0].toLongLong(), 9);
}

// The export parses back: the header, a row per game, a picture's comma and quotes intact;
// clearing asks first and, confirmed, leaves nothing.
TEST_F(Statistikfenster, CsvExportUndLoeschen)
{
    Aufzeichnen(Variante::Schieben, 4, 100, 50);
    Aufzeichnen(Variante::Verschieben, 3, 20, 9, Ausgang::MaxZuege);
    fenster.Zeigen();
    speicherort = ordner.filePath(QStringLiteral("export.csv"));
    Klick("btnCsv");
    QFile datei(speicherort);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const std::vector<QStringList> csv = LiesCsv(datei.readAll());
    ASSERT_EQ(csv.size(), 3u);
    EXPECT_EQ(csv[0].join(u','), "id,start,end,variant,size,outcome,moves,seconds,helped,picture,picture_sha256,crop,"
                                 "preview,random_empty_field,grey,retry_of,game_code,daily_puzzle");
    const std::vector<journal::Eintrag> alle = journal.AlleLesen();
    for (std::size_t i = 0; i < alle.size(); ++i) {
        ASSERT_EQ(csv[i + 1].size(), csv[0].size());
        EXPECT_EQ(csv[i + 1][0].toLongLong(), alle[i].id);
        EXPECT_EQ(csv[i + 1][9], alle[i].ergebnis.einstellungen.bilddatei);
    }
    EXPECT_TRUE(csv[1][9].contains(QStringLiteral(", \"alt\" –")));
    EXPECT_EQ(csv[2].mid(5, 3), (QStringList{"move_limit", "9", "20"}));

    speicherort = ordner.filePath(QStringLiteral("fehlt/export.csv"));
    Klick("btnCsv");
    EXPECT_EQ(fehler.size(), 1u);
    Klick("btnLoeschen");
    EXPECT_EQ(journal.Lesen().spiele.size(), 2u);
    bestaetigt = true;
    Klick("btnLoeschen");
    EXPECT_TRUE(journal.Lesen().spiele.empty());
    EXPECT_EQ(Gruppe()->count(), 0);
    EXPECT_FALSE(fenster.findChild<QPushButton*>(QStringLiteral("btnLoeschen"))->isEnabled());
}

// The window grows with the main window's zoom.
TEST_F(Statistikfenster, FolgtDerGroesseDesHauptfensters)
{
    fenster.Zeigen();
    const double punkte = fenster.font().pointSizeF();
    const int hoehe = fenster.findChild<QTableWidget*>()->height();
    vorlieben.GroesseSetzen(200);
    EXPECT_DOUBLE_EQ(fenster.font().pointSizeF(), 2 * punkte);
    EXPECT_GT(fenster.findChild<QTableWidget*>()->height(), 3 * hoehe / 2);
}

} // namespace

namespace {

// Today's puzzle shows once one is played: the days played, and the run of days up to today.
TEST_F(Statistikfenster, TageDesTagesraetsels)
{
    fenster.Zeigen();
    const QLabel* tage = fenster.findChild<QLabel*>(QStringLiteral("lblTage"));
    ASSERT_TRUE(tage);
    EXPECT_TRUE(tage->isHidden());
    const QDate heute = QDateTime::currentDateTimeUtc().date();
    for (int vorTagen : {0, 1, 1, 3}) {
        sitzung::Spielergebnis e = ergebnisbau::Ergebnis(Variante::Schieben, 3, saat++, 3);
        e.herkunft.tagesraetsel = heute.addDays(-vorTagen);
        journal.Aufzeichnen(e);
    }
    fenster.Zeigen();
    EXPECT_FALSE(tage->isHidden());
    EXPECT_EQ(tage->text(), texte(daten::text::codes::Tage).arg(3).arg(2));
}

} // namespace
