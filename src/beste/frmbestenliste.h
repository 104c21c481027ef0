#pragma once

#include "beste/bestenliste.h"
#include "daten/texte.h"

#include <QDialog>
#include <QImage>
#include <QMessageBox>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace beste {

class TPlatzierung;

// Shows a message box with its top-left corner at a screen point; tests record instead.
using Meldung = std::function<void(QMessageBox::Icon art, const QString& text, QPoint ecke)>;

// The dialog of the best results: shows the list of a variant and board size, takes the name
// of a new result and clears a list, all through the high-score service. It has no cancel
// path: only OK (the button or Enter) closes it.
class TfrmBestenListe : public QDialog {
    Q_OBJECT
public:
    TfrmBestenListe(Bestenliste& bestenliste, const daten::Texte& texte, QWidget* eltern = nullptr,
                    Meldung meldung = {});

    // Shows the list of that board modally, only to look.
    void Zeige(engine::Variante variante, int groesse);
    bool KommtInListe(const Ergebnis& ergebnis) { return bestenliste_.KommtInListe(ergebnis); }
    // A result that enters the list: placed, its name asked for, stored with OK and saved.
    void NimmAuf(const Ergebnis& ergebnis);
    // What the next showing shows: the board's list, and the result to enter if any.
    void Vorbereiten(engine::Variante variante, int groesse, std::optional<Ergebnis> neu = std::nullopt);

    // The place of the result being entered, 0 while there is none.
    int Platz() const { return platz_; }

    // Neither Escape nor the window manager may close the dialog.
    void reject() override {}
    void setVisible(bool sichtbar) override;

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    void FormShow();
    void ShowListe();
    void Neueintrag();
    void btnOKClick();
    void btnLoeschenClick();
    void SaveListe();

    struct TZeile {
        QLabel* Name;
        QLabel* S;
        QLabel* Z;
    };

    void Bauen();  // once, when first prepared or shown
    void BaueFenster();
    void BauePanel();
    void BaueZeilen();
    void BaueKnoepfe();
    void FarbenSetzen();  // the colours and art of the scheme in force
    void TexteSetzen();
    void ZugangEinrichten();  // the rows as a table to screen readers
    int AktuelleListe() const;
    static int ZeilenOben(int platz);
    static QFont Zeilenschrift();

    Bestenliste& bestenliste_;
    const daten::Texte& texte_;
    Meldung meldung_;
    engine::Variante variante_ = engine::Variante::Schieben;
    int groesse_ = 4;
    bool gebaut_ = false;  // the widgets exist
    std::optional<Ergebnis> neu_;
    int platz_ = 0;

    QFrame* pnlHintergrund_ = nullptr;
    QLabel* imgForm_ = nullptr;
    QLabel* lblTeileAnzahl_ = nullptr;
    QLabel* imgUeberschrift_ = nullptr;
    QLabel* lblUeberschrift_ = nullptr;
    QWidget* tafel_ = nullptr;  // holds the rows; a table to screen readers
    TPlatzierung* lblPlatzierung_ = nullptr;
    std::array<TZeile, PlatzAnzahl> zeilen_{};
    QLineEdit* Eintrag_ = nullptr;
    QImage imgSymbol_;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnLoeschen_ = nullptr;
};

} // namespace beste
