#include "daten/zeitansage.h"

#include "daten/texte.h"

namespace daten {

QString Zeitansage(const Texte& texte, int sekunden)
{
    const int m = sekunden / 60, s = sekunden % 60;
    const QString mz = QString::number(m), sz = QString::number(s);
    if (m == 0)
        return s == 1 ? texte(text::EineSekunde) : texte(text::Sekunden).arg(sz);
    if (s == 0)
        return m == 1 ? texte(text::EineMinute) : texte(text::Minuten).arg(mz);
    if (m == 1)
        return s == 1 ? texte(text::EineMinuteEineSekunde) : texte(text::EineMinuteSekunden).arg(sz);
    return s == 1 ? texte(text::MinutenEineSekunde).arg(mz) : texte(text::MinutenSekunden).arg(mz, sz);
}

} // namespace daten
