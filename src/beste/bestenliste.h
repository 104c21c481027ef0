#pragma once
// The table of best results as a service: asked whether a result enters, told results, names
// and cleared lists, and saved whole after every change. Another copy of the game may save the
// same file meanwhile, so a save takes a lock beside the file, reads it again, lays this copy's
// changes over it and writes the result: every copy's results are kept and ranked.

#include "beste/ganzenamen.h"
#include "beste/liste.h"
#include "beste/listendatei.h"
#include "daten/umgebung.h"
#include "engine/spielstand.h"

#include <QString>
#include <QStringView>

#include <vector>

namespace beste {

struct Ergebnis {
    engine::Variante variante;
    int groesse;
    std::uint16_t zuege;
    std::uint16_t sekunden;
};

// The list of a variant and board side (1..4, 6..9, 11..14).
int ListenIndex(engine::Variante variante, int groesse);

class Bestenliste {
public:
    // Loads ProgPfad + "/morvik.dat"; a missing or short file gives empty lists.
    explicit Bestenliste(const daten::Umgebung& umgebung);
    Bestenliste(const Bestenliste&) = delete;
    Bestenliste& operator=(const Bestenliste&) = delete;

    const TListe& liste() const { return liste_; }
    // The name shown for a place, whole in any script where the file beside the list keeps it.
    QString Name(int liste, int platz) const { return AnzeigeName(liste_, ganze_, liste, platz); }

    // Takes what another copy of the game has saved since, keeping this copy's changes.
    void Auffrischen();
    // Place 5 is empty, or the result has fewer moves, or as many and fewer seconds; asked of
    // the file as it is now.
    bool KommtInListe(const Ergebnis& ergebnis);
    // Parks the result as the pending one, as the file has always held it, and places it in
    // its list; the place 1..5. Relies on KommtInListe having been asked.
    int Eintragen(const Ergebnis& ergebnis);
    void NameSetzen(int liste, int platz, QStringView name);
    void Loeschen(int liste);
    TSpeicherErgebnis Speichern();

private:
    // A change not yet saved, to be laid over the file as it is when saving.
    struct Aenderung {
        enum class Art { Eintrag, Name, Loeschen } art;
        int liste;
        int platz = 0;  // the place here, for Eintrag and Name
        std::uint16_t zuege = 0, sekunden = 0;
        QString name;
    };
    static TListe Nachspielen(TListe liste, const std::vector<Aenderung>& aenderungen);

    const daten::Umgebung& umgebung_;
    TListe liste_;
    TGanzeNamen ganze_;  // beside liste_, place by place
    std::vector<Aenderung> offen_;
};

} // namespace beste
