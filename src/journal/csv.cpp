#include "journal/csv.h"

#include <array>

namespace journal {

namespace {

QByteArray Feld(const QString& text)
{
    QByteArray utf8 = text.toUtf8();
    if (utf8.contains(',') || utf8.contains('"') || utf8.contains('\r') || utf8.contains('\n'))
        return '"' + utf8.replace('"', "\"\"") + '"';
    return utf8;
}

QByteArray Ausgang(sitzung::Ausgang ausgang)
{
    constexpr std::array<const char*, 4> namen = {"solved", "move_limit", "time_limit", "abandoned"};
    return namen[std::size_t(ausgang)];
}

QByteArray Zeile(const Eintrag& eintrag)
{
    const sitzung::Spielergebnis& e = eintrag.ergebnis;
    const sitzung::Einstellungen& s = e.einstellungen;
    const auto zahl = [](qint64 wert) { return QByteArray::number(wert); };
    const QByteArrayList felder = {
        zahl(eintrag.id),
        e.beginn.toUTC().toString(Qt::ISODate).toUtf8(),
        e.ende.toUTC().toString(Qt::ISODate).toUtf8(),
        zahl(int(s.variante)),
        zahl(s.groesse),
        Ausgang(e.ausgang),
        zahl(e.zuege),
        zahl(e.sekunden),
        zahl(e.mitHilfe),
        Feld(s.bilddatei),
        e.bildPruefsumme.toHex(),
        e.zuschnitt == daten::Zuschnitt::Mitte ? "middle" : "stretched",
        zahl(s.vorschau),
        zahl(s.posZufall),
        zahl(s.swBild),
        e.herkunft.wiederholungVon ? zahl(e.herkunft.wiederholungVon) : QByteArray(),
        Feld(e.herkunft.spielcode),
        e.herkunft.tagesraetsel.toString(Qt::ISODate).toUtf8(),
    };
    return felder.join(',') + "\r\n";
}

} // namespace

QByteArray AlsCsv(std::span<const Eintrag> eintraege)
{
    QByteArray csv = "id,start,end,variant,size,outcome,moves,seconds,helped,picture,picture_sha256,crop,"
                     "preview,random_empty_field,grey,retry_of,game_code,daily_puzzle\r\n";
    csv.reserve(csv.size() + qsizetype(eintraege.size()) * 160);
    for (const Eintrag& eintrag : eintraege)
        csv += Zeile(eintrag);
    return csv;
}

} // namespace journal
