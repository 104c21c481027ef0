// Seeds for fuzz_code: the code of a board of every variant and side, with and without a picture,
// and one of each kind of damage.

#include "korpus/korpus.h"

#include "engine/mischen.h"
#include "engine/spielcode.h"

namespace korpus {

void Codes(const Ablage& ablage)
{
    engine::MtZufall zufall(29);
    int nummer = 0;
    for (int v = 1; v <= 3; ++v)
        for (int n = 3; n <= engine::MaxSeite; ++n) {
            engine::Spielcode code;
            code.posZufall = v == 1 && n % 2;
            engine::NeuesSpiel(code.brett, zufall, engine::Variante(v), n, code.posZufall);
            if (n > 4)
                code.bildname = n == 6 ? std::string(90, 'y') + ".jpg" : "Leucht%turm.bmp";
            const std::string text = engine::CodeSchreiben(code);
            ablage(QStringLiteral("code-%1").arg(++nummer), QByteArray::fromStdString(text));
        }
    for (const char* kaputt : {"TAV2-13F123456780-00", "TAV1-13F102345678-00", "TAV1-27000-00", "tav1-13z0"})
        ablage(QStringLiteral("kaputt-%1").arg(++nummer), QByteArray(kaputt));
}

} // namespace korpus
