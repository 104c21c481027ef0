#include "daten/pulseausgabe.h"

#include "daten/pulsebibliothek.h"

#include <algorithm>
#include <chrono>

namespace daten {

namespace {

constexpr const char* Programmname = "Tavelor";
// How far the server's buffer reaches ahead of the sink: short, so a click is heard at once.
constexpr pa_usec_t Ziellatenz = 20'000;
// Far more than asked for goes to the server at once: a busy machine cannot starve a sound of
// the length a game plays. The cap keeps within the server's buffer.
constexpr pa_usec_t Vorlauf = 2'000'000;
constexpr size_t VorlaufHoechstens = 1 << 20;
constexpr std::chrono::milliseconds Geduld{1000};

pa_sample_format_t PulseFormat(Probenformat format)
{
    switch (format) {
    case Probenformat::UInt8: return PA_SAMPLE_U8;
    case Probenformat::Int16: return PA_SAMPLE_S16LE;
    case Probenformat::Int24: return PA_SAMPLE_S24LE;
    case Probenformat::Int32: return PA_SAMPLE_S32LE;
    case Probenformat::Float32: return PA_SAMPLE_FLOAT32LE;
    }
    return PA_SAMPLE_INVALID;
}

struct Senkenzaehlung {
    const Pulsefunktionen* pa;
    int senken = 0;
    bool fertig = false;
};

void SenkeGefunden(pa_context*, const pa_sink_info*, int ende, void* daten)
{
    auto* zaehlung = static_cast<Senkenzaehlung*>(daten);
    if (ende)
        zaehlung->fertig = true;
    else
        ++zaehlung->senken;
}

void AbfrageKontextGeaendert(pa_context* kontext, void* daten)
{
    auto* zaehlung = static_cast<Senkenzaehlung*>(daten);
    const pa_context_state_t zustand = zaehlung->pa->context_get_state(kontext);
    if (zustand == PA_CONTEXT_READY) {
        if (pa_operation* abfrage = zaehlung->pa->context_get_sink_info_list(kontext, &SenkeGefunden, zaehlung))
            zaehlung->pa->operation_unref(abfrage);
        else
            zaehlung->fertig = true;
    } else if (!PA_CONTEXT_IS_GOOD(zustand)) {
        zaehlung->fertig = true;
    }
}

} // namespace

// A plain loop driven here, so a server that accepts but never answers costs a second, not a hang.
bool PulseHatAusgabe()
{
    const Pulsefunktionen* pa = Pulse();
    pa_mainloop* schleife = pa ? pa->mainloop_new() : nullptr;
    if (!schleife)
        return false;
    Senkenzaehlung zaehlung{pa};
    pa_context* kontext = pa->context_new(pa->mainloop_get_api(schleife), Programmname);
    if (kontext) {
        pa->context_set_state_callback(kontext, &AbfrageKontextGeaendert, &zaehlung);
        zaehlung.fertig = pa->context_connect(kontext, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0;
        const auto frist = std::chrono::steady_clock::now() + Geduld;
        while (!zaehlung.fertig) {
            const auto rest = std::chrono::duration_cast<std::chrono::microseconds>(
                frist - std::chrono::steady_clock::now());
            if (rest.count() <= 0 || pa->mainloop_prepare(schleife, int(rest.count())) < 0
                || pa->mainloop_poll(schleife) < 0 || pa->mainloop_dispatch(schleife) < 0)
                break;
        }
        pa->context_set_state_callback(kontext, nullptr, nullptr);
        pa->context_disconnect(kontext);
        pa->context_unref(kontext);
    }
    pa->mainloop_free(schleife);
    return zaehlung.senken > 0;
}

Pulseausgabe::Pulseausgabe() : pa(Pulse())
{
    if (!pa || !(schleife = pa->threaded_mainloop_new()))
        return;
    pa->threaded_mainloop_set_name(schleife, "tavelor-ton");
    if (pa->threaded_mainloop_start(schleife) < 0) {
        pa->threaded_mainloop_free(schleife);
        schleife = nullptr;
    }
}

Pulseausgabe::~Pulseausgabe()
{
    if (!schleife)
        return;
    pa->threaded_mainloop_lock(schleife);
    TrenneVerbindung();
    pa->threaded_mainloop_unlock(schleife);
    pa->threaded_mainloop_stop(schleife);
    pa->threaded_mainloop_free(schleife);
}

void Pulseausgabe::Spiele(const Wavedaten& ton)
{
    if (!schleife)
        return;
    pa->threaded_mainloop_lock(schleife);
    BeendeStrom();  // cuts off the sound still playing
    wartend = ton;
    if (kontext && pa->context_get_state(kontext) == PA_CONTEXT_READY)
        StarteStrom();
    else if (!kontext || !PA_CONTEXT_IS_GOOD(pa->context_get_state(kontext)))
        Verbinde();  // the sound starts once the server has answered
    pa->threaded_mainloop_unlock(schleife);
}

void Pulseausgabe::Verbinde()
{
    TrenneVerbindung();
    kontext = pa->context_new(pa->threaded_mainloop_get_api(schleife), Programmname);
    if (!kontext)
        return;
    pa->context_set_state_callback(kontext, &Pulseausgabe::KontextGeaendert, this);
    // Without a server the program stays silent; it never starts one.
    if (pa->context_connect(kontext, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        TrenneVerbindung();
}

void Pulseausgabe::TrenneVerbindung()
{
    BeendeStrom();
    if (!kontext)
        return;
    pa->context_set_state_callback(kontext, nullptr, nullptr);
    pa->context_disconnect(kontext);
    pa->context_unref(kontext);
    kontext = nullptr;
}

void Pulseausgabe::StarteStrom()
{
    if (!wartend)
        return;
    Wavedaten ton = std::move(*wartend);
    wartend.reset();
    const Tonformat& format = ton.format;
    const pa_sample_spec art{PulseFormat(format.probenformat), uint32_t(format.rate), uint8_t(format.kanaele)};
    pa_channel_map kanaele;
    if (!pa->sample_spec_valid(&art)
        || !pa->channel_map_init_extend(&kanaele, art.channels, PA_CHANNEL_MAP_DEFAULT)
        || !(strom = pa->stream_new(kontext, Programmname, &art, &kanaele)))
        return;
    const size_t frame = size_t(format.BytesProFrame());
    vorlauf = std::min(pa->usec_to_bytes(Vorlauf, &art), VorlaufHoechstens / frame * frame);
    klang = std::move(ton);
    geschrieben = 0;
    pa->stream_set_state_callback(strom, &Pulseausgabe::StromGeaendert, this);
    pa->stream_set_write_callback(strom, &Pulseausgabe::SchreibeWeiter, this);
    // A short target and prebuffering of just that target: playback starts with the first write.
    const uint32_t ziel = uint32_t(pa->usec_to_bytes(Ziellatenz, &art));
    const pa_buffer_attr puffer{uint32_t(-1), ziel, uint32_t(-1), uint32_t(-1), uint32_t(-1)};
    if (pa->stream_connect_playback(strom, nullptr, &puffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0)
        BeendeStrom();
}

void Pulseausgabe::BeendeStrom()
{
    if (!strom)
        return;
    pa->stream_set_write_callback(strom, nullptr, nullptr);
    // A stream the server is still creating cannot be disconnected yet: StromGeaendert does it
    // once it is ready.
    if (pa->stream_get_state(strom) == PA_STREAM_READY)
        pa->stream_disconnect(strom);
    pa->stream_unref(strom);  // the context keeps it until it is gone from the server
    strom = nullptr;
    klang = {};
}

void Pulseausgabe::Schreibe(size_t gewuenscht)
{
    const qsizetype rest = klang.pcm.size() - geschrieben;
    if (rest <= 0)
        return;
    const size_t anzahl = std::min(std::max(gewuenscht, vorlauf), size_t(rest));
    pa->stream_write(strom, klang.pcm.constData() + geschrieben, anzahl, nullptr, 0, PA_SEEK_RELATIVE);
    geschrieben += qsizetype(anzahl);
    // Draining starts a sound shorter than the prebuffer and tells when the stream may go.
    if (geschrieben == klang.pcm.size())
        if (pa_operation* leeren = pa->stream_drain(strom, &Pulseausgabe::Ausgespielt, this))
            pa->operation_unref(leeren);
}

void Pulseausgabe::KontextGeaendert(pa_context* kontext, void* selbst)
{
    auto* ausgabe = static_cast<Pulseausgabe*>(selbst);
    if (ausgabe->pa->context_get_state(kontext) == PA_CONTEXT_READY)
        ausgabe->StarteStrom();
}

void Pulseausgabe::StromGeaendert(pa_stream* strom, void* selbst)
{
    auto* ausgabe = static_cast<Pulseausgabe*>(selbst);
    if (strom != ausgabe->strom && ausgabe->pa->stream_get_state(strom) == PA_STREAM_READY)
        ausgabe->pa->stream_disconnect(strom);  // cut off before it was ready
}

void Pulseausgabe::SchreibeWeiter(pa_stream* strom, size_t gewuenscht, void* selbst)
{
    auto* ausgabe = static_cast<Pulseausgabe*>(selbst);
    if (strom == ausgabe->strom)
        ausgabe->Schreibe(gewuenscht);
}

void Pulseausgabe::Ausgespielt(pa_stream* strom, int, void* selbst)
{
    auto* ausgabe = static_cast<Pulseausgabe*>(selbst);
    if (strom == ausgabe->strom)
        ausgabe->BeendeStrom();
}

} // namespace daten
