#pragma once
// The player's lasting choices and the one owner of the options file: read once at start-up,
// each written through when the player changes it. Built once in main.cpp and handed to whoever
// shows or uses a choice; they listen to `geaendert`.
//
// options.ini             value                                           missing or not understood
// [Sprache]  Aktuell      1000 English, any other number German           the desktop's language
// [Sprache]  Code         with Aktuell=1000, the language of that code     English
//                         (e.g. "fr"); older versions know only Aktuell and show English then
// [Optionen] Animation    1 on, anything else off                         off
// [Optionen] Groesse      the main window's zoom in percent, 100 to 400   100
// [Optionen] Zuschnitt    1 the picture's centred square, else stretched  stretched
// [Optionen] Nachfragen   0 a game is given up without a question          asked
// [Optionen] Erscheinungsbild  0 the desktop's, 1 light, 2 dark           the desktop's
// [Optionen] Suchordner   the folder of the picture last chosen, UTF-8    the desktop's Pictures folder
// [Optionen] Loesetempo   Solve's moves a second: 1, 2, 4, 8 or 16         4
// [Fenster]  Ecke         the main window's outer top-left corner, "x,y"  centred on the screen
// [Fenster]  Maximiert    1 maximised, anything else not                  not maximised
// The sound switch is not stored: it is off at every start.

#include <QObject>
#include <QPoint>
#include <QStringList>

#include <array>
#include <optional>

#include "daten/bildquadrat.h"
#include "daten/inidatei.h"  // Schreibfehler
#include "daten/sicherung.h"
#include "daten/umgebung.h"

namespace daten {

// Light or dark: as the desktop says, or chosen by the player. The numbers are those of the file.
enum class Erscheinungsbild { System = 0, Hell = 1, Dunkel = 2 };
// Where the main window stood when the program last ended.
struct Fensterlage {
    QPoint ecke;
    bool maximiert = false;
    bool operator==(const Fensterlage&) const = default;
};

class Vorlieben : public QObject {
    Q_OBJECT
public:
    enum class Schluessel { Sprache, Animation, Groesse, Zuschnitt, Nachfragen, Ton, Fensterlage, Suchordner, Erscheinungsbild, Loesetempo };
    Q_ENUM(Schluessel)

    // The file is written through `schreiber`; tests put one in that fails.
    explicit Vorlieben(const Umgebung& umgebung, Schreiber schreiber = SchreibeAlles, QObject* eltern = nullptr);

    Sprache sprache() const { return sprache_; }
    bool animation() const { return animation_; }
    int groesse() const { return groesse_; }
    // The zoom in percent that the file keeps; any other reads as the smallest.
    static constexpr int KleinsteGroesse = 100, GroessteGroesse = 400;
    Zuschnitt zuschnitt() const { return zuschnitt_; }
    // Whether giving up a game in progress for a new board asks first.
    bool nachfragen() const { return nachfragen_; }
    bool ton() const { return ton_; }
    daten::Erscheinungsbild erscheinungsbild() const { return erscheinungsbild_; }
    std::optional<Fensterlage> fensterlage() const { return fensterlage_; }
    QString suchordner() const { return suchordner_; }
    // Solve's speed in moves a second, one of Loesetempi.
    int loesetempo() const { return loesetempo_; }
    static constexpr std::array<int, 5> Loesetempi = {1, 2, 4, 8, 16};
    static constexpr int VorgabeLoesetempo = 4;

    // Each writes its key (not when started from a CD-ROM), even when the value is the same, and
    // then makes the value current. Throws Schreibfehler when the options file cannot be
    // written: the old value and the old file then stay.
    void SpracheSetzen(Sprache sprache);
    void AnimationSetzen(bool an);
    void GroesseSetzen(int prozent);
    void ZuschnittSetzen(Zuschnitt zuschnitt);
    void NachfragenSetzen(bool an);
    void ErscheinungsbildSetzen(daten::Erscheinungsbild wahl);
    void LoesetempoSetzen(int zuegeProSekunde);
    // Held for this run only.
    void TonSetzen(bool an);
    // Write only the keys whose value differs from the stored one.
    void FensterlageSetzen(const Fensterlage& lage);
    void SuchordnerSetzen(const QString& ordner);

signals:
    // The value of `schluessel` is another than before.
    void geaendert(daten::Vorlieben::Schluessel schluessel);

private:
    void Schreibe(QByteArrayView abschnitt, QByteArrayView schluessel, QByteArrayView wert) const;
    bool Schreibbar() const;
    template <class T>
    void Uebernimm(T& wert, T neu, Schluessel schluessel);

    const Umgebung& umgebung_;
    Schreiber schreiber_;
    Sprache sprache_ = Sprache::Deutsch;
    bool codeGespeichert_ = false;  // the file has a Code beside Aktuell
    bool animation_ = false;
    int groesse_ = 100;
    Zuschnitt zuschnitt_ = Zuschnitt::Strecken;
    bool nachfragen_ = true;
    bool ton_ = false;
    daten::Erscheinungsbild erscheinungsbild_ = daten::Erscheinungsbild::System;
    std::optional<Fensterlage> fensterlage_;
    QString suchordner_;
    int loesetempo_ = VorgabeLoesetempo;
};

} // namespace daten
