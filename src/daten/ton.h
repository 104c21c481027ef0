#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QHash>
#include <QString>

#include <memory>
#include <optional>

class QAudioSink;
class QBuffer;

namespace daten {

// True when the system offers at least one audio output; start-up turns this into WaveVorhanden.
bool AudioAusgabeVorhanden();

// The sample data of a WAVE file, ready for the audio output.
struct Wavedaten {
    QAudioFormat format;
    QByteArray pcm;
};

// Reads a RIFF/WAVE file held in memory: 16-bit PCM, any channel count and rate.
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

    // Returns at once; the sound runs in the event loop.
    void Spiele(const QString& dateiname);

private:
    const Wavedaten* Lade(const QString& pfad);
    bool BereiteAusgabeVor(const QAudioFormat& format);

    QString basisordner;
    // Every file is read once; a damaged file is remembered as such so it is not read again.
    QHash<QString, std::optional<Wavedaten>> geladen;
    // The buffer outlives the sink, which reads from it until it is stopped.
    std::unique_ptr<QBuffer> puffer;
    std::unique_ptr<QAudioSink> ausgabe;
};

} // namespace daten
