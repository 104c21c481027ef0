#include "pulseumgebung.h"

#include <algorithm>

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
    for (auto prozess = prozesse.rbegin(); prozess != prozesse.rend(); ++prozess) {
        if ((*prozess)->state() == QProcess::NotRunning)
            continue;
        (*prozess)->terminate();
        if (!(*prozess)->waitForFinished(5000)) {
            (*prozess)->kill();
            (*prozess)->waitForFinished(2000);
        }
    }
}

QProcess& Pulseserver::Starte(const QString& programm, const QStringList& argumente)
{
    auto& prozess = *prozesse.emplace_back(std::make_unique<QProcess>());
    prozess.setProcessChannelMode(QProcess::MergedChannels);
    prozess.setStandardInputFile(QProcess::nullDevice());
    prozess.start(programm, argumente);
    prozess.waitForStarted(5000);
    return prozess;
}

bool Pulseserver::Laufen() const
{
    return std::all_of(prozesse.begin(), prozesse.end(),
                       [](const auto& p) { return p->state() == QProcess::Running; });
}

namespace {

bool Pactl(const QStringList& argumente, QByteArray* ausgabe = nullptr)
{
    QProcess pactl;
    pactl.setStandardInputFile(QProcess::nullDevice());
    pactl.start("pactl", argumente);
    const bool gut = pactl.waitForFinished(3000) && pactl.exitCode() == 0;
    if (ausgabe)
        *ausgabe = pactl.readAllStandardOutput();
    return gut;
}

} // namespace

bool Pulseserver::Starte(QString& grund)
{
    if (!ordner.isValid()) {
        grund = "no temporary folder for the sound server";
        return false;
    }
    RichteAudioUmgebungEin(ordner.path(), true);
    const bool pulseaudio = !QStandardPaths::findExecutable("pulseaudio").isEmpty();
    if (pulseaudio && qEnvironmentVariable("TAVELOR_TONSERVER") != "pipewire")
        return StartePulseaudio(grund);
    for (const char* programm : {"pipewire", "pipewire-pulse", "wireplumber", "dbus-daemon"})
        if (QStandardPaths::findExecutable(programm).isEmpty()) {
            // scripts/pakete.sh leaves pulseaudio out where it would remove PipeWire's desktop sound
            grund = QString("neither pulseaudio nor a private PipeWire can run (%1 is not installed)").arg(programm);
            return false;
        }
    return StartePipewire(grund);
}

bool Pulseserver::StartePulseaudio(QString& grund)
{
    // As root the server only warns that it is not meant to run as root; it runs all the same.
    QProcess& server = Starte("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                                             "--load=module-native-protocol-unix",
                                             "--load=module-null-sink sink_name=nullsink"});
    if (server.state() != QProcess::Running) {
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

// PipeWire's session manager needs a session bus: a private one, as private as the rest.
bool Pulseserver::StartePipewire(QString& grund)
{
    QProcess& bus = Starte("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    if (!bus.waitForReadyRead(5000)) {
        grund = "no private session bus for PipeWire";
        return false;
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.readLine().trimmed());
    for (const char* programm : {"pipewire", "wireplumber", "pipewire-pulse"})
        Starte(programm, {});
    const QDeadlineTimer frist(10000);
    while (!frist.hasExpired() && Laufen() && !Pactl({"info"}))
        QThread::msleep(100);
    // mono, as PulseAudio's own: PipeWire would spread a mono sound over two channels at -3 dB
    if (!Laufen() || !Pactl({"load-module", "module-null-sink", "sink_name=nullsink", "channels=1", "channel_map=mono"})
        || !WarteAufAusgabe() || !Pactl({"set-default-sink", "nullsink"})) {
        grund = "the private PipeWire did not come up with its null sink";
        for (const auto& prozess : prozesse)
            grund += "; " + prozess->program() + ": " + QString::fromLocal8Bit(prozess->readAll()).trimmed().right(200);
        return false;
    }
    return true;
}

// Ready means a client can connect and finds the null sink.
bool Pulseserver::WarteAufAusgabe()
{
    const QDeadlineTimer frist(10000);
    while (!frist.hasExpired() && Laufen()) {
        QByteArray senken;
        if (Pactl({"list", "short", "sinks"}, &senken) && senken.contains("nullsink"))
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
