// The high-score file as the game uses it: load whatever morvik.dat holds, rank a result, enter
// it with a name, maybe clear a list, save over the file (read-only or not) and load again.
// Nothing read may be lost or changed on the way back to the disk; a save removes what killed
// saves left behind and nothing else. Then two copies of the game on one folder enter results
// and clear lists in turn: the file ends with every result that belongs in the top five.

#include "eingabe.h"

#include "beste/bestenliste.h"
#include "beste/listendatei.h"
#include "beste/namen.h"
#include "beste/rangfolge.h"

#include <QList>

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <iterator>
#include <vector>

using namespace beste;
namespace fs = std::filesystem;

namespace {

const fuzz::Aufraeumen aufraeumen;

// One step of a copy of the game: a result entered and named, a list cleared, or a save. The
// input's byte: bit 0 the copy, bits 1-2 the step (3 is a result too), bit 3 a save right after.
struct Schritt {
    int kopie;  // 0 or 1
    enum class Art { Ergebnis, Loeschen, Speichern } art;
    bool speichern;  // save right after
    int d;
    std::uint16_t zuege, sekunden;
};

struct Eingabe {
    int d;
    std::uint16_t zuege, sekunden;
    std::u16string name;     // any UTF-16 code units, unpaired surrogates too
    int loeschen;            // list to clear afterwards, or 0
    bool vonCD;
    bool schreibgeschuetzt;  // morvik.dat has its read-only mark when saved over
    QByteArray rest;         // "" or six characters: a file ".morvik.dat.tavelor-<rest>.tmp" lies beside it
    std::vector<Schritt> schritte;
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
    e.schreibgeschuetzt = leser.Ja();
    e.rest = leser.Text(6).replace('/', '_').replace('\0', '_');
    for (int anzahl = leser.Byte() % 17; anzahl > 0; --anzahl) {
        const std::uint8_t art = leser.Byte();
        const std::uint8_t liste = leser.Byte();
        e.schritte.push_back({art & 1, Schritt::Art((art >> 1 & 3) % 3), (art & 8) != 0,
                              ListenIndex(1 + liste % 3, 3 + liste / 3 % 4), std::uint16_t(1 + leser.Byte()),
                              leser.Byte()});
    }
    e.datei = leser.Rest();
    return e;
}

// Names as bytes: the names beside the list need not be UTF-8.
QByteArray DateiInhalt(const fs::path& pfad)
{
    std::ifstream datei(pfad, std::ios::binary);
    PRUEFE(datei.is_open());
    const std::string inhalt((std::istreambuf_iterator<char>(datei)), std::istreambuf_iterator<char>());
    return QByteArray::fromStdString(inhalt);
}

void SchreibeDatei(const fs::path& pfad, const QByteArray& inhalt)
{
    std::ofstream datei(pfad, std::ios::binary | std::ios::trunc);
    PRUEFE(datei.write(inhalt.constData(), inhalt.size()).flush().good());
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

void Leere(const fs::path& ordner)
{
    fs::create_directories(ordner);
    for (const fs::directory_entry& eintrag : fs::directory_iterator(ordner))
        fs::remove_all(eintrag.path());
}

// Files beside the list: a player's own, of similar names, stay through every save; a left-over
// temporary file of a killed save goes.
const char* const Eigene[] = {"morvik.dat.backup", "morvik.dat.bak", "morvik.dat.2024ab", "morvik.dat.tavelor-abcdef.tmp",
                              ".morvik.dat.tavelor-abcde.tmp", ".morvik.dat.tavelor-abcdef.tmp.bak"};

bool IstRest(const QByteArray& sechs)
{
    return sechs.size() == 6
        && std::all_of(sechs.begin(), sechs.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

void LegeDateienDaneben(const fs::path& ordner, const QByteArray& rest)
{
    for (const char* name : Eigene)
        SchreibeDatei(ordner / name, name);
    if (!rest.isEmpty())
        SchreibeDatei(ordner / (".morvik.dat.tavelor-" + rest.toStdString() + ".tmp"), rest);
}

void PruefeDateienDaneben(const fs::path& ordner, const QByteArray& rest)
{
    for (const char* name : Eigene)
        PRUEFE(DateiInhalt(ordner / name) == name);
    if (!rest.isEmpty())
        PRUEFE(fs::exists(ordner / (".morvik.dat.tavelor-" + rest.toStdString() + ".tmp")) == !IstRest(rest));
}

// The lists as the two copies' saves should leave them: each list's results best first, an
// equal result below the older one, at most five.
struct Platz {
    std::uint16_t zuege, sekunden;
    QString name;
};
using Modell = std::array<std::vector<Platz>, ListenAnzahl>;

std::size_t Rang(const std::vector<Platz>& liste, const Platz& neu)
{
    std::size_t i = 0;
    while (i < liste.size() && (liste[i].zuege < neu.zuege || (liste[i].zuege == neu.zuege && liste[i].sekunden <= neu.sekunden)))
        ++i;
    return i;
}

void Spiele(Modell& modell, const Schritt& s, const QString& name)
{
    auto& liste = modell[std::size_t(s.d)];
    if (s.art == Schritt::Art::Loeschen) {
        liste.clear();
        return;
    }
    const Platz neu{s.zuege, s.sekunden, name};
    liste.insert(liste.begin() + std::ptrdiff_t(Rang(liste, neu)), neu);
    if (liste.size() > PlatzAnzahl)
        liste.pop_back();
}

void PruefeModell(const TListe& liste, const Modell& modell)
{
    for (int v = 1; v <= 3; ++v)
        for (int n = 3; n <= 6; ++n) {
            const int d = ListenIndex(v, n);
            const auto& plaetze = modell[std::size_t(d)];
            for (int i = 1; i <= PlatzAnzahl; ++i) {
                const bool belegt = std::size_t(i) <= plaetze.size();
                PRUEFE(liste.Zuege[d][i] == (belegt ? plaetze[std::size_t(i - 1)].zuege : 0));
                PRUEFE(liste.Zeiten[d][i] == (belegt ? plaetze[std::size_t(i - 1)].sekunden : 0));
                PRUEFE(NameAlsText(liste.Namen[d][i]) == (belegt ? plaetze[std::size_t(i - 1)].name : QString()));
            }
        }
}

// Two copies on one folder; each keeps its unsaved steps, as the service does, until it saves.
void PruefeZweiKopien(const std::vector<Schritt>& schritte)
{
    const fs::path ordner = fuzz::Arbeitsordner() / "zwei";
    Leere(ordner);
    daten::Umgebung umgebung;
    umgebung.progPfad = QString::fromStdString(ordner.string());
    Bestenliste kopien[2] = {Bestenliste(umgebung), Bestenliste(umgebung)};
    std::vector<std::pair<Schritt, QString>> offen[2];
    Modell datei;
    const auto speichern = [&](int k) {
        PRUEFE(kopien[k].Speichern() == TSpeicherErgebnis::Gespeichert);
        for (const auto& [schritt, name] : offen[k])
            Spiele(datei, schritt, name);
        offen[k].clear();
        PruefeModell(LadeListe(ordner / ListenDateiName), datei);
    };
    int nummer = 0;
    for (const Schritt& s : schritte) {
        const QString name = QStringLiteral("%1 %2").arg(QChar(u'A' + s.kopie)).arg(++nummer);
        if (s.art == Schritt::Art::Ergebnis) {
            Modell sicht = datei;  // what this copy sees: the file and its own unsaved steps
            for (const auto& [schritt, n] : offen[s.kopie])
                Spiele(sicht, schritt, n);
            const auto& liste = sicht[std::size_t(s.d)];
            const Platz neu{s.zuege, s.sekunden, name};
            const bool kommtRein = liste.size() < PlatzAnzahl || Rang(liste, neu) < PlatzAnzahl;
            const Ergebnis ergebnis{engine::Variante(s.d / 5 + 1), s.d % 5 + 2, s.zuege, s.sekunden};
            PRUEFE(kopien[s.kopie].KommtInListe(ergebnis) == kommtRein);
            if (!kommtRein)
                continue;
            const int platz = kopien[s.kopie].Eintragen(ergebnis);
            PRUEFE(platz == int(Rang(liste, neu)) + 1);
            kopien[s.kopie].NameSetzen(s.d, platz, name);
        } else if (s.art == Schritt::Art::Loeschen) {
            kopien[s.kopie].Loeschen(s.d);
        }
        if (s.art != Schritt::Art::Speichern)
            offen[s.kopie].emplace_back(s, name);
        if (s.speichern || s.art == Schritt::Art::Speichern)
            speichern(s.kopie);
    }
    speichern(0);
    speichern(1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const Eingabe e = Lies(daten, groesse);
    const fs::path ordner = fuzz::Arbeitsordner() / "eine";
    Leere(ordner);
    const fs::path pfad = ordner / ListenDateiName;
    SchreibeDatei(pfad, e.datei);
    LegeDateienDaneben(ordner, e.rest);

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
    if (e.schreibgeschuetzt)
        fs::permissions(pfad, fs::perms::owner_read | fs::perms::group_read);
    PRUEFE(SpeichereListe(liste, pfad, false) == TSpeicherErgebnis::Gespeichert);
    PRUEFE((fs::status(pfad).permissions() & fs::perms::owner_write) != fs::perms::none);
    PruefeDateienDaneben(ordner, e.rest);
    const QByteArray gespeichert = DateiInhalt(pfad);
    PRUEFE(gespeichert.size() == qsizetype(ListenDateiGroesse));
    PRUEFE(gespeichert == AlsBytes(liste));
    const TListe wieder = LadeListe(pfad);
    PRUEFE(wieder == liste);
    PRUEFE(AlsBytes(wieder) == gespeichert);

    PruefeZweiKopien(e.schritte);
    return 0;
}
