#include "main/erscheinungsmenue.h"

#include <QActionGroup>
#include <QMenu>

#include <array>
#include <utility>

namespace haupt {

namespace {

using daten::Erscheinungsbild;

struct Wahl {
    Erscheinungsbild wahl;
    const char* name;
    int text;
};
constexpr std::array Wahlen{Wahl{Erscheinungsbild::System, "mnuErscheinungSystem", daten::text::ErscheinungSystem},
                            Wahl{Erscheinungsbild::Hell, "mnuErscheinungHell", daten::text::ErscheinungHell},
                            Wahl{Erscheinungsbild::Dunkel, "mnuErscheinungDunkel", daten::text::ErscheinungDunkel}};

} // namespace

QMenu* ErscheinungsmenueAnlegen(QMenu* optionen, daten::Vorlieben& vorlieben, const daten::Texte& texte,
                                std::function<void(const QString&)> fehlerbericht)
{
    QMenu* menue = optionen->addMenu(QString());
    menue->setObjectName(QStringLiteral("mnuErscheinungsbild"));
    auto* gruppe = new QActionGroup(menue);
    std::array<QAction*, Wahlen.size()> eintraege{};
    for (std::size_t i = 0; i < Wahlen.size(); ++i) {
        QAction* a = menue->addAction(QString());
        a->setObjectName(QLatin1String(Wahlen[i].name));
        a->setCheckable(true);
        gruppe->addAction(a);
        eintraege[i] = a;
        QObject::connect(a, &QAction::triggered, menue, [&vorlieben, fehlerbericht, wahl = Wahlen[i].wahl] {
            try {
                vorlieben.ErscheinungsbildSetzen(wahl);
            } catch (const daten::Schreibfehler& fehler) {
                fehlerbericht(fehler.text());
            }
        });
    }
    // The mark shows the stored choice, also after a choice that could not be stored.
    const auto markieren = [eintraege, &vorlieben] {
        for (std::size_t i = 0; i < Wahlen.size(); ++i)
            eintraege[i]->setChecked(vorlieben.erscheinungsbild() == Wahlen[i].wahl);
    };
    for (QAction* a : eintraege)
        QObject::connect(a, &QAction::triggered, menue, markieren);
    const auto beschriften = [menue, eintraege, &texte] {
        menue->setTitle(texte(daten::text::Erscheinungsbild));
        for (std::size_t i = 0; i < Wahlen.size(); ++i)
            eintraege[i]->setText(texte(Wahlen[i].text));
    };
    markieren();
    beschriften();
    QObject::connect(&texte, &daten::Texte::spracheGeaendert, menue, beschriften);
    return menue;
}

} // namespace haupt
