#pragma once
// The statistics window (Game → Statistics …): for each variant and side that has games the
// figures as a table, the chart of the last games and the list of the recorded games; the
// journal exported as CSV, or cleared. It reads the journal each time it is shown and whenever
// a game is recorded while it is open; it follows the language and the main window's zoom.

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

#include "daten/texte.h"
#include "daten/vorlieben.h"
#include "journal/journal.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;

namespace statistik {

class Spieleliste;
class Verlaufsbild;

// What the window asks of the player through other windows; tests put answers in. An empty one
// stands for the real dialog.
struct Statistikdienste {
    // The file to export to; empty when the player cancels.
    std::function<QString(QWidget* eltern, const QString& titel, const QString& vorschlag, const QString& filter)> Speicherort;
    // A question with a yes and a no button; true for yes.
    std::function<bool(QWidget* eltern, const QString& frage, const QString& ja, const QString& nein)> Bestaetigung;
    std::function<void(QWidget* eltern, const QString& text)> Fehler;
};

class TfrmStatistik : public QDialog {
    Q_OBJECT
public:
    TfrmStatistik(journal::Journal& journal, const daten::Texte& texte, const daten::Vorlieben& vorlieben,
                  QWidget* eltern = nullptr, Statistikdienste dienste = {});
    ~TfrmStatistik() override;

    // Reads the journal and shows the window on the board of the game played last.
    void Zeigen();

signals:
    // A game of the list was chosen (double click, Return, Watch): its record's number.
    void spielGewaehlt(qint64 id);

private:
    void Bauen();
    void BaueKennzahlen();
    void BaueKnoepfe();
    void TexteSetzen();
    void SchriftSetzen();
    void Laden();
    void GruppenFuellen(int variante, int seite);
    void GruppeZeigen();
    void KennzahlenZeigen(const journal::Kennzahlen* k);
    void KennzahlenBemessen();
    void TageZeigen();
    void CsvSpeichern();
    void Loeschen();

    journal::Journal& journal_;
    const daten::Texte& texte_;
    const daten::Vorlieben& vorlieben_;
    Statistikdienste dienste_;
    std::shared_ptr<const journal::Uebersicht> uebersicht_;
    std::vector<journal::Kennzahlen> kennzahlen_;
    journal::Tagesfolge tage_;  // of today's puzzle

    QLabel* lblGruppe_ = nullptr;
    QComboBox* cmbGruppe_ = nullptr;
    QLabel* lblTage_ = nullptr;
    QTableWidget* tblKennzahlen_ = nullptr;
    Verlaufsbild* verlauf_ = nullptr;
    QLabel* lblFussnote_ = nullptr;
    QLabel* lblSpiele_ = nullptr;
    QTableView* tblSpiele_ = nullptr;
    Spieleliste* liste_ = nullptr;
    QPushButton* btnAnsehen_ = nullptr;  // the game chosen in the list, watched on the board
    QPushButton* btnCsv_ = nullptr;
    QPushButton* btnLoeschen_ = nullptr;
    QPushButton* btnSchliessen_ = nullptr;
};

} // namespace statistik
