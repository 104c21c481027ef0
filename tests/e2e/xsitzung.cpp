#include "xsitzung.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

void Pause(int ms)
{
    const QDeadlineTimer ende(ms);
    while (!ende.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

XSitzung::XSitzung(const QString& bildschirm) : umgebung(QProcessEnvironment::systemEnvironment())
{
    // Several sessions may run at once, also in parallel test processes: the server picks a
    // free display itself and names it on its standard output once it takes connections.
    xvfb.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", bildschirm, "-nolisten", "tcp", "-noreset"});
    if (!xvfb.waitForStarted(5000)) {
        grund = QStringLiteral("Xvfb cannot be started");
        return;
    }
    QByteArray ausgabe;
    const QDeadlineTimer ende(20000);
    while (!ausgabe.contains('\n') && !ende.hasExpired() && xvfb.state() == QProcess::Running)
        if (xvfb.waitForReadyRead(int(ende.remainingTime())))
            ausgabe += xvfb.readAllStandardOutput();
    bool zahl = false;
    const int nummer = ausgabe.trimmed().toInt(&zahl);
    if (!zahl) {
        grund = QStringLiteral("Xvfb names no display: ") + QString::fromLocal8Bit(xvfb.readAllStandardError());
        return;
    }
    display = QStringLiteral(":%1").arg(nummer);
    umgebung.insert("DISPLAY", display);
    umgebung.remove("QT_QPA_PLATFORM");
}

XSitzung::~XSitzung()
{
    if (spiel.state() != QProcess::NotRunning) {
        spiel.kill();
        spiel.waitForFinished(3000);
    }
    if (xvfb.state() != QProcess::NotRunning) {
        xvfb.terminate();
        if (!xvfb.waitForFinished(3000))
            xvfb.kill();
    }
}

bool XSitzung::starte(const QString& programm, const QString& arbeitsordner)
{
    spiel.setProcessEnvironment(umgebung);
    spiel.setWorkingDirectory(arbeitsordner);
    spiel.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    spiel.start(programm, {});
    return spiel.waitForStarted(5000);
}

bool XSitzung::warteAufEnde(int ms) { return spiel.waitForFinished(ms); }

int XSitzung::ende() const
{
    return spiel.exitStatus() == QProcess::NormalExit ? spiel.exitCode() : -1;
}

QString XSitzung::xdotool(const QStringList& argumente)
{
    QProcess p;
    p.setProcessEnvironment(umgebung);
    p.start(QStringLiteral("xdotool"), argumente);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QString XSitzung::warteAufFenster(const QString& titel, int ms)
{
    const QDeadlineTimer ende(ms);
    while (!ende.hasExpired()) {
        const QString ids = xdotool({"search", "--onlyvisible", "--name", "^" + titel + "$"});
        if (!ids.isEmpty())
            return ids.split('\n').first();
        Pause(100);
    }
    return {};
}

bool XSitzung::fensterWeg(const QString& titel, int ms)
{
    const QDeadlineTimer ende(ms);
    while (!ende.hasExpired()) {
        if (xdotool({"search", "--onlyvisible", "--name", "^" + titel + "$"}).isEmpty())
            return true;
        Pause(100);
    }
    return false;
}

QPoint XSitzung::fensterLage(const QString& id)
{
    // "X=12\nY=34\n..." from --shell
    const QStringList zeilen = xdotool({"getwindowgeometry", "--shell", id}).split('\n');
    QPoint lage;
    for (const QString& zeile : zeilen) {
        if (zeile.startsWith("X="))
            lage.setX(zeile.mid(2).toInt());
        if (zeile.startsWith("Y="))
            lage.setY(zeile.mid(2).toInt());
    }
    return lage;
}

void XSitzung::taste(const QString& name) { xdotool({"key", name}); }

void XSitzung::tippe(const QString& text) { xdotool({"type", "--delay", "30", text}); }

void XSitzung::klick(QPoint punkt, int taste)
{
    xdotool({"mousemove", QString::number(punkt.x()), QString::number(punkt.y())});
    Pause(50);
    xdotool({"click", QString::number(taste)});
}

QImage XSitzung::bildschirm()
{
    QProcess p;
    p.setProcessEnvironment(umgebung);
    p.start(QStringLiteral("import"), {"-window", "root", "png:-"});
    p.waitForFinished(20000);
    QImage schirm = QImage::fromData(p.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
    schirm.setColorSpace({});  // the PNG says sRGB; the art says nothing, and images compare by both
    return schirm;
}

bool XSitzung::warteBis(const std::function<bool(const QImage&)>& bedingung, int ms)
{
    const QDeadlineTimer ende(ms);
    do {
        if (bedingung(bildschirm()))
            return true;
        Pause(150);
    } while (!ende.hasExpired());
    return false;
}

QString XSitzung::fokus() { return xdotool({"getwindowfocus"}); }

bool XSitzung::warteAufFokus(const QString& id, int ms)
{
    const QDeadlineTimer ende(ms);
    while (!ende.hasExpired()) {
        if (fokus() == id)
            return true;
        Pause(100);
    }
    return false;
}

std::string XSitzung::bildschirmSichern(const char* anlass)
{
    // The test's own folder is gone when the message is read; /tmp keeps the picture.
    const QString pfad = QDir(QDir::tempPath())
                             .filePath(QStringLiteral("tavelor-e2e-%1-%2-%3.png")
                                           .arg(QLatin1String(anlass))
                                           .arg(QCoreApplication::applicationPid())
                                           .arg(QDateTime::currentMSecsSinceEpoch()));
    const bool gesichert = bildschirm().save(pfad);
    return (gesichert ? " (screen: " + pfad + ")" : QStringLiteral(" (screen could not be saved)")).toStdString();
}
