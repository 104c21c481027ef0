#include "programm.h"

#include "meldungsbox.h"
#include "sprache.h"
#include "textkatalog.h"

#include <QFile>
#include <QGuiApplication>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPushButton>
#include <QRect>
#include <QScreen>

#include <cstdio>
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

bool SystemanforderungErfuellt()
{
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    if (!bildschirm || BildschirmGenuegt(bildschirm->geometry().height(), bildschirm->depth()))
        return true;
    // No text is loaded yet: the message takes the language stored in the options file.
    ProgPfad = ErmittleProgPfad();
    const QString text = LadeText(800, GespeicherteSprache());
    // Below 16 bits Qt may not be able to paint the box at all; the terminal still gets the text.
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    BaueAnforderungsmeldung(text, bildschirm->geometry())->exec();
    return false;
}

void InitProgramm()
{
    ProgPfad = ErmittleProgPfad();
    VonCD = IstCdRom(ProgPfad) ? 1 : 0;
    WaveVorhanden = QMediaDevices::audioOutputs().isEmpty() ? 0 : 1;
    // Messages may come before the main window is first shown (a broken first picture), and
    // they are to be in the stored language too.
    LadeSprache();
}
