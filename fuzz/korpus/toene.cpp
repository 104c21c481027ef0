// Sound seeds: WAVE files of the formats the game plays (16-bit PCM, plain and extensible, any
// channel count and rate) and of those it refuses, with the chunk layouts found in the wild.

#include "korpus/korpus.h"

#include <cmath>

namespace korpus {

namespace {

QByteArray Chunk(const char* id, const QByteArray& inhalt, std::int64_t laenge = -1)
{
    QByteArray c(id, 4);
    U32(c, std::uint32_t(laenge < 0 ? inhalt.size() : laenge));
    c += inhalt;
    if (inhalt.size() % 2)
        c.append('\0');  // bodies are padded to even length
    return c;
}

QByteArray Format(std::uint16_t tag, std::uint16_t kanaele, std::uint32_t rate, std::uint16_t bits)
{
    QByteArray f;
    U16(f, tag);
    U16(f, kanaele);
    U32(f, rate);
    U32(f, rate * kanaele * bits / 8);
    U16(f, std::uint16_t(kanaele * bits / 8));
    U16(f, bits);
    return f;
}

// WAVE_FORMAT_EXTENSIBLE carrying a sub-format: 1 PCM, 3 float.
QByteArray Erweitert(std::uint16_t unterformat, std::uint16_t kanaele, std::uint32_t rate, std::uint16_t bits)
{
    QByteArray f = Format(0xFFFE, kanaele, rate, bits);
    U16(f, 22);    // extra bytes
    U16(f, bits);  // valid bits
    U32(f, kanaele == 2 ? 3 : 4);  // speaker positions
    U16(f, unterformat);
    f += QByteArray::fromHex("000000001000800000aa00389b71");
    return f;
}

QByteArray Sinus(int frames, int kanaele, int bytesJeWert)
{
    QByteArray d;
    for (int i = 0; i < frames; ++i)
        for (int k = 0; k < kanaele; ++k) {
            const int wert = int(20000 * std::sin(0.07 * i * (k + 1)));
            for (int b = 0; b < bytesJeWert; ++b)
                d.append(char((wert >> (8 * b)) & 0xFF));
        }
    return d;
}

QByteArray Riff(const QByteArray& chunks, std::int64_t laenge = -1)
{
    QByteArray r("RIFF");
    U32(r, std::uint32_t(laenge < 0 ? chunks.size() + 4 : laenge));
    return r + "WAVE" + chunks;
}

} // namespace

void Toene(const Ablage& ablage)
{
    const QByteArray mono = Sinus(64, 1, 2), stereo = Sinus(48, 2, 2);
    ablage("pcm16-mono-8000", Riff(Chunk("fmt ", Format(1, 1, 8000, 16)) + Chunk("data", mono)));
    ablage("pcm16-stereo-44100", Riff(Chunk("fmt ", Format(1, 2, 44100, 16)) + Chunk("data", stereo)));
    ablage("pcm16-6kanaele", Riff(Chunk("fmt ", Format(1, 6, 48000, 16)) + Chunk("data", Sinus(16, 6, 2))));
    ablage("erweitert-pcm16", Riff(Chunk("fmt ", Erweitert(1, 2, 22050, 16)) + Chunk("data", stereo)));
    ablage("erweitert-float", Riff(Chunk("fmt ", Erweitert(3, 2, 22050, 32)) + Chunk("data", Sinus(16, 2, 4))));
    ablage("pcm8", Riff(Chunk("fmt ", Format(1, 1, 11025, 8)) + Chunk("data", Sinus(64, 1, 1))));
    ablage("pcm24", Riff(Chunk("fmt ", Format(1, 2, 48000, 24)) + Chunk("data", Sinus(16, 2, 3))));
    ablage("float32", Riff(Chunk("fmt ", Format(3, 1, 48000, 32)) + Chunk("data", Sinus(16, 1, 4))));

    // Layouts: a list chunk of odd length before the data, data before the format, a format
    // chunk with extra bytes, a wrong RIFF size, data cut short, half a frame, no data at all.
    const QByteArray fmt = Chunk("fmt ", Format(1, 2, 44100, 16));
    ablage("liste-ungerade", Riff(fmt + Chunk("LIST", QByteArray("INFOISFT\x05\0\0\0abcde", 17)) + Chunk("data", stereo)));
    ablage("daten-vor-format", Riff(Chunk("data", stereo) + fmt));
    QByteArray fmt18 = Format(1, 2, 44100, 16);
    U16(fmt18, 0);
    ablage("format-18", Riff(Chunk("fmt ", fmt18) + Chunk("data", stereo)));
    ablage("riff-laenge-falsch", Riff(fmt + Chunk("data", stereo), 4));
    ablage("daten-gekuerzt", Riff(fmt + Chunk("data", stereo)).chopped(37));
    ablage("halber-frame", Riff(fmt + Chunk("data", stereo.left(stereo.size() - 2))));
    ablage("daten-leer", Riff(fmt + Chunk("data", {})));
    ablage("ohne-daten", Riff(fmt));
    ablage("ohne-format", Riff(Chunk("data", stereo)));
    ablage("blockgroesse-falsch", Riff(Chunk("fmt ", Format(1, 2, 44100, 16).replace(12, 2, "\x03\0", 2)) + Chunk("data", stereo)));
    ablage("kanaele-0", Riff(Chunk("fmt ", Format(1, 0, 44100, 16)) + Chunk("data", stereo)));
    ablage("rate-0", Riff(Chunk("fmt ", Format(1, 1, 0, 16)) + Chunk("data", mono)));
    ablage("datenlaenge-riesig", Riff(fmt + Chunk("data", stereo, 0xFFFFFFF0)));
    ablage("format-kurz", Riff(Chunk("fmt ", Format(1, 1, 8000, 16).left(10)) + Chunk("data", mono)));
    ablage("rifx", QByteArray("RIFX") + Riff(fmt + Chunk("data", mono)).mid(4));
    ablage("nur-kopf", QByteArray("RIFF\x04\0\0\0WAVE", 12));

    // The target also builds a file round the input: a byte of format and layout, the channels,
    // the rate, then the samples.
    for (std::uint8_t wahl : {0x01, 0x0C, 0x32, 0x63, 0x94, 0xF8}) {
        QByteArray gebaut(1, char(wahl));
        gebaut.append(char(1 + wahl % 6));
        U32(gebaut, 44100);
        ablage(QStringLiteral("gebaut-%1").arg(wahl, 2, 16, QLatin1Char('0')), gebaut + Sinus(40, 1 + wahl % 6, 2));
    }
}

} // namespace korpus
