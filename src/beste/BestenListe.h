#pragma once

#include "beste/Liste.h"

#include <QDialog>
#include <QImage>
#include <QMessageBox>
#include <QString>

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TPlatzierung;

namespace engine {
struct Spielstand;
}

// The dialog of the best results: shows the list of the current variant and
// board size, takes the name of a new result and clears a list. It has no
// cancel path: only OK (the button or Enter) closes it.
class TfrmBestenListe : public QDialog {
    Q_OBJECT
public:
    // Loads the table from ProgPfad + "/morvik.dat".
    explicit TfrmBestenListe(engine::Spielstand& spiel, QWidget* eltern = nullptr);

    // The whole table; the main window ranks a solved game against it and puts
    // the pending result into list 0 before it shows the dialog.
    TListe Liste;

    void FormShow();
    void ShowListe();
    void Neueintrag();
    void btnOKClick();
    void btnLoeschenClick();
    void SaveListe();

    // The place of the result being entered, 0 while there is none.
    int Platz() const { return platz; }

    // Neither Escape nor the window manager may close the dialog.
    void reject() override {}

protected:
    void showEvent(QShowEvent* ereignis) override;

    // Shows a message modally; tests replace it to see what would be shown.
    virtual void Melde(QMessageBox::Icon art, const QString& text, QPoint ecke);

private:
    struct TZeile {
        QLabel* Name;
        QLabel* S;
        QLabel* Z;
    };

    void BaueFenster();
    void BauePanel();
    void BaueZeilen();
    void BaueKnoepfe();
    void TexteSetzen();
    int AktuelleListe() const;
    static int ZeilenOben(int platz);
    static QFont Zeilenschrift();

    engine::Spielstand& spiel;
    int platz = 0;

    QFrame* pnlHintergrund = nullptr;
    QLabel* imgForm = nullptr;
    QLabel* lblTeileAnzahl = nullptr;
    QLabel* imgUeberschrift = nullptr;
    QLabel* lblUeberschrift = nullptr;
    TPlatzierung* lblPlatzierung = nullptr;
    std::array<TZeile, PlatzAnzahl> zeilen{};
    QLineEdit* Eintrag = nullptr;
    QImage imgSymbol;
    QPushButton* btnOK = nullptr;
    QPushButton* btnLoeschen = nullptr;
};
