#pragma once
// The journal of games: every game that ends is one record in an SQLite database,
// journal.sqlite in the folder of options.ini. Nothing of it is touched before its first use
// (the first record, or the statistics window), and nothing is written when started from a CD.
//
// A file that is not this program's journal (not SQLite, damaged, another program's database,
// a later version's journal) is set aside as journal.sqlite.defekt (numbered, never overwriting
// an earlier one), the player is told through the messenger, and a fresh journal begins. A
// journal that cannot be written is said once; its records wait in memory and are written with
// the next record that can be. Two copies of the game may write at once (write-ahead log, and a
// short wait for the other's write).

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "daten/umgebung.h"
#include "journal/kennzahlen.h"
#include "sitzung/spielergebnis.h"

namespace journal {

inline constexpr char Dateiname[] = "journal.sqlite";
inline constexpr std::size_t WartendeHoechstens = 1000;  // records kept back in memory

struct Eintrag {
    std::int64_t id = 0;
    sitzung::Spielergebnis ergebnis;
    bool verlaufLesbar = true;  // false: the stored board or moves are damaged and left out
};

struct Uebersicht {
    std::vector<Kurzeintrag> spiele;  // oldest first
    QStringList bilder;               // the pictures' paths by Kurzeintrag::bild
};

enum class Hinweis {
    Beiseitegelegt,  // datei: the name the damaged file now has
    NichtSchreibbar  // datei: the journal's file
};
using Melder = std::function<void(Hinweis hinweis, const QString& datei)>;

class Journal : public QObject {
    Q_OBJECT
public:
    // nurLesen: nothing is written, an existing journal is only read.
    Journal(QString datei, bool nurLesen, QObject* eltern = nullptr);
    explicit Journal(const daten::Umgebung& umgebung, QObject* eltern = nullptr);
    ~Journal() override;

    // Whoever tells the player; without one nothing is said.
    void MelderSetzen(Melder melder) { melder_ = std::move(melder); }
    const QString& datei() const { return datei_; }

    // Adds the game after any kept back; false when it is kept back for now.
    bool Aufzeichnen(const sitzung::Spielergebnis& ergebnis);
    // Writes what was kept back, as when the program ends; true when nothing waits.
    bool Nachtragen();
    std::size_t wartend() const { return wartend_.size(); }
    // The number of the record added last; 0 while it is kept back, or nothing was added.
    std::int64_t letzteNummer() const { return letzteNummer_; }

    // What the statistics show; empty without a journal.
    Uebersicht Lesen();
    // One record whole, with its board and moves.
    std::optional<Eintrag> EintragLesen(std::int64_t id);
    // Every record without board and moves, oldest first.
    std::vector<Eintrag> AlleLesen();
    // Removes every record, those kept back included.
    bool Loeschen();

signals:
    // Records were added or removed.
    void geaendert();

private:
    struct Offen;
    template <class Arbeit>
    bool Versuche(Arbeit&& arbeit, bool schreibend);
    Offen& Oeffnen();
    bool LiesNurLesend(const std::function<void(Offen&)>& arbeit);
    bool BeiseiteLegen();
    void NichtSchreibbar();
    std::int64_t Schreibe(Offen& offen, const sitzung::Spielergebnis& ergebnis);

    QString datei_;
    bool nurLesen_;
    std::unique_ptr<Offen> offen_;
    std::vector<sitzung::Spielergebnis> wartend_;
    std::int64_t letzteNummer_ = 0;
    bool nichtSchreibbarGesagt_ = false;
    Melder melder_;
};

} // namespace journal
