#include "beste/namenspruefer.h"

#include "beste/namen.h"

#include <algorithm>

namespace beste {
namespace {

bool IstSteuerzeichen(char16_t zeichen)
{
    return zeichen < 0x20 || zeichen == 0x7F;
}

} // namespace

QValidator::State TNamensPruefer::validate(QString& eingabe, int& /*position*/) const
{
    const bool gut = std::all_of(eingabe.cbegin(), eingabe.cend(), [](QChar z) {
        return ZeichenErlaubt(z.unicode()) && !IstSteuerzeichen(z.unicode());
    });
    return gut ? Acceptable : Invalid;
}

} // namespace beste
