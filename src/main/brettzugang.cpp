#include "main/brettzugang.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QWidget>

#include "daten/texte.h"
#include "main/brettbild.h"
#include "sitzung/spielsitzung.h"

#include <array>

namespace haupt {

namespace {

namespace id {
inline constexpr int Spielfeld = 900, Teil = 901, LeeresFeld = 902, AmPlatz = 903, NichtAmPlatz = 904,
                     Zuege = 905, Zeit = 906;
}

// What the interfaces read, kept with the paint box as a child so that it lives as long.
class Brettquelle : public QObject {
public:
    Brettquelle(QWidget* anzeige, const Brettbild& bild, const sitzung::Spielsitzung& sitzung,
                const daten::Texte& texte)
        : QObject(anzeige), bild(bild), sitzung(sitzung), texte(texte)
    {
        setObjectName(Name);  // found by it once whole: the class has no meta-object of its own
    }
    static constexpr QLatin1StringView Name{"brettzugang"};
    const Brettbild& bild;
    const sitzung::Spielsitzung& sitzung;
    const daten::Texte& texte;

    const engine::Spielstand& spiel() const { return sitzung.spiel(); }
    // Fields are shown once a game is on; the counters always.
    int felder() const { return spiel().phase == engine::Phase::KeinSpiel ? 0 : spiel().felder(); }
};

constexpr int Zaehler = 2;  // moves, time: after the fields

class Brettzugang;

// One field or one counter: a child without an object of its own, as Qt's table cells are.
class Kindzugang : public QAccessibleInterface, public QAccessibleValueInterface {
public:
    Kindzugang(Brettzugang* eltern, int index) : eltern_(eltern), index_(index) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text art) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType art) override
    {
        return art == QAccessible::ValueInterface && zaehler() >= 0 ? static_cast<QAccessibleValueInterface*>(this)
                                                                     : nullptr;
    }

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    const Brettquelle& quelle() const;
    int feld() const;     // 1-based field, or 0 for a counter
    int zaehler() const;  // 0 moves, 1 time, or -1 for a field

    Brettzugang* eltern_;
    int index_;
};

class Brettzugang : public QAccessibleWidget {
public:
    Brettzugang(QWidget* anzeige, const Brettquelle& quelle)
        : QAccessibleWidget(anzeige, QAccessible::Graphic), quelle_(quelle)
    {
    }
    ~Brettzugang() override
    {
        for (QAccessible::Id kind : kinder_)
            if (kind)
                QAccessible::deleteAccessibleInterface(kind);
    }

    const Brettquelle& quelle() const { return quelle_; }
    const QWidget* anzeige() const { return widget(); }

    int childCount() const override { return quelle_.felder() + Zaehler; }
    // A child is a slot: what it shows follows the board, so it stays valid across games.
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        QAccessible::Id& kind = kinder_[size_t(index)];
        if (!kind)
            kind = QAccessible::registerAccessibleInterface(new Kindzugang(const_cast<Brettzugang*>(this), index));
        return QAccessible::accessibleInterface(kind);
    }
    int indexOfChild(const QAccessibleInterface* kind) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (kinder_[size_t(i)] && QAccessible::accessibleInterface(kinder_[size_t(i)]) == kind)
                return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (child(i)->rect().contains(x, y))
                return child(i);
        return nullptr;
    }
    QString text(QAccessible::Text art) const override
    {
        return art == QAccessible::Name ? quelle_.texte(id::Spielfeld) : QAccessibleWidget::text(art);
    }

private:
    const Brettquelle& quelle_;
    mutable std::array<QAccessible::Id, engine::MaxFelder + Zaehler> kinder_{};
};

const Brettquelle& Kindzugang::quelle() const { return eltern_->quelle(); }
int Kindzugang::feld() const { return index_ < quelle().felder() ? index_ + 1 : 0; }
int Kindzugang::zaehler() const { return index_ < quelle().felder() ? -1 : index_ - quelle().felder(); }
bool Kindzugang::isValid() const { return eltern_->isValid() && index_ < eltern_->childCount(); }
QWindow* Kindzugang::window() const { return eltern_->window(); }
QAccessibleInterface* Kindzugang::parent() const { return eltern_; }

QString Kindzugang::text(QAccessible::Text art) const
{
    const auto& texte = quelle().texte;
    const engine::Spielstand& spiel = quelle().spiel();
    if (zaehler() >= 0) {
        if (art == QAccessible::Name)
            return texte(zaehler() == 0 ? id::Zuege : id::Zeit);
        if (art == QAccessible::Value) {
            if (zaehler() == 0)
                return QString::number(spiel.ZugAnzahl);
            return QStringLiteral("%1:%2").arg(spiel.Sekunden / 60, 2, 10, QLatin1Char('0')).arg(spiel.Sekunden % 60, 2, 10, QLatin1Char('0'));
        }
        return {};
    }
    const int p = feld(), n = spiel.n();
    const int teil = spiel.Spielfeld[size_t(p)];
    const QString zeile = QString::number((p - 1) / n + 1), spalte = QString::number((p - 1) % n + 1);
    if (art == QAccessible::Name)
        return teil == 0 ? texte(id::LeeresFeld).arg(zeile, spalte) : texte(id::Teil).arg(QString::number(teil), zeile, spalte);
    if (art == QAccessible::Description)
        return texte(state().checked ? id::AmPlatz : id::NichtAmPlatz);
    return {};
}

QRect Kindzugang::rect() const
{
    const QWidget* anzeige = eltern_->anzeige();
    const Brettgeometrie& g = quelle().bild.geometrie();
    // A counter is its label and its digits below; the window may be zoomed.
    const QRect klassisch = zaehler() < 0 ? g.feld(feld())
        : QRect((zaehler() == 0 ? Brettgeometrie::ZugSchrift : Brettgeometrie::ZeitSchrift).topLeft(), QSize(180, 60));
    const QRect bereich = g.fenster(klassisch).boundingRect();
    return QRect(anzeige->mapToGlobal(bereich.topLeft()), bereich.size());
}

QAccessible::Role Kindzugang::role() const { return zaehler() < 0 ? QAccessible::Cell : QAccessible::Indicator; }

QAccessible::State Kindzugang::state() const
{
    QAccessible::State zustand;
    const engine::Spielstand& spiel = quelle().spiel();
    zustand.readOnly = true;
    zustand.disabled = !spiel.brettAktiv();
    if (zaehler() >= 0)
        return zustand;
    // Pause hides the board from the eye, and so from the ear.
    zustand.invisible = spiel.pausiert();
    zustand.checkable = true;
    const int p = feld(), teil = spiel.Spielfeld[size_t(p)];
    zustand.checked = teil == p || (teil == 0 && p == spiel.FreiesFeld);
    return zustand;
}

QVariant Kindzugang::currentValue() const
{
    const engine::Spielstand& spiel = quelle().spiel();
    return zaehler() == 0 ? int(spiel.ZugAnzahl) : int(spiel.Sekunden);
}

QVariant Kindzugang::maximumValue() const
{
    return zaehler() == 0 ? int(engine::MaxZuege) : int(engine::MaxSekunden);
}

QAccessibleInterface* Fabrik(const QString&, QObject* objekt)
{
    auto* anzeige = qobject_cast<QWidget*>(objekt);
    const QObject* quelle = anzeige ? anzeige->findChild<QObject*>(Brettquelle::Name, Qt::FindDirectChildrenOnly) : nullptr;
    return quelle ? new Brettzugang(anzeige, *static_cast<const Brettquelle*>(quelle)) : nullptr;
}

// Tells listeners that child `index` of the paint box changed in the way `art` says.
void Melde(QWidget* anzeige, QAccessible::Event art, int index)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent ereignis(anzeige, art);
    ereignis.setChild(index);
    QAccessible::updateAccessibility(&ereignis);
}

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
    QObject::connect(&sitzung, &S::gezogen, quelle, [anzeige, quelle](const engine::Zug&, const std::vector<int>& felder) {
        for (int feld : felder) {
            Melde(anzeige, QAccessible::NameChanged, feld - 1);
            Melde(anzeige, QAccessible::StateChanged, feld - 1);
        }
        Melde(anzeige, QAccessible::ValueChanged, quelle->felder());
    });
    QObject::connect(&sitzung, &S::sekundeVergangen, quelle,
                     [anzeige, quelle] { Melde(anzeige, QAccessible::ValueChanged, quelle->felder() + 1); });
    const auto alles = [anzeige] {
        if (QAccessible::isActive()) {
            QAccessibleEvent ereignis(anzeige, QAccessible::ObjectReorder);
            QAccessible::updateAccessibility(&ereignis);
        }
    };
    QObject::connect(&sitzung, &S::neuesSpielBegonnen, quelle, alles);
    QObject::connect(&sitzung, &S::phaseGeaendert, quelle, alles);
    QObject::connect(&texte, &daten::Texte::spracheGeaendert, quelle, alles);
}

} // namespace haupt
