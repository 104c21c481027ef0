#include "daten/ton.h"
#include "pulse/pulseumgebung.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <optional>

#include <unistd.h>

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

QByteArray FmtErweitert(quint16 unterformat, quint16 kanaele, quint32 rate, quint16 bits)
{
    const QByteArray guidRest = QByteArray::fromHex("000000001000800000aa00389b71");
    return Fmt(0xFFFE, kanaele, rate, bits, kanaele * bits / 8) + Wort(22) + Wort(bits) + Doppelwort(0)
           + Wort(unterformat) + guidRest;
}

int Bits(Probenformat format)
{
    return format == Probenformat::UInt8 ? 8
           : format == Probenformat::Int16 ? 16
           : format == Probenformat::Int24 ? 24
                                            : 32;
}

QByteArray FmtFuer(const Tonformat& format, bool erweitert = false)
{
    const quint16 tag = format.probenformat == Probenformat::Float32 ? 3 : 1, bits = Bits(format.probenformat);
    return erweitert ? FmtErweitert(tag, format.kanaele, format.rate, bits)
                     : Fmt(tag, format.kanaele, format.rate, bits, format.kanaele * bits / 8);
}

QByteArray Probe(double wert, Probenformat format)
{
    switch (format) {
    case Probenformat::UInt8: return QByteArray(1, char(std::lround(128 + 127 * wert)));
    case Probenformat::Int16: return Wort(quint16(std::lround(32767 * wert)));
    case Probenformat::Int24: return Doppelwort(quint32(std::lround(8388607 * wert))).left(3);
    case Probenformat::Int32: return Doppelwort(quint32(std::lround(2147483647 * wert)));
    case Probenformat::Float32: return Doppelwort(std::bit_cast<quint32>(float(wert)));
    }
    return {};
}

// A sine of the given frequency in every channel, interleaved.
QByteArray Sinus(double frequenz, double sekunden, const Tonformat& format, double amplitude = 0.5)
{
    QByteArray pcm;
    const int frames = int(std::lround(sekunden * format.rate));
    for (int i = 0; i < frames; ++i)
        pcm += Probe(amplitude * std::sin(2 * std::numbers::pi * frequenz * i / format.rate), format.probenformat)
                   .repeated(format.kanaele);
    return pcm;
}

QByteArray Wave(const Tonformat& format, const QByteArray& pcm)
{
    return Riff(Chunk("fmt ", FmtFuer(format)) + Chunk("data", pcm));
}

QByteArray Wave(double frequenz, double sekunden, const Tonformat& format)
{
    return Wave(format, Sinus(frequenz, sekunden, format));
}

const Tonformat Mono16{Probenformat::Int16, 1, 44100};

bool SchreibeDatei(const QString& pfad, const QByteArray& inhalt)
{
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size();
}

// ---- Reading WAVE files ----

TEST(WaveLesen, LiestJedesAbspielbareProbenformatAuchErweitert)
{
    const struct {
        Tonformat format;
        bool erweitert;
    } faelle[] = {
        {{Probenformat::UInt8, 1, 11025}, false},   {{Probenformat::Int16, 1, 44100}, false},
        {{Probenformat::Int16, 6, 22050}, false},   {{Probenformat::Int24, 2, 48000}, false},
        {{Probenformat::Int32, 1, 96000}, false},   {{Probenformat::Float32, 2, 44100}, false},
        {{Probenformat::Int16, 4, 48000}, true},    {{Probenformat::Int24, 2, 96000}, true},
        {{Probenformat::Float32, 2, 48000}, true},
    };
    for (const auto& [format, erweitert] : faelle) {
        const QByteArray pcm = Sinus(440, 0.01, format);
        const QByteArray fmt = FmtFuer(format, erweitert);
        const auto ton = LeseWave(Riff(Chunk("fmt ", fmt) + Chunk("data", pcm)));
        ASSERT_TRUE(ton) << fmt.toHex().constData();
        EXPECT_EQ(ton->format, format) << fmt.toHex().constData();
        EXPECT_EQ(ton->pcm, pcm);
    }
}

TEST(WaveLesen, UeberspringtFremdeChunksAuchMitUngeraderLaenge)
{
    const QByteArray pcm = Sinus(440, 0.01, Mono16);
    const QByteArray datei = Riff(Chunk("LIST", "INFOx") + Chunk("fmt ", FmtFuer(Mono16))
                                  + Chunk("fact", Doppelwort(80)) + Chunk("data", pcm) + Chunk("junk", "abc"));
    const auto ton = LeseWave(datei);
    ASSERT_TRUE(ton);
    EXPECT_EQ(ton->pcm, pcm);
}

TEST(WaveLesen, VerweigertWasNichtAbgespieltWerdenKann)
{
    const QByteArray daten(64, '\0');
    const QByteArray formate[] = {
        Fmt(2, 1, 44100, 4, 256),  // ADPCM
        FmtErweitert(2, 1, 44100, 16),  // ADPCM in the extensible form
        FmtErweitert(1, 1, 44100, 16).left(24),  // extensible without its sub-format
        Fmt(1, 1, 44100, 12, 2),  // 12 bit
        Fmt(3, 1, 44100, 64, 8),  // 64-bit float
        Fmt(1, 2, 44100, 16, 2),  // block size does not match the channels
        Fmt(1, 1, 44100, 24, 4),  // nor the bits
        Fmt(1, 0, 44100, 16, 0),  // no channel
        Fmt(1, 33, 44100, 8, 33),  // more channels than the server takes
        Fmt(1, 1, 0, 16, 2),  // no rate
        Fmt(1, 1, 400000, 16, 2),  // a rate above the server's
        Fmt(1, 1, 44100, 16, 2).left(14),  // format chunk too short
    };
    for (const QByteArray& fmt : formate)
        EXPECT_FALSE(LeseWave(Riff(Chunk("fmt ", fmt) + Chunk("data", daten)))) << fmt.toHex().constData();
}

TEST(WaveLesen, VerweigertKurzeFremdeUndUnvollstaendigeDateien)
{
    const QByteArray fmt = Chunk("fmt ", FmtFuer(Mono16));
    const QByteArray data = Chunk("data", QByteArray(64, '\1'));
    const QByteArray dateien[] = {
        "",
        "RIFF",
        Riff(""),
        "BM" + QByteArray(60, '\0'),
        "RIFF" + Doppelwort(100) + "AVI " + fmt + data,
        Riff(fmt),
        Riff(data),
        Riff(data + Chunk("fmt ", FmtFuer(Mono16), 400)),  // format chunk runs past the end
        Riff(Chunk("LIST", "ab", 0xFFFFFFFF) + fmt + data),  // a chunk hides everything after it
    };
    for (const QByteArray& datei : dateien)
        EXPECT_FALSE(LeseWave(datei)) << datei.toHex().constData();
}

TEST(WaveLesen, AbgeschnitteneDatenBehaltenDieGanzenFrames)
{
    const Tonformat stereo{Probenformat::Int24, 2, 44100};
    const QByteArray pcm = Sinus(440, 0.01, stereo);
    const QByteArray datei = Riff(Chunk("fmt ", FmtFuer(stereo)) + Chunk("data", pcm.left(14), 4000));
    const auto ton = LeseWave(datei);
    ASSERT_TRUE(ton);
    EXPECT_EQ(ton->pcm, pcm.left(12));
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
    const QByteArray wave = Wave(440, 0.5, Mono16);
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

// Every stretch of a tone in a recording; a pause of more than 50 ms starts a new one.
std::vector<Spur> FindeToene(const std::vector<float>& aufnahme, double frequenz, double schwelle)
{
    std::vector<Spur> spuren;
    for (size_t w = 0; (w + 1) * Fensterlaenge <= aufnahme.size(); ++w) {
        if (Amplitude(aufnahme.data() + w * Fensterlaenge, Fensterlaenge, frequenz) < schwelle)
            continue;
        if (spuren.empty() || int(w) - spuren.back().letztes > 5)
            spuren.push_back({int(w), int(w), 0, 0});
        spuren.back().letztes = int(w);
        ++spuren.back().anzahl;
    }
    return spuren;
}

// Sounds have been seen to fall silent for good after a handful: a long run must be heard whole.
TEST_F(TonMitServer, LangeFolgeVonToenenKommtGanzAn)
{
    LegeAb("ton1.wav", Wave(440, 0.15, Mono16));
    // Then two sounds in other formats, the last one as plain as WAVE files come.
    LegeAb("ton2.wav", Wave(660, 0.3, {Probenformat::Float32, 2, 48000}));
    LegeAb("ton3.wav", Wave(880, 0.3, {Probenformat::UInt8, 1, 11025}));
    Tonspieler spieler(basis.path());
    QElapsedTimer uhr;
    uhr.start();
    std::vector<qint64> gespielt;  // ms since the first sound
    constexpr int Anzahl = 40;
    for (int i = 0; i < Anzahl + 2; ++i) {
        gespielt.push_back(uhr.elapsed());
        spieler.Spiele(i < Anzahl ? "ton1.wav" : i == Anzahl ? "ton2.wav" : "ton3.wav");
        const int k = i * 37 % 11;
        QTest::qWait(300 + k * k * 12);  // gaps from 0.3 to 1.5 s
    }

    const std::vector<float> aufgenommen = aufnahme.Beende();
    std::vector<Spur> spuren = FindeToene(aufgenommen, 440, 0.25);
    const std::vector<Spur> zweiter = FindeToene(aufgenommen, 660, 0.25);
    const std::vector<Spur> dritter = FindeToene(aufgenommen, 880, 0.25);
    QString gehoert;
    for (const Spur& spur : spuren)
        gehoert += QString::number(spur.erstes * 10) + " ";
    ASSERT_EQ(spuren.size(), size_t(Anzahl)) << "heard at (ms): " << gehoert.toStdString();
    ASSERT_EQ(zweiter.size(), 1u);
    ASSERT_EQ(dritter.size(), 1u);
    spuren.push_back(zweiter[0]);
    spuren.push_back(dritter[0]);
    // The recording starts before the first sound: its first tone fixes the offset to the clock.
    const qint64 versatz = spuren[0].erstes * 10 - gespielt[0];
    for (int i = 0; i < Anzahl + 2; ++i) {
        EXPECT_NEAR(spuren[i].erstes * 10, gespielt[i] + versatz, 60) << "sound " << i;
        EXPECT_NEAR(spuren[i].DauerMs(), i < Anzahl ? 150 : 300, 40) << "sound " << i;
        EXPECT_GE(spuren[i].anzahl, spuren[i].DauerMs() / 10 - 2) << "gaps in sound " << i;
    }
}

TEST_F(TonMitServer, NeuerTonSchneidetDenLaufendenAbAuchInAnderemFormat)
{
    LegeAb("ton1.wav", Wave(440, 0.5, Mono16));
    LegeAb("ton2.wav", Wave(660, 0.6, Mono16));
    LegeAb("ton3.wav", Wave(880, 0.3, {Probenformat::Int24, 2, 48000}));
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

int Fehler(const char* text)
{
    std::fprintf(stderr, "%s\n", text);
    return 1;
}

// Runs in a fresh process as an ordinary user: libpulse never starts a server for root, so only
// then does it show that the program forbids it.
int SpieleOhneServer()
{
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
        return Fehler("cannot become an ordinary user");
    QTemporaryDir ordner;
    RichteAudioUmgebungEin(ordner.path(), false);
    if (!SchreibeDatei(ordner.filePath("ton1.wav"), Wave(440, 0.5, Mono16)))
        return Fehler("no sound file");
    Tonspieler spieler(ordner.path());
    if (AudioAusgabeVorhanden())
        return Fehler("an audio output was reported without a server");
    spieler.Spiele("ton1.wav");
    spieler.Spiele("ton1.wav");
    QTest::qWait(300);
    if (QFile::exists(ordner.filePath("pulseaudio-ersatz.gestartet")))
        return Fehler("a sound server was started");
    // A server that never answers holds up neither the question nor the sounds for good.
    const Stummserver stumm(ordner.filePath("run/pulse/native"));
    if (!stumm.Lauscht() || AudioAusgabeVorhanden())
        return Fehler("an audio output was reported for a server that does not answer");
    spieler.Spiele("ton1.wav");
    return 0;
}

TEST(TonOhneServer, KeineAusgabeUndSpielenBleibtFolgenlos)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::_Exit(SpieleOhneServer()), ::testing::ExitedWithCode(0), "");
}

}  // namespace
