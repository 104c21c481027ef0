// The rows of the dialog of the best results as screen readers read them: a table of the five
// places (place, name, moves, time), the time spoken in minutes and seconds.
#include "beste/frmbestenliste.h"

#include "beste/listenzugang.h"
#include "beste/platzierung.h"
#include "daten/zeitansage.h"

#include <QLabel>
#include <QLineEdit>

namespace beste {

void TfrmBestenListe::ZugangEinrichten()
{
    namespace t = daten::text;
    Listenquelle quelle;
    quelle.zeilen = PlatzAnzahl;
    quelle.spalten = 4;
    quelle.name = [this] { return texte_(t::bestenliste::Titel); };
    quelle.kopf = [this](int spalte) {
        const int koepfe[] = {t::SpaltePlatz, t::SpalteName, t::Zuege, t::Zeit};
        return texte_(koepfe[spalte]);
    };
    quelle.zelle = [this](int zeile, int spalte) {
        const TZeile& z = zeilen_[size_t(zeile)];
        switch (spalte) {
        case 0: return QString::number(zeile + 1);
        case 1: return Eintrag_->isVisible() && zeile + 1 == platz_ ? Eintrag_->text() : z.Name->text();
        case 2: return z.S->text();
        default: return daten::Zeitansage(texte_, bestenliste_.liste().Zeiten[AktuelleListe()][zeile + 1]);
        }
    };
    // Each column where its labels stand; the heads on the line of the heading.
    quelle.platz = [this](int zeile, int spalte) {
        const QRect spalten[] = {lblPlatzierung_->geometry(), Eintrag_->geometry(), zeilen_[0].S->geometry(),
                                 zeilen_[0].Z->geometry()};
        const QRect hoehe = zeile < 0 ? lblUeberschrift_->geometry() : zeilen_[size_t(zeile)].S->geometry();
        return QRect(spalten[spalte].x(), hoehe.y(), spalten[spalte].width(), hoehe.height());
    };
    ListenzugangEinrichten(tafel_, std::move(quelle));
}

} // namespace beste
