#pragma once
// Hint and solve for the session: the solver works on threads of its own, so the window never
// waits for it; every request can be dropped (a move, a new game, quitting), and a result that
// arrives for a board no longer shown is thrown away. A plan once made is followed while the
// board stays on it, so repeated hints walk one way home.

#include <QObject>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "engine/spielstand.h"

namespace sitzung {

class Helfer : public QObject {
    Q_OBJECT
public:
    explicit Helfer(QObject* eltern = nullptr);
    ~Helfer() override;

    // A new game: the plans of the last one go, and the tables this one needs are built now.
    void Vorbereiten(const engine::Spielstand& s);
    // The next move home from `s`, told by `tipp`: at once when a plan is known, else as soon
    // as the fastest good plan is; a better plan replaces it when it arrives.
    void TippAnfordern(const engine::Spielstand& s);
    // The whole way home from `s` through `zugFaellig`: the first move as soon as a way is
    // known, then one move a beat (see TempoSetzen). Where the best way takes long to find, the
    // first moves of a quick one are played while a better way on from there is looked for.
    void LoesungAnfordern(const engine::Spielstand& s);
    // Solve's speed in moves a second (1 to 1000; four unless set).
    void TempoSetzen(int zuegeProSekunde);
    int takt() const { return takt_.interval(); }
    // Drops every request and stops playing; the tables of the game are built on.
    void Abbrechen();
    // A solution is being looked for or played.
    bool loest() const { return loesen_; }

signals:
    void tipp(engine::Zug zug);
    void zugFaellig(engine::Zug zug);
    // Solve has been thinking for more than 200 ms (true) or is done thinking (false).
    void denkt(bool an);
    void loesungBeendet();

private:
    struct Plan {
        engine::Spielstand start;
        std::vector<engine::Zug> zuege;
        bool bester = false;
        bool spielbar = false;     // Solve may begin with it though a better one may follow
        std::size_t vorlauf = 0;  // a better plan's first moves, those of the plan it improves
    };
    void Suchen(const engine::Spielstand& s);
    void LoesungSuchen(const engine::Spielstand& s);
    void Melden(int auftrag, Plan plan, std::stop_token halt);
    void Abspielen(const engine::Spielstand& start, std::vector<engine::Zug> zuege);
    void PlanAngekommen(int auftrag, Plan plan);
    // The plan's move from `s`, when `s` lies on its way.
    static std::optional<engine::Zug> ZugAus(const Plan& plan, const engine::Spielstand& s);
    std::optional<engine::Zug> NaechsterZug(const engine::Spielstand& s) const;
    void Weiter();
    void DenkenBeenden();

    struct Faden {
        std::shared_ptr<std::atomic<bool>> fertig;
        bool tabellen;  // builds the tables of a game: runs on through moves, hints and solves
        std::jthread faden;
    };
    void Starte(std::function<void(std::stop_token)> arbeit, bool tabellen = false);
    void Stoppe(bool tabellen);

    std::vector<Faden> faeden_;
    int auftrag_ = 0;  // tells a late result that its request has been dropped
    std::optional<Plan> plan_;
    std::optional<engine::Spielstand> tippFuer_;  // a hint waits for a plan from this board
    std::optional<engine::Spielstand> loesungFuer_;
    bool loesen_ = false;
    bool denkt_ = false;
    std::vector<engine::Zug> abspielen_;
    std::optional<engine::Spielstand> abspielStart_;  // where the moves being played began
    std::size_t gespielt_ = 0;                         // and how many of them are played
    int intervall_ = 250;
    QTimer takt_, denkUhr_;
};

} // namespace sitzung
