#include "daten/textkatalog.h"

#include <gtest/gtest.h>

#include <climits>

using namespace daten;

namespace {

// Spaces and line breaks belong to the texts: the windows lay them out by position.
TEST(Textkatalog, DeutscheTexteMitLeerzeichenUndZeilenumbruechen)
{
    EXPECT_EQ(LadeText(201, 0), QString::fromUtf8("Name                           Züge      Zeit"));
    EXPECT_EQ(LadeText(204, 0), "Teile");
    EXPECT_EQ(LadeText(503, 0),
              QString::fromUtf8("Das reicht leider nicht für einen Eintrag \n\n            in die Bestenliste."));
    EXPECT_EQ(LadeText(504, 0), QString::fromUtf8("Die maximal zulässige Zuganzahl wurde erreicht \n\n"
                                                  "        und damit das Morvik nicht gelöst."));
    EXPECT_EQ(LadeText(505, 0), QString::fromUtf8("Die maximal zulässige Zeit wurde erreicht \n\n"
                                                  "   und damit das Morvik nicht gelöst."));
    EXPECT_EQ(LadeText(800, 0),
              QString::fromUtf8("Eine der folgenden Systemanforderungen ist nicht erfüllt.\n\n"
                                "- Bildschirmauflösung mindestens 800x600 Pixel\n"
                                "- Farbtiefe mindestens 16bit (Hi-Color)\n\n"
                                "Bitte Einstellungen berichtigen und das Programm neu starten."));
    EXPECT_EQ(LadeText(803, 0), "Folgende Datei wurde nicht gefunden :\n\n");
    EXPECT_EQ(LadeText(805, 0), "Kann Pfad \\images nicht finden. \n\nProgramm wird beendet.");
    EXPECT_EQ(LadeText(806, 0), "Es wurden keine Bilder im Pfad \\images gefunden.");
    EXPECT_EQ(LadeText(810, 0), QString::fromUtf8("Das gewählte Bild ist zu groß, um es zu laden."));
    EXPECT_EQ(LadeText(811, 0), QString::fromUtf8("Die gewählte Datei ist beschädigt oder unvollständig."));
    EXPECT_EQ(LadeText(812, 0), "Die gewählte Datei enthält kein Bild.");
    EXPECT_EQ(LadeText(100, 0), QString::fromUtf8("Info über "));
}

TEST(Textkatalog, EnglischeTexteUnterIdPlusTausend)
{
    EXPECT_EQ(LadeText(201, 1000), "Name                         Moves    Time");
    EXPECT_EQ(LadeText(204, 1000), "Pieces");
    EXPECT_EQ(LadeText(503, 1000), "Sorry, but this is not enough to enter \n\n         the hall of fame.");
    EXPECT_EQ(LadeText(504, 1000),
              "You have reached the maximum number of permitted moves \n\n whithout finishing the jigsaw.");
    EXPECT_EQ(LadeText(505, 1000), "You have used up all the available time without finishing the jigsaw.");
    EXPECT_EQ(LadeText(800, 1000), "One of the following system requirements was not met.\n\n"
                                   "- screen resolution 800x600 pixel or higher\n"
                                   "- color depth 16bit (Hi-Color)\n\n"
                                   "Please correct the settings so as to match the system\n"
                                   "requirements and restart the game.");
    EXPECT_EQ(LadeText(810, 1000), "The picture you selected is too large to be loaded.");
    EXPECT_EQ(LadeText(811, 1000), "The file you selected is damaged or incomplete.");
    EXPECT_EQ(LadeText(812, 1000), "The file you selected does not contain a picture.");
    EXPECT_EQ(LadeText(805, 1000), "The image path \\images cannot be found.\n\nThe programme will now be exited.");
    EXPECT_EQ(LadeText(806, 1000), "No images found in the path \\image.");
    EXPECT_EQ(LadeText(1002, 0), "&Best results...");
    EXPECT_EQ(LadeText(0, 1000), "&Game");
}

TEST(Textkatalog, UmlauteSindEchteUnicodeZeichen)
{
    EXPECT_EQ(LadeText(202, 0).at(2), QChar(0x00F6));  // ö
    EXPECT_EQ(LadeText(321, 0).at(18), QChar(0x00DF)); // ß
    EXPECT_EQ(LadeText(332, 0).size(), 17);            // "&Zurück zum Spiel", ü as one character
}

TEST(Textkatalog, FehlendeIdGibtLeerenText)
{
    EXPECT_TRUE(LadeText(12, 0).isEmpty());
    EXPECT_TRUE(LadeText(809, 0).isEmpty());
    EXPECT_TRUE(LadeText(-1, 0).isEmpty());
    EXPECT_TRUE(LadeText(0, 2000).isEmpty());
    EXPECT_TRUE(LadeText(INT_MAX, 1).isEmpty());
    EXPECT_TRUE(LadeText(INT_MIN, -1).isEmpty());
}

TEST(Textkatalog, JedesDeutscheStueckHatSeinEnglischesGegenstueck)
{
    int deutsche = 0;
    for (int id = 0; id < 1000; ++id) {
        const bool deutsch = !LadeText(id, 0).isEmpty();
        EXPECT_EQ(deutsch, !LadeText(id, 1000).isEmpty()) << "id " << id;
        deutsche += deutsch ? 1 : 0;
    }
    EXPECT_EQ(deutsche, 204);  // the classic 42, those of undo, redo, quick restart, hint, solve, animation, size,
                             // the failed copy of a dropped picture, the photos' crop choice, chooser and
                             // three reasons a picture cannot be loaded, the two of a saved game that cannot
                             // go on, the scaled screen, the 10 names screen readers read, 38 of the
                             // desktop's conventions (shortcuts, licence, command line) and of what screen
                             // readers hear (axes, counters, the time in words, the list as a table), the
                             // appearance menu with its three choices, the 9 of the saved game's keeping and
                             // the question before a game is given up, and the 46 of the statistics window
                             // and the journal, the 3 of Solve's speed, and the 19 of the same board again,
                             // game codes and today's puzzle, and the 14 of watching a recorded
                             // game
    for (int id = 2000; id < 3000; ++id)
        EXPECT_TRUE(LadeText(id, 0).isEmpty()) << "id " << id;
}

} // namespace
