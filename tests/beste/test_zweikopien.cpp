// Two copies of the game in one folder, both saving results into the same list file.

#include "beste/bestenliste.h"
#include "beste/namen.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>
#include <vector>

using namespace beste;

namespace {

struct Versuch {
    engine::Variante variante;
    int groesse;
    std::uint16_t zuege, sekunden;
    QString name;

    auto rang() const { return std::tie(zuege, sekunden); }
};

// Results of one copy: a few lists, moves from a small range so that many enter and many drop out
// again, seconds that tell every result apart.
std::vector<Versuch> Versuche(int kopie, int anzahl)
{
    std::mt19937 zufall(unsigned(17 + kopie));
    const std::vector<std::pair<engine::Variante, int>> listen = {
        {engine::Variante::Schieben, 3}, {engine::Variante::Verschieben, 5}, {engine::Variante::Drehen, 6}};
    std::vector<Versuch> versuche;
    for (int i = 0; i < anzahl; ++i) {
        const auto [variante, groesse] = listen[zufall() % listen.size()];
        versuche.push_back({variante, groesse, std::uint16_t(1 + zufall() % 60), std::uint16_t(2 * i + kopie),
                            QStringLiteral("%1%2").arg(QChar(u'A' + kopie)).arg(i)});
    }
    return versuche;
}

// A child process that enters its results one by one, as the game does at the end of each
// solved game, once both copies are ready.
pid_t Kopie(const QString& ordner, const std::vector<Versuch>& versuche, int start)
{
    const pid_t kind = ::fork();
    if (kind != 0)
        return kind;
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    char zeichen;
    (void)!::read(start, &zeichen, 1);
    const daten::Umgebung umgebung{ordner, false, {}};
    Bestenliste liste(umgebung);
    for (const Versuch& v : versuche) {
        const Ergebnis e{v.variante, v.groesse, v.zuege, v.sekunden};
        if (!liste.KommtInListe(e))
            continue;
        liste.NameSetzen(ListenIndex(v.variante, v.groesse), liste.Eintragen(e), v.name);
        if (liste.Speichern() != TSpeicherErgebnis::Gespeichert)
            ::_exit(1);
    }
    ::_exit(0);
}

TEST(ZweiKopien, JedesErgebnisDasUnterDieBestenGehoertBleibt)
{
    QTemporaryDir ordner;
    constexpr int Anzahl = 200;
    std::vector<Versuch> alle;
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    std::vector<pid_t> kinder;
    for (int kopie = 0; kopie < 2; ++kopie) {
        const auto versuche = Versuche(kopie, Anzahl);
        alle.insert(alle.end(), versuche.begin(), versuche.end());
        kinder.push_back(Kopie(ordner.path(), versuche, start[0]));
    }
    (void)!::write(start[1], "xx", 2);
    for (pid_t kind : kinder) {
        int status = -1;
        ASSERT_EQ(::waitpid(kind, &status, 0), kind);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    std::map<int, std::vector<Versuch>> erwartet;
    for (const Versuch& v : alle)
        erwartet[ListenIndex(v.variante, v.groesse)].push_back(v);
    const TListe datei = LadeListe((ordner.path() + "/morvik.dat").toStdString());
    for (auto& [d, versuche] : erwartet) {
        std::sort(versuche.begin(), versuche.end(), [](const Versuch& a, const Versuch& b) { return a.rang() < b.rang(); });
        for (int platz = 1; platz <= PlatzAnzahl; ++platz) {
            const Versuch& v = versuche[std::size_t(platz - 1)];
            EXPECT_EQ(NameAlsText(datei.Namen[d][platz]), v.name) << "list " << d << ", place " << platz;
            EXPECT_EQ(datei.Zuege[d][platz], v.zuege);
            EXPECT_EQ(datei.Zeiten[d][platz], v.sekunden);
        }
    }
}

} // namespace
