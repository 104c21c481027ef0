// The generator itself: the same files on every run, and clear failures.
#include "kunst.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct Lauf {
    int code = -1;
    QString fehler;
};

Lauf starteKunstwerk(const QStringList& argumente)
{
    QProcess prozess;
    prozess.start(QStringLiteral(TAVELOR_KUNSTWERK), argumente);
    if (!prozess.waitForFinished(120000) || prozess.exitStatus() != QProcess::NormalExit)
        return {};
    return {prozess.exitCode(), QString::fromLocal8Bit(prozess.readAllStandardError())};
}

QMap<QString, QByteArray> inhalte(const QString& ordner)
{
    QMap<QString, QByteArray> ergebnis;
    QDirIterator it(ordner, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pfad = it.next();
        QFile datei(pfad);
        if (datei.open(QIODevice::ReadOnly))
            ergebnis.insert(QDir(ordner).relativeFilePath(pfad), datei.readAll());
    }
    return ergebnis;
}

} // namespace

TEST(Kunstwerk, ZweiLaeufeSchreibenByteGleicheDateien)
{
    QTemporaryDir a, b;
    ASSERT_TRUE(a.isValid() && b.isValid());
    for (const QTemporaryDir* d : {&a, &b})
        ASSERT_EQ(starteKunstwerk({"--kunst", d->path() + "/kunst", "--laufzeit", d->path() + "/spiel", "--symbole",
                                   d->path() + "/symbole"})
                      .code,
                  0);
    const auto ersterLauf = inhalte(a.path()), zweiterLauf = inhalte(b.path());
    EXPECT_EQ(ersterLauf.keys(), zweiterLauf.keys());
    EXPECT_GE(ersterLauf.size(), kunst::Kunstnamen().size() + 8 + 3);
    for (auto it = ersterLauf.cbegin(); it != ersterLauf.cend(); ++it)
        EXPECT_TRUE(it.value() == zweiterLauf.value(it.key())) << qPrintable(it.key()) << " differs";
}

TEST(Kunstwerk, EinkompilierteKunstIstDieDesGenerators)
{
    QTemporaryDir ordner;
    ASSERT_EQ(starteKunstwerk({"--kunst", ordner.path()}).code, 0);
    for (const QString& name : kunst::Kunstnamen()) {
        QFile erzeugt(ordner.path() + "/" + name), eingebaut(kunst::Kunstpfad(name));
        ASSERT_TRUE(erzeugt.open(QIODevice::ReadOnly)) << qPrintable(name);
        ASSERT_TRUE(eingebaut.open(QIODevice::ReadOnly)) << qPrintable(name);
        EXPECT_TRUE(erzeugt.readAll() == eingebaut.readAll()) << qPrintable(name);
    }
}

TEST(Kunstwerk, NichtBeschreibbarerZielordnerEndetMitMeldung)
{
    QTemporaryDir ordner;
    QFile sperre(ordner.path() + "/datei");
    ASSERT_TRUE(sperre.open(QIODevice::WriteOnly));
    sperre.close();
    // a folder below a plain file can never be made
    const Lauf lauf = starteKunstwerk({"--laufzeit", ordner.path() + "/datei/spiel"});
    EXPECT_EQ(lauf.code, 1);
    EXPECT_TRUE(lauf.fehler.contains("cannot")) << qPrintable(lauf.fehler);
}

TEST(Kunstwerk, OhneAuftragZeigtEsDenAufruf)
{
    for (const QStringList& argumente : {QStringList{}, QStringList{"--unbekannt", "/tmp"}}) {
        const Lauf lauf = starteKunstwerk(argumente);
        EXPECT_EQ(lauf.code, 2);
        EXPECT_TRUE(lauf.fehler.contains("usage")) << qPrintable(lauf.fehler);
    }
}

TEST(Kunstwerk, ProgrammsymbolIstInJederGroesseScharfUndDasFenstersymbol)
{
    QTemporaryDir ordner;
    ASSERT_EQ(starteKunstwerk({"--symbole", ordner.path()}).code, 0);
    const QRgb Markierfarbe = qRgb(252, 202, 3);
    for (int seite : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage bild(ordner.filePath(QString("tavelor_%1.png").arg(seite)));
        ASSERT_EQ(bild.size(), QSize(seite, seite)) << seite;
        EXPECT_EQ(qAlpha(bild.pixel(0, 0)), 0) << seite << ": the corners are transparent";
        // the grid between the tiles lies on whole pixels: pure marking colour, none beside it
        const int rand = seite / 8, teil = (seite - 2 * rand) / 3, linie = std::max(1, seite / 64);
        const int y = rand + teil / 2;
        for (int k = 1; k <= 2; ++k) {
            const int x = rand + k * teil - linie / 2;
            EXPECT_EQ(bild.pixel(x, y), Markierfarbe) << seite << " at " << x;
            EXPECT_EQ(bild.pixel(x + linie - 1, y), Markierfarbe) << seite << " at " << x + linie - 1;
            EXPECT_NE(bild.pixel(x - 1, y), Markierfarbe) << seite << " at " << x - 1;
            EXPECT_NE(bild.pixel(x + linie, y), Markierfarbe) << seite << " at " << x + linie;
        }
    }
    QFile gross(ordner.filePath("tavelor_64.png")), fenster(kunst::Kunstpfad("symbol"));
    ASSERT_TRUE(gross.open(QIODevice::ReadOnly) && fenster.open(QIODevice::ReadOnly));
    EXPECT_TRUE(gross.readAll() == fenster.readAll()) << "the window icon should be the 64 px desktop icon";
}

TEST(Kunstwerk, SvgSymbolIstWohlgeformtUndVerweistNurAufVorhandenes)
{
    QTemporaryDir ordner;
    ASSERT_EQ(starteKunstwerk({"--symbole", ordner.path()}).code, 0);
    QFile datei(ordner.filePath("tavelor.svg"));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&datei);
    QSet<QString> ids, verweise;
    int pfade = 0;
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), QStringLiteral("svg"));
    EXPECT_EQ(xml.attributes().value("viewBox"), QStringLiteral("0 0 256 256"));
    const QRegularExpression verweis(QStringLiteral("url\\(#([^)]+)\\)"));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        pfade += xml.name() == QStringLiteral("path");
        for (const QXmlStreamAttribute& a : xml.attributes()) {
            if (a.name() == QStringLiteral("id"))
                ids.insert(a.value().toString());
            for (const auto& treffer : verweis.globalMatch(a.value().toString()))
                verweise.insert(treffer.captured(1));
        }
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(xml.errorString());
    EXPECT_GT(pfade, 50) << "frame, sky, petals, seeds, field, grid";
    EXPECT_TRUE(verweise.contains("brett"));
    for (const QString& v : verweise)
        EXPECT_TRUE(ids.contains(v)) << qPrintable(v) << " is used but not defined";
}
