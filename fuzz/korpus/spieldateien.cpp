// Seeds of the saved game: a game of every variant and side with both lists of moves, and new
// games with none.

#include "korpus/korpus.h"

#include "sitzung/spieldatei.h"
#include "sitzung/spielbau.h"

namespace korpus {

void Spieldateien(const Ablage& ablage)
{
    for (int v = 1; v <= 3; ++v)
        for (int n = 3; n <= 6; ++n) {
            const auto variante = static_cast<engine::Variante>(v);
            const auto saat = std::uint32_t(10 * v + n);
            ablage(QStringLiteral("v%1-n%2").arg(v).arg(n),
                   sitzung::SpielAlsBytes(spielbau::Spiel(variante, n, saat, 12 + 3 * n, v + n % 3)));
            if (n == 4)
                ablage(QStringLiteral("neu-v%1").arg(v), sitzung::SpielAlsBytes(spielbau::Spiel(variante, n, saat, 0, 0)));
        }
}

} // namespace korpus
