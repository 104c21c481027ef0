#include "sprache.h"

#include "inidatei.h"
#include "programm.h"
#include "textkatalog.h"

#include <QObject>
#include <QPointer>

#include <vector>

int AktSprache = 0;
QString HilfeDatei = QStringLiteral("morvik_de.hlp");

QString TxtSystemAnforderung;
QString TxtSpeicherFehler;
QString TxtCDRom;
QString TxtDateiFehlt;
QString TxtGrafikFormat;
QString TxtPfadFehlt;
QString TxtKeineBilder;
QString TxtKeinEintrag;
QString TxtMaxZuege;
QString TxtMaxZeit;
QString TxtZurueck;

namespace {

constexpr char abschnittSprache[] = "Sprache";
constexpr char schluesselAktuell[] = "Aktuell";

struct Textempfaenger {
    QPointer<QObject> besitzer;
    bool mitBesitzer;
    std::function<void()> aufruf;

    bool lebt() const { return !mitBesitzer || !besitzer.isNull(); }
};

std::vector<Textempfaenger>& Empfaenger()
{
    static std::vector<Textempfaenger> liste;
    return liste;
}

void BenachrichtigeEmpfaenger()
{
    auto& liste = Empfaenger();
    std::erase_if(liste, [](const Textempfaenger& e) { return !e.lebt(); });
    // A copy, because a receiver may register another one or destroy an owner.
    const auto aktuelle = liste;
    for (const Textempfaenger& e : aktuelle)
        if (e.lebt())
            e.aufruf();
}

// Any other value would give empty texts and no help file.
int GueltigeSprache(int wert)
{
    return wert == 1000 ? 1000 : 0;
}

void LadeTexte()
{
    HilfeDatei = ProgPfad + QLatin1StringView("/morvik_") + HilfeSuffix[std::size_t(AktSprache / 1000)]
                 + QLatin1StringView(".hlp");
    TxtSystemAnforderung = LadeText(800, AktSprache);
    TxtSpeicherFehler = LadeText(801, AktSprache);
    TxtCDRom = LadeText(802, AktSprache);
    TxtDateiFehlt = LadeText(803, AktSprache);
    TxtGrafikFormat = LadeText(804, AktSprache);
    TxtPfadFehlt = LadeText(805, AktSprache);
    TxtKeineBilder = LadeText(806, AktSprache);
    TxtZurueck = LadeText(332, AktSprache);
    TxtKeinEintrag = LadeText(503, AktSprache);
    TxtMaxZuege = LadeText(504, AktSprache);
    TxtMaxZeit = LadeText(505, AktSprache);
    BenachrichtigeEmpfaenger();
}

} // namespace

QString OptionsDatei()
{
    return ProgPfad + QLatin1StringView("/options.ini");
}

int GespeicherteSprache()
{
    return GueltigeSprache(LiesIniZahl(OptionsDatei(), abschnittSprache, schluesselAktuell));
}

void LadeSprache()
{
    AktSprache = GespeicherteSprache();
    LadeTexte();
}

void SetzeSprache(int wert)
{
    const int sprache = GueltigeSprache(wert);
    // Written first: when this throws, the old language stays in force.
    if (VonCD == 0)
        SchreibeIniWert(OptionsDatei(), abschnittSprache, schluesselAktuell, QByteArray::number(sprache));
    AktSprache = sprache;
    LadeTexte();
}

void TextempfaengerAnmelden(QObject* besitzer, std::function<void()> empfaenger)
{
    Empfaenger().push_back({besitzer, besitzer != nullptr, std::move(empfaenger)});
}
