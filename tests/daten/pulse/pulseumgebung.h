#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <vector>

// Points this process's sound clients at a private folder, before Qt Multimedia is first used:
// with a server, at the one started there; without, at nothing at all (no fallback to a
// system-wide server, no automatic start of one).
void RichteAudioUmgebungEin(const QString& ordner, bool mitServer);

// A private sound server with one silent output, "nullsink", whose monitor can be recorded.
class Pulseserver {
public:
    ~Pulseserver();
    // Starts the server and points this process at it. False, with the reason, when it cannot run.
    bool Starte(QString& grund);
    QString Ordner() const { return ordner.path(); }

private:
    bool WarteAufAusgabe();

    QTemporaryDir ordner;
    QProcess server;
};

// Records what the silent output plays, as mono samples in [-1, 1] at Aufnahmerate.
class Aufnahme {
public:
    static constexpr int Aufnahmerate = 44100;

    ~Aufnahme();
    // Returns once the recorder delivers data, so nothing played afterwards is missed.
    bool Starte(QString& grund);
    std::vector<float> Beende();

private:
    QProcess parec;
};
