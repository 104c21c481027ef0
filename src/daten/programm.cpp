#include "programm.h"

#include "meldungsbox.h"
#include "sprache.h"
#include "textkatalog.h"
#include "daten/ton.h"

#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRect>
#include <QScreen>
#include <QTimer>

#include <filesystem>
#include <linux/magic.h>
#include <sys/vfs.h>

// "." until InitProgramm runs, so an early path never points at the file system's root.
QString ProgPfad = QStringLiteral(".");
int VonCD = 0;
int WaveVorhanden = 0;

namespace {

QString ErmittleProgPfad()
{
    std::error_code fehler;
    const std::filesystem::path pfad = std::filesystem::current_path(fehler);
    // A working directory that has been removed has no name; "." still reaches it.
    return fehler ? QStringLiteral(".") : QFile::decodeName(pfad.c_str());
}

void MeldeSystemanforderung(const QScreen& bildschirm)
{
    // The texts are not loaded yet: the message takes the language stored in the options file.
    const auto box = BaueAnforderungsmeldung(LadeText(800, GespeicherteSprache()), bildschirm.geometry());
    box->exec();
    // Quit from the event loop: InitProgramm runs before the loop has started.
    QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
}

} // namespace

bool BildschirmGenuegt(int hoehe, int farbtiefe)
{
    return hoehe >= 600 && farbtiefe >= 16;
}

bool IstCdRom(const QString& pfad)
{
    struct statfs info {};
    if (statfs(QFile::encodeName(pfad).constData(), &info) != 0)
        return false;
    return info.f_type == ISOFS_SUPER_MAGIC || info.f_type == UDF_SUPER_MAGIC;
}

std::unique_ptr<QMessageBox> BaueAnforderungsmeldung(const QString& text, const QRect& bildschirm)
{
    auto box = BaueMeldungsbox(QMessageBox::Critical, text);
    box->move(bildschirm.topLeft() + QPoint(bildschirm.width() / 2, bildschirm.height() / 2));
    return box;
}

void InitProgramm()
{
    ProgPfad = ErmittleProgPfad();
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen();
        bildschirm && !BildschirmGenuegt(bildschirm->geometry().height(), bildschirm->depth()))
        MeldeSystemanforderung(*bildschirm);
    VonCD = IstCdRom(ProgPfad) ? 1 : 0;
    WaveVorhanden = AudioAusgabeVorhanden() ? 1 : 0;
}
