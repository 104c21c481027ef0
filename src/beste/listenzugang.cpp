#include "beste/listenzugang.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#include <vector>

namespace beste {

namespace {

constexpr QLatin1StringView QuellenName{"listenzugang"};

// Keeps the table's source with its widget, where the factory finds it.
class Tabellenquelle : public QObject {
public:
    Tabellenquelle(QWidget* tafel, Listenquelle quelle) : QObject(tafel), quelle(std::move(quelle))
    {
        setObjectName(QuellenName);
    }
    Listenquelle quelle;
};

class Tabellenzugang;

// A head (zeile -1) or a cell: children without an object of their own, as in Qt's tables.
class Zellzugang : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    Zellzugang(Tabellenzugang* tabelle, int zeile, int spalte) : tabelle_(tabelle), zeile_(zeile), spalte_(spalte) {}

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
    QAccessible::Role role() const override { return zeile_ < 0 ? QAccessible::ColumnHeader : QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType art) override
    {
        return art == QAccessible::TableCellInterface && zeile_ >= 0 ? static_cast<QAccessibleTableCellInterface*>(this)
                                                                      : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return spalte_; }
    int rowIndex() const override { return zeile_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    Tabellenzugang* tabelle_;
    int zeile_, spalte_;
};

class Tabellenzugang : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    Tabellenzugang(QWidget* tafel, const Listenquelle& quelle) : QAccessibleWidget(tafel, QAccessible::Table), quelle_(quelle)
    {
        kennungen_.resize(size_t((quelle.zeilen + 1) * quelle.spalten));
    }
    ~Tabellenzugang() override
    {
        for (QAccessible::Id kennung : kennungen_)
            if (kennung)
                QAccessible::deleteAccessibleInterface(kennung);
    }
    const Listenquelle& quelle() const { return quelle_; }

    void* interface_cast(QAccessible::InterfaceType art) override
    {
        return art == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(art);
    }
    QString text(QAccessible::Text art) const override
    {
        return art == QAccessible::Name ? quelle_.name() : QAccessibleWidget::text(art);
    }
    // The heads first, then the cells row by row: the labels inside are no children of their own.
    int childCount() const override { return int(kennungen_.size()); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        QAccessible::Id& kennung = kennungen_[size_t(index)];
        if (!kennung)
            kennung = QAccessible::registerAccessibleInterface(new Zellzugang(
                const_cast<Tabellenzugang*>(this), index / quelle_.spalten - 1, index % quelle_.spalten));
        return QAccessible::accessibleInterface(kennung);
    }
    int indexOfChild(const QAccessibleInterface* kind) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (kennungen_[size_t(i)] && QAccessible::accessibleInterface(kennungen_[size_t(i)]) == kind)
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

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int zeile, int spalte) const override
    {
        const bool drin = zeile >= 0 && zeile < rowCount() && spalte >= 0 && spalte < columnCount();
        return drin ? child((zeile + 1) * quelle_.spalten + spalte) : nullptr;
    }
    QAccessibleInterface* kopf(int spalte) const { return child(spalte); }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int spalte) const override { return quelle_.kopf(spalte); }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return quelle_.spalten; }
    int rowCount() const override { return quelle_.zeilen; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    const Listenquelle& quelle_;
    mutable std::vector<QAccessible::Id> kennungen_;
};

bool Zellzugang::isValid() const { return tabelle_->isValid(); }
QWindow* Zellzugang::window() const { return tabelle_->window(); }
QAccessibleInterface* Zellzugang::parent() const { return tabelle_; }
QAccessibleInterface* Zellzugang::table() const { return tabelle_; }
QList<QAccessibleInterface*> Zellzugang::columnHeaderCells() const { return {tabelle_->kopf(spalte_)}; }

QString Zellzugang::text(QAccessible::Text art) const
{
    if (art != QAccessible::Name)
        return {};
    return zeile_ < 0 ? tabelle_->quelle().kopf(spalte_) : tabelle_->quelle().zelle(zeile_, spalte_);
}

QRect Zellzugang::rect() const
{
    const auto* tafel = static_cast<const QWidget*>(tabelle_->object());
    const QRect platz = tabelle_->quelle().platz(zeile_, spalte_);
    return QRect(tafel->mapToGlobal(platz.topLeft()), platz.size());
}

QAccessible::State Zellzugang::state() const
{
    QAccessible::State zustand;
    zustand.readOnly = true;
    return zustand;
}

QAccessibleInterface* Fabrik(const QString&, QObject* objekt)
{
    auto* tafel = qobject_cast<QWidget*>(objekt);
    const QObject* quelle = tafel ? tafel->findChild<QObject*>(QuellenName, Qt::FindDirectChildrenOnly) : nullptr;
    return quelle ? new Tabellenzugang(tafel, static_cast<const Tabellenquelle*>(quelle)->quelle) : nullptr;
}

} // namespace

void ListenzugangEinrichten(QWidget* tafel, Listenquelle quelle)
{
    static const bool eingerichtet = (QAccessible::installFactory(Fabrik), true);
    Q_UNUSED(eingerichtet);
    new Tabellenquelle(tafel, std::move(quelle));
}

void ListeGeaendert(QWidget* tafel)
{
    QAccessibleInterface* tabelle = QAccessible::queryAccessibleInterface(tafel);
    if (!tabelle || !tabelle->tableInterface())
        return;
    for (int i = 0; i < tabelle->childCount(); ++i) {
        QAccessibleEvent ereignis(tafel, QAccessible::NameChanged);
        ereignis.setChild(i);
        QAccessible::updateAccessibility(&ereignis);
    }
}

} // namespace beste
