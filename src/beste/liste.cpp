#include "beste/liste.h"

#include <string_view>

namespace beste {
namespace {

constexpr std::string_view Dateikennung = "Morvik 2.0";
constexpr std::size_t ZuegeAnfang = 1040;
constexpr std::size_t ZeitenAnfang = 1200;

std::size_t NamensOffset(int d, int platz)
{
    return 65 * static_cast<std::size_t>(d) + 13 * static_cast<std::size_t>(platz - 1);
}

std::size_t WortOffset(std::size_t anfang, int d, int platz)
{
    return anfang + 10 * static_cast<std::size_t>(d) + 2 * static_cast<std::size_t>(platz - 1);
}

// The file is little-endian whatever machine reads it.
std::uint16_t LeseWort(const TListenBytes& bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

void SchreibeWort(TListenBytes& bytes, std::size_t offset, std::uint16_t wert)
{
    bytes[offset] = static_cast<std::uint8_t>(wert & 0xFF);
    bytes[offset + 1] = static_cast<std::uint8_t>(wert >> 8);
}

} // namespace

TListe StandardListe()
{
    TListe liste;
    TNamensFeld& kopf = liste.Namen[0][1];
    kopf[0] = static_cast<std::uint8_t>(Dateikennung.size());
    for (std::size_t k = 0; k < Dateikennung.size(); ++k)
        kopf[k + 1] = static_cast<std::uint8_t>(Dateikennung[k]);
    return liste;
}

TListe ListeAusBytes(const TListenBytes& bytes)
{
    TListe liste;
    for (int d = 0; d < ListenAnzahl; ++d) {
        for (int i = 1; i <= PlatzAnzahl; ++i) {
            const std::size_t name = NamensOffset(d, i);
            for (std::size_t k = 0; k < liste.Namen[d][i].size(); ++k)
                liste.Namen[d][i][k] = bytes[name + k];
            liste.Zuege[d][i] = LeseWort(bytes, WortOffset(ZuegeAnfang, d, i));
            liste.Zeiten[d][i] = LeseWort(bytes, WortOffset(ZeitenAnfang, d, i));
        }
    }
    return liste;
}

TListenBytes ListeAlsBytes(const TListe& liste)
{
    TListenBytes bytes{};
    for (int d = 0; d < ListenAnzahl; ++d) {
        for (int i = 1; i <= PlatzAnzahl; ++i) {
            const std::size_t name = NamensOffset(d, i);
            for (std::size_t k = 0; k < liste.Namen[d][i].size(); ++k)
                bytes[name + k] = liste.Namen[d][i][k];
            SchreibeWort(bytes, WortOffset(ZuegeAnfang, d, i), liste.Zuege[d][i]);
            SchreibeWort(bytes, WortOffset(ZeitenAnfang, d, i), liste.Zeiten[d][i]);
        }
    }
    return bytes;
}

} // namespace beste
