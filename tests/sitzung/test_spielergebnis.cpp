// The one value every end of a game hands on: solved, at the move or the time limit, given up
// for a new game or at quitting, helped, and taken up again from spiel.dat. Its moves played on
// its start board give the board the game ended with, and there are as many as it counted.
#include "engine/loeser.h"
#include "sitzung/spielleitung.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

using namespace sitzung;
using engine::Variante;

namespace {

// A game with its leader, and what it told at its ends; with a folder, kept in spiel.dat.
struct Partie {
    explicit Partie(const QString& ordner = {}, bool inDieListe = true)
    {
        if (!ordner.isEmpty())
            ablage = std::make_unique<Spielablage>(ordner, false);
        leitung = std::make_unique<Spielleitung>(sitzung, nullptr, vorlieben, ablage.get());
        leitung->ListeSetzen([inDieListe](const Spielergebnis&) { return inDieListe; });
        QObject::connect(&sitzung, &Spielsitzung::spielZuEnde, [this](const Spielergebnis& e) {
            ergebnisse.push_back(e);
            bretter.push_back(sitzung.spiel().Spielfeld);  // the board it ended on
        });
        QObject::connect(leitung.get(), &Spielleitung::abgeschlossen, [this](const Abschluss& a) { abschluesse.push_back(a); });
    }
    void Neu(Variante variante = Variante::Verschieben, int n = 3)
    {
        Einstellungen e;
        e.variante = variante;
        e.groesse = n;
        e.vorschau = false;
        leitung->NeuesSpiel(e);
    }
    void Loesen()
    {
        for (const engine::Zug& zug : engine::Loesung(sitzung.spiel()))
            sitzung.Ziehe(zug);
    }

    QTemporaryDir leer;
    daten::Umgebung umgebung{leer.path(), false, {}};
    daten::Vorlieben vorlieben{umgebung};
    engine::MtZufall zufall{17};
    Spielsitzung sitzung{zufall};
    std::unique_ptr<Spielablage> ablage;
    std::unique_ptr<Spielleitung> leitung;
    std::vector<Spielergebnis> ergebnisse;
    std::vector<decltype(engine::Spielstand::Spielfeld)> bretter;
    std::vector<Abschluss> abschluesse;
};

engine::Spielstand Nachgespielt(const Spielergebnis& e)
{
    engine::Spielstand s = *e.start;
    for (const engine::Zug& zug : e.gespielt)
        engine::Ausfuehren(s, zug);
    return s;
}

struct Fall {
    const char* name;
    std::function<void(Partie&)> spielen;
    Ausgang ausgang;
    bool mitHilfe = false;
    bool eintrag = false;
    int meldung = 0;  // with a told end
    bool liste = true;
};

TEST(Spielergebnis, JedesEndeGibtEinenWertMitDemGanzenSpiel)
{
    const auto zugUndZurueck = [](Partie& p) {
        p.sitzung.Ziehe({engine::Operation::ZeileRechts, 1});
        p.sitzung.Rueckgaengig();
    };
    const std::vector<Fall> faelle = {
        {"geloest", [&](Partie& p) { p.Neu(); zugUndZurueck(p); p.Loesen(); }, Ausgang::Geloest, false, true},
        {"geloest, zu schwach", [](Partie& p) { p.Neu(); p.Loesen(); }, Ausgang::Geloest, false, false, 503, false},
        {"mit Hilfe",
         [](Partie& p) {
             p.Neu(Variante::Drehen);
             QSignalSpy tipp(&p.sitzung, &Spielsitzung::tippGezeigt);
             p.sitzung.Tipp();
             ASSERT_TRUE(tipp.wait(5000));
             p.Loesen();
         },
         Ausgang::Geloest, true, false, 506},
        {"Zuggrenze",
         [](Partie& p) {
             p.Neu();
             for (int i = 0; i < engine::MaxZuege && p.sitzung.spiel().brettAktiv(); ++i)
                 p.sitzung.Ziehe({i % 2 ? engine::Operation::SpalteHoch : engine::Operation::ZeileRechts, 2});
         },
         Ausgang::MaxZuege, false, false, 504},
        {"Zeitgrenze",
         [&](Partie& p) {
             p.Neu(Variante::Verschieben, 5);
             p.sitzung.Ziehe({engine::Operation::SpalteRunter, 3});
             for (int i = 0; i < engine::MaxSekunden; ++i)
                 p.sitzung.Sekunde();
         },
         Ausgang::MaxZeit, false, false, 505},
        {"neues Spiel", [&](Partie& p) { p.Neu(); zugUndZurueck(p); p.Neu(Variante::Drehen, 5); p.Neu(); },
         Ausgang::Abgebrochen},
        {"Beenden, nicht aufbewahrt", [&](Partie& p) { p.Neu(); zugUndZurueck(p); p.leitung->Beenden(); },
         Ausgang::Abgebrochen},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Partie p({}, f.liste);
        f.spielen(p);
        ASSERT_EQ(p.ergebnisse.size(), 1u) << "one end, and the games without a move end without one";
        const Spielergebnis& e = p.ergebnisse[0];
        EXPECT_EQ(e.ausgang, f.ausgang);
        EXPECT_EQ(e.mitHilfe, f.mitHilfe);
        ASSERT_TRUE(e.start);
        EXPECT_EQ(e.start->ZugAnzahl, 0);
        EXPECT_EQ(int(e.gespielt.size()), e.zuege);
        EXPECT_GE(e.zuege, 1);
        EXPECT_EQ(e.zugSekunden.size(), e.gespielt.size());
        EXPECT_TRUE(std::is_sorted(e.zugSekunden.begin(), e.zugSekunden.end()) && e.zugSekunden.back() <= e.sekunden);
        const engine::Spielstand ende = Nachgespielt(e);
        EXPECT_EQ(ende.Spielfeld, p.bretter[0]) << "the board the game ended with";
        EXPECT_EQ(engine::Geloest(ende), f.ausgang == Ausgang::Geloest);
        EXPECT_FALSE(e.einstellungen.vorschau) << "as chosen, not as the end shows it";
        EXPECT_TRUE(e.beginn.isValid() && e.beginn <= e.ende && e.ende.timeSpec() == Qt::UTC);
        ASSERT_EQ(p.abschluesse.size(), f.ausgang == Ausgang::Abgebrochen ? 0u : 1u);
        if (!p.abschluesse.empty()) {
            EXPECT_EQ(p.abschluesse[0].ergebnis, e);
            EXPECT_EQ(p.abschluesse[0].eintrag, f.eintrag);
            EXPECT_EQ(p.abschluesse[0].meldung, f.meldung);
            EXPECT_EQ(p.abschluesse[0].ton, f.eintrag ? "ton2.wav" : "ton3.wav");
        }
    }
}

// A game kept in spiel.dat and taken up at the next start is still one game: its start board,
// moves and start time come back with it, and its result tells the whole game.
TEST(Spielergebnis, WiederAufgenommenesSpielBleibtEinSpiel)
{
    QTemporaryDir ordner;
    std::optional<engine::Spielstand> start;
    QDateTime beginn;
    std::vector<engine::Zug> vorher;
    {
        Partie erste(ordner.path());
        erste.ablage->Laden();
        erste.Neu(Variante::Drehen, 4);
        for (int k : {1, 5, 9})
            erste.sitzung.Ziehe({engine::Operation::AchseRechts, k});
        erste.sitzung.Rueckgaengig();
        start = erste.sitzung.schnappschuss().start;
        beginn = erste.sitzung.schnappschuss().beginn;
        vorher = erste.sitzung.schnappschuss().gespielt;
        erste.leitung->Beenden();
        EXPECT_TRUE(erste.ergebnisse.empty()) << "kept: not over";
    }
    Partie zweite(ordner.path());
    zweite.leitung->SichernUndWarten();  // a signal before the start has decided leaves the file alone
    QSignalSpy begonnen(zweite.leitung.get(), &Spielleitung::begonnen);
    zweite.leitung->Beginnen();
    ASSERT_TRUE(begonnen.wait(5000));
    EXPECT_TRUE(begonnen[0][0].toBool());
    zweite.sitzung.PauseUmschalten();
    zweite.Loesen();
    ASSERT_EQ(zweite.ergebnisse.size(), 1u);
    const Spielergebnis& e = zweite.ergebnisse[0];
    EXPECT_EQ(e.ausgang, Ausgang::Geloest);
    EXPECT_EQ(e.start, start);
    EXPECT_EQ(e.beginn, beginn);
    ASSERT_GT(e.gespielt.size(), vorher.size());
    EXPECT_TRUE(std::equal(vorher.begin(), vorher.end(), e.gespielt.begin()));
    EXPECT_EQ(e.zugSekunden.size(), e.gespielt.size());
    EXPECT_EQ(int(e.gespielt.size()), e.zuege);
    EXPECT_TRUE(engine::Geloest(Nachgespielt(e)));
    EXPECT_FALSE(QFileInfo::exists(ordner.filePath("spiel.dat"))) << "gone with the end";
}

} // namespace
