#pragma once

#include <pulse/pulseaudio.h>

namespace daten {

// The functions of libpulse this program calls. They are looked up at run time, never linked: the
// program starts without the library and touches nothing of the audio system until a sound is
// first wanted.
#define TAVELOR_PULSEFUNKTIONEN(X)                                                                     \
    X(threaded_mainloop_new) X(threaded_mainloop_free) X(threaded_mainloop_start)                      \
    X(threaded_mainloop_stop) X(threaded_mainloop_lock) X(threaded_mainloop_unlock)                    \
    X(threaded_mainloop_get_api) X(threaded_mainloop_set_name)                                         \
    X(mainloop_new) X(mainloop_free) X(mainloop_get_api) X(mainloop_prepare) X(mainloop_poll)          \
    X(mainloop_dispatch)                                                                               \
    X(context_new) X(context_unref) X(context_connect) X(context_disconnect) X(context_get_state)     \
    X(context_set_state_callback) X(context_get_sink_info_list) X(operation_unref)                     \
    X(stream_new) X(stream_unref) X(stream_connect_playback) X(stream_disconnect) X(stream_get_state)  \
    X(stream_set_state_callback) X(stream_set_write_callback) X(stream_write) X(stream_drain)          \
    X(sample_spec_valid) X(channel_map_init_extend) X(usec_to_bytes)

struct Pulsefunktionen {
#define TAVELOR_PULSEZEIGER(name) decltype(&::pa_##name) name = nullptr;
    TAVELOR_PULSEFUNKTIONEN(TAVELOR_PULSEZEIGER)
#undef TAVELOR_PULSEZEIGER
};

// libpulse.so.0, loaded on the first call and kept for the life of the process. Null when the
// library is missing or lacks one of the functions.
const Pulsefunktionen* Pulse();

} // namespace daten
