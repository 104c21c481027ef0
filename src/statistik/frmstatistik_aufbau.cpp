// The statistics window's widgets, their texts and their size, and the table of figures.
#include "statistik/frmstatistik.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "statistik/anzeige.h"
#include "statistik/spieleliste.h"
#include "statistik/verlaufsbild.h"

namespace statistik {

namespace tx = daten::text::statistik;
using journal::Kennzahlen;
using journal::Wertepaar;

namespace {

// The table's rows: a count over both columns, a figure of time and moves, or the rate.
struct Kennzeile {
    int text;
    int Kennzahlen::*anzahl = nullptr;
    Wertepaar Kennzahlen::*paar = nullptr;
};
const Kennzeile Kennzeilen[] = {
    {tx::Gespielt, &Kennzahlen::gespielt},       {tx::Geloest, &Kennzahlen::geloest},
    {tx::MitHilfe, &Kennzahlen::mitHilfe},       {tx::Abgebrochen, &Kennzahlen::abgebrochen},
    {tx::Grenze, &Kennzahlen::grenze},           {tx::Bestwert, nullptr, &Kennzahlen::beste},
    {tx::Mittelwert, nullptr, &Kennzahlen::mittel}, {tx::Median, nullptr, &Kennzahlen::median},
    {tx::Schnitt5, nullptr, &Kennzahlen::schnitt5}, {tx::Schnitt12, nullptr, &Kennzahlen::schnitt12},
    {tx::ZuegeProSekunde},
};
constexpr int Zeilen = int(std::size(Kennzeilen));

QString OderStrich(const std::optional<double>& wert, const std::function<QString(double)>& text)
{
    return wert ? text(*wert) : QStringLiteral("–");
}

} // namespace

void TfrmStatistik::Bauen()
{
    setObjectName(QStringLiteral("frmStatistik"));
    setSizeGripEnabled(true);
    auto* oben = new QHBoxLayout;
    lblGruppe_ = new QLabel(this);
    cmbGruppe_ = new QComboBox(this);
    cmbGruppe_->setObjectName(QStringLiteral("cmbGruppe"));
    lblGruppe_->setBuddy(cmbGruppe_);
    oben->addWidget(lblGruppe_);
    oben->addWidget(cmbGruppe_, 1);
    lblTage_ = new QLabel(this);
    lblTage_->setObjectName(QStringLiteral("lblTage"));
    oben->addWidget(lblTage_);

    BaueKennzahlen();
    verlauf_ = new Verlaufsbild(texte_, this);
    auto* mitte = new QHBoxLayout;
    mitte->addWidget(tblKennzahlen_);
    mitte->addWidget(verlauf_, 1);
    lblFussnote_ = new QLabel(this);
    lblFussnote_->setWordWrap(true);

    lblSpiele_ = new QLabel(this);
    liste_ = new Spieleliste(texte_, this);
    tblSpiele_ = new QTableView(this);
    tblSpiele_->setObjectName(QStringLiteral("tblSpiele"));
    tblSpiele_->setModel(liste_);
    tblSpiele_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblSpiele_->setSelectionMode(QAbstractItemView::SingleSelection);
    tblSpiele_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblSpiele_->verticalHeader()->hide();
    // Rows of one height: the view then never measures 100,000 of them.
    tblSpiele_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblSpiele_->horizontalHeader()->setStretchLastSection(true);
    lblSpiele_->setBuddy(tblSpiele_);

    auto* fenster = new QVBoxLayout(this);
    fenster->addLayout(oben);
    fenster->addLayout(mitte, 3);
    fenster->addWidget(lblFussnote_);
    fenster->addWidget(lblSpiele_);
    fenster->addWidget(tblSpiele_, 2);
    BaueKnoepfe();
}

void TfrmStatistik::BaueKennzahlen()
{
    tblKennzahlen_ = new QTableWidget(Zeilen, 2, this);
    tblKennzahlen_->setObjectName(QStringLiteral("tblKennzahlen"));
    tblKennzahlen_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblKennzahlen_->setSelectionMode(QAbstractItemView::NoSelection);
    tblKennzahlen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tblKennzahlen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tblKennzahlen_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    for (int z = 0; z < Zeilen; ++z) {
        tblKennzahlen_->setVerticalHeaderItem(z, new QTableWidgetItem);
        for (int s = 0; s < 2; ++s) {
            auto* zelle = new QTableWidgetItem;
            zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            tblKennzahlen_->setItem(z, s, zelle);
        }
        if (!Kennzeilen[z].paar)
            tblKennzahlen_->setSpan(z, 0, 1, 2);
    }
    for (int s = 0; s < 2; ++s)
        tblKennzahlen_->setHorizontalHeaderItem(s, new QTableWidgetItem);
}

void TfrmStatistik::BaueKnoepfe()
{
    auto* unten = new QHBoxLayout;
    const auto knopf = [&](const char* name) {
        auto* k = new QPushButton(this);
        k->setObjectName(QLatin1String(name));
        k->setAutoDefault(false);  // Return in the list picks a game, it presses no button
        unten->addWidget(k);
        return k;
    };
    btnAnsehen_ = knopf("btnAnsehen");
    btnCsv_ = knopf("btnCsv");
    btnLoeschen_ = knopf("btnLoeschen");
    unten->addStretch(1);
    btnSchliessen_ = knopf("btnSchliessen");
    static_cast<QBoxLayout*>(layout())->addLayout(unten);
}

void TfrmStatistik::TexteSetzen()
{
    setWindowTitle(texte_(tx::Titel));
    lblGruppe_->setText(texte_(tx::Gruppe));
    for (int i = 0; i < cmbGruppe_->count(); ++i) {
        const int wert = cmbGruppe_->itemData(i).toInt();
        cmbGruppe_->setItemText(i, Gruppenname(texte_, engine::Variante(wert / 10), wert % 10));
    }
    tblKennzahlen_->setAccessibleName(texte_(tx::Kennzahlen));
    for (int z = 0; z < Zeilen; ++z)
        tblKennzahlen_->verticalHeaderItem(z)->setText(texte_(Kennzeilen[z].text));
    tblKennzahlen_->horizontalHeaderItem(0)->setText(texte_(daten::text::Zeit));
    tblKennzahlen_->horizontalHeaderItem(1)->setText(texte_(daten::text::Zuege));
    lblFussnote_->setText(texte_(tx::Fussnote));
    TageZeigen();
    lblSpiele_->setText(texte_(tx::Spieleliste));
    btnAnsehen_->setText(texte_(daten::text::wiedergabe::Ansehen));
    btnCsv_->setText(texte_(tx::CsvSpeichern));
    btnLoeschen_->setText(texte_(tx::Loeschen));
    btnSchliessen_->setText(texte_(tx::Schliessen));
    liste_->TexteSetzen();
    verlauf_->TexteSetzen();
}

// The window grows with the main window's zoom: its font, and with it every row and the chart.
void TfrmStatistik::SchriftSetzen()
{
    const auto vergroessert = [this](const QWidget* teil) {
        QFont schrift = QApplication::font(teil);
        schrift.setPointSizeF(schrift.pointSizeF() * vorlieben_.groesse() / 100.0);
        return schrift;
    };
    const QFont schrift = vergroessert(this);
    setFont(schrift);
    // Table heads have a font of their own from the desktop, which a window's font does not reach.
    for (QHeaderView* kopf : findChildren<QHeaderView*>())
        kopf->setFont(vergroessert(kopf));
    const int zeile = QFontMetrics(schrift).height() * 3 / 2;
    tblKennzahlen_->verticalHeader()->setDefaultSectionSize(zeile);
    tblSpiele_->verticalHeader()->setDefaultSectionSize(zeile);
    tblSpiele_->setMinimumHeight(tblSpiele_->horizontalHeader()->sizeHint().height() + 6 * zeile);
    const QFontMetrics kopf(tblSpiele_->horizontalHeader()->font()), zellen(schrift);
    for (int s = 0; s + 1 < Spieleliste::Spaltenzahl; ++s)
        tblSpiele_->setColumnWidth(s, std::max(kopf.horizontalAdvance(liste_->headerData(s, Qt::Horizontal, Qt::DisplayRole).toString()),
                                               zellen.horizontalAdvance(liste_->Breitester(s))) + zellen.height());
    KennzahlenBemessen();
    // A wrapped label tells its layout too little height: room for its lines at the narrowest.
    const int schmal = tblKennzahlen_->width() + verlauf_->minimumSizeHint().width();
    lblFussnote_->setMinimumHeight(lblFussnote_->heightForWidth(schmal));
    GruppeZeigen();
    adjustSize();
}

// Without figures (no games yet): counts of 0 and dashes.
void TfrmStatistik::KennzahlenZeigen(const Kennzahlen* k)
{
    const Kennzahlen keine;
    const Kennzahlen& zahlen = k ? *k : keine;
    const QLocale ort = Gebietsschema(texte_);
    for (int z = 0; z < Zeilen; ++z) {
        const Kennzeile& zeile = Kennzeilen[z];
        QString links, rechts;
        if (zeile.anzahl) {
            links = QString::number(zahlen.*zeile.anzahl);
        } else if (zeile.paar) {
            links = OderStrich((zahlen.*zeile.paar).zeit, [&](double w) { return ZeitText(ort, w); });
            rechts = OderStrich((zahlen.*zeile.paar).zuege, [&](double w) { return ZahlText(ort, w); });
        } else {
            links = OderStrich(zahlen.zuegeProSekunde, [&](double w) { return ZahlText(ort, w, 2); });
        }
        tblKennzahlen_->item(z, 0)->setText(links);
        tblKennzahlen_->item(z, 1)->setText(rechts);
    }
}

// Room for the widest figures, so that another board's figures are never cut.
void TfrmStatistik::KennzahlenBemessen()
{
    Kennzahlen breit;
    breit.gespielt = breit.geloest = breit.mitHilfe = breit.abgebrochen = breit.grenze = 999999;
    for (Wertepaar* paar : {&breit.beste, &breit.mittel, &breit.median, &breit.schnitt5, &breit.schnitt12})
        *paar = {3599.9, 9999.9};
    breit.zuegeProSekunde = 99.99;
    KennzahlenZeigen(&breit);
    tblKennzahlen_->resizeColumnsToContents();
    const int rand = 2 * tblKennzahlen_->frameWidth();
    tblKennzahlen_->setFixedSize(tblKennzahlen_->verticalHeader()->sizeHint().width()
                                     + tblKennzahlen_->horizontalHeader()->length() + rand,
                                 tblKennzahlen_->horizontalHeader()->sizeHint().height()
                                     + tblKennzahlen_->verticalHeader()->length() + rand);
}

} // namespace statistik
