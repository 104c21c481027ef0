// The components of the high-score dialog, at the positions the art was drawn for.
#include "beste/frmbestenliste.h"

#include "beste/namenspruefer.h"
#include "beste/platzierung.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace beste {

namespace {

const QColor Silber(192, 192, 192);
const QColor Gelb(255, 255, 0);
const QColor Kastanienbraun(128, 0, 0);

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

QLabel* NeuesLabel(QWidget* eltern, const QString& name, const QFont& schrift, const QColor& farbe)
{
    auto* label = new QLabel(eltern);
    label->setObjectName(name);
    // Player names are shown as typed, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setFont(schrift);
    Faerbe(label, QPalette::WindowText, farbe);
    return label;
}

QLabel* NeuesBild(QWidget* eltern, const QString& name, const QRect& platz)
{
    auto* bild = new QLabel(eltern);
    bild->setObjectName(name);
    bild->setGeometry(platz);
    return bild;
}

QPixmap Kunst(const char* name)
{
    return QPixmap(QStringLiteral(":/kunst/%1.png").arg(QLatin1StringView(name)));
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
    setObjectName(QStringLiteral("frmBestenListe"));
    setFixedSize(337, 307);
    Faerbe(this, QPalette::Window, Silber);
    setAutoFillBackground(true);
    imgSymbol = QImage(QStringLiteral(":/kunst/imgSymbol.png"));
    BauePanel();
    BaueZeilen();
    BaueKnoepfe();
}

void TfrmBestenListe::BauePanel()
{
    pnlHintergrund = new QFrame(this);
    pnlHintergrund->setObjectName(QStringLiteral("pnlHintergrund"));
    pnlHintergrund->setGeometry(9, 8, 320, 241);
    pnlHintergrund->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlHintergrund->setLineWidth(1);
    QPalette farben = pnlHintergrund->palette();
    farben.setColor(QPalette::Window, Qt::black);
    farben.setColor(QPalette::Light, Qt::white);
    farben.setColor(QPalette::Dark, QColor(128, 128, 128));
    pnlHintergrund->setPalette(farben);
    pnlHintergrund->setAutoFillBackground(true);

    imgForm = NeuesBild(pnlHintergrund, QStringLiteral("imgForm"), QRect(11, 11, 40, 40));
    lblTeileAnzahl = NeuesLabel(pnlHintergrund, QStringLiteral("lblTeileAnzahl"), Zeilenschrift(), Qt::white);
    lblTeileAnzahl->move(62, 13);
    imgUeberschrift = NeuesBild(pnlHintergrund, QStringLiteral("imgUeberschrift"), QRect(62, 27, 250, 25));
    imgUeberschrift->setPixmap(Kunst("imgUeberschrift"));
    lblUeberschrift = NeuesLabel(pnlHintergrund, QStringLiteral("lblUeberschrift"),
                                 FetteSchrift(QStringLiteral("DejaVu Sans Condensed"), 13), Kastanienbraun);
    lblUeberschrift->setGeometry(70, 31, 235, 16);

    lblPlatzierung = new TPlatzierung(pnlHintergrund);
    lblPlatzierung->setObjectName(QStringLiteral("lblPlatzierung"));
    lblPlatzierung->setFont(FetteSchrift(QStringLiteral("DejaVu Sans Mono"), 15));
    Faerbe(lblPlatzierung, QPalette::WindowText, Qt::white);
    lblPlatzierung->setGeometry(25, 69, 19, 154);
    lblPlatzierung->setText(QStringLiteral("1.  2.  3.  4.  5."));
}

void TfrmBestenListe::BaueZeilen()
{
    const QFont schrift = Zeilenschrift();
    for (int i = 1; i <= PlatzAnzahl; ++i) {
        TZeile& zeile = zeilen[static_cast<std::size_t>(i - 1)];
        zeile.Name = NeuesLabel(pnlHintergrund, QStringLiteral("Name%1").arg(i), schrift, Gelb);
        zeile.Name->move(ZeileLinks, ZeilenOben(i));
        zeile.S = NeuesLabel(pnlHintergrund, QStringLiteral("S%1").arg(i), schrift, Gelb);
        zeile.S->setGeometry(225, ZeilenOben(i), 30, ZeilenHoehe);
        zeile.S->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        zeile.Z = NeuesLabel(pnlHintergrund, QStringLiteral("Z%1").arg(i), schrift, Gelb);
        zeile.Z->setGeometry(274, ZeilenOben(i), 33, ZeilenHoehe);
        zeile.Z->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    // The numbers stand on the baselines of the rows.
    const int grundlinie = ZeileOben - lblPlatzierung->y() + QFontMetrics(schrift).ascent();
    lblPlatzierung->SetzeZeilen(grundlinie, ZeilenAbstand);

    // Created last, so that it lies over the name it replaces.
    Eintrag = new QLineEdit(pnlHintergrund);
    Eintrag->setObjectName(QStringLiteral("Eintrag"));
    Eintrag->setGeometry(ZeileLinks, ZeileOben, 137, ZeilenHoehe);
    Eintrag->setFrame(false);
    // The line edit keeps a margin of its own: the typed name starts where the names do.
    Eintrag->setTextMargins(-2, 0, 0, 0);
    Eintrag->setFont(schrift);
    Eintrag->setMaxLength(NamenLaenge);
    Eintrag->setValidator(new TNamensPruefer(Eintrag));
    Faerbe(Eintrag, QPalette::Base, Qt::black);
    Faerbe(Eintrag, QPalette::Text, Gelb);
    Eintrag->hide();
}

void TfrmBestenListe::BaueKnoepfe()
{
    btnOK = new QPushButton(this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(58, 265, 100, 28);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TfrmBestenListe::btnOKClick);

    btnLoeschen = new QPushButton(this);
    btnLoeschen->setObjectName(QStringLiteral("btnLoeschen"));
    btnLoeschen->setGeometry(178, 265, 100, 28);
    // Enter means OK wherever the focus is: it must never clear a list by accident.
    btnLoeschen->setAutoDefault(false);
    QIcon glyph;
    glyph.addPixmap(Kunst("glyphLoeschen"), QIcon::Normal);
    glyph.addPixmap(Kunst("glyphLoeschenAus"), QIcon::Disabled);
    btnLoeschen->setIcon(glyph);
    btnLoeschen->setIconSize(QSize(18, 18));
    connect(btnLoeschen, &QPushButton::clicked, this, &TfrmBestenListe::btnLoeschenClick);
}

void TfrmBestenListe::TexteSetzen()
{
    setWindowTitle(texte_(200));
    lblUeberschrift->setText(texte_(201));
    btnLoeschen->setText(texte_(202));
    btnOK->setText(texte_(203));
    // FormShow puts the board size into the first three characters.
    lblTeileAnzahl->setText(QStringLiteral("    ") + texte_(204));
    lblTeileAnzahl->adjustSize();
}

} // namespace beste
