#pragma once
// Keeps the game in progress in spiel.dat beside the options file, as the player plays: written
// in one step at most a second after any change and when the program ends, removed once no game
// is in progress (finished, or none yet). Another copy of the game started meanwhile finds the
// file taken: it plays its own games without saving them and never takes over the first one's.

#include <QByteArray>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <future>
#include <memory>
#include <optional>

#include "sitzung/schnappschuss.h"
#include "sitzung/spielsitzung.h"

namespace sitzung {

class Spielablage : public QObject {
    Q_OBJECT
public:
    // `ordner` is where the options file lives; `nurLesen`: started from a CD, nothing written.
    Spielablage(Spielsitzung& sitzung, const QString& ordner, bool nurLesen, QObject* eltern = nullptr);
    ~Spielablage() override;

    // This copy of the game keeps the saved game (no other copy holds it).
    bool zustaendig() { return Sperren(); }

    struct Fund {
        std::optional<Schnappschuss> spiel;  // an unfinished game to go on with
        bool beiseitegelegt = false;         // a damaged file was renamed spiel.dat.defekt
    };
    // The saved game. A file that is no valid game is renamed spiel.dat.defekt, once.
    Fund Laden();
    // Writes the game in progress now, or removes the file when there is none.
    void Sichern();

    QString datei() const;
    // SHA-256 of a picture file's bytes; empty for none or an unreadable file.
    static QByteArray Pruefsumme(const QString& bilddatei);

private:
    void NeuesSpiel();
    bool Sperren();

    Spielsitzung& sitzung_;
    QString ordner_;
    bool nurLesen_;
    std::unique_ptr<QLockFile> sperre_;
    bool versucht_ = false;
    QTimer takt_;
    QString bildFuer_;  // the picture whose checksum is known or being made
    std::shared_future<QByteArray> pruefsumme_;
};

} // namespace sitzung
