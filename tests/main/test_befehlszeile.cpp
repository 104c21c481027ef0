// The command line of the built program: --help and --version answer on standard output even
// without a display, in the stored language; anything else gets a short usage on standard error
// and the exit code 2, before any window.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(Befehlszeile, AntwortenUndEndcodes)
{
    const struct {
        QStringList argumente;
        const char* sprache;      // the desktop's
        bool englischGespeichert;  // options.ini says English
        bool bildschirm;          // Qt may open a (virtual) display
        int code;
        QString aus, fehler;      // how standard output and error begin
    } faelle[] = {
        {{"--help"}, "de", false, false, 0, "Aufruf: tavelor [OPTION …]\nEin Bilderpuzzle", ""},
        {{"--portable", "--version"}, "de", false, false, 0, "Tavelor " TAVELOR_VERSION "\nFreie Software", ""},
        {{"-v"}, "de", true, false, 0, "Tavelor " TAVELOR_VERSION "\nFree software", ""},
        {{"--bogus"}, "de", false, true, 2, "",
         "tavelor: unbekannte Option „--bogus“\nAufruf: tavelor [--portable] [--help] [--version]\n"},
        {{"-platform", "offscreen", "bild.png"}, "en", false, true, 2, "",
         "tavelor: unexpected argument 'bild.png'\nUsage: tavelor [--portable] [--help] [--version]\n"},
        {{"--", "--help"}, "de", false, true, 2, "", "tavelor: unerwartetes Argument „--help“\n"},
    };
    for (const auto& f : faelle) {
        QTemporaryDir ordner;  // a portable working folder: its options file decides the language
        if (f.englischGespeichert) {
            QFile optionen(ordner.filePath("options.ini"));
            ASSERT_TRUE(optionen.open(QIODevice::WriteOnly));
            optionen.write("[Sprache]\nAktuell=1000\n");
        }
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert("LANGUAGE", f.sprache);
        umgebung.remove("DISPLAY");
        umgebung.remove("WAYLAND_DISPLAY");
        umgebung.remove("QT_QPA_PLATFORM");
        if (f.bildschirm)
            umgebung.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess spiel;
        spiel.setProcessEnvironment(umgebung);
        spiel.setWorkingDirectory(ordner.path());
        spiel.start(TAVELOR_PROGRAMM, f.argumente);
        ASSERT_TRUE(spiel.waitForFinished(20000)) << f.argumente.join(' ').toStdString();
        const QString aus = QString::fromLocal8Bit(spiel.readAllStandardOutput());
        const QString fehler = QString::fromLocal8Bit(spiel.readAllStandardError());
        EXPECT_EQ(spiel.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(spiel.exitCode(), f.code) << f.argumente.join(' ').toStdString();
        EXPECT_EQ(aus.left(f.aus.size()), f.aus) << aus.toStdString();
        EXPECT_EQ(aus.isEmpty(), f.aus.isEmpty()) << aus.toStdString();
        EXPECT_TRUE(fehler.contains(f.fehler) && fehler.contains("tavelor:") != f.fehler.isEmpty()) << fehler.toStdString();
    }
}

} // namespace
