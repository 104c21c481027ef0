#include "fenster/farbschema.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

namespace fenster {

namespace {

// Every role in both schemes; light is Fusion's own palette with a deeper highlight, under which
// white text, smoothed at its edges, still stands at 5 : 1. The disabled group differs only in the roles listed after.
struct Rolle {
    QPalette::ColorRole rolle;
    QRgb hell, dunkel;
};
constexpr Rolle Rollen[] = {
    {QPalette::Window, 0xefefef, 0x2d2e32},        {QPalette::WindowText, 0x000000, 0xe8e8e8},
    {QPalette::Base, 0xffffff, 0x1d1e21},          {QPalette::AlternateBase, 0xf7f7f7, 0x26272b},
    {QPalette::Text, 0x000000, 0xe8e8e8},          {QPalette::PlaceholderText, 0x6e6e6e, 0xa0a0a0},
    {QPalette::Button, 0xefefef, 0x3a3b40},        {QPalette::ButtonText, 0x000000, 0xe8e8e8},
    {QPalette::BrightText, 0xffffff, 0xffffff},    {QPalette::Light, 0xffffff, 0x55575e},
    {QPalette::Midlight, 0xcacaca, 0x46484e},      {QPalette::Mid, 0xb8b8b8, 0x27282c},
    {QPalette::Dark, 0x9f9f9f, 0x18191b},          {QPalette::Shadow, 0x767676, 0x000000},
    {QPalette::Highlight, 0x1a5f96, 0x205c96},     {QPalette::HighlightedText, 0xffffff, 0xffffff},
    {QPalette::Link, 0x0000ff, 0x8ab8ff},          {QPalette::LinkVisited, 0xff00ff, 0xd0a0ff},
    {QPalette::ToolTipBase, 0xffffdc, 0x3a3b40},   {QPalette::ToolTipText, 0x000000, 0xe8e8e8},
};
constexpr Rolle Gesperrt[] = {
    {QPalette::WindowText, 0xbebebe, 0x85868a}, {QPalette::Text, 0xbebebe, 0x85868a},
    {QPalette::ButtonText, 0xbebebe, 0x85868a}, {QPalette::Base, 0xefefef, 0x2d2e32},
    {QPalette::Highlight, 0x919191, 0x4a4b50}, {QPalette::Dark, 0xbebebe, 0x3a3b40},
    {QPalette::Shadow, 0xb1b1b1, 0x101010},
};

double Kanal(double wert)
{
    return wert <= 0.04045 ? wert / 12.92 : std::pow((wert + 0.055) / 1.055, 2.4);
}

// Takes its colours again only when the scheme has turned once the palette rests: the desktop's
// palette is read by clearing the game's for a moment, and the window's own palette changes when
// it is coloured.
class Schemawaechter : public QObject {
public:
    Schemawaechter(QWidget* fenster, std::function<void(Schema)> umfaerben)
        : QObject(fenster), umfaerben_(std::move(umfaerben)), schema_(AktuellesSchema())
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override
    {
        if (ziel == qApp && ereignis->type() == QEvent::ApplicationPaletteChange && !std::exchange(angesetzt_, true))
            QTimer::singleShot(0, this, [this] {
                angesetzt_ = false;
                const Schema jetzt = AktuellesSchema();
                if (std::exchange(schema_, jetzt) != jetzt)
                    umfaerben_(jetzt);
            });
        return false;
    }

private:
    std::function<void(Schema)> umfaerben_;
    Schema schema_;
    bool angesetzt_ = false;
};

} // namespace

double Leuchtdichte(const QColor& farbe)
{
    const QColor rgb = farbe.toRgb();
    return 0.2126 * Kanal(rgb.redF()) + 0.7152 * Kanal(rgb.greenF()) + 0.0722 * Kanal(rgb.blueF());
}

double Kontrast(const QColor& a, const QColor& b)
{
    const double la = Leuchtdichte(a), lb = Leuchtdichte(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Schema SchemaDerPalette(const QPalette& palette)
{
    return Leuchtdichte(palette.color(QPalette::Active, QPalette::WindowText))
                   > Leuchtdichte(palette.color(QPalette::Active, QPalette::Window))
               ? Schema::Dunkel
               : Schema::Hell;
}

Schema AktuellesSchema() { return SchemaDerPalette(QGuiApplication::palette()); }

QPalette Palette(Schema schema)
{
    const bool dunkel = schema == Schema::Dunkel;
    QPalette palette;
    for (const Rolle& r : Rollen)
        palette.setColor(r.rolle, QColor(dunkel ? r.dunkel : r.hell));
    for (const Rolle& r : Gesperrt)
        palette.setColor(QPalette::Disabled, r.rolle, QColor(dunkel ? r.dunkel : r.hell));
    return palette;
}

const Fensterfarben& Farben(Schema schema)
{
    static const Fensterfarben hell{
        .dialog = QColor(192, 192, 192),
        .gesperrt = QColor(128, 128, 128),
        .liste = Qt::white,
        .programmname = QColor(0, 0, 128),
        .tafel = Qt::black,
        .tafelRandHell = Qt::white,
        .tafelRandDunkel = QColor(128, 128, 128),
        .ueberschrift = QColor(96, 0, 0),  // a maroon deep enough for the silver bar's grey end
        .namen = QColor(255, 255, 0),
        .tafelText = Qt::white,
    };
    static const Fensterfarben dunkel{
        .dialog = QColor(0x3a, 0x3c, 0x41),
        .gesperrt = QColor(0x92, 0x93, 0x97),
        .liste = QColor(0x1d, 0x1e, 0x21),
        .programmname = QColor(0x9c, 0xc4, 0xff),
        .tafel = Qt::black,  // the icons of the variants stand on black
        .tafelRandHell = QColor(0x5a, 0x5c, 0x62),
        .tafelRandDunkel = QColor(0x18, 0x19, 0x1b),
        .ueberschrift = QColor(0xff, 0xb4, 0x9a),
        .namen = QColor(255, 255, 0),
        .tafelText = QColor(0xe8, 0xe8, 0xe8),
    };
    return schema == Schema::Dunkel ? dunkel : hell;
}

void BeiSchemawechsel(QWidget* fenster, std::function<void(Schema)> umfaerben)
{
    new Schemawaechter(fenster, std::move(umfaerben));
}

} // namespace fenster
