#pragma once
// The texts of the program in the current language, and the language itself: read from the
// options file, switched from the menu and stored there. Windows listen to `spracheGeaendert`
// and put their captions in place.

#include <QObject>
#include <QString>

#include "daten/umgebung.h"

namespace daten {

// The message texts by their catalogue numbers.
namespace text {
inline constexpr int KeinEintrag = 503, MaxZuege = 504, MaxZeit = 505, MitHilfe = 506, Zurueck = 332;
inline constexpr int SystemAnforderung = 800, SpeicherFehler = 801, CDRom = 802, DateiFehlt = 803,
                     GrafikFormat = 804, PfadFehlt = 805, KeineBilder = 806,
                     KopierFehler = 807,  // followed by the folder
                     BildZuGross = 812, BildBeschaedigt = 813, KeinBild = 814;
inline constexpr int Mittelquadrat = 324, BildSuchen = 325, BildWaehlen = 326, Bilder = 327;
} // namespace text

class Texte : public QObject {
    Q_OBJECT
public:
    // In the language stored in the options file.
    explicit Texte(const Umgebung& umgebung, QObject* eltern = nullptr);

    Sprache sprache() const { return sprache_; }
    bool englisch() const { return sprache_ == Sprache::Englisch; }
    // Text `id` of the catalogue in the current language; empty when there is none.
    QString operator()(int id) const;
    QString hilfeDatei() const { return umgebung_.hilfeDatei(sprache_); }

    // The language stored in the options file; anything but English counts as German.
    Sprache GespeicherteSprache() const;
    // Takes the stored language again.
    void Laden();
    // Stores the language (not when started from a CD-ROM) and makes it current. Throws
    // Schreibfehler when the options file cannot be written; the language then stays.
    void Setzen(Sprache sprache);

signals:
    void spracheGeaendert();

private:
    const Umgebung& umgebung_;
    Sprache sprache_ = Sprache::Deutsch;
};

} // namespace daten
