// The screen test's message: a scaled screen is told in the scaling the player set.
#include "daten/texte.h"
#include "daten/textkatalog.h"
#include "main/start.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(Anforderungstext, SkalierterBildschirmNenntSkalierungSonstDieAnforderungen)
{
    QTemporaryDir ordner;
    const daten::Umgebung umgebung{ordner.path(), false, {}};
    daten::Vorlieben vorlieben(umgebung);
    const daten::Texte texte(umgebung, vorlieben);
    const QString anforderung = daten::LadeText(daten::text::SystemAnforderung, 0);
    const struct {
        QSize logisch;
        qreal skalierung;
        int farbtiefe;
        QString erwartet;  // empty: the catalogue's requirements
    } faelle[] = {
        {{960, 540}, 2.0, 24, "Bei der eingestellten Skalierung von 200 % bietet der Bildschirm nur 960 × 540 Punkte, "
                              "das Spiel braucht mindestens 800 × 600.\n\nBitte die Skalierung auf höchstens 180 % "
                              "stellen und das Programm neu starten."},
        {{1280, 533}, 1.5, 32, "Bei der eingestellten Skalierung von 150 % bietet der Bildschirm nur 1280 × 533 Punkte, "
                               "das Spiel braucht mindestens 800 × 600.\n\nBitte die Skalierung auf höchstens 133 % "
                               "stellen und das Programm neu starten."},
        {{800, 599}, 1.0, 24, {}},   // unscaled: too small
        {{640, 288}, 2.0, 24, {}},   // too small even unscaled (1280 x 576)
        {{960, 540}, 2.0, 15, {}},   // the colour depth fails as well
    };
    for (const auto& f : faelle)
        EXPECT_EQ(haupt::Anforderungstext(texte, f.logisch, f.skalierung, f.farbtiefe),
                  f.erwartet.isEmpty() ? anforderung : f.erwartet)
            << f.logisch.width() << "x" << f.logisch.height() << " at " << f.skalierung;

    vorlieben.SpracheSetzen(daten::Sprache::Englisch);
    EXPECT_EQ(haupt::Anforderungstext(texte, {960, 540}, 2.0, 24),
              "At the chosen scaling of 200 %, the screen offers only 960 × 540 points; the game needs at least "
              "800 × 600.\n\nPlease set the scaling to 180 % or less and restart the game.");
}

} // namespace
