// The board's children for screen readers: the fields, the axes of variant 3 and the counters.
#include "main/brettzugang_intern.h"

#include "daten/texte.h"
#include "daten/zeitansage.h"
#include "main/brettbild.h"
#include "sitzung/spielsitzung.h"

namespace haupt::zugang {

namespace t = daten::text;

Brettquelle::Brettquelle(QWidget* anzeige, const Brettbild& bild, const sitzung::Spielsitzung& sitzung,
                         const daten::Texte& texte)
    : QObject(anzeige), bild(bild), sitzung(sitzung), texte(texte)
{
    setObjectName(Name);  // found by it once whole: the class has no meta-object of its own
}

const engine::Spielstand& Brettquelle::spiel() const { return sitzung.spiel(); }

int Brettquelle::felder() const { return spiel().phase == engine::Phase::KeinSpiel ? 0 : spiel().felder(); }

int Brettquelle::achsen() const
{
    return felder() && spiel().variante == engine::Variante::Drehen ? engine::AchsenAnzahl(spiel().n()) : 0;
}

Kindplatz Brettquelle::platz(int index) const
{
    if (index < felder())
        return {Kindart::Feld, index + 1};
    if (index < felder() + achsen())
        return {Kindart::Achse, index - felder() + 1};
    return {Kindart::Zaehler, index - felder() - achsen()};
}

int Brettquelle::index(Kindplatz platz) const
{
    switch (platz.art) {
    case Kindart::Feld: return platz.nummer <= felder() ? platz.nummer - 1 : -1;
    case Kindart::Achse: return platz.nummer <= achsen() ? felder() + platz.nummer - 1 : -1;
    case Kindart::Zaehler: return felder() + achsen() + platz.nummer;
    }
    return -1;
}

int Brettquelle::cursorIndex() const
{
    const int cursor = sitzung.cursor();
    if (cursor <= 0 || !felder())
        return -1;
    return index({spiel().variante == engine::Variante::Drehen ? Kindart::Achse : Kindart::Feld, cursor});
}

const Brettquelle& Kindzugang::quelle() const { return eltern_->quelle(); }
bool Kindzugang::isValid() const { return eltern_->isValid() && quelle().index(platz_) >= 0; }
QWindow* Kindzugang::window() const { return eltern_->window(); }
QAccessibleInterface* Kindzugang::parent() const { return eltern_; }

QString Kindzugang::text(QAccessible::Text art) const
{
    if (art != QAccessible::Name && art != QAccessible::Description)
        return {};
    const daten::Texte& texte = quelle().texte;
    const engine::Spielstand& spiel = quelle().spiel();
    switch (platz_.art) {
    case Kindart::Feld: return feldtext(art);
    case Kindart::Achse: {
        if (art != QAccessible::Name)
            return {};
        // Named by the four fields it turns: its top-left one gives the first row and column.
        const int n = spiel.n(), oben = engine::AchsFelder(n, platz_.nummer)[0];
        const int zeile = (oben - 1) / n + 1, spalte = (oben - 1) % n + 1;
        return texte(t::AchseName).arg(QString::number(platz_.nummer), QString::number(zeile), QString::number(zeile + 1),
                                       QString::number(spalte), QString::number(spalte + 1));
    }
    case Kindart::Zaehler:
        if (art != QAccessible::Name)
            return {};
        return platz_.nummer == 0 ? texte(t::ZuegeZaehler).arg(spiel.ZugAnzahl)
                                  : texte(t::ZeitZaehler).arg(daten::Zeitansage(texte, spiel.Sekunden));
    }
    return {};
}

QString Kindzugang::feldtext(QAccessible::Text art) const
{
    const daten::Texte& texte = quelle().texte;
    const engine::Spielstand& spiel = quelle().spiel();
    const int p = platz_.nummer, n = spiel.n();
    const int teil = spiel.Spielfeld[size_t(p)];
    const QString zeile = QString::number((p - 1) / n + 1), spalte = QString::number((p - 1) % n + 1);
    if (art == QAccessible::Description)
        return texte(state().checked ? t::AmPlatz : t::NichtAmPlatz);
    return teil == 0 ? texte(t::LeeresFeld).arg(zeile, spalte) : texte(t::Teil).arg(QString::number(teil), zeile, spalte);
}

QRect Kindzugang::rect() const
{
    const QWidget* anzeige = eltern_->anzeige();
    const Brettgeometrie& g = quelle().bild.geometrie();
    QRect klassisch;
    switch (platz_.art) {
    case Kindart::Feld: klassisch = g.feld(platz_.nummer); break;
    case Kindart::Achse: klassisch = g.achszone(platz_.nummer); break;
    case Kindart::Zaehler:  // its label and its digits below
        klassisch = QRect((platz_.nummer == 0 ? Brettgeometrie::ZugSchrift : Brettgeometrie::ZeitSchrift).topLeft(),
                          QSize(180, 60));
        break;
    }
    const QRect bereich = g.fenster(klassisch).boundingRect();  // the window may be zoomed
    return QRect(anzeige->mapToGlobal(bereich.topLeft()), bereich.size());
}

QAccessible::Role Kindzugang::role() const
{
    // The counters are read, never set: text that changes, with no value to step.
    return platz_.art == Kindart::Feld ? QAccessible::Cell : QAccessible::StaticText;
}

QAccessible::State Kindzugang::state() const
{
    QAccessible::State zustand;
    const engine::Spielstand& spiel = quelle().spiel();
    zustand.readOnly = true;
    zustand.disabled = !spiel.brettAktiv();
    if (platz_.art == Kindart::Zaehler)
        return zustand;
    // Pause hides the board from the eye, and so from the ear.
    zustand.invisible = spiel.pausiert();
    using V = engine::Variante;
    const bool mitCursor = (platz_.art == Kindart::Feld && spiel.variante == V::Verschieben)
                           || (platz_.art == Kindart::Achse && spiel.variante == V::Drehen);
    zustand.focusable = mitCursor;
    zustand.focused = mitCursor && eltern_->anzeige()->hasFocus() && quelle().cursorIndex() == quelle().index(platz_);
    if (platz_.art == Kindart::Achse)
        return zustand;
    zustand.checkable = true;
    const int p = platz_.nummer, teil = spiel.Spielfeld[size_t(p)];
    zustand.checked = teil == p || (teil == 0 && p == spiel.FreiesFeld);
    return zustand;
}

} // namespace haupt::zugang
