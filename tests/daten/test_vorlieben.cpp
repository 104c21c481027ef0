// The player's preferences: each key of the options file read with its default, written as the
// one line it is, kept across a restart, told when changed; a failed write changes nothing, and
// from a CD nothing is written.
#include "daten/inidatei.h"
#include "daten/vorlieben.h"

#include "dateihilfen.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace daten;

namespace {

using S = Vorlieben::Schluessel;

// One stored preference, its values as numbers: the language as its text offset, switches as 0
// and 1, the size in percent.
struct Fall {
    const char* name;
    S schluessel;
    QByteArray abschnitt, zeile;  // the section and the key as the file holds them
    std::function<int(const Vorlieben&)> lies;
    std::function<void(Vorlieben&, int)> setze;
    int vorgabe;                  // missing or not understood (the tests run on a German desktop)
    int anders;                   // a value other than the default
    std::vector<QByteArray> unverstanden;
    QByteArray hex;               // a hexadecimal spelling of `anders`
};

const std::vector<Fall>& Faelle()
{
    static const std::vector<Fall> faelle = {
        {"Sprache", S::Sprache, "Sprache", "Aktuell",
         [](const Vorlieben& v) { return v.sprache() == Sprache::Englisch ? 1000 : 0; },
         [](Vorlieben& v, int w) { v.SpracheSetzen(w == 1000 ? Sprache::Englisch : Sprache::Deutsch); }, 0, 1000,
         {"5", "2000", "-1000", "Englisch", "", "0x"}, "0x3E8"},
        {"Animation", S::Animation, "Optionen", "Animation", [](const Vorlieben& v) { return int(v.animation()); },
         [](Vorlieben& v, int w) { v.AnimationSetzen(w == 1); }, 0, 1, {"2", "-1", "ja", "", "1.0"}, "0X1"},
        {"Groesse", S::Groesse, "Optionen", "Groesse", [](const Vorlieben& v) { return v.groesse(); },
         [](Vorlieben& v, int w) { v.GroesseSetzen(w); }, 100, 150, {"abc", "99", "401", "", "-150", "150 %"}, "0x96"},
        {"Zuschnitt", S::Zuschnitt, "Optionen", "Zuschnitt",
         [](const Vorlieben& v) { return v.zuschnitt() == Zuschnitt::Mitte ? 1 : 0; },
         [](Vorlieben& v, int w) { v.ZuschnittSetzen(w == 1 ? Zuschnitt::Mitte : Zuschnitt::Strecken); }, 0, 1,
         {"2", "Mitte", "", "0x"}, "0x01"},
        {"Nachfragen", S::Nachfragen, "Optionen", "Nachfragen", [](const Vorlieben& v) { return int(v.nachfragen()); },
         [](Vorlieben& v, int w) { v.NachfragenSetzen(w == 1); }, 1, 0, {"nein", "", "0x", "aus"}, "0x0"},
        {"Erscheinungsbild", S::Erscheinungsbild, "Optionen", "Erscheinungsbild",
         [](const Vorlieben& v) { return int(v.erscheinungsbild()); },
         [](Vorlieben& v, int w) { v.ErscheinungsbildSetzen(Erscheinungsbild(w)); }, 0, 2,
         {"3", "-1", "dunkel", "", "2.0"}, "0x2"},
        {"Loesetempo", S::Loesetempo, "Optionen", "Loesetempo", [](const Vorlieben& v) { return v.loesetempo(); },
         [](Vorlieben& v, int w) { v.LoesetempoSetzen(w); }, 4, 16, {"3", "0", "32", "-4", "schnell", "", "8.0"}, "0x10"},
    };
    return faelle;
}

class VorliebenTest : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    Umgebung umgebung{ordner.path(), false, {}};
    QString datei = ordner.filePath("options.ini");

    void SetUp() override { ASSERT_TRUE(ordner.isValid()); }
    QStringList Dateien() const { return QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden); }
    // The values announced by `geaendert`.
    static std::vector<S> Gemeldet(const QSignalSpy& spion)
    {
        std::vector<S> schluessel;
        for (const QList<QVariant>& signal : spion)
            schluessel.push_back(signal.at(0).value<S>());
        return schluessel;
    }
};

// LANGUAGE's first language the game has wins, then the first locale set that is no C or POSIX.
TEST(DesktopSprache, AusDerUmgebung)
{
    const struct {
        Sprachwahl wahl;  // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        Sprache erwartet;
    } faelle[] = {
        {{"de", "", "", "en_US.UTF-8"}, Sprache::Deutsch},
        {{"ja:fr_CA:de", "", "", ""}, Sprache::Franzoesisch},
        {{"pt", "", "", ""}, Sprache::PortugiesischBrasilien},
        {{"", "ru_RU.UTF-8", "de_DE", "pl_PL"}, Sprache::Russisch},
        {{"", "", "cs_CZ.UTF-8", "de_DE"}, Sprache::Tschechisch},
        {{"", "", "", "pl_PL.UTF-8"}, Sprache::Polnisch},
        {{"", "C.UTF-8", "POSIX", "pt_BR.UTF-8"}, Sprache::PortugiesischBrasilien},
        {{"", "", "", "sv_SE@euro"}, Sprache::Schwedisch},
        {{"", "C", "", ""}, Sprache::Englisch},
        {{"ja", "", "", "ja_JP.UTF-8"}, Sprache::Englisch},
        {{"", "", "", ""}, Sprache::Englisch},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(SpracheDesDesktops(f.wahl), f.erwartet) << f.wahl.language.toStdString() << '/' << f.wahl.lang.toStdString();
}

// Aktuell stays what older versions read; Code beside it names a third language, only with 1000.
TEST_F(VorliebenTest, SpracheMitCodeNebenAktuell)
{
    const struct {
        QByteArray vorher;
        std::optional<Sprache> gewaehlt;
        Sprache gelesen;
        QByteArray nachher;
    } faelle[] = {
        {"[Sprache]\nAktuell=1000\nCode=fr\n", {}, Sprache::Franzoesisch, {}},
        {"[Sprache]\nAktuell=0\nCode=fr\n", {}, Sprache::Deutsch, {}},
        {"[Sprache]\nAktuell=1000\nCode=xx\n", {}, Sprache::Englisch, {}},
        {"[Sprache]\nAktuell=1000\nCode=de\n", {}, Sprache::Englisch, {}},
        {"", Sprache::Polnisch, Sprache::Polnisch, "[Sprache]\nAktuell=1000\nCode=pl\n"},
        {"[Sprache]\nAktuell=1000\nCode=fr\n", Sprache::Englisch, Sprache::Englisch, "[Sprache]\nAktuell=1000\nCode=en\n"},
        {"[Sprache]\nAktuell=1000\nCode=ru\n", Sprache::Deutsch, Sprache::Deutsch, "[Sprache]\nAktuell=0\nCode=de\n"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.vorher.constData());
        Schreibe(datei, f.vorher);
        if (f.gewaehlt) {
            Vorlieben(umgebung).SpracheSetzen(*f.gewaehlt);
            EXPECT_EQ(Lies(datei), f.nachher);
        }
        EXPECT_EQ(Vorlieben(umgebung).sprache(), f.gelesen);
    }
}

// With nothing stored the language is the desktop's, and reading writes nothing.
TEST_F(VorliebenTest, FehlendOderUnverstandenGiltDieVorgabe)
{
    ASSERT_EQ(SpracheDesDesktops(Sprachwahl::AusUmgebung()), Sprache::Deutsch);
    for (const Fall& f : Faelle()) {
        SCOPED_TRACE(f.name);
        QFile::remove(datei);
        EXPECT_EQ(f.lies(Vorlieben(umgebung)), f.vorgabe) << "no file";
        EXPECT_TRUE(Dateien().isEmpty());
        Schreibe(datei, "[" + f.abschnitt + "]\nAnders=" + QByteArray::number(f.anders) + "\n[Fremd]\n" + f.zeile + "="
                            + QByteArray::number(f.anders) + "\n");
        EXPECT_EQ(f.lies(Vorlieben(umgebung)), f.vorgabe) << "the key in another section";
        for (const QByteArray& wert : f.unverstanden) {
            Schreibe(datei, "[" + f.abschnitt + "]\n" + f.zeile + "=" + wert + "\n");
            EXPECT_EQ(f.lies(Vorlieben(umgebung)), f.vorgabe) << wert.constData();
        }
        // Names are matched without regard to case, numbers may be hexadecimal, lines end in CR LF.
        Schreibe(datei, "[" + f.abschnitt.toLower() + "]\r\n" + f.zeile.toUpper() + " = " + f.hex + "\r\n");
        EXPECT_EQ(f.lies(Vorlieben(umgebung)), f.anders) << f.hex.constData();
    }
}

TEST_F(VorliebenTest, SetzenSchreibtDieZeileMeldetUndGiltNachDemNeustart)
{
    for (const Fall& f : Faelle()) {
        SCOPED_TRACE(f.name);
        const QByteArray vorher = "[Fenster]\nLinks=10\n";
        Schreibe(datei, vorher);
        Vorlieben vorlieben(umgebung);
        QSignalSpy spion(&vorlieben, &Vorlieben::geaendert);
        f.setze(vorlieben, f.anders);
        const QByteArray zeile = f.zeile + '=' + QByteArray::number(f.anders) + '\n';
        EXPECT_EQ(Lies(datei), vorher + '[' + f.abschnitt + "]\n" + zeile);
        EXPECT_EQ(f.lies(vorlieben), f.anders);
        EXPECT_EQ(f.lies(Vorlieben(umgebung)), f.anders) << "after a restart";
        EXPECT_EQ(Gemeldet(spion), std::vector<S>{f.schluessel});

        // The same value again is written again but not told; the default is written as a number.
        QFile::setPermissions(datei, QFileDevice::ReadOwner);  // a read-only mark does not stop it
        f.setze(vorlieben, f.anders);
        EXPECT_EQ(spion.size(), 1);
        f.setze(vorlieben, f.vorgabe);
        EXPECT_EQ(Lies(datei), vorher + '[' + f.abschnitt + "]\n" + f.zeile + '=' + QByteArray::number(f.vorgabe) + '\n');
        EXPECT_EQ(f.lies(Vorlieben(umgebung)), f.vorgabe);
        EXPECT_EQ(Gemeldet(spion), (std::vector<S>{f.schluessel, f.schluessel}));
        EXPECT_EQ(Dateien(), QStringList{"options.ini"});
    }
}

// The file a player gets who switches everything once, in the order of the menu and the dialog.
TEST_F(VorliebenTest, AlleSchluesselInIhrenAbschnitten)
{
    Vorlieben vorlieben(umgebung);
    for (const Fall& f : Faelle())
        f.setze(vorlieben, f.anders);
    EXPECT_EQ(Lies(datei), "[Sprache]\nAktuell=1000\n[Optionen]\nAnimation=1\nGroesse=150\nZuschnitt=1\nNachfragen=0\nErscheinungsbild=2\n"
                           "Loesetempo=16\n");
}

// The write fails half-way through the saving seam, or the folder is gone: the old value, the
// old file and no other file stay, and nothing is told.
TEST_F(VorliebenTest, FehlgeschlagenesSchreibenLaesstWertUndDateiStehen)
{
    const Schreiber halb = [](int fd, std::span<const std::uint8_t> bytes) {
        (void)SchreibeAlles(fd, bytes.first(bytes.size() / 2));
        return false;
    };
    const QByteArray alt = "[Optionen]\nGroesse=125\n";
    for (const Fall& f : Faelle()) {
        SCOPED_TRACE(f.name);
        Schreibe(datei, alt);
        Vorlieben vorlieben(umgebung, halb);
        const int vorher = f.lies(vorlieben);
        QSignalSpy spion(&vorlieben, &Vorlieben::geaendert);
        try {
            f.setze(vorlieben, f.anders);
            ADD_FAILURE() << "no error";
        } catch (const Schreibfehler& fehler) {
            EXPECT_EQ(fehler.text(), "nach " + datei + " kann nicht geschrieben werden");
        }
        EXPECT_EQ(f.lies(vorlieben), vorher);
        EXPECT_EQ(Lies(datei), alt);
        EXPECT_EQ(Dateien(), QStringList{"options.ini"});
        EXPECT_EQ(spion.size(), 0);
    }

    Umgebung weg{ordner.filePath("fehlt"), false, {}};
    Vorlieben vorlieben(weg);
    EXPECT_THROW(vorlieben.SpracheSetzen(Sprache::Englisch), Schreibfehler);
    EXPECT_EQ(vorlieben.sprache(), Sprache::Deutsch);
    EXPECT_FALSE(QFile::exists(weg.optionsDatei()));
}

// From a CD every switch holds for the run and nothing is written; sound is never written.
TEST_F(VorliebenTest, VonCDUndTonOhneZuSchreiben)
{
    umgebung.vonCD = true;
    Vorlieben vorlieben(umgebung);
    QSignalSpy spion(&vorlieben, &Vorlieben::geaendert);
    for (const Fall& f : Faelle()) {
        f.setze(vorlieben, f.anders);
        EXPECT_EQ(f.lies(vorlieben), f.anders) << f.name;
    }
    EXPECT_EQ(Gemeldet(spion), (std::vector<S>{S::Sprache, S::Animation, S::Groesse, S::Zuschnitt, S::Nachfragen, S::Erscheinungsbild,
                                                S::Loesetempo}));
    EXPECT_TRUE(Dateien().isEmpty());

    umgebung.vonCD = false;
    EXPECT_FALSE(vorlieben.ton()) << "off at every start";
    vorlieben.TonSetzen(true);
    EXPECT_TRUE(vorlieben.ton());
    EXPECT_EQ(Gemeldet(spion).back(), S::Ton);
    EXPECT_TRUE(Dateien().isEmpty());
    EXPECT_FALSE(Vorlieben(umgebung).ton());
}

} // namespace
