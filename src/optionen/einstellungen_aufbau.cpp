// The controls of the settings dialog at their fixed places, and the order of the Tab key.
#include "optionen/bausteine.h"
#include "optionen/einstellungen.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>
#include <utility>

#include "fenster/farbschema.h"
#include "kunst.h"

namespace optionen {

namespace {

constexpr int BildAbstand = 120;  // the variant pictures stand 120 pixels apart
constexpr int TeileSpalten = 4;
constexpr int KleinsteSchrift = 9;  // pixels; below this a caption may rather be cut
// The picture list's place; its height is that of the whole rows nearest to it, and its foot
// stays clear of the check box below.
constexpr QRect ListenPlatz{145, 23, 225, 56};
constexpr int ListenFussBis = 88;

template <class T>
T* Baue(QWidget* eltern, const char* name, int links, int oben, int breite, int hoehe)
{
    auto* w = new T(eltern);
    w->setObjectName(QLatin1StringView(name));
    w->setGeometry(links, oben, breite, hoehe);
    return w;
}

// The picture list as high as a whole number of its rows: the row height follows the font and
// the screen's pixel ratio, and a fixed height showed a cut-off row below the last whole one.
// Long names are cut short rather than given a scroll bar that would take a row's room.
void GanzeZeilen(QListWidget* liste)
{
    const int zeile = liste->count() > 0 ? liste->sizeHintForRow(0) : 0;
    if (zeile <= 0)
        return;
    const int rahmen = 2 * liste->frameWidth();
    int zeilen = std::max(1, int(std::lround(double(ListenPlatz.height() - rahmen) / zeile)));
    while (zeilen > 1 && ListenPlatz.top() + rahmen + zeilen * zeile > ListenFussBis)
        --zeilen;
    liste->setFixedHeight(rahmen + zeilen * zeile);
}

QIcon AbbruchGlyphe(bool dunkel)
{
    QIcon glyphe;
    glyphe.addPixmap(QPixmap::fromImage(kunst::Bild(QStringLiteral("glyphAbbruch"))), QIcon::Normal);
    glyphe.addPixmap(QPixmap::fromImage(kunst::Bild(QStringLiteral("glyphAbbruchAus"), dunkel)), QIcon::Disabled);
    return glyphe;
}

} // namespace

TKlickbild* TfrmEinstellungen::BaueVariantenbild(int nummer)
{
    const QByteArray name = "imgVariante" + QByteArray::number(nummer);
    auto* bild = Baue<TKlickbild>(gpbVariante_, name.constData(), 23 + (nummer - 1) * BildAbstand, 24, 100, 100);
    connect(bild, &TKlickbild::geklickt, this, &TfrmEinstellungen::imgVarianteClick);
    connect(bild, &TKlickbild::schritt, this, &TfrmEinstellungen::imgVarianteSchritt);
    return bild;
}

void TfrmEinstellungen::BaueOberflaeche()
{
    setObjectName(QStringLiteral("frmEinstellungen"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(420, 458);  // a row below the picture for the crop choice and the chooser
    setAutoFillBackground(true);

    BaueVariantenwahl();
    BaueTeileAnzahl();
    BaueMotivwahl();
    BaueKnoepfe();
    FarbenSetzen();
    fenster::BeiSchemawechsel(this, [this](fenster::Schema) { FarbenSetzen(); });
    SetzeTabFolge();
    SetzeTexte();
    connect(&texte_, &daten::Texte::spracheGeaendert, this, &TfrmEinstellungen::SetzeTexte);
}

void TfrmEinstellungen::BaueVariantenwahl()
{
    gpbVariante_ = Baue<QGroupBox>(this, "gpbVariante", 17, 8, 385, 140);
    for (int v = 0; v < 3; ++v)
        imgVariante_[v] = BaueVariantenbild(v + 1);
    shpVariante_ = new TRahmen(QColor(255, 255, 0), 3, gpbVariante_);
    shpVariante_->setObjectName(QStringLiteral("shpVariante"));
    shpVariante_->setGeometry(21, 22, 104, 104);
    shpVariante_->raise();
}

void TfrmEinstellungen::BaueTeileAnzahl()
{
    rdgTeileAnzahl_ = Baue<QGroupBox>(this, "rdgTeileAnzahl", 17, 156, 385, 50);
    rdgTeileAnzahlItems_ = new QButtonGroup(this);
    rdgTeileAnzahlItems_->setObjectName(QStringLiteral("rdgTeileAnzahlItems"));
    const int spaltenbreite = (rdgTeileAnzahl_->width() - 10) / TeileSpalten;
    for (int i = 0; i < TeileSpalten; ++i) {
        const QByteArray name = "rdgTeileAnzahlItem" + QByteArray::number(i);
        auto* knopf = Baue<QRadioButton>(rdgTeileAnzahl_, name.constData(), 8 + i * spaltenbreite, 22,
                                         spaltenbreite - 4, 20);
        knopf->setFocusPolicy(Qt::ClickFocus);
        rdgTeileAnzahlItems_->addButton(knopf, i);
    }
    // Tab enters the group on its checked item, as in every radio group, so a following Space
    // cannot change the size by accident; the arrow keys move within the group.
    connect(rdgTeileAnzahlItems_, &QButtonGroup::buttonToggled, this,
            [](QAbstractButton* knopf, bool an) { knopf->setFocusPolicy(an ? Qt::StrongFocus : Qt::ClickFocus); });
}

void TfrmEinstellungen::BaueMotivwahl()
{
    gpbMotiv_ = Baue<QGroupBox>(this, "gpbMotiv", 17, 214, 385, 188);
    imgVorschau_ = Baue<QLabel>(gpbMotiv_, "imgVorschau", 15, 24, 120, 120);
    imgVorschau_->setScaledContents(true);
    FileListBox_ = Baue<QListWidget>(gpbMotiv_, "FileListBox", ListenPlatz.left(), ListenPlatz.top(),
                                     ListenPlatz.width(), ListenPlatz.height());
    FileListBox_->setSelectionMode(QAbstractItemView::SingleSelection);
    FileListBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(FileListBox_->model(), &QAbstractItemModel::rowsInserted, this, [this] { GanzeZeilen(FileListBox_); });
    connect(FileListBox_, &QListWidget::currentItemChanged, this, [this] { FileListBoxChange(); });
    chkSWBild_ = Baue<QCheckBox>(gpbMotiv_, "chkSWBild", 145, 90, 227, 17);
    chkVorschau_ = Baue<QCheckBox>(gpbMotiv_, "chkVorschau", 145, 110, 209, 17);
    chkPosZufall_ = Baue<QCheckBox>(gpbMotiv_, "chkPosZufall", 145, 130, 209, 17);
    // Below the others: the chooser under the preview, the crop choice under the grey option.
    btnSuchen_ = Baue<QPushButton>(gpbMotiv_, "btnSuchen", 15, 148, 120, 24);
    connect(btnSuchen_, &QPushButton::clicked, this, &TfrmEinstellungen::btnSuchenClick);
    chkZuschnitt_ = Baue<QCheckBox>(gpbMotiv_, "chkZuschnitt", 145, 150, 227, 17);
    connect(chkZuschnitt_, &QCheckBox::toggled, this, &TfrmEinstellungen::VorschauZeichnen);
}

void TfrmEinstellungen::BaueKnoepfe()
{
    btnOK_ = Baue<QPushButton>(this, "btnOK", 87, 417, 100, 28);
    btnOK_->setDefault(true);
    connect(btnOK_, &QPushButton::clicked, this, &TfrmEinstellungen::btnOKClick);
    btnAbbruch_ = Baue<QPushButton>(this, "btnAbbruch", 213, 417, 120, 28);
    btnAbbruch_->setIconSize(QSize(18, 18));
    connect(btnAbbruch_, &QPushButton::clicked, this, &TfrmEinstellungen::btnAbbruchClick);
}

void TfrmEinstellungen::FarbenSetzen()
{
    const fenster::Schema schema = fenster::AktuellesSchema();
    const fenster::Fensterfarben& farben = fenster::Farben(schema);
    const bool dunkel = schema == fenster::Schema::Dunkel;
    QPalette grund = palette();
    grund.setColor(QPalette::Window, farben.dialog);
    // The usual disabled grey would vanish on silver.
    for (QPalette::ColorRole rolle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        grund.setColor(QPalette::Disabled, rolle, farben.gesperrt);
    setPalette(grund);
    QPalette liste = FileListBox_->palette();
    liste.setColor(QPalette::Base, farben.liste);
    FileListBox_->setPalette(liste);
    for (int v = 0; v < 3; ++v)
        imgVariante_[v]->setPixmap(
            QPixmap::fromImage(kunst::Bild(QStringLiteral("imgVariante%1").arg(v + 1), dunkel)));
    btnAbbruch_->setIcon(AbbruchGlyphe(dunkel));
}

// Variant pictures take no focus; after the size items come the picture controls in the
// order chkVorschau_, FileListBox_, chkPosZufall_, chkSWBild_, the crop choice and the chooser,
// then the two buttons.
void TfrmEinstellungen::SetzeTabFolge()
{
    QList<QWidget*> folge{imgVariante_[0], imgVariante_[1], imgVariante_[2]};
    for (QAbstractButton* item : rdgTeileAnzahlItems_->buttons())
        folge << item;
    folge << chkVorschau_ << FileListBox_ << chkPosZufall_ << chkSWBild_ << chkZuschnitt_ << btnSuchen_ << btnOK_
          << btnAbbruch_;
    for (qsizetype i = 1; i < folge.size(); ++i)
        setTabOrder(folge[i - 1], folge[i]);
}

void TfrmEinstellungen::SetzeTexte()
{
    const auto& text = texte_;
    namespace e = daten::text::einstellungen;
    setWindowTitle(text(e::Titel));
    gpbVariante_->setTitle(text(e::Variante));
    for (int v = 0; v < 3; ++v)
        imgVariante_[v]->setAccessibleName(text(daten::text::Variante1 + v));
    rdgTeileAnzahl_->setTitle(text(e::TeileAnzahl));
    static constexpr const char* anzahlen[] = {"9 ", "16 ", "25 ", "36 "};
    for (int i = 0; i < TeileSpalten; ++i)
        rdgTeileAnzahlItems_->button(i)->setText(QLatin1StringView(anzahlen[i]) + text(e::Teile));
    gpbMotiv_->setTitle(text(e::Motiv));
    FileListBox_->setAccessibleName(text(e::Motiv));
    chkSWBild_->setText(text(e::SchwarzWeiss));
    chkVorschau_->setText(text(e::OhneVorschau));
    chkPosZufall_->setText(text(e::FeldZufaellig));
    chkZuschnitt_->setText(text(daten::text::Mittelquadrat));
    btnSuchen_->setText(text(daten::text::BildSuchen));
    btnOK_->setText(text(e::OK));
    btnAbbruch_->setText(text(zurueckModus_ ? daten::text::Zurueck : e::Beenden));
    PasseSchriftAn();
}

// The controls have fixed sizes, and the desktop's font is often wider than the one they
// were made for: take the largest font, narrowed if need be, in which every caption fits.
void TfrmEinstellungen::PasseSchriftAn()
{
    const QList<QAbstractButton*> knoepfe = findChildren<QAbstractButton*>();
    // The texts are set again when the game starts, in the same words: nothing to measure.
    QStringList beschriftungen;
    for (const QAbstractButton* knopf : knoepfe)
        beschriftungen << knopf->text();
    if (std::exchange(angepassteBeschriftungen_, beschriftungen) == beschriftungen)
        return;
    const QFont grundschrift = QApplication::font(this);
    const int groesste = QFontInfo(grundschrift).pixelSize();
    auto passt = [&] {
        return std::ranges::all_of(knoepfe, [](const QAbstractButton* k) { return k->sizeHint().width() <= k->width(); });
    };
    [&] {
        for (int pixel = groesste; pixel >= KleinsteSchrift; --pixel)
            for (int breite : {int(QFont::Unstretched), int(QFont::SemiCondensed)}) {
                QFont schrift = grundschrift;
                schrift.setPixelSize(pixel);
                schrift.setStretch(breite);
                setFont(schrift);
                if (passt())
                    return;
            }
    }();
    GanzeZeilen(FileListBox_);  // the rows follow the font
}

} // namespace optionen
