#pragma once
// The table of best results as a service: loaded once, asked whether a result enters, told
// results, names and cleared lists, and saved whole after every change.

#include "beste/liste.h"
#include "beste/listendatei.h"
#include "daten/umgebung.h"
#include "engine/spielstand.h"

#include <QStringView>


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

    // Place 5 is empty, or the result has fewer moves, or as many and fewer seconds.
    bool KommtInListe(const Ergebnis& ergebnis) const;
    // Parks the result as the pending one, as the file has always held it, and places it in
    // its list; the place 1..5. Relies on KommtInListe having been asked.
    int Eintragen(const Ergebnis& ergebnis);
    void NameSetzen(int liste, int platz, QStringView name);
    void Loeschen(int liste);
    TSpeicherErgebnis Speichern();

private:
    const daten::Umgebung& umgebung_;
    TListe liste_;
};

} // namespace beste
