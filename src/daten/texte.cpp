#include "daten/texte.h"

#include "daten/textkatalog.h"

namespace daten {

Texte::Texte(const Umgebung& umgebung, const Vorlieben& vorlieben, QObject* eltern)
    : QObject(eltern), umgebung_(umgebung), vorlieben_(vorlieben)
{
    connect(&vorlieben_, &Vorlieben::geaendert, this, [this](Vorlieben::Schluessel schluessel) {
        if (schluessel == Vorlieben::Schluessel::Sprache)
            emit spracheGeaendert();
    });
}

QString Texte::operator()(int id) const { return LadeText(id, englisch() ? EnglischVersatz : 0); }

} // namespace daten
