#include "main/brettzugang.h"

#include <QEvent>
#include <QTimer>

#include "daten/texte.h"
#include "main/brettzugang_intern.h"
#include "sitzung/spielsitzung.h"

namespace haupt {

using namespace zugang;

namespace zugang {

Brettzugang::Brettzugang(QWidget* anzeige, const Brettquelle& quelle)
    : QAccessibleWidget(anzeige, QAccessible::Graphic), quelle_(quelle)
{
}

Brettzugang::~Brettzugang()
{
    for (auto* kennungen : {felder_.data(), achsen_.data()})
        for (size_t i = 0; i < felder_.size(); ++i)
            if (kennungen[i])
                QAccessible::deleteAccessibleInterface(kennungen[i]);
    for (QAccessible::Id kennung : zaehler_)
        if (kennung)
            QAccessible::deleteAccessibleInterface(kennung);
}

QAccessible::Id& Brettzugang::Kennung(Kindplatz platz) const
{
    switch (platz.art) {
    case Kindart::Feld: return felder_[size_t(platz.nummer - 1)];
    case Kindart::Achse: return achsen_[size_t(platz.nummer - 1)];
    case Kindart::Zaehler: break;
    }
    return zaehler_[size_t(platz.nummer)];
}

QAccessibleInterface* Brettzugang::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    const Kindplatz platz = quelle_.platz(index);
    QAccessible::Id& kennung = Kennung(platz);
    if (!kennung)
        kennung = QAccessible::registerAccessibleInterface(new Kindzugang(const_cast<Brettzugang*>(this), platz));
    return QAccessible::accessibleInterface(kennung);
}

int Brettzugang::indexOfChild(const QAccessibleInterface* kind) const
{
    const auto* eigenes = dynamic_cast<const Kindzugang*>(kind);
    return eigenes && eigenes->parent() == this ? quelle_.index(eigenes->platz()) : -1;
}

QAccessibleInterface* Brettzugang::childAt(int x, int y) const
{
    for (int i = 0; i < childCount(); ++i)
        if (child(i)->rect().contains(x, y))
            return child(i);
    return nullptr;
}

// The frame or ring is where the keys act: that child has the focus within the board.
QAccessibleInterface* Brettzugang::focusChild() const
{
    const int cursor = quelle_.cursorIndex();
    return cursor >= 0 && anzeige()->hasFocus() ? child(cursor) : nullptr;
}

QString Brettzugang::text(QAccessible::Text art) const
{
    return art == QAccessible::Name ? quelle_.texte(daten::text::Spielfeld) : QAccessibleWidget::text(art);
}

} // namespace zugang

namespace {

QAccessibleInterface* Fabrik(const QString&, QObject* objekt)
{
    auto* anzeige = qobject_cast<QWidget*>(objekt);
    const QObject* quelle = anzeige ? anzeige->findChild<QObject*>(Brettquelle::Name, Qt::FindDirectChildrenOnly) : nullptr;
    return quelle ? new Brettzugang(anzeige, *static_cast<const Brettquelle*>(quelle)) : nullptr;
}

// Tells listeners that child `index` of the paint box (or the box itself, -1) changed as `art`
// says. Sent whether or not a screen reader listens: Qt's bridge passes on only what one asked for.
void Melde(QWidget* anzeige, QAccessible::Event art, int index = -1)
{
    QAccessibleEvent ereignis(anzeige, art);
    if (index >= 0)
        ereignis.setChild(index);
    QAccessible::updateAccessibility(&ereignis);
}

// The focus goes to the field under the frame or the axis in the ring as the keys move them,
// and to them again when the board gets the keyboard back.
class Fokusmelder : public QObject {
public:
    Fokusmelder(QWidget* anzeige, const Brettquelle& quelle) : QObject(anzeige), anzeige_(anzeige), quelle_(quelle)
    {
        anzeige->installEventFilter(this);
    }
    void Melden()
    {
        if (anzeige_->hasFocus() && quelle_.cursorIndex() >= 0)
            Melde(anzeige_, QAccessible::Focus, quelle_.cursorIndex());
    }

protected:
    bool eventFilter(QObject*, QEvent* ereignis) override
    {
        // After Qt's own focus event for the whole board.
        if (ereignis->type() == QEvent::FocusIn)
            QTimer::singleShot(0, this, &Fokusmelder::Melden);
        return false;
    }

private:
    QWidget* anzeige_;
    const Brettquelle& quelle_;
};

} // namespace

void BrettzugangEinrichten(QWidget* anzeige, const Brettbild& bild, const sitzung::Spielsitzung& sitzung,
                           const daten::Texte& texte)
{
    static const bool eingerichtet = (QAccessible::installFactory(Fabrik), true);
    Q_UNUSED(eingerichtet);
    auto* quelle = new Brettquelle(anzeige, bild, sitzung, texte);
    // An interface made before (a screen reader that asked early) was Qt's own: make it anew.
    QAccessibleInterface* frueher = QAccessible::queryAccessibleInterface(anzeige);
    if (frueher && !dynamic_cast<Brettzugang*>(frueher))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(frueher));
    using S = sitzung::Spielsitzung;
    const auto zaehler = [quelle](int nummer) { return quelle->index({Kindart::Zaehler, nummer}); };
    QObject::connect(&sitzung, &S::gezogen, quelle, [anzeige, zaehler](const engine::Zug&, const std::vector<int>& felder) {
        // A state change needs the event that says which states changed: Qt's bridge reads it.
        QAccessible::State platz;
        platz.checked = true;
        for (int feld : felder) {
            Melde(anzeige, QAccessible::NameChanged, feld - 1);
            QAccessibleStateChangeEvent zustand(anzeige, platz);
            zustand.setChild(feld - 1);
            QAccessible::updateAccessibility(&zustand);
        }
        Melde(anzeige, QAccessible::NameChanged, zaehler(0));
    });
    QObject::connect(&sitzung, &S::sekundeVergangen, quelle, [anzeige, zaehler] { Melde(anzeige, QAccessible::NameChanged, zaehler(1)); });
    auto* fokus = new Fokusmelder(anzeige, *quelle);
    QObject::connect(&sitzung, &S::cursorGeaendert, fokus, &Fokusmelder::Melden);
    const auto alles = [anzeige] { Melde(anzeige, QAccessible::ObjectReorder); };
    QObject::connect(&sitzung, &S::neuesSpielBegonnen, quelle, alles);
    QObject::connect(&sitzung, &S::phaseGeaendert, quelle, alles);
    QObject::connect(&texte, &daten::Texte::spracheGeaendert, quelle, alles);
}

} // namespace haupt
