#pragma once

#include "engine/spielstand.h"

#include <QDialog>
#include <QString>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class TKlickbild;
class TRahmen;

// What the dialog needs of the world outside; tests put their own recorders here. An
// empty entry stands for the standard one.
struct Einstellungsdienste {
    std::function<void(QWidget* eltern, const QString& text)> Fehlermeldung;  // modal error box
    std::function<void()> Beenden;  // ends the program
};
Einstellungsdienste StandardEinstellungsdienste();

// The settings dialog: variant, board size, picture and three picture options. It reads the
// game state each time it is shown and writes it only on OK. Its second button ends the
// program until ZurueckModus() turns it into a plain way back to the game.
class TfrmEinstellungen : public QDialog {
    Q_OBJECT
public:
    // Result of the exit button: the program is ending, no game is started.
    static constexpr int Abbruch = 3;

    explicit TfrmEinstellungen(engine::Spielstand& spiel, QWidget* eltern = nullptr);
    TfrmEinstellungen(engine::Spielstand& spiel, Einstellungsdienste dienste, QWidget* eltern = nullptr);

    // From now on the second button reads "&Zurück zum Spiel" and only closes the dialog.
    void ZurueckModus();
    bool IstZurueckModus() const { return zurueckModus_; }

    // The controls, open to the main window and the tests like the fields of a form.
    QGroupBox* gpbVariante = nullptr;
    TKlickbild* imgVariante1 = nullptr;
    TKlickbild* imgVariante2 = nullptr;
    TKlickbild* imgVariante3 = nullptr;
    TRahmen* shpVariante = nullptr;
    QGroupBox* rdgTeileAnzahl = nullptr;
    QButtonGroup* rdgTeileAnzahlItems = nullptr;  // ids 0..3 = item index
    QGroupBox* gpbMotiv = nullptr;
    QLabel* imgVorschau = nullptr;
    QListWidget* FileListBox = nullptr;
    QCheckBox* chkSWBild = nullptr;
    QCheckBox* chkVorschau = nullptr;
    QCheckBox* chkPosZufall = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnAbbruch = nullptr;

protected:
    void showEvent(QShowEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    void BaueOberflaeche();
    void BaueVariantenwahl();
    void BaueTeileAnzahl();
    void BaueMotivwahl();
    void BaueKnoepfe();
    TKlickbild* BaueVariantenbild(int nummer);
    void SetzeTabFolge();
    void SetzeTexte();
    void PasseSchriftAn();

    void FormCreate();
    void FormShow();
    void FormActivate();
    void imgVarianteClick(QWidget* sender);
    void FileListBoxChange();
    void btnOKClick();
    void btnAbbruchClick();

    void SetzeRahmen(int links);
    int GewaehlteVariante() const;
    QString Bilderordner() const;
    QString MeldungsText(const QString& gespeichert, int id) const;

    engine::Spielstand& spiel_;
    Einstellungsdienste dienste_;
    bool zurueckModus_ = false;
    int anzeigeNummer_ = 0;  // lets a late activation tell that its showing is over
};
