#pragma once
// A private X server with the real program in it, driven like a player would: xdotool for the
// mouse and keys, ImageMagick's import for screenshots.

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <string>

class XSitzung {
public:
    // The screen as Xvfb takes it: width x height x depth.
    explicit XSitzung(const QString& bildschirm = QStringLiteral("1024x768x24"));
    ~XSitzung();

    bool laeuft() const { return !display.isEmpty(); }
    // The environment of programs that are to run in this server.
    QProcessEnvironment umgebungFuerProgramme() const { return umgebung; }
    QString fehler() const { return grund; }
    // Sets a variable of the environment the program will start with.
    void setzeVariable(const QString& name, const QString& wert) { umgebung.insert(name, wert); }

    // Starts the program with the folder as its working directory.
    bool starte(const QString& programm, const QString& arbeitsordner);
    bool programmLaeuft() const { return spiel.state() != QProcess::NotRunning; }
    qint64 pid() const { return spiel.processId(); }
    // Waits for the program to end by itself.
    bool warteAufEnde(int ms);
    // How the program ended: its exit code, or -1 when it crashed.
    int ende() const;

    // Runs xdotool with these arguments; its output.
    QString xdotool(const QStringList& argumente);
    // The id of the window that has the keyboard focus.
    QString fokus();
    bool warteAufFokus(const QString& id, int ms = 10000);
    // The id of the first visible window whose title matches, or empty after the wait.
    QString warteAufFenster(const QString& titel, int ms = 15000);
    bool fensterWeg(const QString& titel, int ms = 10000);
    QPoint fensterLage(const QString& id);

    void taste(const QString& name);
    void tippe(const QString& text);
    void klick(QPoint bildschirmpunkt, int taste = 1);

    QImage bildschirm();
    // Polls the screen until the condition holds.
    bool warteBis(const std::function<bool(const QImage&)>& bedingung, int ms = 10000);
    // Saves the screen as it is now, for a failure message: " (screen: PATH)".
    std::string bildschirmSichern(const char* anlass);

private:
    QProcess xvfb, spiel;
    QString display, grund;
    QProcessEnvironment umgebung;
};

void Pause(int ms);
