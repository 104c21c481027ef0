#include "pulseumgebung.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <QtEndian>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

void RichteAudioUmgebungEin(const QString& ordner, bool mitServer)
{
    const QString laufzeit = ordner + "/run";
    QDir().mkpath(laufzeit);
    QFile::setPermissions(laufzeit, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir().mkpath(ordner + "/home/.config");
    // Without a server, starting one is allowed but only runs a stand-in that leaves a trace.
    const QString ersatz = ordner + "/pulseaudio-ersatz";
    QFile skript(ersatz);
    if (!mitServer && skript.open(QIODevice::WriteOnly))
        skript.write("#!/bin/sh\ntouch \"$0.gestartet\"\nexit 1\n");
    skript.close();
    skript.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile konfiguration(ordner + "/client.conf");
    if (konfiguration.open(QIODevice::WriteOnly))
        konfiguration.write(mitServer ? "autospawn = no\n"
                                      : "autospawn = yes\ndaemon-binary = " + QFile::encodeName(ersatz) + "\n");
    konfiguration.close();

    qputenv("XDG_RUNTIME_DIR", laufzeit.toLocal8Bit());
    qputenv("HOME", (ordner + "/home").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (ordner + "/home/.config").toLocal8Bit());
    qputenv("PULSE_CLIENTCONFIG", konfiguration.fileName().toLocal8Bit());
    for (const char* name : {"PULSE_RUNTIME_PATH", "PULSE_STATE_PATH", "PULSE_SINK", "PULSE_SOURCE",
                             "PULSE_COOKIE"})
        qunsetenv(name);
    // Naming the socket keeps clients off any system-wide server. Without ours none is named:
    // libpulse would only try to start one when it is not told where to look.
    if (mitServer)
        qputenv("PULSE_SERVER", ("unix:" + laufzeit + "/pulse/native").toLocal8Bit());
    else
        qunsetenv("PULSE_SERVER");
}

Stummserver::Stummserver(const QString& socketpfad) : socket(::socket(AF_UNIX, SOCK_STREAM, 0))
{
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    qstrncpy(adresse.sun_path, QFile::encodeName(socketpfad).constData(), sizeof adresse.sun_path);
    QDir().mkpath(QFileInfo(socketpfad).path());
    if (socket < 0 || bind(socket, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) != 0
        || listen(socket, 4) != 0) {
        if (socket >= 0)
            close(socket);
        socket = -1;
    }
}

Stummserver::~Stummserver()
{
    if (socket >= 0)
        close(socket);
}

Pulseserver::~Pulseserver()
{
    if (server.state() == QProcess::NotRunning)
        return;
    server.terminate();
    if (!server.waitForFinished(5000)) {
        server.kill();
        server.waitForFinished(2000);
    }
}

bool Pulseserver::Starte(QString& grund)
{
    if (!ordner.isValid()) {
        grund = "no temporary folder for the sound server";
        return false;
    }
    if (QStandardPaths::findExecutable("pulseaudio").isEmpty()) {
        // scripts/pakete.sh leaves it out where it would remove the desktop's PipeWire sound
        grund = "pulseaudio is not installed (beside PipeWire's pipewire-audio it cannot be without "
                "removing the desktop's sound): the sound tests need their own server";
        return false;
    }
    RichteAudioUmgebungEin(ordner.path(), true);
    // As root the server only warns that it is not meant to run as root; it runs all the same.
    server.setProcessChannelMode(QProcess::MergedChannels);
    server.setStandardInputFile(QProcess::nullDevice());
    server.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                                "--load=module-native-protocol-unix",
                                "--load=module-null-sink sink_name=nullsink"});
    if (!server.waitForStarted(5000)) {
        grund = "pulseaudio cannot be started: " + server.errorString();
        return false;
    }
    if (!WarteAufAusgabe()) {
        server.waitForFinished(500);
        grund = "pulseaudio did not come up with its null sink: "
                + QString::fromLocal8Bit(server.readAll()).trimmed();
        return false;
    }
    return true;
}

// Ready means a client can connect and finds the null sink.
bool Pulseserver::WarteAufAusgabe()
{
    const QDeadlineTimer frist(10000);
    while (!frist.hasExpired() && server.state() == QProcess::Running) {
        QProcess pactl;
        pactl.setStandardInputFile(QProcess::nullDevice());
        pactl.start("pactl", {"list", "short", "sinks"});
        if (pactl.waitForFinished(3000) && pactl.exitCode() == 0
            && pactl.readAllStandardOutput().contains("nullsink"))
            return true;
        QThread::msleep(100);
    }
    return false;
}

Aufnahme::~Aufnahme()
{
    if (parec.state() == QProcess::NotRunning)
        return;
    parec.kill();
    parec.waitForFinished(2000);
}

bool Aufnahme::Starte(QString& grund)
{
    parec.setStandardInputFile(QProcess::nullDevice());
    parec.start("parec", {"-d", "nullsink.monitor", "--raw", "--format=s16le",
                          "--rate=" + QString::number(Aufnahmerate), "--channels=1",
                          "--latency-msec=10"});
    if (!parec.waitForStarted(5000)) {
        grund = "parec cannot be started: " + parec.errorString();
        return false;
    }
    const QDeadlineTimer frist(5000);
    while (parec.bytesAvailable() == 0 && !frist.hasExpired())
        parec.waitForReadyRead(int(qMax<qint64>(1, frist.remainingTime())));
    if (parec.bytesAvailable() == 0) {
        grund = "parec delivers no data: " + QString::fromLocal8Bit(parec.readAllStandardError());
        return false;
    }
    return true;
}

std::vector<float> Aufnahme::Beende()
{
    QByteArray roh = parec.readAllStandardOutput();
    parec.terminate();
    parec.waitForFinished(3000);
    roh += parec.readAllStandardOutput();
    std::vector<float> proben(size_t(roh.size() / 2));
    for (size_t i = 0; i < proben.size(); ++i)
        proben[i] = qFromLittleEndian<qint16>(roh.constData() + 2 * i) / 32768.0f;
    return proben;
}
