#include "beste/frmbestenliste.h"

#include "beste/listenzugang.h"
#include "beste/rangfolge.h"
#include "fenster/meldungsbox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace beste {

namespace {

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

TfrmBestenListe::TfrmBestenListe(Bestenliste& bestenliste, const daten::Texte& texte, QWidget* eltern,
                                 Meldung meldung)
    : QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      bestenliste_(bestenliste), texte_(texte), meldung_(std::move(meldung))
{
    if (!meldung_)
        meldung_ = [this](QMessageBox::Icon art, const QString& text, QPoint ecke) {
            fenster::BaueMeldungsbox(art, text, ecke, fenster::Rahmenversatz(*this), this)->exec();
        };
    setObjectName(QStringLiteral("frmBestenListe"));
    // The widgets are built when the list is first wanted: most games end without it, and the
    // program starts faster and smaller.
    connect(&texte_, &daten::Texte::spracheGeaendert, this, &TfrmBestenListe::TexteSetzen);
}

void TfrmBestenListe::Vorbereiten(engine::Variante variante, int groesse, std::optional<Ergebnis> neu)
{
    Bauen();
    variante_ = variante;
    groesse_ = groesse;
    neu_ = neu;
}

void TfrmBestenListe::Zeige(engine::Variante variante, int groesse)
{
    Vorbereiten(variante, groesse);
    exec();
}

void TfrmBestenListe::NimmAuf(const Ergebnis& ergebnis)
{
    Vorbereiten(ergebnis.variante, ergebnis.groesse, ergebnis);
    exec();
    neu_.reset();
}

void TfrmBestenListe::Bauen()
{
    if (gebaut_)
        return;
    BaueFenster();
    gebaut_ = true;
    TexteSetzen();
}

// Before the dialog shows: widgets made in its show event would stay hidden.
void TfrmBestenListe::setVisible(bool sichtbar)
{
    if (sichtbar)
        Bauen();
    QDialog::setVisible(sichtbar);
}

void TfrmBestenListe::showEvent(QShowEvent* ereignis)
{
    QDialog::showEvent(ereignis);
    // A window restored by the system is no new showing.
    if (!ereignis->spontaneous())
        FormShow();
}

int TfrmBestenListe::AktuelleListe() const { return ListenIndex(variante_, groesse_); }

void TfrmBestenListe::FormShow()
{
    constexpr int seite = 40;
    imgForm_->setPixmap(QPixmap::fromImage(imgSymbol_.copy(seite * (int(variante_) - 1), 0, seite, seite)));
    const QString groesse = QString::number(groesse_);
    lblTeileAnzahl_->setText(groesse + QLatin1Char('x') + groesse + lblTeileAnzahl_->text().mid(3));
    lblTeileAnzahl_->adjustSize();
    if (!neu_)
        bestenliste_.Auffrischen();  // results another copy of the game saved meanwhile
    ShowListe();
    if (neu_)
        Neueintrag();
    else
        btnOK_->setFocus();
}

void TfrmBestenListe::ShowListe()
{
    Eintrag_->hide();
    const int d = AktuelleListe();
    const TListe& liste = bestenliste_.liste();
    for (int i = 1; i <= PlatzAnzahl; ++i) {
        const TZeile& zeile = zeilen_[static_cast<std::size_t>(i - 1)];
        zeile.Name->setText(SichtbarerName(bestenliste_.Name(d, i), zeile.Name->fontMetrics()));
        zeile.Name->adjustSize();
        ZeigeZahl(zeile.S, QString::number(liste.Zuege[d][i]), Zeilenschrift());
        ZeigeZahl(zeile.Z, ZeitText(liste.Zeiten[d][i]), Zeilenschrift());
    }
    ListeGeaendert(tafel_);
}

void TfrmBestenListe::Neueintrag()
{
    platz_ = bestenliste_.Eintragen(*neu_);
    ShowListe();
    Eintrag_->move(Eintrag_->x(), ZeilenOben(platz_));
    Eintrag_->clear();
    Eintrag_->setAccessibleName(texte_(daten::text::NameFuerPlatz).arg(platz_));
    Eintrag_->show();
    Eintrag_->setFocus();
}

void TfrmBestenListe::btnOKClick()
{
    // platz_ is 0 when no entry was opened in this showing: there is no place to name.
    if (neu_ && platz_ > 0) {
        bestenliste_.NameSetzen(AktuelleListe(), platz_, QStringView(Eintrag_->text()).left(NamenLaenge));
        SaveListe();
    }
    platz_ = 0;
    accept();
}

void TfrmBestenListe::btnLoeschenClick()
{
    Eintrag_->clear();
    bestenliste_.Loeschen(AktuelleListe());
    SaveListe();
    ShowListe();
}

void TfrmBestenListe::SaveListe()
{
    switch (bestenliste_.Speichern()) {
    case TSpeicherErgebnis::Gespeichert:
        break;
    case TSpeicherErgebnis::CD:
        meldung_(QMessageBox::Information, texte_(daten::text::CDRom), pos() + QPoint(15, 100));
        break;
    case TSpeicherErgebnis::Fehler:
        meldung_(QMessageBox::Critical, texte_(daten::text::SpeicherFehler), pos() + QPoint(20, 60));
        break;
    }
}

} // namespace beste
