#include "sitzung/spielwerte.h"

#include <array>
#include <cstdlib>
#include <string_view>

namespace sitzung::spielwerte {

using engine::Operation;
using engine::Spielstand;
using engine::Variante;
using engine::Zug;

namespace {

// The moves by their letters; TeilSchieben is "T<a>:<b>" and has no entry here.
struct Zugname {
    Operation op;
    std::string_view name;
};
constexpr std::array<Zugname, 6> Zugnamen = {{{Operation::ZeileRechts, "ZR"}, {Operation::ZeileLinks, "ZL"},
                                               {Operation::SpalteRunter, "SR"}, {Operation::SpalteHoch, "SH"},
                                               {Operation::AchseRechts, "AR"}, {Operation::AchseLinks, "AL"}}};

QByteArray ZugText(const Zug& zug)
{
    if (zug.op == Operation::TeilSchieben)
        return 'T' + QByteArray::number(zug.a) + ':' + QByteArray::number(zug.b);
    for (const Zugname& z : Zugnamen)
        if (z.op == zug.op)
            return QByteArray(z.name.data(), qsizetype(z.name.size())) + QByteArray::number(zug.a);
    return {};
}

bool Nachbarn(int n, int a, int b)
{
    return std::abs(a - b) == n || (std::abs(a - b) == 1 && (a - 1) / n == (b - 1) / n);
}

// One move of the game's variant with its numbers on the board.
Zug LiesZug(const Spielstand& s, QByteArrayView text)
{
    const auto Feld = [&](QByteArrayView t) { return int(Zahl(t, s.felder(), Spielmangel::Verlauf)); };
    if (s.variante == Variante::Schieben) {
        const qsizetype doppelpunkt = text.indexOf(':');
        if (!text.startsWith('T') || doppelpunkt < 0)
            Verwirf(Spielmangel::Verlauf);
        const Zug zug{Operation::TeilSchieben, Feld(text.sliced(1, doppelpunkt - 1)), Feld(text.sliced(doppelpunkt + 1))};
        if (zug.a == 0 || zug.b == 0 || !Nachbarn(s.n(), zug.a, zug.b))
            Verwirf(Spielmangel::Verlauf);
        return zug;
    }
    const bool drehen = s.variante == Variante::Drehen;
    const int hoechstens = drehen ? engine::AchsenAnzahl(s.n()) : s.n();
    for (const Zugname& z : Zugnamen) {
        const bool achse = z.op == Operation::AchseRechts || z.op == Operation::AchseLinks;
        if (achse != drehen || !text.startsWith(QByteArrayView(z.name.data(), qsizetype(z.name.size()))))
            continue;
        const int nummer = int(Zahl(text.sliced(2), hoechstens, Spielmangel::Verlauf));
        if (nummer == 0)
            Verwirf(Spielmangel::Verlauf);
        return {z.op, nummer};
    }
    Verwirf(Spielmangel::Verlauf);
}

} // namespace

void Verwirf(Spielmangel mangel) { throw Abbruch{mangel}; }

std::int64_t Zahl(QByteArrayView text, std::int64_t hoechstens, Spielmangel mangel)
{
    if (text.isEmpty() || text.size() > 18 || (text.size() > 1 && text[0] == '0'))
        Verwirf(mangel);
    std::int64_t zahl = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            Verwirf(mangel);
        zahl = zahl * 10 + (c - '0');
    }
    if (zahl > hoechstens)
        Verwirf(mangel);
    return zahl;
}

bool Schalter(QByteArrayView text) { return Zahl(text, 1) == 1; }

QByteArray SchalterText(bool ja) { return ja ? "1" : "0"; }

QString Text(QByteArrayView text)
{
    const QByteArray utf8 = QByteArray::fromPercentEncoding(text.toByteArray());
    const QString gelesen = QString::fromUtf8(utf8);
    // Only the one spelling the writer makes, and only whole UTF-8 characters.
    if (utf8.toPercentEncoding() != text || gelesen.toUtf8() != utf8)
        Verwirf(Spielmangel::Wert);
    return gelesen;
}

QByteArray TextAlsWert(const QString& text) { return text.toUtf8().toPercentEncoding(); }

QByteArray Pruefsumme(QByteArrayView text)
{
    const QByteArray summe = QByteArray::fromHex(text.toByteArray());
    if ((!text.isEmpty() && text.size() != 64) || summe.toHex() != text)
        Verwirf(Spielmangel::Wert);
    return summe;
}

QDateTime Zeitpunkt(QByteArrayView text)
{
    if (text.isEmpty())
        return {};
    const QDateTime zeit = QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate);
    if (!zeit.isValid() || ZeitpunktText(zeit) != text)
        Verwirf(Spielmangel::Wert);
    return zeit;
}

QByteArray ZeitpunktText(const QDateTime& zeit)
{
    return zeit.isValid() ? zeit.toUTC().toString(Qt::ISODate).toLatin1() : QByteArray();
}

QDate Datum(QByteArrayView text)
{
    if (text.isEmpty())
        return {};
    const QDate datum = QDate::fromString(QString::fromLatin1(text), Qt::ISODate);
    if (!datum.isValid() || datum.toString(Qt::ISODate).toLatin1() != text)
        Verwirf(Spielmangel::Wert);
    return datum;
}

std::vector<std::uint16_t> Sekundenfolge(QByteArrayView text, std::size_t anzahl, int hoechstens)
{
    std::vector<std::uint16_t> sekunden;
    for (QByteArrayView rest = text; !text.isEmpty();) {
        const qsizetype komma = rest.indexOf(',');
        const auto sekunde = std::uint16_t(Zahl(komma < 0 ? rest : rest.first(komma), hoechstens));
        if (sekunden.size() == anzahl || (!sekunden.empty() && sekunde < sekunden.back()))
            Verwirf(Spielmangel::Wert);
        sekunden.push_back(sekunde);
        if (komma < 0)
            break;
        rest = rest.sliced(komma + 1);
    }
    if (sekunden.size() != anzahl)
        Verwirf(Spielmangel::Wert);
    return sekunden;
}

QByteArray SekundenfolgeText(const std::vector<std::uint16_t>& sekunden)
{
    QByteArray text;
    for (std::uint16_t sekunde : sekunden)
        text += (text.isEmpty() ? "" : ",") + QByteArray::number(sekunde);
    return text;
}

void LiesBrett(Spielstand& s, QByteArrayView text)
{
    const int felder = s.felder();
    const bool mitLeerfeld = s.variante == Variante::Schieben;
    std::array<bool, engine::MaxFelder + 1> gesehen{};
    int feld = 0;
    for (QByteArrayView rest = text;; ++feld) {
        const qsizetype komma = rest.indexOf(',');
        const int teil = int(Zahl(komma < 0 ? rest : rest.first(komma), felder, Spielmangel::Brett));
        const bool erlaubt = mitLeerfeld ? teil != s.FreiesFeld : teil != 0;
        if (feld >= felder || gesehen[std::size_t(teil)] || !erlaubt)
            Verwirf(Spielmangel::Brett);
        gesehen[std::size_t(teil)] = true;
        s.Spielfeld[std::size_t(feld + 1)] = std::uint8_t(teil);
        if (komma < 0)
            break;
        rest = rest.sliced(komma + 1);
    }
    if (feld + 1 != felder)  // distinct and in range: the right count makes a permutation
        Verwirf(Spielmangel::Brett);
    for (int p = felder + 1; p <= engine::MaxFelder; ++p)
        s.Spielfeld[std::size_t(p)] = std::uint8_t(p);
}

QByteArray BrettText(const Spielstand& s)
{
    QByteArray brett;
    for (int p = 1; p <= s.felder(); ++p)
        brett += (p > 1 ? "," : "") + QByteArray::number(s.Spielfeld[std::size_t(p)]);
    return brett;
}

std::vector<Zug> LiesZuege(const Spielstand& s, QByteArrayView text, std::size_t hoechstens)
{
    std::vector<Zug> zuege;
    for (QByteArrayView rest = text; !text.isEmpty();) {
        if (zuege.size() >= hoechstens)
            Verwirf(Spielmangel::Verlauf);
        const qsizetype komma = rest.indexOf(',');
        zuege.push_back(LiesZug(s, komma < 0 ? rest : rest.first(komma)));
        if (komma < 0)
            break;
        rest = rest.sliced(komma + 1);
    }
    return zuege;
}

QByteArray ZuegeText(const std::vector<Zug>& zuege)
{
    QByteArray text;
    text.reserve(qsizetype(zuege.size()) * 5);
    for (const Zug& zug : zuege) {
        if (!text.isEmpty())
            text += ',';
        text += ZugText(zug);
    }
    return text;
}

} // namespace sitzung::spielwerte
