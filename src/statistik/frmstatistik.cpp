#include "statistik/frmstatistik.h"

#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>

#include "daten/sicherung.h"
#include "fenster/meldungsbox.h"
#include "journal/csv.h"
#include "statistik/anzeige.h"
#include "statistik/spieleliste.h"
#include "statistik/verlaufsbild.h"

namespace statistik {

namespace tx = daten::text::statistik;

namespace {

void EchteDiensteEinsetzen(Statistikdienste& d)
{
    if (!d.Speicherort)
        d.Speicherort = [](QWidget* eltern, const QString& titel, const QString& vorschlag, const QString& filter) {
            return QFileDialog::getSaveFileName(eltern, titel, vorschlag, filter);
        };
    if (!d.Bestaetigung)
        d.Bestaetigung = [](QWidget* eltern, const QString& frage, const QString& ja, const QString& nein) {
            QMessageBox box(QMessageBox::Question, eltern->windowTitle(), frage, QMessageBox::NoButton, eltern);
            QPushButton* jaKnopf = box.addButton(ja, QMessageBox::DestructiveRole);
            box.setDefaultButton(box.addButton(nein, QMessageBox::RejectRole));
            box.exec();
            return box.clickedButton() == jaKnopf;
        };
    if (!d.Fehler)
        d.Fehler = [](QWidget* eltern, const QString& text) {
            fenster::BaueMeldungsbox(QMessageBox::Critical, text, eltern)->exec();
        };
}

int Gruppenwert(engine::Variante variante, int seite) { return int(variante) * 10 + seite; }

} // namespace

TfrmStatistik::TfrmStatistik(journal::Journal& journal, const daten::Texte& texte, const daten::Vorlieben& vorlieben,
                             QWidget* eltern, Statistikdienste dienste)
    : QDialog(eltern), journal_(journal), texte_(texte), vorlieben_(vorlieben), dienste_(std::move(dienste))
{
    EchteDiensteEinsetzen(dienste_);
    Bauen();
    TexteSetzen();
    SchriftSetzen();
    connect(cmbGruppe_, &QComboBox::currentIndexChanged, this, &TfrmStatistik::GruppeZeigen);
    connect(tblSpiele_, &QTableView::activated, this,
            [this](const QModelIndex& index) { emit spielGewaehlt(liste_->id(index.row())); });
    connect(btnAnsehen_, &QPushButton::clicked, this, [this] {
        const QModelIndex zeile = tblSpiele_->currentIndex();
        emit spielGewaehlt(liste_->id(zeile.isValid() ? zeile.row() : 0));  // else the newest
    });
    connect(btnCsv_, &QPushButton::clicked, this, &TfrmStatistik::CsvSpeichern);
    connect(btnLoeschen_, &QPushButton::clicked, this, &TfrmStatistik::Loeschen);
    connect(btnSchliessen_, &QPushButton::clicked, this, &QDialog::reject);
    connect(&texte_, &daten::Texte::spracheGeaendert, this, [this] {
        TexteSetzen();
        SchriftSetzen();
    });
    connect(&vorlieben_, &daten::Vorlieben::geaendert, this, [this](daten::Vorlieben::Schluessel schluessel) {
        if (schluessel == daten::Vorlieben::Schluessel::Groesse)
            SchriftSetzen();
    });
    // A game that ends while the window is open shows at once.
    connect(&journal_, &journal::Journal::geaendert, this, [this] {
        if (isVisible())
            Laden();
    });
}

TfrmStatistik::~TfrmStatistik() = default;

void TfrmStatistik::Zeigen()
{
    uebersicht_.reset();  // the board of the last game, not the one looked at before
    Laden();
    show();
    raise();
    activateWindow();
    (cmbGruppe_->isEnabled() ? static_cast<QWidget*>(cmbGruppe_) : btnSchliessen_)->setFocus();
}

// Shown once a day's puzzle has been played.
void TfrmStatistik::TageZeigen()
{
    lblTage_->setText(texte_(daten::text::codes::Tage).arg(tage_.tage).arg(tage_.serie));
    lblTage_->setVisible(tage_.tage > 0);
}

void TfrmStatistik::Laden()
{
    const int bisher = cmbGruppe_->currentData().toInt();
    auto uebersicht = std::make_shared<journal::Uebersicht>(journal_.Lesen());
    kennzahlen_ = journal::Auswerten(uebersicht->spiele);
    const QDate heute = QDateTime::currentDateTimeUtc().date();
    tage_ = journal::Tagesraetsel(uebersicht->spiele, std::int32_t(heute.toJulianDay() - QDate(1970, 1, 1).toJulianDay()));
    TageZeigen();
    const bool ersterBlick = !uebersicht_;
    uebersicht_ = std::move(uebersicht);
    int gewuenscht = bisher;
    if ((ersterBlick || !bisher) && !uebersicht_->spiele.empty())
        gewuenscht = Gruppenwert(uebersicht_->spiele.back().variante, uebersicht_->spiele.back().seite);
    GruppenFuellen(gewuenscht / 10, gewuenscht % 10);
}

void TfrmStatistik::GruppenFuellen(int variante, int seite)
{
    const QSignalBlocker still(cmbGruppe_);
    cmbGruppe_->clear();
    for (const journal::Kennzahlen& k : kennzahlen_)
        cmbGruppe_->addItem(Gruppenname(texte_, k.variante, k.seite), Gruppenwert(k.variante, k.seite));
    cmbGruppe_->setCurrentIndex(std::max(0, cmbGruppe_->findData(variante * 10 + seite)));
    cmbGruppe_->setEnabled(cmbGruppe_->count() > 0);
    btnAnsehen_->setEnabled(!kennzahlen_.empty());
    btnCsv_->setEnabled(!kennzahlen_.empty());
    btnLoeschen_->setEnabled(!kennzahlen_.empty());
    GruppeZeigen();
}

void TfrmStatistik::GruppeZeigen()
{
    const int index = cmbGruppe_->currentIndex();
    const journal::Kennzahlen* k = index >= 0 && std::size_t(index) < kennzahlen_.size() ? &kennzahlen_[std::size_t(index)] : nullptr;
    KennzahlenZeigen(k);
    verlauf_->Zeigen(k ? k->letzte : std::vector<journal::Kurzeintrag>{});
    if (k)
        liste_->Zeigen(uebersicht_, k->variante, k->seite);
    else
        liste_->Zeigen(nullptr, engine::Variante::Schieben, 0);
}

void TfrmStatistik::CsvSpeichern()
{
    const QString ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString vorschlag = QDir(QDir(ordner).exists() ? ordner : QDir::homePath()).filePath(texte_(tx::CsvVorschlag));
    const QString datei = dienste_.Speicherort(this, texte_(tx::CsvTitel), vorschlag, texte_(tx::CsvFilter));
    if (datei.isEmpty())
        return;
    const QByteArray csv = journal::AlsCsv(journal_.AlleLesen());
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(csv.constData());
    if (!daten::SpeichereDatei(QFile::encodeName(datei).toStdString(), {bytes, std::size_t(csv.size())}))
        dienste_.Fehler(this, texte_(tx::CsvFehler).arg(QDir::toNativeSeparators(datei)));
}

void TfrmStatistik::Loeschen()
{
    if (!dienste_.Bestaetigung(this, texte_(tx::LoeschenFrage), texte_(tx::LoeschenJa), texte_(tx::Abbrechen)))
        return;
    if (!journal_.Loeschen())
        dienste_.Fehler(this, texte_(tx::LoeschenFehler));
    Laden();
}

} // namespace statistik
