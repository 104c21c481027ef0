// A whole game driven by fuzzed input through the game session, as the window drives it: a
// seeded new game, then clicks in and around the board, keys, clock ticks, pauses, undo and redo,
// hints, a solve stopped at once or once it plays, a new game while a hint, a solve or the
// tables are being worked out (with the event loop turning), and the game handed out as a
// snapshot and put back.
// After every step: the board holds each tile once and is the scrambled start with the session's
// history played on it; the solved test agrees with the board; the counters stay within their
// limits, never fall and count each move once; the middle button never moves; a hint names a
// move the rules allow and marks the game as helped for good; no move of a stopped solve is played,
// nor anything of a dropped game's hint or solve in the next one; every end's result holds the
// whole game: its moves, as many as it counted, lead from its start board to the board it ended on.

#include "eingabe.h"

#include "engine/mischen.h"
#include "engine/spielstand.h"
#include "engine/zufall.h"
#include "engine/zug.h"
#include "main/brettgeometrie.h"
#include "sitzung/spielsitzung.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

using engine::Zug;
using Brett = std::array<int, engine::MaxFelder + 1>;  // [1..n*n], 0 = the empty field

Brett Felder(const engine::Spielstand& s)
{
    Brett brett{};
    for (int p = 1; p <= s.felder(); ++p)
        brett[p] = s.Spielfeld[p];
    return brett;
}

// The board after one move, the game itself untouched.
Brett Angewandt(const engine::Spielstand& s, const Brett& brett, const Zug& zug)
{
    engine::Spielstand kopie;  // only what a move reads: the board and its size
    kopie.variante = s.variante;
    kopie.Groesse = s.Groesse;
    kopie.FreiesFeld = s.FreiesFeld;
    for (int p = 1; p <= kopie.felder(); ++p)
        kopie.Spielfeld[p] = static_cast<uint8_t>(brett[p]);
    engine::Ausfuehren(kopie, zug);
    return Felder(kopie);
}

// Every move the rules allow on this board: a tile beside the gap, a row or column, an axis.
std::vector<Zug> MoeglicheZuege(const engine::Spielstand& s, const Brett& brett)
{
    using engine::Operation;
    const int n = s.n();
    std::vector<Zug> zuege;
    if (s.variante == engine::Variante::Schieben) {
        const int leer = int(std::find(brett.begin() + 1, brett.begin() + 1 + n * n, 0) - brett.begin());
        const int zeile = (leer - 1) / n, spalte = (leer - 1) % n;
        if (spalte > 0) zuege.push_back({Operation::TeilSchieben, leer - 1, leer});
        if (spalte < n - 1) zuege.push_back({Operation::TeilSchieben, leer + 1, leer});
        if (zeile > 0) zuege.push_back({Operation::TeilSchieben, leer - n, leer});
        if (zeile < n - 1) zuege.push_back({Operation::TeilSchieben, leer + n, leer});
    } else if (s.variante == engine::Variante::Verschieben) {
        for (int a = 1; a <= n; ++a)
            for (Operation op : {Operation::ZeileRechts, Operation::ZeileLinks, Operation::SpalteRunter, Operation::SpalteHoch})
                zuege.push_back({op, a});
    } else {
        for (int k = 1; k <= engine::AchsenAnzahl(n); ++k)
            for (Operation op : {Operation::AchseRechts, Operation::AchseLinks})
                zuege.push_back({op, k});
    }
    return zuege;
}

bool Erlaubt(const engine::Spielstand& s, const Brett& brett, const Zug& zug)
{
    const std::vector<Zug> moeglich = MoeglicheZuege(s, brett);
    return std::find(moeglich.begin(), moeglich.end(), zug) != moeglich.end();
}

Brett GeloestesBrett(const engine::Spielstand& s)
{
    Brett brett{};
    for (int p = 1; p <= s.felder(); ++p)
        brett[p] = p;
    if (s.variante == engine::Variante::Schieben)
        brett[s.FreiesFeld] = 0;
    return brett;
}

class Partie {
public:
    explicit Partie(fuzz::Leser& leser) : leser(leser)
    {
        sitzung::Einstellungen einstellungen;
        einstellungen.variante = static_cast<engine::Variante>(leser.ImBereich(1, 3));
        einstellungen.groesse = leser.ImBereich(3, 6);
        einstellungen.posZufall = leser.Ja();
        zufall.emplace(leser.Zahl());
        NeueSitzung();
        sitzung->NeuesSpiel(einstellungen);
        Begonnen();
    }

    void Spiele()
    {
        // Enough inputs to reach the move limit, few enough to keep every input quick.
        int eingaben = 0;
        while (!leser.Leer() && eingaben < 12000) {
            switch (leser.Byte() % 12) {
            case 0: Klicke(1, eingaben); break;
            case 1: Ticke(leser.ImBereich(1, 4000)); break;
            case 2: Handle([&] { sitzung->PauseUmschalten(); }); break;
            case 3: Tippe(leser.ImBereich(1, 50), eingaben); break;
            case 4: Handle([&] { sitzung->Rueckgaengig(); }, Art::Zurueck); ++eingaben; break;
            case 5: Klicke(leser.ImBereich(1, 1000), eingaben); break;
            case 6: Handle([&] { sitzung->Wiederholen(); }, Art::Wieder); ++eingaben; break;
            case 7: Tipp(); break;
            case 8: AbgebrochenesLoesen(); break;
            case 10: LoesenImSpielAnhalten(); break;
            case 11: NeuesSpielWaehrendDerHilfe(); break;
            default: UeberSchnappschuss(); break;
            }
        }
    }

private:
    enum class Art { Eingabe, Zurueck, Wieder };

    const engine::Spielstand& spiel() const { return sitzung->spiel(); }

    void NeueSitzung()
    {
        sitzung = std::make_unique<sitzung::Spielsitzung>(*zufall);
        QObject::connect(sitzung.get(), &sitzung::Spielsitzung::tippGezeigt, sitzung.get(),
                         [this](engine::Zug zug) { tipp = zug; });
        QObject::connect(sitzung.get(), &sitzung::Spielsitzung::spielZuEnde, sitzung.get(),
                         [this](const sitzung::Spielergebnis& e) { PruefeErgebnis(e); });
        QObject::connect(sitzung.get(), &sitzung::Spielsitzung::gezogen, sitzung.get(), [this](const Zug& zug) {
            if (solverZuege)
                solverZuege->push_back(zug);
        });
    }

    // A new game: everything kept beside the session starts again from its scrambled board.
    void Begonnen()
    {
        const engine::Spielstand& s = spiel();
        nachgespielt = Felder(s);
        verlauf.clear();
        wieder.clear();
        geholfen = false;
        tipp.reset();
        zuege = sekunden = 0;
        PRUEFE(!engine::Geloest(s) && s.phase != engine::Phase::Vorbei && s.ZugAnzahl == 0 && s.Sekunden == 0);
        PRUEFE(sitzung->verlauf().empty() && !sitzung->mitHilfe());
        Pruefe();
    }

    // Every end: the game's course leads from its start board to the board it ended on.
    void PruefeErgebnis(const sitzung::Spielergebnis& e)
    {
        PRUEFE(e.start && int(e.gespielt.size()) == e.zuege && e.zuege == spiel().ZugAnzahl);
        PRUEFE(e.zugSekunden.size() == e.gespielt.size() && (e.zuege == 0 || e.zugSekunden.back() <= e.sekunden));
        PRUEFE(e.ausgang != sitzung::Ausgang::Abgebrochen || e.zuege > 0);
        engine::Spielstand weg = *e.start;
        for (const Zug& zug : e.gespielt)
            engine::Ausfuehren(weg, zug);
        PRUEFE(Felder(weg) == Felder(spiel()));
    }

    // Turns the event loop for `ms` milliseconds, or until `fertig` holds.
    static void Warte(int ms, const std::function<bool()>& fertig = [] { return false; })
    {
        QElapsedTimer uhr;
        uhr.start();
        while (uhr.elapsed() < ms && !fertig())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    // Solve, stopped by a key once it has played a move or two: each of its moves was a move of
    // the rules, and none follows the key. Once an input, for it waits on the solve's pace.
    void LoesenImSpielAnhalten()
    {
        if (angehalten || !spiel().brettAktiv() || spiel().pausiert())
            return;
        angehalten = true;
        std::vector<Zug> gespielt;
        solverZuege = &gespielt;
        sitzung->Loesen();
        const std::size_t bis = 1 + leser.Byte() % 2;
        Warte(5000, [&] { return gespielt.size() >= bis || !sitzung->loest(); });
        solverZuege = nullptr;
        for (const Zug& zug : gespielt) {  // the solve's moves, kept beside as a click's would be
            nachgespielt = Angewandt(spiel(), nachgespielt, zug);
            verlauf.push_back(zug);
            wieder.clear();
        }
        geholfen = geholfen || !gespielt.empty();
        if (spiel().phase == engine::Phase::Vorbei)
            return Pruefe();
        DrueckeTaste(leser.Byte());
        PRUEFE(!sitzung->loest());
        const int danach = spiel().ZugAnzahl;
        Warte(300);
        PRUEFE(spiel().ZugAnzahl == danach);
        Pruefe();
    }

    // A hint or a solve asked for, the tables of the game maybe still being built, and a new
    // game of other settings at once: nothing of the old game reaches the new one.
    void NeuesSpielWaehrendDerHilfe()
    {
        if (leser.Ja())
            sitzung->Tipp();
        else
            sitzung->Loesen();
        Warte(leser.Byte() % 20);
        sitzung::Einstellungen e;
        e.variante = static_cast<engine::Variante>(leser.ImBereich(1, 3));
        e.groesse = leser.ImBereich(3, 6);
        e.posZufall = leser.Ja();
        sitzung->NeuesSpiel(e);
        Begonnen();
        Warte(30);
        PRUEFE(!tipp && spiel().ZugAnzahl == 0 && !sitzung->mitHilfe() && !sitzung->loest());
        Pruefe();
    }

    // The board is the start with the history played on it; redo holds what undo took back.
    void Pruefe()
    {
        const engine::Spielstand& s = spiel();
        const Brett brett = Felder(s), geloest = GeloestesBrett(s);
        std::array<int, engine::MaxFelder + 1> anzahl{};  // how often each tile is on the board
        for (int p = 1; p <= s.felder(); ++p) {
            PRUEFE(brett[p] >= 0 && brett[p] <= s.felder());
            ++anzahl[brett[p]];
            --anzahl[geloest[p]];
        }
        PRUEFE(anzahl == decltype(anzahl){});
        PRUEFE(engine::Geloest(s) == (brett == geloest));
        PRUEFE(!engine::Geloest(s) || s.phase == engine::Phase::Vorbei);  // a solved board ends the game
        // The ends of the histories only: comparing them whole at every step would take a long
        // game quadratic time, and the board already tells a wrong move anywhere in them.
        const std::vector<Zug>& gemerkt = sitzung->verlauf();
        PRUEFE(gemerkt.size() == verlauf.size() && (verlauf.empty() || gemerkt.back() == verlauf.back()));
        PRUEFE(sitzung->KannWiederholen() == (!wieder.empty() && s.brettAktiv() && !s.pausiert()));
        PRUEFE(nachgespielt == brett);
        PRUEFE(sitzung->mitHilfe() == geholfen);

        PRUEFE(s.ZugAnzahl <= 9999 && s.Sekunden <= 3599);
        PRUEFE(s.ZugAnzahl >= zuege && s.Sekunden >= sekunden);
        PRUEFE((s.ZugAnzahl < 9999 && s.Sekunden < 3599) || s.phase == engine::Phase::Vorbei);  // a limit ends the game
        PRUEFE(s.phase != engine::Phase::Vorbei || sitzung->cursor() == 0);  // the frame leaves a finished game
        zuege = s.ZugAnzahl;
        sekunden = s.Sekunden;
    }

    // `mal` presses at one point, as a player clicking an arrow again and again.
    void Klicke(int mal, int& eingaben)
    {
        const auto taste = static_cast<engine::Taste>(leser.Byte() % 3);
        const int x = leser.ImBereich(0, 755), y = leser.ImBereich(0, 475);
        const haupt::Brettgeometrie geometrie(spiel().n(), spiel().variante);
        const engine::Ziel ziel = geometrie.ZielBei({x, y});
        for (int i = 0; i < mal; ++i, ++eingaben) {
            if (spiel().phase == engine::Phase::Vorbei && i > 0)
                break;  // the same click on a finished game again: nothing new to see
            const int vorher = spiel().ZugAnzahl;
            Handle([&] { sitzung->Druecke(ziel, taste); });
            PRUEFE(taste != engine::Taste::Mitte || spiel().ZugAnzahl == vorher);
        }
    }

    // `mal` keys, read from the input.
    void Tippe(int mal, int& eingaben)
    {
        for (int i = 0; i < mal && !leser.Leer(); ++i, ++eingaben)
            DrueckeTaste(leser.Byte());
    }

    // A key: an arrow, Shift+arrow, a turn either way or the tile-number key.
    void DrueckeTaste(int byte)
    {
        const int welche = byte % 11;
        const auto taste = welche < 8 ? static_cast<engine::Spieltaste>(welche % 4)
                                      : static_cast<engine::Spieltaste>(welche - 4);
        Handle([&] { sitzung->Eingabe(engine::Eingabe::Tastatur(taste, welche >= 4 && welche < 8)); });
    }

    // One action of the player: a paused board only resumes; otherwise the board changes by at
    // most one move of the rules, counted once, and the history follows it.
    template <class Aktion>
    void Handle(Aktion aktion, Art art = Art::Eingabe)
    {
        const engine::Spielstand vorher = spiel();
        const Brett brettVorher = Felder(vorher);
        const bool konnteZurueck = sitzung->KannRueckgaengig(), konnteWieder = sitzung->KannWiederholen();
        aktion();
        const bool gezaehlt = spiel().ZugAnzahl != vorher.ZugAnzahl;
        if (vorher.pausiert())
            PRUEFE(!gezaehlt && Felder(spiel()) == brettVorher);
        if (gezaehlt) {
            PRUEFE(vorher.brettAktiv() && !vorher.pausiert() && spiel().ZugAnzahl == vorher.ZugAnzahl + 1);
            if (art == Art::Zurueck) {
                PRUEFE(konnteZurueck);
                nachgespielt = Angewandt(vorher, nachgespielt, engine::Umkehrung(verlauf.back()));
                wieder.push_back(verlauf.back());
                verlauf.pop_back();
            } else if (art == Art::Wieder) {
                PRUEFE(konnteWieder);
                nachgespielt = Angewandt(vorher, nachgespielt, wieder.back());
                verlauf.push_back(wieder.back());
                wieder.pop_back();
            } else {
                const std::vector<Zug> moeglich = MoeglicheZuege(vorher, brettVorher);
                const auto zug = std::find_if(moeglich.begin(), moeglich.end(),
                                              [&](const Zug& z) { return Angewandt(vorher, brettVorher, z) == Felder(spiel()); });
                PRUEFE(zug != moeglich.end());
                nachgespielt = Angewandt(vorher, nachgespielt, *zug);
                verlauf.push_back(*zug);
                wieder.clear();
            }
        } else {
            PRUEFE(Felder(spiel()) == brettVorher);
            PRUEFE(art != Art::Zurueck || !konnteZurueck);
            PRUEFE(art != Art::Wieder || !konnteWieder);
        }
        Pruefe();
    }

    // `mal` seconds; the clock counts only while it runs and moves no tile.
    void Ticke(int mal)
    {
        const Brett brett = Felder(spiel());
        for (int i = 0; i < mal; ++i) {
            const bool lief = spiel().uhrLaeuft();
            const int vorher = spiel().Sekunden;
            sitzung->Sekunde();
            PRUEFE(spiel().Sekunden == vorher + (lief ? 1 : 0));
            PRUEFE(spiel().Sekunden < 3599 || spiel().phase == engine::Phase::Vorbei);
        }
        PRUEFE(Felder(spiel()) == brett);
        Pruefe();
    }

    // A hint on a board that takes moves names one the rules allow here, and the game counts
    // as helped from then on; it moves nothing.
    void Tipp()
    {
        const engine::Spielstand vorher = spiel();
        tipp.reset();
        sitzung->Tipp();
        if (vorher.brettAktiv() && !vorher.pausiert()) {
            QEventLoop schleife;
            QTimer frist;
            frist.setSingleShot(true);
            QObject::connect(&frist, &QTimer::timeout, &schleife, &QEventLoop::quit);
            QObject::connect(sitzung.get(), &sitzung::Spielsitzung::tippGezeigt, &schleife, &QEventLoop::quit);
            frist.start(20000);  // the first hint of a kind may build its tables
            if (!tipp)
                schleife.exec();
            PRUEFE(tipp && Erlaubt(vorher, Felder(vorher), *tipp));
            geholfen = true;
        }
        PRUEFE(Felder(spiel()) == Felder(vorher) && spiel().ZugAnzahl == vorher.ZugAnzahl);
        Pruefe();
    }

    // Solve stopped by a key before its first move: whatever the solver sends later is dropped.
    void AbgebrochenesLoesen()
    {
        sitzung->Loesen();
        DrueckeTaste(leser.Byte());
        PRUEFE(!sitzung->loest());
        const int zuegeDanach = spiel().ZugAnzahl;
        QCoreApplication::processEvents();
        PRUEFE(spiel().ZugAnzahl == zuegeDanach);
    }

    // The game handed out and put back into a new session: the same game, a running one paused.
    void UeberSchnappschuss()
    {
        const sitzung::Schnappschuss wert = sitzung->schnappschuss();
        NeueSitzung();
        sitzung->Wiederherstellen(wert);
        const sitzung::Schnappschuss zurueck = sitzung->schnappschuss();
        PRUEFE(Felder(zurueck.spiel) == Felder(wert.spiel) && zurueck.verlauf == wert.verlauf &&
               zurueck.zurueckgenommen == wert.zurueckgenommen && zurueck.mitHilfe == wert.mitHilfe &&
               zurueck.cursor == wert.cursor && zurueck.spiel.ZugAnzahl == wert.spiel.ZugAnzahl &&
               zurueck.spiel.Sekunden == wert.spiel.Sekunden && zurueck.einstellungen == wert.einstellungen);
        PRUEFE(zurueck.spiel.phase ==
               (wert.spiel.phase == engine::Phase::Laeuft ? engine::Phase::Pausiert : wert.spiel.phase));
        Pruefe();
    }

    fuzz::Leser& leser;
    std::optional<engine::MtZufall> zufall;
    std::unique_ptr<sitzung::Spielsitzung> sitzung;
    // What the session's undo and redo should hold, and the scrambled start with that history
    // played on it, each kept here beside the session.
    std::vector<Zug> verlauf, wieder;
    Brett nachgespielt{};
    bool geholfen = false;
    std::optional<Zug> tipp;
    int zuege = 0, sekunden = 0;
    std::vector<Zug>* solverZuege = nullptr;  // the moves of a solve being watched
    bool angehalten = false;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);  // the session's clock and helpers need an event loop
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    fuzz::Leser leser(daten, groesse);
    Partie partie(leser);
    partie.Spiele();
    return 0;
}
