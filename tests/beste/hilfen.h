#pragma once

#include "beste/liste.h"
#include "beste/namen.h"

#include <QString>
#include <cstdint>
#include <initializer_list>
#include <ostream>

using namespace beste;

// Readable failure messages for names.
inline void PrintTo(const QString& text, std::ostream* aus)
{
    *aus << '"' << text.toStdString() << '"';
}

struct TEintrag {
    std::uint16_t zuege;
    std::uint16_t sekunden;
    const char16_t* name;
};

// Fills list d from place 1 on; the places after the given entries stay as they are.
inline void Belege(TListe& liste, int d, std::initializer_list<TEintrag> eintraege)
{
    int platz = 1;
    for (const TEintrag& e : eintraege) {
        liste.Zuege[d][platz] = e.zuege;
        liste.Zeiten[d][platz] = e.sekunden;
        NameEintragen(liste.Namen[d][platz], e.name);
        ++platz;
    }
}

// Every byte different from its neighbours, so a misplaced field shows.
inline TListenBytes Muster()
{
    TListenBytes bytes{};
    for (std::size_t k = 0; k < bytes.size(); ++k)
        bytes[k] = static_cast<std::uint8_t>(k * 7 + 3);
    return bytes;
}
