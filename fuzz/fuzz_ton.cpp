// A sound file held in memory, two ways. Any bytes: what reads as a sound is the file's own data
// chunk, whole frames of it, in the format its format chunk names. And a WAVE file this target
// builds round the input's bytes, in a format the game plays and a chunk layout found in the
// wild: it must be read, with exactly those samples.

#include "eingabe.h"

#include "daten/ton.h"

#include <QtEndian>

#include <array>

using namespace daten;

namespace {

std::uint16_t Wort(const QByteArray& b, qint64 pos) { return qFromLittleEndian<quint16>(b.constData() + pos); }
std::uint32_t Zahl(const QByteArray& b, qint64 pos) { return qFromLittleEndian<quint32>(b.constData() + pos); }

struct Stueck {
    qint64 anfang = -1, laenge = 0;  // body as declared; it may reach past the end
};

// The first chunk of that name after the RIFF header, walked as the format says.
Stueck SucheStueck(const QByteArray& datei, const char* id)
{
    for (qint64 pos = 12; pos + 8 <= datei.size();) {
        const qint64 laenge = Zahl(datei, pos + 4);
        if (datei.mid(pos, 4) == id)
            return {pos + 8, laenge};
        pos += 8 + laenge + (laenge & 1);
    }
    return {};
}

std::optional<Probenformat> Erwartet(std::uint16_t tag, std::uint16_t bits)
{
    if (tag == 1 && bits == 8) return Probenformat::UInt8;
    if (tag == 1 && bits == 16) return Probenformat::Int16;
    if (tag == 1 && bits == 24) return Probenformat::Int24;
    if (tag == 1 && bits == 32) return Probenformat::Int32;
    if (tag == 3 && bits == 32) return Probenformat::Float32;
    return std::nullopt;
}

void PruefeBeliebig(const QByteArray& datei)
{
    const std::optional<Wavedaten> ton = LeseWave(datei);
    if (!ton)
        return;
    const Stueck fmt = SucheStueck(datei, "fmt "), data = SucheStueck(datei, "data");
    PRUEFE(fmt.anfang >= 0 && data.anfang >= 0 && fmt.laenge >= 16 && fmt.anfang + fmt.laenge <= datei.size());
    std::uint16_t tag = Wort(datei, fmt.anfang);
    if (tag == 0xFFFE) {
        PRUEFE(fmt.laenge >= 40);
        tag = Wort(datei, fmt.anfang + 24);
    }
    const auto probenformat = Erwartet(tag, Wort(datei, fmt.anfang + 14));
    PRUEFE(probenformat.has_value());
    const Tonformat format{*probenformat, Wort(datei, fmt.anfang + 2), int(Zahl(datei, fmt.anfang + 4))};
    PRUEFE(ton->format == format);
    PRUEFE(Wort(datei, fmt.anfang + 12) == format.BytesProFrame());
    const qint64 vorhanden = std::min(data.laenge, datei.size() - data.anfang);
    PRUEFE(ton->pcm == datei.mid(data.anfang, vorhanden - vorhanden % format.BytesProFrame()));
}

QByteArray U16(std::uint16_t w) { return QByteArray(1, char(w & 0xFF)) + char(w >> 8); }
QByteArray U32(std::uint32_t z) { return U16(std::uint16_t(z & 0xFFFF)) + U16(std::uint16_t(z >> 16)); }
QByteArray Stueckbytes(const char* id, const QByteArray& inhalt)
{
    return QByteArray(id, 4) + U32(std::uint32_t(inhalt.size())) + inhalt + (inhalt.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

struct Art {
    Probenformat format;
    std::uint16_t tag, bits;
};
constexpr std::array<Art, 5> Arten = {{{Probenformat::UInt8, 1, 8}, {Probenformat::Int16, 1, 16},
                                        {Probenformat::Int24, 1, 24}, {Probenformat::Int32, 1, 32},
                                        {Probenformat::Float32, 3, 32}}};

void PruefeGebaut(fuzz::Leser& leser)
{
    const std::uint8_t wahl = leser.Byte();
    const Art art = Arten[wahl % Arten.size()];
    const Tonformat format{art.format, 1 + leser.Byte() % 8, 1 + int(leser.Zahl() % 192000)};
    const int frame = format.BytesProFrame();
    QByteArray pcm = leser.Rest();
    pcm.chop(pcm.size() % frame);

    QByteArray fmt = U16((wahl & 8) ? 0xFFFE : art.tag) + U16(std::uint16_t(format.kanaele)) + U32(std::uint32_t(format.rate))
        + U32(std::uint32_t(format.rate * frame)) + U16(std::uint16_t(frame)) + U16(art.bits);
    if (wahl & 8)  // extensible: valid bits, speaker mask, the sub-format's GUID
        fmt += U16(22) + U16(art.bits) + U32(0) + U16(art.tag) + QByteArray::fromHex("000000001000800000aa00389b71");
    else if (wahl & 16)
        fmt += U16(0);  // an 18-byte format chunk with no extra bytes
    const QByteArray liste = (wahl & 32) ? Stueckbytes("LIST", QByteArray("INFOISFT\x05\0\0\0abcde", 17)) : QByteArray();
    const QByteArray stuecke = (wahl & 64) ? Stueckbytes("data", pcm) + liste + Stueckbytes("fmt ", fmt)
                                           : Stueckbytes("fmt ", fmt) + liste + Stueckbytes("data", pcm);
    // The RIFF size is often wrong in the wild.
    const QByteArray datei = "RIFF" + U32((wahl & 128) ? 4 : std::uint32_t(stuecke.size() + 4)) + "WAVE" + stuecke;

    const std::optional<Wavedaten> ton = LeseWave(datei);
    PRUEFE(ton.has_value());
    PRUEFE(ton->format == format);
    PRUEFE(ton->pcm == pcm);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    PruefeBeliebig(QByteArray(reinterpret_cast<const char*>(daten), qsizetype(groesse)));
    fuzz::Leser leser(daten, groesse);
    PruefeGebaut(leser);
    return 0;
}
