#include "daten/texte.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace daten {

Texte::Texte(const Umgebung& umgebung, const Vorlieben& vorlieben, QObject* eltern)
    : QObject(eltern), umgebung_(umgebung), vorlieben_(vorlieben)
{
    SpracheLaden();
    connect(&vorlieben_, &Vorlieben::geaendert, this, [this](Vorlieben::Schluessel schluessel) {
        if (schluessel != Vorlieben::Schluessel::Sprache)
            return;
        SpracheLaden();
        emit spracheGeaendert();
    });
}

Texte::~Texte() = default;

// Qt's texts come from the system (qt6-translations-l10n); without them its dialogs speak English.
void Texte::SpracheLaden()
{
    katalog_ = std::make_unique<Katalog>(vorlieben_.sprache());
    if (!QCoreApplication::instance())
        return;
    QCoreApplication::removeTranslator(&qtTexte_);
    if (qtTexte_.load(QStringLiteral("qtbase_") + SprachCode(sprache()),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexte_);
}

} // namespace daten
