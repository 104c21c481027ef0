#include "beste/namenspruefer.h"

#include <algorithm>

namespace beste {

QValidator::State TNamensPruefer::validate(QString& eingabe, int& /*position*/) const
{
    // C0, DEL and C1 are controls; a line break or tab would break the names file's lines too.
    const bool gut = std::none_of(eingabe.cbegin(), eingabe.cend(),
                                  [](QChar z) { return z.category() == QChar::Other_Control; });
    return gut ? Acceptable : Invalid;
}

} // namespace beste
