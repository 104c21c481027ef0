#include "daten/pulsebibliothek.h"

#include <QLibrary>

#include <optional>

namespace daten {

namespace {

std::optional<Pulsefunktionen> LadePulse()
{
    // Never unloaded: the library's own threads may outlive any one user of it.
    QLibrary bibliothek(QStringLiteral("pulse"), 0);
    if (!bibliothek.load())
        return std::nullopt;
    Pulsefunktionen pa;
    bool vollstaendig = true;
#define TAVELOR_PULSESUCHE(name)                                                                      \
    pa.name = reinterpret_cast<decltype(pa.name)>(bibliothek.resolve("pa_" #name));                   \
    vollstaendig = vollstaendig && pa.name;
    TAVELOR_PULSEFUNKTIONEN(TAVELOR_PULSESUCHE)
#undef TAVELOR_PULSESUCHE
    if (!vollstaendig)
        return std::nullopt;
    return pa;
}

} // namespace

const Pulsefunktionen* Pulse()
{
    static const std::optional<Pulsefunktionen> pa = LadePulse();
    return pa ? &*pa : nullptr;
}

} // namespace daten
