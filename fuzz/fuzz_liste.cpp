// The high-score file as the game uses it: load whatever morvik.dat holds, rank a result, enter
// it with a name, maybe clear a list, save and load again. Nothing read may be lost or changed
// on the way back to the disk.

#include "eingabe.h"

#include "beste/listendatei.h"
#include "beste/namen.h"
#include "beste/rangfolge.h"

#include <QFile>

#include <vector>

using namespace beste;

namespace {

const fuzz::Aufraeumen aufraeumen;

struct Eingabe {
    int d;
    std::uint16_t zuege, sekunden;
    std::u16string name;     // any UTF-16 code units, unpaired surrogates too
    int loeschen;            // list to clear afterwards, or 0
    bool vonCD;
    QByteArray datei;        // the content of morvik.dat, any length
};

Eingabe Lies(const std::uint8_t* daten, std::size_t groesse)
{
    fuzz::Leser leser(daten, groesse);
    Eingabe e;
    const int variante = leser.ImBereich(1, 3), seite = leser.ImBereich(3, 6);
    e.d = ListenIndex(variante, seite);
    e.zuege = static_cast<std::uint16_t>(leser.ImBereich(1, 9999));
    e.sekunden = static_cast<std::uint16_t>(leser.ImBereich(0, 3599));
    const QByteArray name = leser.Text(40);
    for (qsizetype k = 0; k + 1 < name.size(); k += 2)
        e.name.push_back(char16_t(std::uint8_t(name[k]) | (std::uint8_t(name[k + 1]) << 8)));
    const std::uint8_t l = leser.Byte();
    e.loeschen = (l & 0x80) ? ListenIndex(1 + l % 3, 3 + (l / 3) % 4) : 0;
    e.vonCD = leser.Ja();
    e.datei = leser.Rest();
    return e;
}

QByteArray DateiInhalt(const std::filesystem::path& pfad)
{
    QFile datei(QString::fromStdString(pfad.string()));
    PRUEFE(datei.open(QIODevice::ReadOnly));
    return datei.readAll();
}

void SchreibeDatei(const std::filesystem::path& pfad, const QByteArray& inhalt)
{
    QFile datei(QString::fromStdString(pfad.string()));
    PRUEFE(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
    PRUEFE(datei.write(inhalt) == inhalt.size());
}

QByteArray AlsBytes(const TListe& liste)
{
    const TListenBytes bytes = ListeAlsBytes(liste);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

// The loader: 1360 bytes or more are the table as written, fewer are an empty table.
void PruefeGeladen(const TListe& liste, const QByteArray& datei)
{
    if (datei.size() < qsizetype(ListenDateiGroesse)) {
        PRUEFE(liste == StandardListe());
        return;
    }
    PRUEFE(AlsBytes(liste) == datei.left(ListenDateiGroesse));
    TListenBytes bytes{};
    std::copy_n(datei.constData(), bytes.size(), reinterpret_cast<char*>(bytes.data()));
    PRUEFE(ListeAusBytes(bytes) == liste);
}

// Only list d and the pending result in list 0 may change by entering a result.
void PruefeAndereListen(const TListe& vorher, const TListe& nachher, int d)
{
    for (int andere = 0; andere < ListenAnzahl; ++andere) {
        if (andere == d)
            continue;
        PRUEFE(vorher.Namen[andere] == nachher.Namen[andere]);
        if (andere == 0)
            continue;
        PRUEFE(vorher.Zuege[andere] == nachher.Zuege[andere]);
        PRUEFE(vorher.Zeiten[andere] == nachher.Zeiten[andere]);
    }
}

// The new place holds the result; the places above stay, the ones below move down by one.
void PruefeEintrag(const TListe& vorher, const TListe& nachher, const Eingabe& e, int platz)
{
    PRUEFE(platz >= 1 && platz <= PlatzAnzahl);
    PRUEFE(nachher.Zuege[e.d][platz] == e.zuege && nachher.Zeiten[e.d][platz] == e.sekunden);
    for (int i = 1; i <= PlatzAnzahl; ++i) {
        if (i == platz)
            continue;
        const int alt = i < platz ? i : i - 1;
        PRUEFE(nachher.Zuege[e.d][i] == vorher.Zuege[e.d][alt]);
        PRUEFE(nachher.Zeiten[e.d][i] == vorher.Zeiten[e.d][alt]);
        PRUEFE(NameAlsText(nachher.Namen[e.d][i]) == NameAlsText(vorher.Namen[e.d][alt]));
    }
    // The place is found from below: the result beats every old entry from its place down and
    // not the one right above (a list read from a foreign file need not be sorted).
    const auto schlaegt = [&](int i) {
        const std::uint16_t z = vorher.Zuege[e.d][i];
        return z == 0 || z > e.zuege || (z == e.zuege && vorher.Zeiten[e.d][i] > e.sekunden);
    };
    for (int i = platz; i <= PlatzAnzahl; ++i)
        PRUEFE(schlaegt(i));
    PRUEFE(platz == 1 || !schlaegt(platz - 1));
    PruefeAndereListen(vorher, nachher, e.d);
}

void PruefeName(const TNamensFeld& feld, const std::u16string& name)
{
    PRUEFE(feld[0] <= NamenLaenge);
    const QString gespeichert = NameAlsText(feld);
    const QList<uint> zeichen = QStringView(name).toUcs4();
    PRUEFE(gespeichert.size() == std::min<qsizetype>(zeichen.size(), NamenLaenge));
    for (qsizetype k = 0; k < gespeichert.size(); ++k) {
        // a character with a Windows-1252 byte comes back as itself, any other as '?'
        const char32_t c = zeichen[k];
        const bool darstellbar = c <= 0xFFFF && ZeichenErlaubt(char16_t(c));
        PRUEFE(gespeichert[k] == (darstellbar ? QChar(char16_t(c)) : QChar(u'?')));
    }
}

void PruefeLoeschen(const TListe& vorher, const TListe& nachher, int d)
{
    for (int i = 1; i <= PlatzAnzahl; ++i)
        PRUEFE(nachher.Zuege[d][i] == 0 && nachher.Zeiten[d][i] == 0 && nachher.Namen[d][i][0] == 0);
    PruefeAndereListen(vorher, nachher, d);
    PRUEFE(vorher.Zuege[0] == nachher.Zuege[0] && vorher.Zeiten[0] == nachher.Zeiten[0]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const Eingabe e = Lies(daten, groesse);
    const std::filesystem::path pfad = fuzz::Arbeitsordner() / ListenDateiName;
    SchreibeDatei(pfad, e.datei);

    TListe liste = LadeListe(pfad);
    PruefeGeladen(liste, e.datei);

    if (KommtInListe(liste, e.d, e.zuege, e.sekunden)) {
        const TListe vorher = liste;
        ErgebnisVormerken(liste, e.zuege, e.sekunden);
        const int platz = Neueintrag(liste, e.d);
        PruefeEintrag(vorher, liste, e, platz);
        NameSetzen(liste, e.d, platz, QStringView(e.name));
        PruefeName(liste.Namen[e.d][platz], e.name);
    }
    if (e.loeschen != 0) {
        const TListe vorher = liste;
        ListeLoeschen(liste, e.loeschen);
        PruefeLoeschen(vorher, liste, e.loeschen);
    }

    if (e.vonCD) {  // from a CD nothing is written, and the file stays as it was
        PRUEFE(SpeichereListe(liste, pfad, true) == TSpeicherErgebnis::CD);
        PRUEFE(DateiInhalt(pfad) == e.datei);
    }
    PRUEFE(SpeichereListe(liste, pfad, false) == TSpeicherErgebnis::Gespeichert);
    const QByteArray gespeichert = DateiInhalt(pfad);
    PRUEFE(gespeichert.size() == qsizetype(ListenDateiGroesse));
    PRUEFE(gespeichert == AlsBytes(liste));
    const TListe wieder = LadeListe(pfad);
    PRUEFE(wieder == liste);
    PRUEFE(AlsBytes(wieder) == gespeichert);
    return 0;
}
