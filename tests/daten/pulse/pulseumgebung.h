#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <vector>

// Points this process's sound clients at a private folder: with a server, at the one started
// there; without, at an empty folder where an attempt to start a server runs a stand-in that
// leaves the file "pulseaudio-ersatz.gestartet" (only a system-wide server could still be found).
void RichteAudioUmgebungEin(const QString& ordner, bool mitServer);

// A socket where a sound server is looked for that takes connections and never answers.
class Stummserver {
public:
    explicit Stummserver(const QString& socketpfad);
    ~Stummserver();
    Stummserver(const Stummserver&) = delete;
    Stummserver& operator=(const Stummserver&) = delete;
    bool Lauscht() const { return socket >= 0; }

private:
    int socket;
};

// A private sound server with one silent output, "nullsink", whose monitor can be recorded:
// PulseAudio, or where it is not installed (it cannot be beside PipeWire's desktop sound) a
// private PipeWire with its PulseAudio service. TAVELOR_TONSERVER=pipewire asks for the latter.
class Pulseserver {
public:
    ~Pulseserver();
    // Starts the server and points this process at it. False, with the reason, when it cannot run.
    bool Starte(QString& grund);
    QString Ordner() const { return ordner.path(); }

private:
    bool StartePulseaudio(QString& grund);
    bool StartePipewire(QString& grund);
    QProcess& Starte(const QString& programm, const QStringList& argumente);
    bool Laufen() const;
    bool WarteAufAusgabe();

    QTemporaryDir ordner;
    std::vector<std::unique_ptr<QProcess>> prozesse;  // in the order started, ended in reverse
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
