// The components of the high-score dialog, at the positions the art was drawn for.
#include "beste/frmbestenliste.h"

#include "beste/namenspruefer.h"
#include "beste/platzierung.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "fenster/farbschema.h"
#include "kunst.h"

namespace beste {

namespace {

// The rows of places 1..5 in the panel.
constexpr int ZeileLinks = 70;
constexpr int ZeileOben = 70;
constexpr int ZeilenAbstand = 34;
constexpr int ZeilenHoehe = 13;

QFont FetteSchrift(const QString& familie, int pixel)
{
    QFont schrift(familie);
    schrift.setPixelSize(pixel);
    schrift.setBold(true);
    return schrift;
}

void Faerbe(QWidget* teil, QPalette::ColorRole rolle, const QColor& farbe)
{
    QPalette farben = teil->palette();
    farben.setColor(rolle, farbe);
    teil->setPalette(farben);
}

QLabel* NeuesLabel(QWidget* eltern, const QString& name, const QFont& schrift)
{
    auto* label = new QLabel(eltern);
    label->setObjectName(name);
    // Player names are shown as typed, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setFont(schrift);
    return label;
}

QLabel* NeuesBild(QWidget* eltern, const QString& name, const QRect& platz)
{
    auto* bild = new QLabel(eltern);
    bild->setObjectName(name);
    bild->setGeometry(platz);
    return bild;
}

QPixmap Kunst(const char* name, bool dunkel = false)
{
    return QPixmap::fromImage(kunst::Bild(QLatin1StringView(name), dunkel));
}

} // namespace

// Condensed, so that "59:59" fits its 33-pixel column and the blanks of the
// column heads put "Züge" and "Zeit" over their columns.
QFont TfrmBestenListe::Zeilenschrift()
{
    return FetteSchrift(QStringLiteral("DejaVu Sans Condensed"), 11);
}

int TfrmBestenListe::ZeilenOben(int platz)
{
    return ZeileOben + ZeilenAbstand * (platz - 1);
}

void TfrmBestenListe::BaueFenster()
{
    setFixedSize(337, 307);
    setAutoFillBackground(true);
    imgSymbol_ = kunst::Bild(QStringLiteral("imgSymbol"));
    BauePanel();
    BaueZeilen();
    BaueKnoepfe();
    FarbenSetzen();
    fenster::BeiSchemawechsel(this, [this](fenster::Schema) { FarbenSetzen(); });
    ZugangEinrichten();
}

void TfrmBestenListe::FarbenSetzen()
{
    const fenster::Schema schema = fenster::AktuellesSchema();
    const fenster::Fensterfarben& farben = fenster::Farben(schema);
    const bool dunkel = schema == fenster::Schema::Dunkel;
    Faerbe(this, QPalette::Window, farben.dialog);
    QPalette tafel = pnlHintergrund_->palette();
    tafel.setColor(QPalette::Window, farben.tafel);
    tafel.setColor(QPalette::Light, farben.tafelRandHell);
    tafel.setColor(QPalette::Dark, farben.tafelRandDunkel);
    pnlHintergrund_->setPalette(tafel);
    for (QWidget* text : std::initializer_list<QWidget*>{lblTeileAnzahl_, lblPlatzierung_})
        Faerbe(text, QPalette::WindowText, farben.tafelText);
    Faerbe(lblUeberschrift_, QPalette::WindowText, farben.ueberschrift);
    imgUeberschrift_->setPixmap(Kunst("imgUeberschrift", dunkel));
    for (const TZeile& zeile : zeilen_)
        for (QLabel* feld : {zeile.Name, zeile.S, zeile.Z})
            Faerbe(feld, QPalette::WindowText, farben.namen);
    Faerbe(Eintrag_, QPalette::Base, farben.tafel);
    Faerbe(Eintrag_, QPalette::Text, farben.namen);
    QIcon glyph;
    glyph.addPixmap(Kunst("glyphLoeschen"), QIcon::Normal);
    glyph.addPixmap(Kunst("glyphLoeschenAus", dunkel), QIcon::Disabled);
    btnLoeschen_->setIcon(glyph);
}

void TfrmBestenListe::BauePanel()
{
    pnlHintergrund_ = new QFrame(this);
    pnlHintergrund_->setObjectName(QStringLiteral("pnlHintergrund"));
    pnlHintergrund_->setGeometry(9, 8, 320, 241);
    pnlHintergrund_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlHintergrund_->setLineWidth(1);
    pnlHintergrund_->setAutoFillBackground(true);

    imgForm_ = NeuesBild(pnlHintergrund_, QStringLiteral("imgForm"), QRect(11, 11, 40, 40));
    lblTeileAnzahl_ = NeuesLabel(pnlHintergrund_, QStringLiteral("lblTeileAnzahl"), Zeilenschrift());
    lblTeileAnzahl_->move(62, 13);
    imgUeberschrift_ = NeuesBild(pnlHintergrund_, QStringLiteral("imgUeberschrift"), QRect(62, 27, 250, 25));
    lblUeberschrift_ = NeuesLabel(pnlHintergrund_, QStringLiteral("lblUeberschrift"),
                                 FetteSchrift(QStringLiteral("DejaVu Sans Condensed"), 13));
    lblUeberschrift_->setGeometry(70, 31, 235, 16);

    tafel_ = new QWidget(pnlHintergrund_);
    tafel_->setObjectName(QStringLiteral("tafBeste"));
    tafel_->setGeometry(0, 0, pnlHintergrund_->width(), pnlHintergrund_->height());
    tafel_->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblPlatzierung_ = new TPlatzierung(tafel_);
    lblPlatzierung_->setObjectName(QStringLiteral("lblPlatzierung"));
    lblPlatzierung_->setFont(FetteSchrift(QStringLiteral("DejaVu Sans Mono"), 15));
    lblPlatzierung_->setGeometry(25, 69, 19, 154);
    lblPlatzierung_->setText(QStringLiteral("1.  2.  3.  4.  5."));
}

void TfrmBestenListe::BaueZeilen()
{
    const QFont schrift = Zeilenschrift();
    for (int i = 1; i <= PlatzAnzahl; ++i) {
        TZeile& zeile = zeilen_[static_cast<std::size_t>(i - 1)];
        zeile.Name = NeuesLabel(tafel_, QStringLiteral("Name%1").arg(i), schrift);
        zeile.Name->move(ZeileLinks, ZeilenOben(i));
        zeile.S = NeuesLabel(tafel_, QStringLiteral("S%1").arg(i), schrift);
        zeile.S->setGeometry(225, ZeilenOben(i), 30, ZeilenHoehe);
        zeile.S->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        zeile.Z = NeuesLabel(tafel_, QStringLiteral("Z%1").arg(i), schrift);
        zeile.Z->setGeometry(274, ZeilenOben(i), 33, ZeilenHoehe);
        zeile.Z->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    // The numbers stand on the baselines of the rows.
    const int grundlinie = ZeileOben - lblPlatzierung_->y() + QFontMetrics(schrift).ascent();
    lblPlatzierung_->SetzeZeilen(grundlinie, ZeilenAbstand);

    // Created last, so that it lies over the name it replaces.
    Eintrag_ = new QLineEdit(pnlHintergrund_);
    Eintrag_->setObjectName(QStringLiteral("Eintrag"));
    Eintrag_->setGeometry(ZeileLinks, ZeileOben, 137, ZeilenHoehe);
    Eintrag_->setFrame(false);
    // The line edit keeps a margin of its own: the typed name starts where the names do.
    Eintrag_->setTextMargins(-2, 0, 0, 0);
    Eintrag_->setFont(schrift);
    Eintrag_->setMaxLength(NamenLaenge);
    Eintrag_->setValidator(new TNamensPruefer(Eintrag_));
    Eintrag_->hide();
}

void TfrmBestenListe::BaueKnoepfe()
{
    btnOK_ = new QPushButton(this);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnOK_->setGeometry(58, 265, 100, 28);
    btnOK_->setDefault(true);
    connect(btnOK_, &QPushButton::clicked, this, &TfrmBestenListe::btnOKClick);

    btnLoeschen_ = new QPushButton(this);
    btnLoeschen_->setObjectName(QStringLiteral("btnLoeschen"));
    btnLoeschen_->setGeometry(178, 265, 100, 28);
    // Enter means OK wherever the focus is: it must never clear a list by accident.
    btnLoeschen_->setAutoDefault(false);
    btnLoeschen_->setIconSize(QSize(18, 18));
    connect(btnLoeschen_, &QPushButton::clicked, this, &TfrmBestenListe::btnLoeschenClick);
}

void TfrmBestenListe::TexteSetzen()
{
    if (!gebaut_)
        return;
    namespace b = daten::text::bestenliste;
    setWindowTitle(texte_(b::Titel));
    lblUeberschrift_->setText(texte_(b::Kopfzeile));
    btnLoeschen_->setText(texte_(b::Loeschen));
    btnOK_->setText(texte_(b::OK));
    // FormShow puts the board size into the first three characters.
    lblTeileAnzahl_->setText(QStringLiteral("    ") + texte_(b::Teile));
    lblTeileAnzahl_->adjustSize();
}

} // namespace beste
