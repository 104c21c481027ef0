#include "optionen/einstellungen.h"

#include "optionen/bausteine.h"
#include "optionen/fehlermeldung.h"

#include "daten/bilddatei.h"
#include "daten/programm.h"
#include "daten/sprache.h"
#include "daten/textkatalog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

namespace {

constexpr int RahmenOben = 22;
constexpr int RahmenErsteVariante = 21;  // the frame stands 2 pixels left of its picture
constexpr int BildAbstand = 120;
constexpr int VorschauKante = 120;

} // namespace

Einstellungsdienste StandardEinstellungsdienste()
{
    return {ZeigeFehlermeldung, BeendeProgramm};
}

TfrmEinstellungen::TfrmEinstellungen(engine::Spielstand& spiel, QWidget* eltern)
    : TfrmEinstellungen(spiel, StandardEinstellungsdienste(), eltern)
{
}

TfrmEinstellungen::TfrmEinstellungen(engine::Spielstand& spiel, Einstellungsdienste dienste, QWidget* eltern)
    : QDialog(eltern), spiel_(spiel), dienste_(std::move(dienste))
{
    const Einstellungsdienste standard = StandardEinstellungsdienste();
    if (!dienste_.Fehlermeldung)
        dienste_.Fehlermeldung = standard.Fehlermeldung;
    if (!dienste_.Beenden)
        dienste_.Beenden = standard.Beenden;
    BaueOberflaeche();
    FormCreate();
}

void TfrmEinstellungen::ZurueckModus()
{
    zurueckModus_ = true;
    SetzeTexte();
}

QString TfrmEinstellungen::Bilderordner() const
{
    return ProgPfad + QLatin1StringView("/images");
}

// The stored texts are empty until the main window first loads the language.
QString TfrmEinstellungen::MeldungsText(const QString& gespeichert, int id) const
{
    return gespeichert.isEmpty() ? LadeText(id, AktSprache) : gespeichert;
}

// The list is read once: pictures added to the folder later are seen at the next start.
void TfrmEinstellungen::FormCreate()
{
    const QDir ordner(Bilderordner(), QStringLiteral("*.bmp"), QDir::Name | QDir::IgnoreCase, QDir::Files);
    if (!ordner.exists())
        return;  // FormActivate reports it
    FileListBox->addItems(ordner.entryList());
    if (FileListBox->count() > 0)
        FileListBox->setCurrentRow(0);  // runs FileListBoxChange
}

void TfrmEinstellungen::showEvent(QShowEvent* ereignis)
{
    QDialog::showEvent(ereignis);
    if (ereignis->spontaneous())
        return;
    FormShow();
    // The checks come once per showing, after the dialog is on the screen.
    const int nummer = ++anzeigeNummer_;
    QTimer::singleShot(0, this, [this, nummer] {
        if (isVisible() && nummer == anzeigeNummer_)
            FormActivate();
    });
}

// chkPosZufall and the file selection keep what the player left them at.
void TfrmEinstellungen::FormShow()
{
    chkPosZufall->setEnabled(false);
    if (spiel_.Variante >= 1 && spiel_.Variante <= 3)
        SetzeRahmen(RahmenErsteVariante + (spiel_.Variante - 1) * BildAbstand);
    if (QAbstractButton* item = rdgTeileAnzahlItems->button(spiel_.Groesse - 3))
        item->setChecked(true);
    chkVorschau->setChecked(spiel_.Vorschau == 0);
    chkSWBild->setChecked(spiel_.SWBild != 0);
}

void TfrmEinstellungen::FormActivate()
{
    FileListBox->setFocus();
    if (!QDir(Bilderordner()).exists()) {
        dienste_.Fehlermeldung(this, MeldungsText(TxtPfadFehlt, 805));
        done(Abbruch);
        dienste_.Beenden();
        return;
    }
    if (FileListBox->count() == 0)
        dienste_.Fehlermeldung(this, MeldungsText(TxtKeineBilder, 806));
}

void TfrmEinstellungen::imgVarianteClick(QWidget* sender)
{
    SetzeRahmen(sender->x() - 2);
}

// The frame position is the variant choice; only the sliding variant has an empty field.
void TfrmEinstellungen::SetzeRahmen(int links)
{
    shpVariante->move(links, RahmenOben);
    chkPosZufall->setEnabled(links == RahmenErsteVariante);
}

int TfrmEinstellungen::GewaehlteVariante() const
{
    return (shpVariante->x() - RahmenErsteVariante) / BildAbstand + 1;
}

// After a failure the preview keeps its old picture and the selection stays on the file.
void TfrmEinstellungen::FileListBoxChange()
{
    const QListWidgetItem* eintrag = FileListBox->currentItem();
    if (!eintrag)
        return;
    const QString name = eintrag->text();
    QImage bild;
    switch (LadeBild(Bilderordner() + QLatin1Char('/') + name, bild)) {
    case Ladefehler::Keiner:
        imgVorschau->setPixmap(QPixmap::fromImage(
            bild.scaled(VorschauKante, VorschauKante, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
        break;
    case Ladefehler::NichtGefunden:
        dienste_.Fehlermeldung(this, MeldungsText(TxtDateiFehlt, 803) + name);
        break;
    case Ladefehler::KeinBild:
        dienste_.Fehlermeldung(this, MeldungsText(TxtGrafikFormat, 804));
        break;
    }
}

// The file goes over even when its preview failed: the game then uses its own picture.
void TfrmEinstellungen::btnOKClick()
{
    spiel_.Variante = uint8_t(GewaehlteVariante());
    if (const int item = rdgTeileAnzahlItems->checkedId(); item >= 0)
        spiel_.Groesse = uint8_t(item + 3);
    spiel_.Vorschau = chkVorschau->isChecked() ? 0 : 1;
    spiel_.PosZufall = chkPosZufall->isChecked() ? 1 : 0;
    spiel_.SWBild = chkSWBild->isChecked() ? 1 : 0;
    spiel_.Bilddatei.clear();
    if (const QListWidgetItem* eintrag = FileListBox->currentItem())
        spiel_.Bilddatei = (Bilderordner() + QLatin1Char('/') + eintrag->text()).toStdString();
    accept();
}

void TfrmEinstellungen::btnAbbruchClick()
{
    if (zurueckModus_) {
        reject();
        return;
    }
    done(Abbruch);
    dienste_.Beenden();
}

// Esc acts as the second button, in either mode; the close box only rejects.
void TfrmEinstellungen::keyPressEvent(QKeyEvent* ereignis)
{
    if (ereignis->matches(QKeySequence::Cancel)) {
        if (btnAbbruch->isEnabled())
            btnAbbruch->click();
        ereignis->accept();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}
