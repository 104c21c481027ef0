// The translation files: every one holds every text, finished, with the placeholders and the
// accelerator of the English; German and English are the classic texts, unchanged.
#include "daten/textkatalog.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

using namespace daten;

namespace {

struct Nachricht {
    QString quelle;
    QStringList formen;  // one, or one per plural form
    bool fertig = true;
};

std::map<QString, Nachricht> LiesTs(const QString& pfad)
{
    QFile datei(pfad);
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly)) << pfad.toStdString();
    QXmlStreamReader xml(&datei);
    std::map<QString, Nachricht> nachrichten;
    QString id;
    bool zahl = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"message") {
            id = xml.attributes().value(QLatin1String("id")).toString();
            zahl = xml.attributes().value(QLatin1String("numerus")) == u"yes";
        } else if (xml.name() == u"source") {
            nachrichten[id].quelle = xml.readElementText();
        } else if (xml.name() == u"translation") {
            nachrichten[id].fertig = xml.attributes().value(QLatin1String("type")).isEmpty();
            if (!zahl)
                nachrichten[id].formen << xml.readElementText();
        } else if (xml.name() == u"numerusform") {
            nachrichten[id].formen << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << pfad.toStdString() << ": " << xml.errorString().toStdString();
    return nachrichten;
}

// What a translation must keep of the English: its placeholders and its number of '&'.
std::pair<std::set<QString>, qsizetype> Merkmale(const QString& text)
{
    std::set<QString> platzhalter;
    for (const auto& treffer : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        platzhalter.insert(treffer.captured());
    return {platzhalter, text.count(QLatin1Char('&'))};
}

TEST(Textkatalog, JedeUebersetzungVollstaendig)
{
    const auto englisch = LiesTs(TAVELOR_SPRACHORDNER "/tavelor_en.ts");
    ASSERT_GT(englisch.size(), 160u);
    for (Sprache sprache : AlleSprachen) {
        const QString code = SprachCode(sprache);
        const auto nachrichten = LiesTs(TAVELOR_SPRACHORDNER "/tavelor_" + code + ".ts");
        EXPECT_EQ(nachrichten.size(), englisch.size()) << code.toStdString();
        for (const auto& [id, n] : nachrichten) {
            SCOPED_TRACE(code.toStdString() + " " + id.toStdString());
            EXPECT_TRUE(n.fertig && !n.formen.isEmpty() && !n.formen.contains(QString()));
            EXPECT_TRUE(englisch.contains(id));
            for (const QString& form : n.formen)
                EXPECT_EQ(Merkmale(form), Merkmale(n.quelle)) << form.toStdString();
        }
    }
}

// Every form of a text with a count is the classic text too: German and English always said
// "%1 Sekunden", and the count is never 1 there.
TEST(Textkatalog, DeutschUndEnglischWieImKlassischenKatalog)
{
    QFile datei(TAVELOR_TEXTE_KLASSISCH);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly | QIODevice::Text));
    const auto entschluesselt = [](const QString& feld) {  // \n in the file is a line break, \\ a backslash
        QString text;
        for (qsizetype i = 0; i < feld.size(); ++i) {
            const bool folge = feld[i] == u'\\' && i + 1 < feld.size();
            text += !folge ? feld[i] : feld[++i] == u'n' ? QChar(u'\n') : feld[i];
        }
        return text;
    };
    const Katalog deutsch(Sprache::Deutsch), englisch(Sprache::Englisch);
    int zeilen = 0;
    datei.readLine();
    while (!datei.atEnd()) {
        const QStringList felder = QString::fromUtf8(datei.readLine()).chopped(1).split(QLatin1Char('\t'));
        ASSERT_EQ(felder.size(), 3);
        const int id = felder[0].toInt();
        const bool zahl = std::set{400, 666, 916, 918, 920, 921, 922}.contains(id);
        for (int anzahl : zahl ? std::vector{1, 2, 5, 22} : std::vector{-1}) {
            EXPECT_EQ(deutsch.text(id, anzahl), entschluesselt(felder[1])) << id;
            EXPECT_EQ(englisch.text(id, anzahl), entschluesselt(felder[2])) << id;
        }
        EXPECT_EQ(LadeText(id, 0), entschluesselt(felder[1]));
        ++zeilen;
    }
    EXPECT_EQ(zeilen, 204);  // every text German and English had; a new one joins the fixture as it is added
    EXPECT_TRUE(LadeText(12, 0).isEmpty());
    EXPECT_TRUE(LadeText(0, 2000).isEmpty());
}

} // namespace
