#pragma once
// Keeps the game in progress in spiel.dat beside the options file. Every access to the files
// happens on a thread of its own, in the order asked for: looking for the saved game at the
// start, writing the game after a change (of several waiting only the newest is written), and
// removing the file when the game is over. The window's thread only hands over a copy of the game.
// Another copy of the game started meanwhile finds the lock (.spiel.dat.lock) taken: it plays
// its own games without keeping them and never takes over the first one's.

#include <QByteArray>
#include <QLockFile>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "sitzung/schnappschuss.h"

namespace sitzung {

class Spielablage {
public:
    // How this copy of the game stands to the saved game.
    enum class Lage : std::uint8_t {
        Zustaendig,       // it keeps its games
        AndereKopie,      // another copy of the game in the folder keeps its own
        NichtSchreibbar,  // the folder cannot be written: a saved game is read but not kept
        Ordner,           // spiel.dat is a folder: nothing can be kept
        VonCD,            // started from a CD: nothing is read or written
    };

    // What the start found.
    struct Fund {
        std::optional<Schnappschuss> spiel;  // an unfinished game to go on with
        int version = 0;                     // of its file
        bool bildGeaendert = false;          // its picture file is gone or not the one it was
        QString beiseitegelegt;              // a damaged file was moved to this name
        Lage lage = Lage::Zustaendig;
    };

    // A game to write, or none: the file goes. Without the picture's checksum in the game, the
    // writer takes it from `pruefsumme` once it is ready.
    struct Auftrag {
        std::optional<Schnappschuss> spiel;
        std::shared_future<QByteArray> pruefsumme;
    };

    // `ordner` is where the options file lives; `vonCD`: nothing is read or written.
    Spielablage(const QString& ordner, bool vonCD);
    // Writes what waits and lets go of the lock.
    ~Spielablage();
    Spielablage(const Spielablage&) = delete;
    Spielablage& operator=(const Spielablage&) = delete;

    // Looks for the saved game; `fertig` is called on the ablage's thread. A file that is no
    // valid game, or no regular file, is moved aside under a number of its own.
    void Suchen(std::function<void(Fund)> fertig);
    Fund Laden();  // the same, waited for
    // Hands a game over for writing.
    void Sichern(Auftrag auftrag);
    // Waits until everything handed over is done.
    void Warten();

    Lage lage() const { return lage_; }
    // This copy keeps its game for the next start.
    bool behaelt() const { return lage_ == Lage::Zustaendig; }
    QString datei() const;

private:
    void Arbeiten();
    Fund Suche();
    void Schreibe(const Auftrag& auftrag);
    bool Sperren();

    const QString ordner_;
    std::atomic<Lage> lage_;
    // Only the ablage's thread touches the lock.
    std::unique_ptr<QLockFile> sperre_;
    bool versucht_ = false;

    std::mutex zugriff_;
    std::condition_variable wecker_, erledigt_;
    std::deque<std::function<void()>> suchen_;
    std::optional<Auftrag> wartend_;
    bool arbeitet_ = false, ende_ = false;
    std::thread faden_;
};

} // namespace sitzung
