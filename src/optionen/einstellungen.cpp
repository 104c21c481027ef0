#include "optionen/einstellungen.h"

#include "optionen/bausteine.h"
#include "optionen/bildsuche.h"
#include "optionen/fehlermeldung.h"

#include "daten/bilddatei.h"
#include "daten/bilduebernahme.h"
#include "daten/inidatei.h"
#include "daten/vorlieben.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <utility>
#include <vector>

namespace optionen {

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

// A move offered by the source is made a copy: the dropped file stays where it was.
QStringList BilderAnnehmen(QDropEvent* ereignis)
{
    const QMimeData* daten = ereignis->mimeData();
    const QStringList dateien = daten && (ereignis->possibleActions() & Qt::CopyAction)
                                    ? daten::AbgelegteBilder(daten->urls())
                                    : QStringList();
    if (dateien.isEmpty()) {
        ereignis->ignore();
        return {};
    }
    ereignis->setDropAction(Qt::CopyAction);
    ereignis->accept();
    return dateien;
}

TfrmEinstellungen::TfrmEinstellungen(const daten::Umgebung& umgebung, const daten::Texte& texte,
                                     daten::Vorlieben& vorlieben, daten::Bilddienst& bilder,
                                     Einstellungsdienste dienste, QWidget* eltern)
    : QDialog(eltern), umgebung_(umgebung), texte_(texte), vorlieben_(vorlieben), bilder_(bilder),
      dienste_(std::move(dienste))
{
    connect(&bilder_, &daten::Bilddienst::geladen, this, &TfrmEinstellungen::BildGeladen);
    setAcceptDrops(true);
    const Einstellungsdienste standard = StandardEinstellungsdienste();
    if (!dienste_.Fehlermeldung)
        dienste_.Fehlermeldung = standard.Fehlermeldung;
    if (!dienste_.Beenden)
        dienste_.Beenden = standard.Beenden;
    BaueOberflaeche();
    FormCreate();
}

void TfrmEinstellungen::Vorlegen(const sitzung::Einstellungen& einstellungen) { vorlage_ = einstellungen; }

// The file goes over even when its preview failed: the game then uses its own picture.
sitzung::Einstellungen TfrmEinstellungen::Gewaehlt() const
{
    sitzung::Einstellungen gewaehlt = vorlage_;
    gewaehlt.variante = variante_;
    if (const int item = rdgTeileAnzahlItems_->checkedId(); item >= 0)
        gewaehlt.groesse = item + 3;
    gewaehlt.vorschau = !chkVorschau_->isChecked();
    gewaehlt.posZufall = chkPosZufall_->isChecked();
    gewaehlt.swBild = chkSWBild_->isChecked();
    gewaehlt.bilddatei = GewaehlteDatei();
    return gewaehlt;
}

QString TfrmEinstellungen::GewaehlteDatei() const
{
    const QListWidgetItem* eintrag = FileListBox_->currentItem();
    return eintrag ? eintrag->data(Qt::UserRole).toString() : QString();
}

bool TfrmEinstellungen::VorschauKommt() const
{
    return !GewaehlteDatei().isEmpty() && vorschau_.pfad != GewaehlteDatei() && bilder_.beschaeftigt();
}

void TfrmEinstellungen::ZurueckModus()
{
    zurueckModus_ = true;
    SetzeTexte();
}

QString TfrmEinstellungen::Bilderordner() const { return umgebung_.bilderordner(); }

// The list is read once: pictures added to the folders later are seen at the next start, but
// for those dropped on a window. An installed game lists the shipped pictures and the player's
// own together, sorted by name, and a folder that is both only once.
void TfrmEinstellungen::FormCreate()
{
    bilder_.ZuschnittSetzen(vorlieben_.zuschnitt());
    std::vector<std::pair<QString, QString>> bilder;  // name, path
    QStringList ordner{Bilderordner()};  // a missing folder: FormActivate reports it
    if (umgebung_.eigeneBilderGetrennt())
        ordner << umgebung_.eigeneBilder();
    for (const QString& o : ordner)
        for (const QString& name : daten::Bilddateien(o))
            bilder.emplace_back(name, o + QLatin1Char('/') + name);
    std::stable_sort(bilder.begin(), bilder.end(), [](const auto& a, const auto& b) {
        return a.first.compare(b.first, Qt::CaseInsensitive) < 0;
    });
    for (const auto& [name, pfad] : bilder) {
        auto* eintrag = new QListWidgetItem(name, FileListBox_);
        eintrag->setData(Qt::UserRole, pfad);
    }
    // Its preview is asked for once the dialog is on the screen: a photo's decode, even off the
    // window's thread, slows the start on a busy machine.
    const QSignalBlocker still(FileListBox_);
    if (FileListBox_->count() > 0)
        FileListBox_->setCurrentRow(0);
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
    SetzeVariante(vorlage_.variante);
    if (QAbstractButton* item = rdgTeileAnzahlItems_->button(vorlage_.groesse - 3))
        item->setChecked(true);
    chkVorschau_->setChecked(!vorlage_.vorschau);
    chkSWBild_->setChecked(vorlage_.swBild);
    chkZuschnitt_->setChecked(bilder_.zuschnitt() == daten::Zuschnitt::Mitte);
}

void TfrmEinstellungen::FormActivate()
{
    FileListBox_->setFocus();
    // The first showing's preview; or the board grew since its decode (another screen, a larger
    // zoom): the service decodes the picture anew for it while the dialog is looked at, or finds
    // it whole. A file already reported as broken is not reported again.
    const QString datei = GewaehlteDatei();
    const QSize gelesen = vorschau_.bild.size();
    if (vorschau_.pfad == datei ? std::min(gelesen.width(), gelesen.height()) < bilder_.brettkante() : gemeldet_ != datei)
        FileListBoxChange();
    if (!QDir(Bilderordner()).exists()) {
        dienste_.Fehlermeldung(this, texte_(daten::text::PfadFehlt));
        done(Abbruch);
        dienste_.Beenden();
        return;
    }
    AbgelegteUebernehmen();
    if (FileListBox_->count() == 0)
        dienste_.Fehlermeldung(this, texte_(daten::text::KeineBilder));
}

void TfrmEinstellungen::BilderAufnehmen(const QStringList& dateien)
{
    abgelegt_ << dateien;
    if (isVisible())
        AbgelegteUebernehmen();
}

void TfrmEinstellungen::AbgelegteUebernehmen()
{
    QListWidgetItem* neu = nullptr;
    for (const QString& datei : std::exchange(abgelegt_, {})) {
        if (QListWidgetItem* gelistet = Eintrag(datei)) {  // a shipped picture, or one taken before
            neu = gelistet;
            continue;
        }
        const daten::Uebernahme uebernahme = daten::BildUebernehmen(datei, umgebung_.eigeneBilder());
        switch (uebernahme.fehler) {
        case daten::Uebernahmefehler::Keiner: neu = Eintragen(uebernahme.pfad); break;
        case daten::Uebernahmefehler::NichtGefunden:
            dienste_.Fehlermeldung(this, texte_(daten::text::DateiFehlt) + QFileInfo(datei).fileName());
            break;
        case daten::Uebernahmefehler::KeinBild:
            dienste_.Fehlermeldung(this, Ladefehlertext(texte_, uebernahme.ladefehler, QFileInfo(datei).fileName()));
            break;
        case daten::Uebernahmefehler::Schreibfehler:
            dienste_.Fehlermeldung(this, texte_(daten::text::KopierFehler) + QDir::toNativeSeparators(umgebung_.eigeneBilder()));
            break;
        }
    }
    if (neu)
        FileListBox_->setCurrentItem(neu);  // runs FileListBoxChange
}

// The entry that shows this very file, by its real path.
QListWidgetItem* TfrmEinstellungen::Eintrag(const QString& datei) const
{
    const QString gesucht = QFileInfo(datei).canonicalFilePath();
    for (int zeile = 0; !gesucht.isEmpty() && zeile < FileListBox_->count(); ++zeile) {
        QListWidgetItem* eintrag = FileListBox_->item(zeile);
        if (QFileInfo(eintrag->data(Qt::UserRole).toString()).canonicalFilePath() == gesucht)
            return eintrag;
    }
    return nullptr;
}

// A new entry where the sorted list wants it.
QListWidgetItem* TfrmEinstellungen::Eintragen(const QString& pfad)
{
    if (QListWidgetItem* da = Eintrag(pfad))
        return da;
    const QString name = QFileInfo(pfad).fileName();
    int zeile = 0;
    while (zeile < FileListBox_->count() && FileListBox_->item(zeile)->text().compare(name, Qt::CaseInsensitive) <= 0)
        ++zeile;
    auto* eintrag = new QListWidgetItem(name);
    eintrag->setData(Qt::UserRole, pfad);
    FileListBox_->insertItem(zeile, eintrag);
    return eintrag;
}

void TfrmEinstellungen::dragEnterEvent(QDragEnterEvent* ereignis) { BilderAnnehmen(ereignis); }

// Taken after the drop has ended: the source is not kept waiting while a message box is open.
void TfrmEinstellungen::dropEvent(QDropEvent* ereignis)
{
    const QStringList dateien = BilderAnnehmen(ereignis);
    if (!dateien.isEmpty())
        QTimer::singleShot(0, this, [this, dateien] { BilderAufnehmen(dateien); });
}

void TfrmEinstellungen::imgVarianteClick(QWidget* sender)
{
    for (int v = 0; v < 3; ++v)
        if (sender == imgVariante_[v])
            SetzeVariante(engine::Variante(v + 1));
}

// The arrow keys step through the variants, as through radio buttons, and take the focus along.
void TfrmEinstellungen::imgVarianteSchritt(QWidget* sender, int richtung)
{
    for (int v = 0; v < 3; ++v)
        if (sender == imgVariante_[v]) {
            const int neu = (v + richtung + 3) % 3;
            SetzeVariante(engine::Variante(neu + 1));
            imgVariante_[neu]->setFocus(Qt::TabFocusReason);
        }
}

// The frame marks the choice; only the sliding variant has an empty field.
void TfrmEinstellungen::SetzeVariante(engine::Variante variante)
{
    variante_ = variante;
    for (int v = 0; v < 3; ++v)
        imgVariante_[v]->SetzeGewaehlt(v + 1 == int(variante));
    shpVariante_->move(RahmenErsteVariante + (int(variante) - 1) * BildAbstand, RahmenOben);
    chkPosZufall_->setEnabled(variante == engine::Variante::Schieben);
}

// The preview comes when the picture service has decoded the file.
void TfrmEinstellungen::FileListBoxChange()
{
    if (const QString datei = GewaehlteDatei(); !datei.isEmpty())
        bilder_.Bestellen(datei);
}

// A picture for a file no longer selected is dropped. After a failure the preview keeps its old
// picture and the selection stays on the file.
void TfrmEinstellungen::BildGeladen(const daten::Geladen& geladen)
{
    const QListWidgetItem* eintrag = FileListBox_->currentItem();
    if (!eintrag || geladen.pfad != eintrag->data(Qt::UserRole).toString())
        return;
    gemeldet_ = geladen.pfad;
    if (geladen.fehler != daten::Ladefehler::Keiner) {
        dienste_.Fehlermeldung(this, Ladefehlertext(texte_, geladen.fehler, eintrag->text()));
        return;
    }
    vorschau_ = geladen;
    VorschauZeichnen();
}

// What the board will show, at the screen's resolution.
void TfrmEinstellungen::VorschauZeichnen()
{
    if (vorschau_.bild.isNull())
        return;
    const double verhaeltnis = devicePixelRatioF();
    const auto zuschnitt = chkZuschnitt_->isChecked() ? daten::Zuschnitt::Mitte : daten::Zuschnitt::Strecken;
    QPixmap vorschau = QPixmap::fromImage(daten::Quadrat(vorschau_.bild, qRound(VorschauKante * verhaeltnis), zuschnitt));
    vorschau.setDevicePixelRatio(verhaeltnis);
    imgVorschau_->setPixmap(vorschau);
}

// The crop choice is the player's lasting choice, stored beside the language; the picture
// service uses it from the next game on.
void TfrmEinstellungen::btnOKClick()
{
    const auto zuschnitt = chkZuschnitt_->isChecked() ? daten::Zuschnitt::Mitte : daten::Zuschnitt::Strecken;
    if (zuschnitt != bilder_.zuschnitt()) {
        bilder_.ZuschnittSetzen(zuschnitt);
        try {
            vorlieben_.ZuschnittSetzen(zuschnitt);
        } catch (const daten::Schreibfehler& fehler) {
            dienste_.Fehlermeldung(this, fehler.text());
        }
    }
    accept();
}

// The chosen picture joins the own pictures as a dropped one does.
void TfrmEinstellungen::btnSuchenClick()
{
    if (suchordner_.isEmpty())
        suchordner_ = vorlieben_.suchordner();  // empty the first time: the Pictures folder
    const QString datei = BildSuchen(this, texte_, bilder_, suchordner_);
    if (!datei.isEmpty()) {
        try {
            vorlieben_.SuchordnerSetzen(suchordner_);
        } catch (const daten::Schreibfehler&) {
            // kept for this run; the picture itself says so if it cannot be taken either
        }
        BilderAufnehmen({datei});
    }
    if (vorschau_.pfad != GewaehlteDatei())
        FileListBoxChange();  // the chooser's previews may have taken the place of the list's
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
        if (btnAbbruch_->isEnabled())
            btnAbbruch_->click();
        ereignis->accept();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}

} // namespace optionen
