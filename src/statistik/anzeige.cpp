#include "statistik/anzeige.h"

#include <QDateTime>
#include <QDir>

#include <cmath>

namespace statistik {

namespace tx = daten::text::statistik;

QLocale Gebietsschema(const daten::Texte& texte)
{
    return QLocale(daten::SprachCode(texte.sprache()));
}

QString ZeitText(const QLocale& ort, double sekunden)
{
    const long long zehntel = std::llround(sekunden * 10);
    const long long minuten = zehntel / 600, rest = zehntel % 600;
    QString text = QStringLiteral("%1:%2").arg(minuten).arg(rest / 10, 2, 10, QLatin1Char('0'));
    if (rest % 10)
        text += ort.decimalPoint() + QString::number(rest % 10);
    return text;
}

QString ZahlText(const QLocale& ort, double wert, int stellen)
{
    const bool ganz = std::abs(wert - std::round(wert)) < 0.5 * std::pow(10.0, -stellen);
    return ort.toString(wert, 'f', ganz ? 0 : stellen);
}

QString DatumText(const QLocale& ort, qint64 millisekunden)
{
    return ort.toString(QDateTime::fromMSecsSinceEpoch(millisekunden).toLocalTime(), QLocale::ShortFormat);
}

QString Gruppenname(const daten::Texte& texte, engine::Variante variante, int seite)
{
    return texte(tx::Gruppenname).arg(texte(daten::text::Variante1 + int(variante) - 1)).arg(seite);
}

QString Hinweistext(const daten::Texte& texte, journal::Hinweis hinweis, const QString& datei)
{
    const int id = hinweis == journal::Hinweis::Beiseitegelegt ? tx::JournalBeiseite : tx::JournalNichtSchreibbar;
    return texte(id).arg(QDir::toNativeSeparators(datei));
}

} // namespace statistik
