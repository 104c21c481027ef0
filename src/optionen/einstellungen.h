#pragma once

#include "daten/bilddienst.h"
#include "daten/texte.h"
#include "daten/umgebung.h"
#include "daten/vorlieben.h"
#include "sitzung/einstellungen.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QDropEvent;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

namespace optionen {

class TKlickbild;
class TRahmen;

// What the dialog needs of the world outside; tests put their own recorders here. An
// empty entry stands for the standard one.
struct Einstellungsdienste {
    std::function<void(QWidget* eltern, const QString& text)> Fehlermeldung;  // modal error box
    std::function<void()> Beenden;  // ends the program
};
Einstellungsdienste StandardEinstellungsdienste();

// Takes the drag or drop of local picture files (daten::AbgelegteBilder) as a copy and returns
// the files; anything else is refused and gives nothing.
QStringList BilderAnnehmen(QDropEvent* ereignis);

// The settings dialog: variant, board size, picture and four picture options, and a way to pick
// a picture from anywhere. Settings go in before it is shown and come out when it closed with
// OK; the crop choice goes to the picture service and the player's preferences. Its second button ends
// the program until ZurueckModus() turns it into a plain way back to the game. The preview
// comes from the picture service when it is decoded; the window never waits for it.
class TfrmEinstellungen : public QDialog {
    Q_OBJECT
public:
    // Result of the exit button: the program is ending, no game is started.
    static constexpr int Abbruch = 3;

    TfrmEinstellungen(const daten::Umgebung& umgebung, const daten::Texte& texte, daten::Vorlieben& vorlieben,
                      daten::Bilddienst& bilder, Einstellungsdienste dienste = {}, QWidget* eltern = nullptr);

    // The settings the next showing starts from. The empty-field option and the picture keep
    // what the player left them at.
    void Vorlegen(const sitzung::Einstellungen& einstellungen);
    // What the controls say now: the settings OK hands over.
    sitzung::Einstellungen Gewaehlt() const;

    // From now on the second button reads "&Zurück zum Spiel" and only closes the dialog.
    void ZurueckModus();
    bool IstZurueckModus() const { return zurueckModus_; }

    // Copies picture files among the player's own pictures, lists them and selects and previews
    // the last one that came; failures are reported. While the dialog is hidden the files wait
    // for its next showing.
    void BilderAufnehmen(const QStringList& dateien);

    // Whether the preview of the selected picture is still to come.
    bool VorschauKommt() const;

protected:
    void showEvent(QShowEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void dragEnterEvent(QDragEnterEvent* ereignis) override;
    void dropEvent(QDropEvent* ereignis) override;

private:
    void BaueOberflaeche();
    void BaueVariantenwahl();
    void BaueTeileAnzahl();
    void BaueMotivwahl();
    void BaueKnoepfe();
    // The silver and the art of the scheme in force (graphite and the dark set in dark).
    void FarbenSetzen();
    TKlickbild* BaueVariantenbild(int nummer);
    void SetzeTabFolge();
    void SetzeTexte();
    void PasseSchriftAn();

    void FormCreate();
    void FormShow();
    void FormActivate();
    void imgVarianteClick(QWidget* sender);
    void imgVarianteSchritt(QWidget* sender, int richtung);
    void FileListBoxChange();
    void btnOKClick();
    void btnSuchenClick();
    void BildGeladen(const daten::Geladen& geladen);
    void VorschauZeichnen();
    void btnAbbruchClick();

    void SetzeVariante(engine::Variante variante);
    QString Bilderordner() const;
    void AbgelegteUebernehmen();
    QListWidgetItem* Eintrag(const QString& datei) const;
    QListWidgetItem* Eintragen(const QString& pfad);
    QString GewaehlteDatei() const;

    const daten::Umgebung& umgebung_;
    const daten::Texte& texte_;
    daten::Vorlieben& vorlieben_;
    daten::Bilddienst& bilder_;
    Einstellungsdienste dienste_;
    sitzung::Einstellungen vorlage_;
    engine::Variante variante_ = engine::Variante::Schieben;
    bool zurueckModus_ = false;
    QStringList angepassteBeschriftungen_;  // the captions the font was last fitted to
    int anzeigeNummer_ = 0;  // lets a late activation tell that its showing is over
    QStringList abgelegt_;   // dropped files waiting for the dialog to show
    daten::Geladen vorschau_;  // the selected picture as decoded, once it came
    QString gemeldet_;         // the selected file last reported, as a picture or a failure
    QString suchordner_;       // where the chooser opens

    QGroupBox* gpbVariante_ = nullptr;
    TKlickbild* imgVariante_[3] = {};
    TRahmen* shpVariante_ = nullptr;
    QGroupBox* rdgTeileAnzahl_ = nullptr;
    QButtonGroup* rdgTeileAnzahlItems_ = nullptr;  // ids 0..3 = item index
    QGroupBox* gpbMotiv_ = nullptr;
    QLabel* imgVorschau_ = nullptr;
    QListWidget* FileListBox_ = nullptr;
    QCheckBox* chkSWBild_ = nullptr;
    QCheckBox* chkVorschau_ = nullptr;
    QCheckBox* chkPosZufall_ = nullptr;
    QCheckBox* chkZuschnitt_ = nullptr;
    QPushButton* btnSuchen_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnAbbruch_ = nullptr;
};

} // namespace optionen
