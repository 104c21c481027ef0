// The generator itself: the same files on every run, and clear failures.
#include "kunst.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
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
    ASSERT_EQ(starteKunstwerk({"--kunst", a.path() + "/kunst", "--laufzeit", a.path() + "/spiel"}).code, 0);
    ASSERT_EQ(starteKunstwerk({"--kunst", b.path() + "/kunst", "--laufzeit", b.path() + "/spiel"}).code, 0);
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
