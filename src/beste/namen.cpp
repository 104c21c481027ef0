#include "beste/namen.h"

#include <QList>

#include <algorithm>
#include <array>
#include <optional>

namespace beste {
namespace {

// Bytes 0x80..0x9F, where Windows-1252 differs from Latin-1. The five unused
// bytes decode to their C1 control code, as Windows itself does, and have no
// character that encodes to them.
constexpr std::array<char16_t, 32> Sonderzeichen = {
    u'\u20AC', 0,         u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', 0,         u'\u017D', 0,
    0,         u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', 0,         u'\u017E', u'\u0178',
};

bool IstSonderbereich(std::uint32_t code)
{
    return code >= 0x80 && code <= 0x9F;
}

char16_t Dekodiere(std::uint8_t byte)
{
    if (!IstSonderbereich(byte))
        return byte;
    const char16_t zeichen = Sonderzeichen[byte - 0x80u];
    return zeichen != 0 ? zeichen : char16_t(byte);
}

std::optional<std::uint8_t> Kodiere(char32_t code)
{
    if (code <= 0xFF && !IstSonderbereich(code))
        return static_cast<std::uint8_t>(code);
    if (code > 0xFFFF)
        return std::nullopt;
    const auto treffer = std::find(Sonderzeichen.begin(), Sonderzeichen.end(), char16_t(code));
    if (treffer == Sonderzeichen.end())
        return std::nullopt;
    return static_cast<std::uint8_t>(0x80 + (treffer - Sonderzeichen.begin()));
}

} // namespace

bool ZeichenErlaubt(char16_t zeichen)
{
    return Kodiere(zeichen).has_value();
}

QString NameAlsText(const TNamensFeld& feld)
{
    const int laenge = std::min<int>(feld[0], NamenLaenge);
    QString text;
    text.reserve(laenge);
    for (int k = 1; k <= laenge; ++k)
        text.append(QChar(Dekodiere(feld[static_cast<std::size_t>(k)])));
    return text;
}

void NameEintragen(TNamensFeld& feld, QStringView text)
{
    // By code point, so a character outside the basic plane becomes one '?', not two.
    const QList<uint> zeichen = text.toUcs4();
    const int laenge = std::min<int>(static_cast<int>(zeichen.size()), NamenLaenge);
    for (int k = 0; k < laenge; ++k)
        feld[static_cast<std::size_t>(k + 1)] = Kodiere(zeichen[k]).value_or('?');
    feld[0] = static_cast<std::uint8_t>(laenge);
}

} // namespace beste
