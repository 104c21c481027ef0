#include "spielablauf.h"

#include "kunst.h"

namespace {

constexpr QRgb Rahmengelb = qRgb(255, 255, 0);

// Dialog positions of the variant pictures and of the size items' radio buttons.
QPoint Variantenbild(int variante) { return {17 + 23 + (variante - 1) * 120, 8 + 24}; }
QPoint Groessenknopf(int seite) { return {17 + (seite - 3) * 385 / 4 + 14, 156 + 32}; }

bool ZeigtBild(const QImage& schirm, QPoint ecke, const QImage& bild, int rand)
{
    const QRect innen = bild.rect().adjusted(rand, rand, -rand, -rand);
    return schirm.copy(innen.translated(ecke)) == bild.copy(innen);
}

// The menu's popup lies over the background art at the client's top left.
bool MenueOffen(const QImage& schirm, const Spielfenster& f)
{
    static const QImage hintergrund = Kunst("imgHintergrund");
    int anders = 0, alle = 0;
    for (int y = 4; y < 40; y += 6)
        for (int x = 10; x < 100; x += 9, ++alle)
            anders += schirm.pixel(f.punkt(x, y)) != hintergrund.pixel(x, y);
    return anders * 2 > alle;
}

} // namespace

void SpielEinstellen(XSitzung& x, int variante, int seite, Spielfenster& f)
{
    const QString dialog = x.warteAufFenster(QStringLiteral("Einstellungen"));
    ASSERT_FALSE(dialog.isEmpty()) << "no settings dialog" << x.bildschirmSichern("einstellungen");
    const QPoint d = x.fensterLage(dialog);

    const QImage bild = kunst::Bild(QStringLiteral("imgVariante%1").arg(variante))
                            .convertToFormat(QImage::Format_RGB32);
    ASSERT_TRUE(x.warteBis([&](const QImage& s) { return ZeigtBild(s, d + Variantenbild(variante), bild, 4); }))
        << "the settings dialog does not show variant picture " << variante << x.bildschirmSichern("variantenbild");
    x.klick(d + Variantenbild(variante) + QPoint(50, 50));
    // The yellow frame moves round the chosen picture, 2 pixels outside it.
    const QPoint rahmen = d + Variantenbild(variante) + QPoint(-1, 36);
    ASSERT_TRUE(x.warteBis([&](const QImage& s) { return s.pixel(rahmen) == Rahmengelb; }))
        << "no frame round variant picture " << variante << x.bildschirmSichern("variantenrahmen");
    // The board that follows shows whether the size was taken.
    x.klick(d + Groessenknopf(seite));
    x.taste(QStringLiteral("Return"));
    ASSERT_TRUE(x.fensterWeg(QStringLiteral("Einstellungen"))) << "Enter does not close the settings dialog"
                                                               << x.bildschirmSichern("einstellungen-offen");

    f.id = x.warteAufFenster(QStringLiteral("Tavelor"));
    ASSERT_FALSE(f.id.isEmpty()) << "no game window";
    ASSERT_TRUE(ClientFinden(x, f)) << "the background art is not on the screen" << x.bildschirmSichern("client");
}

void FokusHolen(XSitzung& x, const Spielfenster& f)
{
    x.klick(f.punkt(745, 465));
    ASSERT_TRUE(x.warteAufFokus(f.id)) << "the game window does not take the keyboard focus";
}

void Menuebefehl(XSitzung& x, const Spielfenster& f, const QString& menue, const QString& eintrag)
{
    ASSERT_NO_FATAL_FAILURE(FokusHolen(x, f));
    x.taste("alt+" + menue);
    ASSERT_TRUE(x.warteBis([&](const QImage& s) { return MenueOffen(s, f); }))
        << "alt+" << menue.toStdString() << " opens no menu" << x.bildschirmSichern("menue");
    x.taste(eintrag);
}

engine::Spielstand Stand(int variante, int n, const std::vector<int>& brett)
{
    engine::Spielstand s;
    s.variante = engine::Variante(variante);
    s.Groesse = n;
    for (int p = 1; p <= engine::MaxFelder; ++p)
        s.Spielfeld[p] = uint8_t(p <= n * n ? brett[p] : p);
    s.FreiesFeld = variante == 1 ? n * n : 0;
    s.phase = engine::Phase::Aufgebaut;
    return s;
}

// Walks the keyboard cursor from `von` to `nach` in a grid of `seite` columns; the first arrow
// only shows it.
static void Cursor(XSitzung& x, int& von, int nach, int seite)
{
    if (von == 0) {
        x.taste(QStringLiteral("Left"));
        von = 1;
    }
    for (; (von - 1) % seite < (nach - 1) % seite; ++von)
        x.taste(QStringLiteral("Right"));
    for (; (von - 1) % seite > (nach - 1) % seite; --von)
        x.taste(QStringLiteral("Left"));
    for (; (von - 1) / seite < (nach - 1) / seite; von += seite)
        x.taste(QStringLiteral("Down"));
    for (; (von - 1) / seite > (nach - 1) / seite; von -= seite)
        x.taste(QStringLiteral("Up"));
}

void Tasten(XSitzung& x, const engine::Zug& zug, int& cursor, int n)
{
    using engine::Operation;
    switch (zug.op) {
    case Operation::TeilSchieben: {  // the tile at a moves into the empty field b
        const int d = zug.a - zug.b;
        x.taste(d == 1 ? "Left" : d == -1 ? "Right" : d == n ? "Up" : "Down");
        return;
    }
    case Operation::ZeileRechts:
    case Operation::ZeileLinks:
        Cursor(x, cursor, (zug.a - 1) * n + 1, n);
        x.taste(zug.op == Operation::ZeileRechts ? "shift+Right" : "shift+Left");
        return;
    case Operation::SpalteRunter:
    case Operation::SpalteHoch:
        Cursor(x, cursor, zug.a, n);
        x.taste(zug.op == Operation::SpalteRunter ? "shift+Down" : "shift+Up");
        return;
    case Operation::AchseRechts:
    case Operation::AchseLinks:
        Cursor(x, cursor, zug.a, n - 1);
        x.taste(zug.op == Operation::AchseRechts ? "space" : "BackSpace");
        return;
    }
}
