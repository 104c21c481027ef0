#include "daten/ton.h"
#include "pulse/pulseumgebung.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <optional>

using namespace daten;

namespace {

// ---- Building WAVE files ----

QByteArray Wort(quint16 wert)
{
    char bytes[2];
    qToLittleEndian(wert, bytes);
    return QByteArray(bytes, 2);
}

QByteArray Doppelwort(quint32 wert)
{
    char bytes[4];
    qToLittleEndian(wert, bytes);
    return QByteArray(bytes, 4);
}

// A declared length of 0 stands for the real one; others make damaged files.
QByteArray Chunk(const char* id, const QByteArray& inhalt, quint32 angegebeneLaenge = 0)
{
    QByteArray chunk =
        QByteArray(id, 4) + Doppelwort(angegebeneLaenge ? angegebeneLaenge : inhalt.size()) + inhalt;
    if (inhalt.size() % 2)
        chunk += '\0';
    return chunk;
}

QByteArray Riff(const QByteArray& chunks)
{
    return "RIFF" + Doppelwort(4 + chunks.size()) + "WAVE" + chunks;
}

QByteArray Fmt(quint16 tag, quint16 kanaele, quint32 rate, quint16 bits, quint16 blockgroesse)
{
    return Wort(tag) + Wort(kanaele) + Doppelwort(rate) + Doppelwort(rate * blockgroesse) + Wort(blockgroesse)
           + Wort(bits);
}

QByteArray FmtPcm16(quint16 kanaele, quint32 rate)
{
    return Fmt(1, kanaele, rate, 16, kanaele * 2);
}

QByteArray FmtErweitert(quint16 unterformat, quint16 kanaele, quint32 rate)
{
    const QByteArray guidRest = QByteArray::fromHex("000000001000800000aa00389b71");
    return Fmt(0xFFFE, kanaele, rate, 16, kanaele * 2) + Wort(22) + Wort(16) + Doppelwort(0)
           + Wort(unterformat) + guidRest;
}

// A sine of the given frequency in every channel, 16-bit interleaved.
QByteArray Sinus(double frequenz, double sekunden, int rate, int kanaele, double amplitude)
{
    QByteArray pcm;
    const int frames = int(std::lround(sekunden * rate));
    for (int i = 0; i < frames; ++i) {
        const auto probe =
            qint16(std::lround(amplitude * 32767 * std::sin(2 * std::numbers::pi * frequenz * i / rate)));
        for (int k = 0; k < kanaele; ++k)
            pcm += Wort(quint16(probe));
    }
    return pcm;
}

QByteArray Wave(int rate, int kanaele, const QByteArray& pcm)
{
    return Riff(Chunk("fmt ", FmtPcm16(kanaele, rate)) + Chunk("data", pcm));
}

bool SchreibeDatei(const QString& pfad, const QByteArray& inhalt)
{
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size();
}

// ---- Reading WAVE files ----

TEST(WaveLesen, LiestPcm16InJederKanalzahlUndRate)
{
    const struct {
        int kanaele, rate;
    } faelle[] = {{1, 44100}, {2, 22050}, {6, 48000}};
    for (const auto& fall : faelle) {
        const QByteArray pcm = Sinus(440, 0.01, fall.rate, fall.kanaele, 0.5);
        const auto ton = LeseWave(Wave(fall.rate, fall.kanaele, pcm));
        ASSERT_TRUE(ton) << fall.kanaele << " channels at " << fall.rate;
        EXPECT_EQ(ton->format.channelCount(), fall.kanaele);
        EXPECT_EQ(ton->format.sampleRate(), fall.rate);
        EXPECT_EQ(ton->format.sampleFormat(), QAudioFormat::Int16);
        EXPECT_EQ(ton->pcm, pcm);
    }
}

TEST(WaveLesen, UeberspringtFremdeChunksAuchMitUngeraderLaenge)
{
    const QByteArray pcm = Sinus(440, 0.01, 8000, 1, 0.5);
    const QByteArray datei =
        Riff(Chunk("LIST", "INFOx") + Chunk("fmt ", FmtPcm16(1, 8000)) + Chunk("fact", Doppelwort(80))
             + Chunk("data", pcm) + Chunk("junk", "abc"));
    const auto ton = LeseWave(datei);
    ASSERT_TRUE(ton);
    EXPECT_EQ(ton->pcm, pcm);
}

TEST(WaveLesen, ErweitertesFormatGiltNurMitPcmAlsUnterformat)
{
    const QByteArray pcm = Sinus(440, 0.01, 48000, 4, 0.5);
    const auto pcmTon = LeseWave(Riff(Chunk("fmt ", FmtErweitert(1, 4, 48000)) + Chunk("data", pcm)));
    ASSERT_TRUE(pcmTon);
    EXPECT_EQ(pcmTon->format.channelCount(), 4);
    EXPECT_EQ(pcmTon->pcm, pcm);
    EXPECT_FALSE(LeseWave(Riff(Chunk("fmt ", FmtErweitert(3, 4, 48000)) + Chunk("data", pcm))));
}

TEST(WaveLesen, VerweigertAlleFormateAusserPcm16)
{
    const QByteArray daten(64, '\0');
    const QByteArray formate[] = {
        Fmt(3, 1, 44100, 32, 4),  // float
        Fmt(1, 1, 44100, 8, 1),  // 8 bit
        Fmt(1, 2, 44100, 24, 6),  // 24 bit
        Fmt(1, 2, 44100, 16, 2),  // block size does not match the channels
        Fmt(1, 0, 44100, 16, 0),  // no channel
        Fmt(1, 1, 0, 16, 2),  // no rate
        Fmt(1, 1, 44100, 16, 2).left(14),  // format chunk too short
    };
    for (const QByteArray& fmt : formate)
        EXPECT_FALSE(LeseWave(Riff(Chunk("fmt ", fmt) + Chunk("data", daten)))) << fmt.toHex().constData();
}

TEST(WaveLesen, VerweigertKurzeFremdeUndUnvollstaendigeDateien)
{
    const QByteArray fmt = Chunk("fmt ", FmtPcm16(1, 44100));
    const QByteArray data = Chunk("data", QByteArray(64, '\1'));
    const QByteArray dateien[] = {
        "",
        "RIFF",
        Riff(""),
        "BM" + QByteArray(60, '\0'),
        "RIFF" + Doppelwort(100) + "AVI " + fmt + data,
        Riff(fmt),
        Riff(data),
        Riff(data + Chunk("fmt ", FmtPcm16(1, 44100), 400)),  // format chunk runs past the end
        Riff(Chunk("LIST", "ab", 0xFFFFFFFF) + fmt + data),  // a chunk hides everything after it
    };
    for (const QByteArray& datei : dateien)
        EXPECT_FALSE(LeseWave(datei)) << datei.toHex().constData();
}

TEST(WaveLesen, AbgeschnitteneDatenBehaltenDieGanzenFrames)
{
    const QByteArray pcm = Sinus(440, 0.01, 44100, 2, 0.5);
    const QByteArray datei = Riff(Chunk("fmt ", FmtPcm16(2, 44100)) + Chunk("data", pcm.left(10), 4000));
    const auto ton = LeseWave(datei);
    ASSERT_TRUE(ton);
    EXPECT_EQ(ton->pcm, pcm.left(8));
}

// ---- Finding the file ----

class Arbeitsordner {
public:
    explicit Arbeitsordner(const QString& pfad) : vorher(QDir::currentPath()) { QDir::setCurrent(pfad); }
    ~Arbeitsordner() { QDir::setCurrent(vorher); }

private:
    QString vorher;
};

TEST(Tondatei, ErstImArbeitsordnerDannImBasisordner)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString arbeit = ordner.filePath("images"), basis = ordner.path();
    ASSERT_TRUE(QDir().mkpath(arbeit) && QDir().mkpath(arbeit + "/ton3.wav"));
    ASSERT_TRUE(SchreibeDatei(arbeit + "/ton1.wav", "a") && SchreibeDatei(basis + "/ton1.wav", "b"));
    ASSERT_TRUE(SchreibeDatei(basis + "/ton2.wav", "b"));
    const Arbeitsordner wechsel(arbeit);

    EXPECT_EQ(SucheTondatei("ton1.wav", basis), arbeit + "/ton1.wav");
    EXPECT_EQ(SucheTondatei("ton2.wav", basis), basis + "/ton2.wav");
    EXPECT_EQ(SucheTondatei("ton3.wav", basis), QString()) << "a folder is no sound";
    EXPECT_EQ(SucheTondatei("ton4.wav", basis), QString());
}

// ---- Playing through a real sound server ----

constexpr int Fensterlaenge = Aufnahme::Aufnahmerate / 100;  // 10 ms

// Where a tone is heard in a recording, in 10 ms windows.
struct Spur {
    int erstes = -1, letztes = -1, anzahl = 0;
    double pegel = 0;  // mean amplitude inside, without the two edge windows
    int DauerMs() const { return anzahl ? (letztes - erstes + 1) * 10 : 0; }
};

double Amplitude(const float* proben, int anzahl, double frequenz)
{
    double re = 0, im = 0;
    for (int i = 0; i < anzahl; ++i) {
        const double winkel = 2 * std::numbers::pi * frequenz * i / Aufnahme::Aufnahmerate;
        re += proben[i] * std::cos(winkel);
        im += proben[i] * std::sin(winkel);
    }
    return 2 * std::hypot(re, im) / anzahl;
}

Spur FindeTon(const std::vector<float>& aufnahme, double frequenz, double schwelle)
{
    std::vector<double> amplituden;
    for (size_t i = 0; i + Fensterlaenge <= aufnahme.size(); i += Fensterlaenge)
        amplituden.push_back(Amplitude(aufnahme.data() + i, Fensterlaenge, frequenz));
    Spur spur;
    for (int w = 0; w < int(amplituden.size()); ++w) {
        if (amplituden[w] < schwelle)
            continue;
        spur.erstes = spur.anzahl++ ? spur.erstes : w;
        spur.letztes = w;
    }
    for (int w = spur.erstes + 1; w < spur.letztes; ++w)
        spur.pegel += amplituden[w] / (spur.letztes - spur.erstes - 1);
    return spur;
}

class TonMitServer : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        server = new Pulseserver;
        if (!server->Starte(serverFehlt))
            serverFehlt.prepend("no sound server: ");
    }
    static void TearDownTestSuite() { delete server; }

    void SetUp() override
    {
        if (!serverFehlt.isEmpty())
            GTEST_SKIP() << serverFehlt.toStdString();
        ASSERT_TRUE(AudioAusgabeVorhanden()) << "the server runs, yet no audio output is seen";
        ASSERT_TRUE(basis.isValid() && QDir().mkpath(basis.filePath("images")));
        wechsel.emplace(basis.filePath("images"));  // where the game stands while it plays
        QString grund;
        if (!aufnahme.Starte(grund))
            GTEST_SKIP() << "no recording: " << grund.toStdString();
    }

    void LegeAb(const QString& name, const QByteArray& inhalt)
    {
        ASSERT_TRUE(SchreibeDatei(basis.filePath(name), inhalt));
    }

    static inline Pulseserver* server = nullptr;
    static inline QString serverFehlt;
    QTemporaryDir basis;
    std::optional<Arbeitsordner> wechsel;
    Aufnahme aufnahme;
};

TEST_F(TonMitServer, SpieltDenGanzenTonUndUebergehtFehlendeOderKaputteDateien)
{
    const QByteArray wave = Wave(44100, 1, Sinus(440, 0.5, 44100, 1, 0.5));
    LegeAb("ton1.wav", wave);
    LegeAb("ton2.wav", wave.left(30));  // cut inside the format chunk
    Tonspieler spieler(basis.path());
    spieler.Spiele("ton3.wav");
    spieler.Spiele("ton2.wav");
    QTest::qWait(300);
    spieler.Spiele("ton1.wav");
    QTest::qWait(900);

    const std::vector<float> aufgenommen = aufnahme.Beende();
    const Spur spur = FindeTon(aufgenommen, 440, 0.25);
    EXPECT_NEAR(spur.DauerMs(), 500, 40) << "the end of the sound must not be lost";
    EXPECT_GE(spur.anzahl, spur.DauerMs() / 10 - 2) << "gaps in the sound";
    EXPECT_NEAR(spur.pegel, 0.5, 0.05);
    float lautestes = 0;
    for (int i = 0; i < (spur.erstes - 1) * Fensterlaenge; ++i)
        lautestes = std::max(lautestes, std::abs(aufgenommen[i]));
    EXPECT_LT(lautestes, 0.01f) << "the missing and the broken file made a sound";
}

TEST_F(TonMitServer, NeuerTonSchneidetDenLaufendenAbAuchInAnderemFormat)
{
    LegeAb("ton1.wav", Wave(44100, 1, Sinus(440, 0.5, 44100, 1, 0.5)));
    LegeAb("ton2.wav", Wave(44100, 1, Sinus(660, 0.6, 44100, 1, 0.5)));
    LegeAb("ton3.wav", Wave(48000, 2, Sinus(880, 0.3, 48000, 2, 0.5)));
    Tonspieler spieler(basis.path());
    spieler.Spiele("ton1.wav");
    QTest::qWait(200);
    spieler.Spiele("ton2.wav");
    QTest::qWait(200);
    spieler.Spiele("ton3.wav");
    QTest::qWait(700);

    const std::vector<float> aufgenommen = aufnahme.Beende();
    const Spur erster = FindeTon(aufgenommen, 440, 0.25);
    const Spur zweiter = FindeTon(aufgenommen, 660, 0.25);
    const Spur dritter = FindeTon(aufgenommen, 880, 0.25);
    ASSERT_GT(erster.anzahl, 0);
    ASSERT_GT(zweiter.anzahl, 0);
    // Each sound stops where the next begins, well before its own end.
    EXPECT_LE(erster.DauerMs(), 400);
    EXPECT_LE(erster.letztes, zweiter.erstes + 1);
    EXPECT_LE(zweiter.DauerMs(), 500);
    EXPECT_LE(zweiter.letztes, dritter.erstes + 1);
    EXPECT_NEAR(dritter.DauerMs(), 300, 40);
    EXPECT_NEAR(dritter.pegel, 0.5, 0.05);
}

// ---- Without a sound server ----

// Runs in a fresh process: Qt Multimedia looks for the server only once per process.
int SpieleOhneServer()
{
    QTemporaryDir ordner;
    RichteAudioUmgebungEin(ordner.path(), false);
    if (AudioAusgabeVorhanden()) {
        std::fputs("an audio output was reported without a server\n", stderr);
        return 1;
    }
    if (!SchreibeDatei(ordner.filePath("ton1.wav"), Wave(44100, 1, Sinus(440, 0.5, 44100, 1, 0.5))))
        return 2;
    Tonspieler spieler(ordner.path());
    spieler.Spiele("ton1.wav");
    spieler.Spiele("ton1.wav");
    QTest::qWait(200);
    return 0;
}

TEST(TonOhneServer, KeineAusgabeUndSpielenBleibtFolgenlos)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::_Exit(SpieleOhneServer()), ::testing::ExitedWithCode(0), "");
}

}  // namespace
