// The runtime folder the build makes: sample pictures, sounds and help.
#include "bildpruefung.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QImageReader>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace pruefung;

namespace {

const QString Spielordner = QStringLiteral(TAVELOR_SPIELORDNER);

QStringList bilddateien()
{
    return QDir(Spielordner + "/images").entryList({"*.bmp"}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

int bitsProPixel(const QString& pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray kopf = datei.read(30);
    return kopf.size() == 30 && kopf.startsWith("BM") ? qFromLittleEndian<quint16>(kopf.constData() + 28) : -1;
}

struct Wave {
    bool gueltig = false;
    int format = 0, kanaele = 0, rate = 0, bits = 0;
    QByteArray daten;
};

Wave leseWave(const QString& pfad)
{
    Wave w;
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return w;
    const QByteArray alles = datei.readAll();
    if (alles.size() < 12 || !alles.startsWith("RIFF") || alles.mid(8, 4) != "WAVE")
        return w;
    bool fmt = false;
    for (qsizetype pos = 12; pos + 8 <= alles.size();) {
        const QByteArray id = alles.mid(pos, 4);
        const quint32 laenge = qFromLittleEndian<quint32>(alles.constData() + pos + 4);
        if (pos + 8 + qsizetype(laenge) > alles.size())
            return w;
        const char* inhalt = alles.constData() + pos + 8;
        if (id == "fmt " && laenge >= 16) {
            w.format = qFromLittleEndian<quint16>(inhalt);
            w.kanaele = qFromLittleEndian<quint16>(inhalt + 2);
            w.rate = int(qFromLittleEndian<quint32>(inhalt + 4));
            w.bits = qFromLittleEndian<quint16>(inhalt + 14);
            fmt = true;
        } else if (id == "data") {
            w.daten = alles.mid(pos + 8, laenge);
        }
        pos += 8 + laenge + (laenge & 1);
    }
    w.gueltig = fmt && !w.daten.isEmpty();
    return w;
}

} // namespace

TEST(Bilderordner, MindestensAchtBilderVerschiedenerFormen)
{
    const QStringList dateien = bilddateien();
    ASSERT_GE(dateien.size(), 8);
    bool quadrat = false, quer = false, hoch = false, winzig = false, riesig = false, palette = false;
    for (const QString& name : dateien) {
        const QString pfad = Spielordner + "/images/" + name;
        QImageReader leser(pfad);
        const QImage bild = leser.read();
        ASSERT_FALSE(bild.isNull()) << qPrintable(name) << ": " << qPrintable(leser.errorString());
        EXPECT_EQ(QFile(pfad).size(), 54 + (bitsProPixel(pfad) == 8 ? 1024 : 0)
                                          + qint64((bild.width() * bitsProPixel(pfad) / 8 + 3) / 4 * 4) * bild.height())
            << qPrintable(name) << ": file length and header disagree";
        const int bits = bitsProPixel(pfad);
        EXPECT_TRUE(bits == 24 || bits == 8) << qPrintable(name) << " has " << bits << " bits";
        palette |= bits == 8;
        quadrat |= bild.width() == bild.height();
        quer |= bild.width() > bild.height();
        hoch |= bild.width() < bild.height();
        winzig |= bild.size() == QSize(100, 50);
        riesig |= bild.width() >= 1000 && bild.height() >= 1000;
    }
    EXPECT_TRUE(quadrat);
    EXPECT_TRUE(quer);
    EXPECT_TRUE(hoch);
    EXPECT_TRUE(winzig) << "one picture of 100 x 50";
    EXPECT_TRUE(riesig) << "one picture of 1000 x 1000 or more";
    EXPECT_TRUE(palette) << "one 8-bit palette picture";
}

TEST(Bilderordner, JedesTeilEines6x6BrettsIstEigenUndNichtEinfarbig)
{
    for (const QString& name : bilddateien()) {
        // as the game does: stretch to 360 x 360, then cut
        const QImage bild = QImage(Spielordner + "/images/" + name)
                                .convertToFormat(QImage::Format_RGB32)
                                .scaled(360, 360, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_EQ(unklareTeile(bild), QStringList()) << qPrintable(name);
    }
}

TEST(Toene, DreiKurzeWaveDateienIn16BitPcm)
{
    for (const char* name : {"ton1.wav", "ton2.wav", "ton3.wav"}) {
        const Wave w = leseWave(Spielordner + "/" + name);
        ASSERT_TRUE(w.gueltig) << name;
        EXPECT_EQ(w.format, 1) << name << ": PCM";
        EXPECT_EQ(w.bits, 16) << name;
        EXPECT_EQ(w.rate, 44100) << name;
        EXPECT_TRUE(w.kanaele == 1 || w.kanaele == 2) << name;
        const double sekunden = double(w.daten.size()) / (w.kanaele * 2 * w.rate);
        EXPECT_LT(sekunden, 1.0) << name;
        EXPECT_GT(sekunden, 0.03) << name;
        // audible, not clipped, and silent at both ends so that nothing clicks
        const auto* proben = reinterpret_cast<const qint16*>(w.daten.constData());
        const qsizetype anzahl = w.daten.size() / 2;
        int spitze = 0;
        for (qsizetype i = 0; i < anzahl; ++i)
            spitze = std::max(spitze, std::abs(int(qFromLittleEndian(proben[i]))));
        EXPECT_GT(spitze, 6000) << name;
        EXPECT_LT(spitze, 32767) << name;
        EXPECT_LT(std::abs(int(qFromLittleEndian(proben[0]))), 200) << name;
        EXPECT_LT(std::abs(int(qFromLittleEndian(proben[anzahl - 1]))), 200) << name;
    }
    EXPECT_NE(leseWave(Spielordner + "/ton1.wav").daten, leseWave(Spielordner + "/ton3.wav").daten);
}

// Every language's help is in the runtime folder, with the English one's anchors and limits.
TEST(Hilfe, JedeSpracheHatIhreHilfeMitDenAnkernDerEnglischen)
{
    const auto lies = [](const char* sprache) {
        QFile datei(Spielordner + "/morvik_" + sprache + ".hlp");
        return datei.open(QIODevice::ReadOnly) ? QString::fromUtf8(datei.readAll()) : QString();
    };
    const auto anker = [](const QString& text) {
        static const QRegularExpression muster(QStringLiteral(R"re((name|href)="[^"]*")re"));
        QStringList gefunden;
        for (auto treffer = muster.globalMatch(text); treffer.hasNext();)
            gefunden << treffer.next().captured(0);
        gefunden.sort();
        return gefunden;
    };
    const QStringList englisch = anker(lies("en"));
    ASSERT_GT(englisch.size(), 4);
    for (const char* sprache : {"fr", "es", "it", "pt_BR", "nl", "pl", "cs", "sv", "ru", "uk"}) {
        const QString text = lies(sprache);
        EXPECT_TRUE(text.contains("<meta charset=\"utf-8\">") && text.contains("9999") && text.contains("59:59")) << sprache;
        EXPECT_EQ(anker(text), englisch) << sprache;
    }
}

TEST(Hilfe, BeideSprachenErklaerenVariantenGrenzenUndBestenliste)
{
    const struct { const char* datei; QStringList begriffe; } hilfen[] = {
        {"morvik_de.hlp", {"Variante 1", "Variante 2", "Variante 3", "Bestenliste", "Pause", "9999", "59:59",
                           "Einstellungen", "rechten Maustaste"}},
        {"morvik_en.hlp", {"Version 1", "Version 2", "Version 3", "hall of fame", "Pause", "9999", "59:59",
                           "Settings", "right mouse button"}}};
    for (const auto& h : hilfen) {
        QFile datei(Spielordner + "/" + h.datei);
        ASSERT_TRUE(datei.open(QIODevice::ReadOnly)) << h.datei;
        const QString text = QString::fromUtf8(datei.readAll());
        EXPECT_TRUE(text.contains("<html", Qt::CaseInsensitive)) << h.datei;
        EXPECT_TRUE(text.contains("Tavelor")) << h.datei;
        for (const QString& begriff : h.begriffe)
            EXPECT_TRUE(text.contains(begriff, Qt::CaseInsensitive)) << h.datei << " lacks " << qPrintable(begriff);
    }
}
