#include "daten/textkatalog.h"

namespace daten {

namespace {

void Laden(QTranslator& uebersetzer, Sprache sprache)
{
    // Compiled in by the build: a failure here is a broken build, and shows as empty texts.
    [[maybe_unused]] const bool geladen =
        uebersetzer.load(QStringLiteral(":/sprachen/tavelor_%1.qm").arg(SprachCode(sprache)));
    Q_ASSERT(geladen);
}

} // namespace

Katalog::Katalog(Sprache sprache) : sprache_(sprache)
{
    Laden(eigene_, sprache);
    if (sprache != Sprache::Englisch)
        Laden(englisch_, Sprache::Englisch);
}

QString Katalog::text(int id, int anzahl) const
{
    const QByteArray kennung = 't' + QByteArray::number(id);
    const QString text = eigene_.translate(nullptr, kennung.constData(), nullptr, anzahl);
    return !text.isEmpty() || sprache_ == Sprache::Englisch
        ? text
        : englisch_.translate(nullptr, kennung.constData(), nullptr, anzahl);
}

QString LadeText(int id, int offset)
{
    if (offset != 0 && offset != EnglischVersatz)
        return {};
    return Katalog(offset == 0 ? Sprache::Deutsch : Sprache::Englisch).text(id);
}

} // namespace daten
