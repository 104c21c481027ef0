#include "daten/textkatalog.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace {

struct Katalogtext {
    int id;
    std::string_view text; // UTF-8
};

// German 0-999, English 1000-1999; kept sorted by id for the binary search below.
constexpr std::array katalog{
    Katalogtext{0, "&Spiel"},
    Katalogtext{1, "&Neues Spiel"},
    Katalogtext{2, "Besten&liste"},
    Katalogtext{3, "Neues Spiel wie &zuvor"},
    Katalogtext{4, "&Rückgängig"},
    Katalogtext{5, "&Wiederholen"},
    Katalogtext{19, "&Beenden"},
    Katalogtext{20, "&Optionen"},
    Katalogtext{21, "Pa&use"},
    Katalogtext{22, "T&ipp"},
    Katalogtext{23, "&Lösen"},
    Katalogtext{24, "&Animation"},
    Katalogtext{25, "&Ton an"},
    Katalogtext{26, "&Musik"},
    Katalogtext{30, "S&prache"},
    Katalogtext{31, "&Deutsch"},
    Katalogtext{32, "&English"},
    Katalogtext{50, "&?"},
    Katalogtext{51, "&Hilfe"},
    Katalogtext{52, "Inf&o"},
    Katalogtext{100, "Info über "},
    Katalogtext{101, "Version :"},
    Katalogtext{200, "Hier sind die Besten"},
    Katalogtext{201, "Name                           Züge      Zeit"},
    Katalogtext{202, "&Löschen"},
    Katalogtext{203, "&OK"},
    Katalogtext{204, "Teile"},
    Katalogtext{300, "Einstellungen"},
    Katalogtext{301, "Variante"},
    Katalogtext{310, "Anzahl Teile"},
    Katalogtext{311, "Teile"},
    Katalogtext{320, "Bildmotiv"},
    Katalogtext{321, "Bild in schwarzweiß umwandeln"},
    Katalogtext{322, "Vorschaubild im Spiel ausblenden"},
    Katalogtext{323, "Freies Feld durch Zufall bestimmen"},
    Katalogtext{324, "Quadrat aus der Mitte schneiden"},
    Katalogtext{325, "&Bild suchen ..."},
    Katalogtext{326, "Bild wählen"},
    Katalogtext{327, "Bilder"},
    Katalogtext{330, "&OK"},
    Katalogtext{331, "Spiel &beenden"},
    Katalogtext{332, "&Zurück zum Spiel"},
    Katalogtext{503, "Das reicht leider nicht für einen Eintrag \n\n            in die Bestenliste."},
    Katalogtext{504, "Die maximal zulässige Zuganzahl wurde erreicht \n\n        und damit das Morvik nicht gelöst."},
    Katalogtext{505, "Die maximal zulässige Zeit wurde erreicht \n\n   und damit das Morvik nicht gelöst."},
    Katalogtext{506, "Mit Hilfe gelöst – kein Eintrag in die Bestenliste."},
    Katalogtext{800, "Eine der folgenden Systemanforderungen ist nicht erfüllt.\n\n- Bildschirmauflösung mindestens 800x600 Pixel\n- Farbtiefe mindestens 16bit (Hi-Color)\n\nBitte Einstellungen berichtigen und das Programm neu starten."},
    Katalogtext{801, "Die Bestenliste konnte nicht gespeichert werden.\n\nEs ist ein Zugriffsfehler aufgetreten."},
    Katalogtext{802, "Die Bestenliste kann nicht gespeichert werden,\n\nda das Programm von CD-Rom gestartet wurde."},
    Katalogtext{803, "Folgende Datei wurde nicht gefunden :\n\n"},
    Katalogtext{804, "Die gewählte Datei besitzt das falsche Grafikformat."},
    Katalogtext{805, "Kann Pfad \\images nicht finden. \n\nProgramm wird beendet."},
    Katalogtext{806, "Es wurden keine Bilder im Pfad \\images gefunden."},
    Katalogtext{807, "Das Bild konnte nicht in folgenden Ordner kopiert werden :\n\n"},
    Katalogtext{812, "Das gewählte Bild ist zu groß, um es zu laden."},
    Katalogtext{813, "Die gewählte Datei ist beschädigt oder unvollständig."},
    Katalogtext{814, "Die gewählte Datei enthält kein Bild."},
    Katalogtext{1000, "&Game"},
    Katalogtext{1001, "&New game"},
    Katalogtext{1002, "&Best results..."},
    Katalogtext{1003, "New game &as before"},
    Katalogtext{1004, "&Undo"},
    Katalogtext{1005, "&Redo"},
    Katalogtext{1019, "E&xit"},
    Katalogtext{1020, "&Options"},
    Katalogtext{1021, "&Pause"},
    Katalogtext{1022, "&Hint"},
    Katalogtext{1023, "&Solve"},
    Katalogtext{1024, "&Animation"},
    Katalogtext{1025, "So&und effects"},
    Katalogtext{1026, "&Music"},
    Katalogtext{1030, "Lan&guage"},
    Katalogtext{1031, "&Deutsch"},
    Katalogtext{1032, "&English"},
    Katalogtext{1050, "&?"},
    Katalogtext{1051, "&Help"},
    Katalogtext{1052, "&About"},
    Katalogtext{1100, "Info about "},
    Katalogtext{1101, "Version :"},
    Katalogtext{1200, "Hall of fame"},
    Katalogtext{1201, "Name                         Moves    Time"},
    Katalogtext{1202, "&Delete"},
    Katalogtext{1203, "&OK"},
    Katalogtext{1204, "Pieces"},
    Katalogtext{1300, "Settings"},
    Katalogtext{1301, "Version"},
    Katalogtext{1310, "Number of pieces"},
    Katalogtext{1311, "pieces"},
    Katalogtext{1320, "Image subject"},
    Katalogtext{1321, "Convert image into a black-and-white image"},
    Katalogtext{1322, "Hide preview display during the game"},
    Katalogtext{1323, "Select empty field randomly"},
    Katalogtext{1324, "Cut a square from the middle"},
    Katalogtext{1325, "&Browse ..."},
    Katalogtext{1326, "Choose a picture"},
    Katalogtext{1327, "Pictures"},
    Katalogtext{1330, "&OK"},
    Katalogtext{1331, "E&xit game"},
    Katalogtext{1332, "&Back to the game"},
    Katalogtext{1503, "Sorry, but this is not enough to enter \n\n         the hall of fame."},
    Katalogtext{1504, "You have reached the maximum number of permitted moves \n\n whithout finishing the jigsaw."},
    Katalogtext{1505, "You have used up all the available time without finishing the jigsaw."},
    Katalogtext{1506, "Solved with help – no entry in the list of best results."},
    Katalogtext{1800, "One of the following system requirements was not met.\n\n- screen resolution 800x600 pixel or higher\n- color depth 16bit (Hi-Color)\n\nPlease correct the settings so as to match the system\nrequirements and restart the game."},
    Katalogtext{1801, "The list with the best results could not be stored.\n\nAn access error occured."},
    Katalogtext{1802, "The list with the best results cannot be stored\n\nbecause the programme was started from a CD-ROM."},
    Katalogtext{1803, "The following file could not be found:\n\n"},
    Katalogtext{1804, "The file you selected does not have the correct graphics format."},
    Katalogtext{1805, "The image path \\images cannot be found.\n\nThe programme will now be exited."},
    Katalogtext{1806, "No images found in the path \\image."},
    Katalogtext{1807, "The image could not be copied into the following folder:\n\n"},
    Katalogtext{1812, "The picture you selected is too large to be loaded."},
    Katalogtext{1813, "The file you selected is damaged or incomplete."},
    Katalogtext{1814, "The file you selected does not contain a picture."},
};

static_assert(std::ranges::is_sorted(katalog, {}, &Katalogtext::id));
static_assert(std::ranges::adjacent_find(katalog, {}, &Katalogtext::id) == katalog.end(),
              "every id once");

} // namespace

namespace daten {

QString LadeText(int id, int offset)
{
    // Summed wide so that no pair of arguments can overflow into a valid id.
    const std::int64_t gesucht = std::int64_t{id} + offset;
    const auto treffer = std::ranges::lower_bound(katalog, gesucht, {}, &Katalogtext::id);
    if (treffer == katalog.end() || treffer->id != gesucht)
        return {};
    return QString::fromUtf8(treffer->text.data(), qsizetype(treffer->text.size()));
}

} // namespace daten
