#include "fenster/erscheinungsbild.h"

#include <QApplication>

namespace fenster {

Schema WirksamesSchema(daten::Erscheinungsbild wahl, Schema desktop)
{
    switch (wahl) {
    case daten::Erscheinungsbild::Hell:
        return Schema::Hell;
    case daten::Erscheinungsbild::Dunkel:
        return Schema::Dunkel;
    case daten::Erscheinungsbild::System:
        break;
    }
    return desktop;
}

Erscheinungsbild::Erscheinungsbild(const daten::Vorlieben& vorlieben, const Desktopschema& desktop, QObject* eltern)
    : QObject(eltern), vorlieben_(vorlieben), desktop_(desktop)
{
    connect(&vorlieben_, &daten::Vorlieben::geaendert, this, [this](daten::Vorlieben::Schluessel schluessel) {
        if (schluessel == daten::Vorlieben::Schluessel::Erscheinungsbild)
            Anwenden();
    });
    connect(&desktop_, &Desktopschema::geaendert, this, &Erscheinungsbild::Anwenden);
    Anwenden();
}

// The game's own palette in light too: the desktop's may have a highlight too pale for white text.
void Erscheinungsbild::Anwenden()
{
    const QPalette palette = Palette(schema());
    if (QGuiApplication::palette() != palette || QGuiApplication::palette().resolveMask() != palette.resolveMask())
        QApplication::setPalette(palette);
}

} // namespace fenster
