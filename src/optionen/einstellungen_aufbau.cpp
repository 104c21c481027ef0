// The controls of the settings dialog at their fixed places, and the order of the Tab key.
#include "optionen/bausteine.h"
#include "optionen/einstellungen.h"

#include "daten/sprache.h"
#include "daten/textkatalog.h"

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

namespace {

constexpr int BildAbstand = 120;  // the variant pictures stand 120 pixels apart
constexpr int TeileSpalten = 4;
constexpr int KleinsteSchrift = 9;  // pixels; below this a caption may rather be cut

template <class T>
T* Baue(QWidget* eltern, const char* name, int links, int oben, int breite, int hoehe)
{
    auto* w = new T(eltern);
    w->setObjectName(QLatin1StringView(name));
    w->setGeometry(links, oben, breite, hoehe);
    return w;
}

QIcon AbbruchGlyphe()
{
    QIcon glyphe;
    glyphe.addPixmap(QPixmap(QStringLiteral(":/kunst/glyphAbbruch.png")), QIcon::Normal);
    glyphe.addPixmap(QPixmap(QStringLiteral(":/kunst/glyphAbbruchAus.png")), QIcon::Disabled);
    return glyphe;
}

} // namespace

TKlickbild* TfrmEinstellungen::BaueVariantenbild(int nummer)
{
    const QByteArray name = "imgVariante" + QByteArray::number(nummer);
    auto* bild = Baue<TKlickbild>(gpbVariante, name.constData(), 23 + (nummer - 1) * BildAbstand, 24, 100, 100);
    bild->setPixmap(QPixmap(QStringLiteral(":/kunst/%1.png").arg(QLatin1StringView(name))));
    connect(bild, &TKlickbild::geklickt, this, &TfrmEinstellungen::imgVarianteClick);
    return bild;
}

void TfrmEinstellungen::BaueOberflaeche()
{
    setObjectName(QStringLiteral("frmEinstellungen"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(420, 430);
    QPalette farben = palette();
    farben.setColor(QPalette::Window, QColor(192, 192, 192));  // silver
    // The usual disabled grey would vanish on silver.
    for (QPalette::ColorRole rolle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        farben.setColor(QPalette::Disabled, rolle, QColor(128, 128, 128));
    setPalette(farben);
    setAutoFillBackground(true);

    BaueVariantenwahl();
    BaueTeileAnzahl();
    BaueMotivwahl();
    BaueKnoepfe();
    SetzeTabFolge();
    SetzeTexte();
    TextempfaengerAnmelden(this, [this] { SetzeTexte(); });
}

void TfrmEinstellungen::BaueVariantenwahl()
{
    gpbVariante = Baue<QGroupBox>(this, "gpbVariante", 17, 8, 385, 140);
    imgVariante1 = BaueVariantenbild(1);
    imgVariante2 = BaueVariantenbild(2);
    imgVariante3 = BaueVariantenbild(3);
    shpVariante = new TRahmen(QColor(255, 255, 0), 3, gpbVariante);
    shpVariante->setObjectName(QStringLiteral("shpVariante"));
    shpVariante->setGeometry(21, 22, 104, 104);
    shpVariante->raise();
}

void TfrmEinstellungen::BaueTeileAnzahl()
{
    rdgTeileAnzahl = Baue<QGroupBox>(this, "rdgTeileAnzahl", 17, 156, 385, 50);
    rdgTeileAnzahlItems = new QButtonGroup(this);
    const int spaltenbreite = (rdgTeileAnzahl->width() - 10) / TeileSpalten;
    for (int i = 0; i < TeileSpalten; ++i) {
        const QByteArray name = "rdgTeileAnzahlItem" + QByteArray::number(i);
        auto* knopf = Baue<QRadioButton>(rdgTeileAnzahl, name.constData(), 8 + i * spaltenbreite, 22,
                                         spaltenbreite - 4, 20);
        knopf->setFocusPolicy(Qt::ClickFocus);
        rdgTeileAnzahlItems->addButton(knopf, i);
    }
    // Tab enters the group on its checked item, as in every radio group, so a following Space
    // cannot change the size by accident; the arrow keys move within the group.
    connect(rdgTeileAnzahlItems, &QButtonGroup::buttonToggled, this,
            [](QAbstractButton* knopf, bool an) { knopf->setFocusPolicy(an ? Qt::StrongFocus : Qt::ClickFocus); });
}

void TfrmEinstellungen::BaueMotivwahl()
{
    gpbMotiv = Baue<QGroupBox>(this, "gpbMotiv", 17, 214, 385, 160);
    imgVorschau = Baue<QLabel>(gpbMotiv, "imgVorschau", 15, 24, 120, 120);
    imgVorschau->setScaledContents(true);
    FileListBox = Baue<QListWidget>(gpbMotiv, "FileListBox", 145, 23, 225, 56);
    FileListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    QPalette weiss = FileListBox->palette();
    weiss.setColor(QPalette::Base, Qt::white);
    FileListBox->setPalette(weiss);
    connect(FileListBox, &QListWidget::currentRowChanged, this, [this] { FileListBoxChange(); });
    chkSWBild = Baue<QCheckBox>(gpbMotiv, "chkSWBild", 145, 90, 227, 17);
    chkVorschau = Baue<QCheckBox>(gpbMotiv, "chkVorschau", 145, 110, 209, 17);
    chkPosZufall = Baue<QCheckBox>(gpbMotiv, "chkPosZufall", 145, 130, 209, 17);
}

void TfrmEinstellungen::BaueKnoepfe()
{
    btnOK = Baue<QPushButton>(this, "btnOK", 87, 389, 100, 28);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TfrmEinstellungen::btnOKClick);
    btnAbbruch = Baue<QPushButton>(this, "btnAbbruch", 213, 389, 120, 28);
    btnAbbruch->setIcon(AbbruchGlyphe());
    btnAbbruch->setIconSize(QSize(18, 18));
    connect(btnAbbruch, &QPushButton::clicked, this, &TfrmEinstellungen::btnAbbruchClick);
}

// Variant pictures take no focus; after the size items come the picture controls in the
// order chkVorschau, FileListBox, chkPosZufall, chkSWBild, then the two buttons.
void TfrmEinstellungen::SetzeTabFolge()
{
    QList<QWidget*> folge;
    for (QAbstractButton* item : rdgTeileAnzahlItems->buttons())
        folge << item;
    folge << chkVorschau << FileListBox << chkPosZufall << chkSWBild << btnOK << btnAbbruch;
    for (qsizetype i = 1; i < folge.size(); ++i)
        setTabOrder(folge[i - 1], folge[i]);
}

void TfrmEinstellungen::SetzeTexte()
{
    auto text = [](int id) { return LadeText(id, AktSprache); };
    setWindowTitle(text(300));
    gpbVariante->setTitle(text(301));
    rdgTeileAnzahl->setTitle(text(310));
    static constexpr const char* anzahlen[] = {"9 ", "16 ", "25 ", "36 "};
    for (int i = 0; i < TeileSpalten; ++i)
        rdgTeileAnzahlItems->button(i)->setText(QLatin1StringView(anzahlen[i]) + text(311));
    gpbMotiv->setTitle(text(320));
    chkSWBild->setText(text(321));
    chkVorschau->setText(text(322));
    chkPosZufall->setText(text(323));
    btnOK->setText(text(330));
    btnAbbruch->setText(zurueckModus_ ? MeldungsText(TxtZurueck, 332) : text(331));
    PasseSchriftAn();
}

// The controls have fixed sizes, and the desktop's font is often wider than the one they
// were made for: take the largest font, narrowed if need be, in which every caption fits.
void TfrmEinstellungen::PasseSchriftAn()
{
    const QFont grundschrift = QApplication::font(this);
    const int groesste = QFontInfo(grundschrift).pixelSize();
    const QList<QAbstractButton*> knoepfe = findChildren<QAbstractButton*>();
    auto passt = [&] {
        return std::ranges::all_of(knoepfe, [](const QAbstractButton* k) { return k->sizeHint().width() <= k->width(); });
    };
    for (int pixel = groesste; pixel >= KleinsteSchrift; --pixel) {
        for (int breite : {int(QFont::Unstretched), int(QFont::SemiCondensed)}) {
            QFont schrift = grundschrift;
            schrift.setPixelSize(pixel);
            schrift.setStretch(breite);
            setFont(schrift);
            if (passt())
                return;
        }
    }
}
