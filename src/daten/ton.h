#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <memory>
#include <optional>

namespace daten {

class Pulseausgabe;

// True when a sound server answers and offers at least one output. False without one, after
// about a second at most; never starts a server. Asked only once sound is wanted: until then
// nothing of the audio system is touched.
bool AudioAusgabeVorhanden();

// How a sample is stored; little-endian, as in WAVE files. 8-bit samples are unsigned.
enum class Probenformat { UInt8, Int16, Int24, Int32, Float32 };

struct Tonformat {
    Probenformat probenformat = Probenformat::Int16;
    int kanaele = 0;
    int rate = 0;

    int BytesProFrame() const;
    friend bool operator==(const Tonformat&, const Tonformat&) = default;
};

// The sample data of a WAVE file, ready for the audio output.
struct Wavedaten {
    Tonformat format;
    QByteArray pcm;
};

// Reads a RIFF/WAVE file held in memory: integer PCM of 8, 16, 24 or 32 bits and 32-bit float,
// also in the extensible form, in any channel count and rate the sound server takes.
// Anything else, or a damaged file, gives no value.
std::optional<Wavedaten> LeseWave(const QByteArray& datei);

// Where a sound named without a folder is found: the working directory first, then the base
// folder. Empty when neither holds the file.
QString SucheTondatei(const QString& name, const QString& basisordner);

// Plays sound effects asynchronously; a new sound cuts off the one still playing.
// Missing or damaged files play nothing and report nothing. Whether sound is wanted at all is
// the caller's decision.
class Tonspieler {
public:
    explicit Tonspieler(QString basisordner);
    ~Tonspieler();
    Tonspieler(const Tonspieler&) = delete;
    Tonspieler& operator=(const Tonspieler&) = delete;

    // Returns at once; the sound plays on a thread of the sound library's own.
    void Spiele(const QString& dateiname);

private:
    const Wavedaten* Lade(const QString& pfad);

    QString basisordner_;
    // Every file is read once; a damaged file is remembered as such so it is not read again.
    QHash<QString, std::optional<Wavedaten>> geladen_;
    // Made with the first sound: until then nothing of the audio system is touched.
    std::unique_ptr<daten::Pulseausgabe> ausgabe_;
};

} // namespace daten
