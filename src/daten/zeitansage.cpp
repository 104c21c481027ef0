#include "daten/zeitansage.h"

#include "daten/texte.h"

namespace daten {

namespace {

QString Phrase(const Texte& texte, int anzahl, int eins, int mehrere)
{
    return anzahl == 1 ? texte(eins) : texte(mehrere, anzahl).arg(anzahl);
}

} // namespace

// Minutes and seconds each in the plural form of their own count, joined as the language joins
// them: in German and English the classic "2 Minuten 5 Sekunden".
QString Zeitansage(const Texte& texte, int sekunden)
{
    const int m = sekunden / 60, s = sekunden % 60;
    const QString minuten = Phrase(texte, m, text::EineMinute, text::Minuten);
    const QString sekundenText = Phrase(texte, s, text::EineSekunde, text::Sekunden);
    if (m == 0)
        return sekundenText;
    if (s == 0)
        return minuten;
    return texte(text::ZeitVerbindung).arg(minuten, sekundenText);
}

} // namespace daten
