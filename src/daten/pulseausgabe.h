#pragma once

#include "daten/ton.h"

#include <pulse/pulseaudio.h>

#include <optional>

namespace daten {

struct Pulsefunktionen;

// True when a PulseAudio server (or PipeWire's service for it) answers and offers at least one
// sink. False without libpulse or without a server; gives up after about a second. Never starts
// a server.
bool PulseHatAusgabe();

// Plays sounds through the PulseAudio server on a thread of libpulse's own, each in a fresh stream:
// a new sound ends the stream of the one still playing, so no state carries over from sound to
// sound. Connects on the first sound and again after the server went away.
class Pulseausgabe {
public:
    Pulseausgabe();
    ~Pulseausgabe();
    Pulseausgabe(const Pulseausgabe&) = delete;
    Pulseausgabe& operator=(const Pulseausgabe&) = delete;

    // Returns at once, also while the connection is still being made.
    void Spiele(const Wavedaten& ton);

private:
    // Everything below runs with the loop's lock held, on the caller's thread or the loop's.
    void Verbinde();
    void TrenneVerbindung();
    void StarteStrom();
    void BeendeStrom();
    void Schreibe(size_t gewuenscht);

    static void KontextGeaendert(pa_context* kontext, void* selbst);
    static void StromGeaendert(pa_stream* strom, void* selbst);
    static void SchreibeWeiter(pa_stream* strom, size_t gewuenscht, void* selbst);
    static void Ausgespielt(pa_stream* strom, int erfolg, void* selbst);

    const Pulsefunktionen* pa;
    pa_threaded_mainloop* schleife = nullptr;
    pa_context* kontext = nullptr;
    pa_stream* strom = nullptr;       // the sound playing now
    std::optional<Wavedaten> wartend;  // a sound waiting for the connection
    Wavedaten klang;                  // the sound of strom, fed to the server as it asks
    qsizetype geschrieben = 0;
    size_t vorlauf = 0;               // bytes written at least per request
};

} // namespace daten
