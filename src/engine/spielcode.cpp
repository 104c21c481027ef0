#include "engine/spielcode.h"

#include <optional>

#include "engine/loeser.h"

namespace engine {

namespace {

constexpr std::string_view Marke = "TAV1-";
constexpr char Ziffern[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

char Ziffer(int wert) { return Ziffern[wert]; }

// A base-36 digit of either case, or -1.
int Wert(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    return -1;
}

char Gross(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

bool Maskieren(unsigned char c) { return c < 0x20 || c == 0x7F || c == '%' || c == '/'; }

std::string Maskiert(std::string_view name)
{
    std::string aus;
    for (const char c : name) {
        if (Maskieren(std::uint8_t(c))) {
            aus += '%';
            aus += Ziffer(std::uint8_t(c) >> 4);
            aus += Ziffer(std::uint8_t(c) & 15);
        } else {
            aus += c;
        }
    }
    return aus;
}

std::optional<std::string> Entmaskiert(std::string_view text)
{
    std::string name;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            if (Maskieren(std::uint8_t(text[i])))
                return std::nullopt;
            name += text[i];
            continue;
        }
        if (i + 2 >= text.size() || Wert(text[i + 1]) < 0 || Wert(text[i + 1]) > 15 || Wert(text[i + 2]) < 0
            || Wert(text[i + 2]) > 15)
            return std::nullopt;
        name += char(Wert(text[i + 1]) * 16 + Wert(text[i + 2]));
        i += 2;
    }
    return name;
}

// Where a name may be cut: not inside an escape, nor inside a character of several bytes.
std::size_t Schnittstelle(std::string_view maskiert, std::size_t hoechstens)
{
    std::size_t s = std::min(hoechstens, maskiert.size());
    while (s > 0 && s < maskiert.size()
           && ((std::uint8_t(maskiert[s]) & 0xC0) == 0x80 || maskiert[s - 1] == '%'
               || (s >= 2 && maskiert[s - 2] == '%')))
        --s;
    return s;
}

} // namespace

// FNV-1a over the code with its digits in capitals, folded to two digits: a mistyped
// character slips through once in 1296.
std::string Pruefzeichen(std::string_view rumpf)
{
    const std::size_t name = rumpf.find('/');
    const std::size_t gross = name == std::string_view::npos ? rumpf.size() : name + 1 + 2 * CodeSummenBytes;
    std::uint32_t h = 2166136261u;
    for (std::size_t i = 0; i < rumpf.size(); ++i) {
        h ^= std::uint8_t(i < gross ? Gross(rumpf[i]) : rumpf[i]);
        h *= 16777619u;
    }
    const int rest = int(h % (36 * 36));
    return {Ziffer(rest / 36), Ziffer(rest % 36)};
}

std::string CodeSchreiben(const Spielcode& code)
{
    const Spielstand& b = code.brett;
    const bool schieben = b.variante == Variante::Schieben;
    std::string rumpf(Marke);
    rumpf += Ziffer(int(b.variante));
    rumpf += Ziffer(b.n());
    if (schieben) {
        rumpf += code.posZufall ? 'Z' : 'F';
        if (code.posZufall)
            rumpf += Ziffer(b.FreiesFeld - 1);
    }
    for (int p = 1; p <= b.felder(); ++p)
        rumpf += Ziffer((schieben && b.Spielfeld[p] == 0 ? b.FreiesFeld : b.Spielfeld[p]) - 1);
    if (!code.bildname.empty()) {
        rumpf += '/';
        for (const std::uint8_t byte : code.bildsumme) {
            rumpf += Ziffer(byte >> 4);
            rumpf += Ziffer(byte & 15);
        }
        const std::string name = Maskiert(code.bildname);
        const std::size_t platz = CodeHoechstens - rumpf.size() - 3;  // the check and its dash
        if (name.size() <= platz && !code.bildnameGekuerzt)
            rumpf += name;
        else
            rumpf += name.substr(0, Schnittstelle(name, platz - 1)) + '/';
    }
    return rumpf + '-' + Pruefzeichen(rumpf);
}

namespace {

std::string_view Getrimmt(std::string_view text)
{
    constexpr std::string_view leer = " \t\r\n";
    const std::size_t von = text.find_first_not_of(leer);
    if (von == std::string_view::npos)
        return {};
    return text.substr(von, text.find_last_not_of(leer) - von + 1);
}

// The version the text claims: 1, a later one, or none (a foreign text).
std::variant<int, Codefehler> Version(std::string_view text)
{
    if (text.size() < 4 || Gross(text[0]) != 'T' || Gross(text[1]) != 'A' || Gross(text[2]) != 'V')
        return Codefehler::Fremd;
    std::size_t i = 3;
    long version = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && version < 1000000)
        version = version * 10 + (text[i++] - '0');
    if (i == 3 || i >= text.size() || text[i] != '-' || version < 1)
        return Codefehler::Fremd;
    return version == 1 ? std::variant<int, Codefehler>(1) : Codefehler::Zukunft;
}

// Variant, side, the empty field's home and the fields, from the first character after the tag;
// `pos` ends behind them.
std::optional<Codefehler> LiesBrett(std::string_view rest, std::size_t& pos, Spielcode& code)
{
    Spielstand& b = code.brett;
    if (rest.size() < 2)
        return Codefehler::Laenge;
    const int v = Wert(rest[0]), n = Wert(rest[1]);
    if (v < 1 || v > 3)
        return Codefehler::Variante;
    if (n < 3 || n > MaxSeite)
        return Codefehler::Groesse;
    b.variante = Variante(v);
    b.Groesse = std::uint8_t(n);
    const bool schieben = b.variante == Variante::Schieben;
    pos = 2;
    if (schieben) {
        const char regel = pos < rest.size() ? Gross(rest[pos]) : '\0';
        code.posZufall = regel == 'Z';
        b.FreiesFeld = code.posZufall && pos + 1 < rest.size() ? Wert(rest[pos + 1]) + 1 : n * n;
        if ((regel != 'F' && regel != 'Z') || b.FreiesFeld < 1 || b.FreiesFeld > n * n)
            return Codefehler::Form;
        pos += code.posZufall ? 2 : 1;
    }
    if (rest.size() < pos + std::size_t(n * n))
        return Codefehler::Laenge;
    for (int p = 1; p <= MaxFelder; ++p)
        b.Spielfeld[p] = std::uint8_t(p);  // beyond the board as a new game leaves them
    std::array<bool, MaxFelder + 1> da{};
    for (int p = 1; p <= n * n; ++p) {
        const int w = Wert(rest[pos++]);
        if (w < 0)
            return Codefehler::Form;
        if (w >= n * n || da[w + 1])
            return Codefehler::KeinBrett;
        da[w + 1] = true;
        b.Spielfeld[p] = std::uint8_t(schieben && w + 1 == b.FreiesFeld ? 0 : w + 1);
    }
    b.phase = Phase::Aufgebaut;
    return std::nullopt;
}

std::optional<Codefehler> LiesBild(std::string_view teil, Spielcode& code)
{
    if (teil.size() < 2 * CodeSummenBytes + 1)
        return Codefehler::Laenge;
    for (std::size_t i = 0; i < CodeSummenBytes; ++i) {
        const int hoch = Wert(teil[2 * i]), tief = Wert(teil[2 * i + 1]);
        if (hoch < 0 || hoch > 15 || tief < 0 || tief > 15)
            return Codefehler::Form;
        code.bildsumme[i] = std::uint8_t(hoch * 16 + tief);
    }
    std::string_view name = teil.substr(2 * CodeSummenBytes);
    code.bildnameGekuerzt = name.ends_with('/');
    if (code.bildnameGekuerzt)
        name.remove_suffix(1);
    std::optional<std::string> klar = Entmaskiert(name);
    if (!klar || klar->empty())
        return Codefehler::Form;
    code.bildname = std::move(*klar);
    return std::nullopt;
}

} // namespace

std::variant<Spielcode, Codefehler> CodeLesen(std::string_view text)
{
    text = Getrimmt(text);
    if (text.size() > CodeHoechstens)
        return Codefehler::Laenge;
    if (const auto version = Version(text); std::holds_alternative<Codefehler>(version))
        return std::get<Codefehler>(version);
    if (text.size() < Marke.size() + 3 || text[text.size() - 3] != '-')
        return Codefehler::Laenge;
    const std::string_view rumpf = text.substr(0, text.size() - 3);
    if (Pruefzeichen(rumpf) != std::string{Gross(text[text.size() - 2]), Gross(text[text.size() - 1])})
        return Codefehler::Pruefung;
    Spielcode code;
    const std::string_view rest = rumpf.substr(Marke.size());
    std::size_t pos = 0;
    if (const std::optional<Codefehler> fehler = LiesBrett(rest, pos, code))
        return *fehler;
    if (pos < rest.size()) {
        if (rest[pos] != '/')
            return Codefehler::Laenge;
        if (const std::optional<Codefehler> fehler = LiesBild(rest.substr(pos + 1), code))
            return *fehler;
    }
    if (!Loesbar(code.brett))
        return Codefehler::Unloesbar;
    return code;
}

} // namespace engine
