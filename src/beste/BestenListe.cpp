#include "beste/BestenListe.h"

#include "beste/ListenDatei.h"
#include "daten/meldungsbox.h"
#include "beste/Namen.h"
#include "beste/Rangfolge.h"
#include "daten/programm.h"
#include "daten/sprache.h"
#include "engine/spielstand.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <filesystem>

namespace {

std::filesystem::path ListenPfad()
{
    return QFile::encodeName(ProgPfad + QLatin1Char('/') + QLatin1StringView(ListenDateiName)).toStdString();
}

// A hand-made file can hold control bytes in a name. Each shows as a sign on the name's
// one line: its control picture where the font has one, else the replacement character,
// which no typed name can hold.
QString SichtbarerName(QString name, const QFontMetrics& schrift)
{
    for (QChar& zeichen : name) {
        const char16_t code = zeichen.unicode();
        if (code >= 0x20 && code != 0x7F)
            continue;
        const QChar bild(code == 0x7F ? u'\u2421' : char16_t(0x2400 + code));
        zeichen = schrift.inFont(bild) ? bild : QChar(QChar::ReplacementCharacter);
    }
    return name;
}

// A hand-made file can hold numbers wider than their cell: the font shrinks until the
// number fits whole. What the program writes always fits at the full size.
void ZeigeZahl(QLabel* zelle, const QString& text, QFont schrift)
{
    constexpr int kleinstePixel = 6;
    while (QFontMetrics(schrift).horizontalAdvance(text) > zelle->contentsRect().width()
           && schrift.pixelSize() > kleinstePixel)
        schrift.setPixelSize(schrift.pixelSize() - 1);
    zelle->setFont(schrift);
    zelle->setText(text);
}

} // namespace

TfrmBestenListe::TfrmBestenListe(engine::Spielstand& spiel, QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , spiel(spiel)
{
    BaueFenster();
    TexteSetzen();
    TextempfaengerAnmelden(this, [this] { TexteSetzen(); });
    Liste = LadeListe(ListenPfad());
}

void TfrmBestenListe::showEvent(QShowEvent* ereignis)
{
    QDialog::showEvent(ereignis);
    // A window restored by the system is no new showing.
    if (!ereignis->spontaneous())
        FormShow();
}

int TfrmBestenListe::AktuelleListe() const
{
    return ListenIndex(spiel.Variante, spiel.Groesse);
}

void TfrmBestenListe::FormShow()
{
    constexpr int seite = 40;
    imgForm->setPixmap(QPixmap::fromImage(imgSymbol.copy(seite * (spiel.Variante - 1), 0, seite, seite)));
    const QString groesse = QString::number(spiel.Groesse);
    lblTeileAnzahl->setText(groesse + QLatin1Char('x') + groesse + lblTeileAnzahl->text().mid(3));
    lblTeileAnzahl->adjustSize();
    ShowListe();
    if (spiel.NeuerEintrag == 1)
        Neueintrag();
    else
        btnOK->setFocus();
}

void TfrmBestenListe::ShowListe()
{
    Eintrag->hide();
    const int d = AktuelleListe();
    for (int i = 1; i <= PlatzAnzahl; ++i) {
        const TZeile& zeile = zeilen[static_cast<std::size_t>(i - 1)];
        zeile.Name->setText(SichtbarerName(NameAlsText(Liste.Namen[d][i]), zeile.Name->fontMetrics()));
        zeile.Name->adjustSize();
        ZeigeZahl(zeile.S, QString::number(Liste.Zuege[d][i]), Zeilenschrift());
        ZeigeZahl(zeile.Z, ZeitText(Liste.Zeiten[d][i]), Zeilenschrift());
    }
}

void TfrmBestenListe::Neueintrag()
{
    platz = ::Neueintrag(Liste, AktuelleListe());
    ShowListe();
    Eintrag->move(Eintrag->x(), ZeilenOben(platz));
    Eintrag->clear();
    Eintrag->show();
    Eintrag->setFocus();
}

void TfrmBestenListe::btnOKClick()
{
    // platz is 0 when no entry was opened in this showing: there is no place to name.
    if (spiel.NeuerEintrag == 1 && platz > 0) {
        NameSetzen(Liste, AktuelleListe(), platz, QStringView(Eintrag->text()).left(NamenLaenge));
        SaveListe();
    }
    platz = 0;
    accept();
}

void TfrmBestenListe::btnLoeschenClick()
{
    Eintrag->clear();
    ListeLoeschen(Liste, AktuelleListe());
    SaveListe();
    ShowListe();
}

void TfrmBestenListe::SaveListe()
{
    switch (SpeichereListe(Liste, ListenPfad(), VonCD != 0)) {
    case TSpeicherErgebnis::Gespeichert:
        break;
    case TSpeicherErgebnis::CD:
        Melde(QMessageBox::Information, TxtCDRom, pos() + QPoint(15, 100));
        break;
    case TSpeicherErgebnis::Fehler:
        Melde(QMessageBox::Critical, TxtSpeicherFehler, pos() + QPoint(20, 60));
        break;
    }
}

void TfrmBestenListe::Melde(QMessageBox::Icon art, const QString& text, QPoint ecke)
{
    const auto box = BaueMeldungsbox(art, text, ecke, Rahmenversatz(*this), this);
    box->exec();
}
