#include "daten/ton.h"

#include "daten/pulseausgabe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <pulse/sample.h>

#include <cstring>

namespace daten {

bool AudioAusgabeVorhanden()
{
    return daten::PulseHatAusgabe();
}

int Tonformat::BytesProFrame() const
{
    switch (probenformat) {
    case Probenformat::UInt8: return kanaele;
    case Probenformat::Int16: return 2 * kanaele;
    case Probenformat::Int24: return 3 * kanaele;
    case Probenformat::Int32:
    case Probenformat::Float32: return 4 * kanaele;
    }
    return 0;
}

namespace {

constexpr quint16 FormatPcm = 0x0001;
constexpr quint16 FormatFliesskomma = 0x0003;
constexpr quint16 FormatErweitert = 0xFFFE;
// The tail shared by all sub-format GUIDs of WAVE_FORMAT_EXTENSIBLE; the first two bytes name the format.
constexpr char GuidRest[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, char(0x80),
                               0x00, 0x00, char(0xAA), 0x00, 0x38, char(0x9B), 0x71};

quint16 Wort(const char* p) { return qFromLittleEndian<quint16>(p); }
quint32 Doppelwort(const char* p) { return qFromLittleEndian<quint32>(p); }

struct Chunk {
    QByteArray id;
    qint64 anfang = 0;  // first byte of the body
    qint64 laenge = 0;  // as declared in the header, may reach past the end of the file
};

// The tag of the format chunk, with the extensible form reduced to the sub-format it carries.
std::optional<quint16> Formattag(const char* fmt, qint64 laenge)
{
    const quint16 tag = Wort(fmt);
    if (tag != FormatErweitert)
        return tag;
    if (laenge < 40 || std::memcmp(fmt + 26, GuidRest, sizeof GuidRest) != 0)
        return std::nullopt;
    return Wort(fmt + 24);
}

std::optional<Probenformat> ProbenformatZu(std::optional<quint16> tag, quint16 bits)
{
    if (tag == FormatPcm && bits == 8)
        return Probenformat::UInt8;
    if (tag == FormatPcm && bits == 16)
        return Probenformat::Int16;
    if (tag == FormatPcm && bits == 24)
        return Probenformat::Int24;
    if (tag == FormatPcm && bits == 32)
        return Probenformat::Int32;
    if (tag == FormatFliesskomma && bits == 32)
        return Probenformat::Float32;
    return std::nullopt;
}

std::optional<Tonformat> LeseFormat(const QByteArray& datei, const Chunk& chunk)
{
    if (chunk.laenge < 16 || chunk.anfang + chunk.laenge > datei.size())
        return std::nullopt;
    const char* fmt = datei.constData() + chunk.anfang;
    const quint16 kanaele = Wort(fmt + 2);
    const quint32 rate = Doppelwort(fmt + 4);
    const quint16 blockgroesse = Wort(fmt + 12);
    const std::optional<Probenformat> probenformat = ProbenformatZu(Formattag(fmt, chunk.laenge), Wort(fmt + 14));
    // The sound server's own limits decide what can be played.
    if (!probenformat || kanaele == 0 || kanaele > PA_CHANNELS_MAX || rate == 0 || rate > PA_RATE_MAX)
        return std::nullopt;
    const Tonformat format{*probenformat, kanaele, int(rate)};
    if (blockgroesse != format.BytesProFrame())
        return std::nullopt;
    return format;
}

} // namespace

std::optional<Wavedaten> LeseWave(const QByteArray& datei)
{
    if (datei.size() < 12 || !datei.startsWith("RIFF") || datei.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<Chunk> fmt, data;
    // The RIFF size is often wrong in the wild; the chunks and the file's real length decide.
    for (qint64 pos = 12; pos + 8 <= datei.size();) {
        const Chunk chunk{datei.mid(pos, 4), pos + 8, Doppelwort(datei.constData() + pos + 4)};
        if (chunk.id == "fmt " && !fmt)
            fmt = chunk;
        else if (chunk.id == "data" && !data)
            data = chunk;
        pos = chunk.anfang + chunk.laenge + (chunk.laenge & 1);  // bodies are padded to even length
    }
    if (!fmt || !data)
        return std::nullopt;
    const std::optional<Tonformat> format = LeseFormat(datei, *fmt);
    if (!format)
        return std::nullopt;
    // A file cut short still plays what it holds, up to the last whole frame.
    const qint64 vorhanden = qMin(data->laenge, datei.size() - data->anfang);
    const qint64 bytesProFrame = format->BytesProFrame();
    return Wavedaten{*format, datei.mid(data->anfang, vorhanden - vorhanden % bytesProFrame)};
}

QString SucheTondatei(const QString& name, const QString& basisordner)
{
    for (const QDir& ordner : {QDir::current(), QDir(basisordner)}) {
        const QFileInfo datei(ordner, name);
        if (datei.isFile())
            return datei.absoluteFilePath();
    }
    return {};
}

Tonspieler::Tonspieler(QString basisordner) : basisordner_(std::move(basisordner)) {}

Tonspieler::~Tonspieler() = default;

void Tonspieler::Spiele(const QString& dateiname)
{
    const QString pfad = SucheTondatei(dateiname, basisordner_);
    if (pfad.isEmpty())
        return;
    const Wavedaten* ton = Lade(pfad);
    if (!ton || ton->pcm.isEmpty())
        return;
    if (!ausgabe_)
        ausgabe_ = std::make_unique<daten::Pulseausgabe>();
    ausgabe_->Spiele(*ton);
}

const Wavedaten* Tonspieler::Lade(const QString& pfad)
{
    auto eintrag = geladen_.constFind(pfad);
    if (eintrag == geladen_.constEnd()) {
        QFile datei(pfad);
        std::optional<Wavedaten> ton;
        if (datei.open(QIODevice::ReadOnly))
            ton = LeseWave(datei.readAll());
        eintrag = geladen_.insert(pfad, std::move(ton));
    }
    return eintrag->has_value() ? &**eintrag : nullptr;
}

} // namespace daten
