// Options → Solve speed: 1 to 16 moves a second as a radio group that shows the stored choice
// and sets the session's speed, at the start and whenever the choice changes.

#include <QActionGroup>
#include <QMenu>

#include "main/frmmain.h"

namespace haupt {

void TfrmMain::LoesetempoMenueAnlegen(QMenu* optionen)
{
    using daten::Vorlieben;
    namespace t = daten::text::loesetempo;
    QMenu* menue = optionen->addMenu(QString());
    menue->setObjectName(QStringLiteral("mnuLoesetempo"));
    auto* gruppe = new QActionGroup(menue);
    std::vector<std::pair<int, QAction*>> eintraege;
    for (int tempo : Vorlieben::Loesetempi) {
        QAction* a = menue->addAction(QString());
        a->setObjectName(QStringLiteral("mnuLoesetempo%1").arg(tempo));
        a->setCheckable(true);
        gruppe->addAction(a);
        eintraege.emplace_back(tempo, a);
        connect(a, &QAction::triggered, this, [this, tempo] {
            try {
                vorlieben_.LoesetempoSetzen(tempo);
            } catch (const daten::Schreibfehler& fehler) {
                dienste_.Fehlerbericht(fehler.text());
            }
        });
    }
    // The mark and the session follow the stored choice, also after one that could not be stored.
    const auto uebernehmen = [this, eintraege] {
        for (auto [tempo, a] : eintraege)
            a->setChecked(vorlieben_.loesetempo() == tempo);
        sitzung_.LoesetempoSetzen(vorlieben_.loesetempo());
    };
    for (auto [tempo, a] : eintraege)
        connect(a, &QAction::triggered, this, uebernehmen);
    connect(&vorlieben_, &Vorlieben::geaendert, this, [uebernehmen](Vorlieben::Schluessel schluessel) {
        if (schluessel == Vorlieben::Schluessel::Loesetempo)
            uebernehmen();
    });
    const auto beschriften = [this, menue, eintraege] {
        menue->setTitle(texte_(t::Menue));
        for (auto [tempo, a] : eintraege)
            a->setText((tempo == 1 ? texte_(t::EinZugProSekunde) : texte_(t::ZuegeProSekunde, tempo)).arg(tempo));
    };
    uebernehmen();
    beschriften();
    connect(&texte_, &daten::Texte::spracheGeaendert, menue, beschriften);
}

} // namespace haupt
