#include "main/tastenfenster.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "daten/texte.h"

namespace haupt {

namespace {

// "&&" shows one ampersand; a single one marks the access key.
QString OhneZugriffstaste(QString text)
{
    const QChar platzhalter(u'\u0001');
    text.replace(QLatin1String("&&"), platzhalter);
    text.remove(QLatin1Char('&'));
    text.replace(platzhalter, QLatin1Char('&'));
    return text;
}

void MenueLesen(const QString& menue, const QList<QAction*>& eintraege, QList<Kuerzel>& kuerzel)
{
    for (const QAction* eintrag : eintraege) {
        if (!eintrag->isVisible() || eintrag->isSeparator())
            continue;
        if (eintrag->menu())
            MenueLesen(OhneZugriffstaste(eintrag->menu()->title()), eintrag->menu()->actions(), kuerzel);
        else if (!eintrag->shortcuts().isEmpty())
            kuerzel.append({menue, OhneZugriffstaste(eintrag->text()),
                            QKeySequence::listToString(eintrag->shortcuts(), QKeySequence::NativeText)});
    }
}

} // namespace

QList<Kuerzel> AlleKuerzel(const QMenuBar& leiste, const daten::Texte& texte)
{
    namespace t = daten::text;
    QList<Kuerzel> kuerzel;
    MenueLesen({}, leiste.actions(), kuerzel);
    // The board's keys, as TfrmMain::SpielfeldTaste hands them to the rules.
    const QString brett = texte(t::Spielfeld);
    const std::pair<int, QString> tasten[] = {
        {t::TasteSchieben, texte(t::Pfeiltasten)},
        {t::TasteRahmen, texte(t::Pfeiltasten)},
        {t::TasteReihe, texte(t::UmschaltPfeiltasten)},
        {t::TasteRing, texte(t::Pfeiltasten)},
        {t::TasteDrehen, texte(t::LeerOderEingabe)},
        {t::TasteGegenDrehen, texte(t::UmschaltLeerOderRueck)},
        {t::TasteNummern, QKeySequence(Qt::Key_N).toString(QKeySequence::NativeText)}};
    for (const auto& [befehl, taste] : tasten)
        kuerzel.append({brett, texte(befehl), taste});
    return kuerzel;
}

Tastenfenster::Tastenfenster(const QMenuBar& leiste, const daten::Texte& texte, QWidget* eltern)
    : QDialog(eltern), leiste_(leiste), texte_(texte), tabelle_(new QTableWidget(this)),
      schliessen_(new QPushButton(this))
{
    setObjectName(QStringLiteral("Tastenfenster"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    tabelle_->setObjectName(QStringLiteral("tblTastenkuerzel"));
    tabelle_->setColumnCount(3);
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabelle_->verticalHeader()->hide();
    tabelle_->horizontalHeader()->setStretchLastSection(true);
    tabelle_->setWordWrap(false);
    connect(schliessen_, &QPushButton::clicked, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabelle_);
    layout->addWidget(schliessen_, 0, Qt::AlignRight);
    connect(&texte_, &daten::Texte::spracheGeaendert, this, [this] {
        if (isVisible())
            Fuellen();
    });
}

void Tastenfenster::Fuellen()
{
    namespace t = daten::text;
    setWindowTitle(texte_(t::Tastenkuerzel));
    tabelle_->setAccessibleName(texte_(t::Tastenkuerzel));
    tabelle_->setHorizontalHeaderLabels({texte_(t::SpalteMenue), texte_(t::SpalteBefehl), texte_(t::SpalteTaste)});
    schliessen_->setText(texte_(t::Schliessen));
    const QList<Kuerzel> kuerzel = AlleKuerzel(leiste_, texte_);
    tabelle_->setRowCount(int(kuerzel.size()));
    for (int zeile = 0; zeile < kuerzel.size(); ++zeile) {
        const Kuerzel& k = kuerzel[zeile];
        int spalte = 0;
        for (const QString& text : {k.menue, k.befehl, k.taste})
            tabelle_->setItem(zeile, spalte++, new QTableWidgetItem(text));
    }
    tabelle_->resizeColumnsToContents();
    // Wide enough for every row without a scroll bar across.
    const int breite = tabelle_->horizontalHeader()->length() + 2 * tabelle_->frameWidth();
    tabelle_->setMinimumWidth(breite);
    tabelle_->setMinimumHeight(tabelle_->horizontalHeader()->height() + tabelle_->verticalHeader()->length()
                               + 2 * tabelle_->frameWidth());
    adjustSize();
}

void Tastenfenster::Zeige()
{
    Fuellen();
    show();
    raise();
    activateWindow();
    tabelle_->setFocus();
    tabelle_->setCurrentCell(0, 0);
}

} // namespace haupt
