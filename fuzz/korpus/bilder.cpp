// Picture seeds: BMP files of every depth the format knows, uncompressed, with bit fields and
// run-length coded (runs, literal stretches, line ends, jumps, early ends), the old OS/2 header,
// and broken files; PNG, JPEG (also with an EXIF orientation), GIF (two frames) and WebP, each
// also cut short, since the loader goes by content, not by name.

#include "korpus/korpus.h"

#include "bildbau.h"

#include <QBuffer>
#include <QImage>

#include <vector>

namespace korpus {

namespace {

struct Bmp {
    int breite = 0, hoehe = 0;   // hoehe < 0: rows from the top down
    int bits = 24;
    std::uint32_t kompression = 0;  // 0 none, 1 RLE8, 2 RLE4, 3 bit fields
    QByteArray palette;             // 4 bytes per colour: blue, green, red, 0
    QByteArray masken;              // bit fields: red, green, blue (and alpha in a long header)
    QByteArray pixel;
    int infoLaenge = 40;            // 40, or 108/124 for the long headers, 12 for OS/2
};

QByteArray Datei(const Bmp& b)
{
    QByteArray info;
    if (b.infoLaenge == 12) {  // OS/2 core header, 16-bit sizes
        U32(info, 12);
        U16(info, std::uint16_t(b.breite));
        U16(info, std::uint16_t(b.hoehe));
        U16(info, 1);
        U16(info, std::uint16_t(b.bits));
    } else {
        U32(info, std::uint32_t(b.infoLaenge));
        U32(info, std::uint32_t(b.breite));
        U32(info, std::uint32_t(b.hoehe));
        U16(info, 1);
        U16(info, std::uint16_t(b.bits));
        U32(info, b.kompression);
        U32(info, std::uint32_t(b.pixel.size()));
        U32(info, 2835);
        U32(info, 2835);
        U32(info, std::uint32_t(b.palette.size() / 4));
        U32(info, 0);
        if (b.infoLaenge > 40)
            info += b.masken;  // the long headers carry the masks inside
        info.append(b.infoLaenge - info.size(), '\0');
    }
    const QByteArray nachKopf = (b.infoLaenge == 40 ? b.masken : QByteArray()) + b.palette;
    const std::uint32_t anfang = std::uint32_t(14 + info.size() + nachKopf.size());
    QByteArray d("BM");
    U32(d, anfang + std::uint32_t(b.pixel.size()));
    U32(d, 0);
    U32(d, anfang);
    return d + info + nachKopf + b.pixel;
}

QByteArray Palette(int farben, int bytesJeFarbe = 4)
{
    QByteArray p;
    for (int i = 0; i < farben; ++i) {
        p.append(char(i * 37)).append(char(i * 91)).append(char(255 - i * 13));
        if (bytesJeFarbe == 4)
            p.append('\0');
    }
    return p;
}

// Uncompressed rows, bottom row first, each padded to four bytes, with a pattern of every depth.
QByteArray Zeilen(int breite, int hoehe, int bits)
{
    QByteArray pixel;
    const int zeilenBytes = (breite * bits + 31) / 32 * 4;
    for (int y = 0; y < hoehe; ++y) {
        QByteArray zeile(zeilenBytes, '\0');
        for (int x = 0; x < breite; ++x) {
            const int wert = x * 7 + y * 13;
            const int bit = x * bits;
            if (bits < 8) {
                const int maske = (1 << bits) - 1;
                zeile[bit / 8] = char(zeile[bit / 8] | ((wert & maske) << (8 - bits - bit % 8)));
            } else {
                for (int k = 0; k < bits / 8; ++k)
                    zeile[bit / 8 + k] = char(wert * (k + 3) + k * 50);
            }
        }
        pixel += zeile;
    }
    return pixel;
}

Bmp Unkomprimiert(int breite, int hoehe, int bits)
{
    Bmp b;
    b.breite = breite;
    b.hoehe = hoehe;
    b.bits = bits;
    if (bits <= 8)
        b.palette = Palette(1 << bits);
    b.pixel = Zeilen(breite, hoehe < 0 ? -hoehe : hoehe, bits);
    return b;
}

QByteArray Bytes(std::initializer_list<int> werte)
{
    QByteArray b;
    for (int w : werte)
        b.append(char(w));
    return b;
}

// 8 x 4 pixels, 8 bits, run-length coded; `art` picks what the stream does.
Bmp Rle8(int art)
{
    Bmp b;
    b.breite = 8;
    b.hoehe = 4;
    b.bits = 8;
    b.kompression = 1;
    b.palette = Palette(256);
    for (int y = 0; y < 4; ++y) {
        if (art == 1 && y == 1) {
            b.pixel += Bytes({2, 9, 0, 2, 3, 1, 0, 0});  // two pixels, then a jump right 3, down 1
            continue;
        }
        if (art == 2 && y == 2) {
            b.pixel += Bytes({4, 5, 0, 0});  // half a line, then the line ends early
            continue;
        }
        if (art == 3 && y == 2) {
            b.pixel += Bytes({3, 7, 0, 1});  // the bitmap ends early
            return b;
        }
        // a run of three, a literal stretch of three (padded to a word), a run of two
        b.pixel += Bytes({3, y + 1, 0, 3, 10 + y, 20 + y, 30 + y, 0, 2, 40 + y});
        b.pixel += Bytes({0, 0});
    }
    b.pixel += Bytes({0, 1});
    return b;
}

// 8 x 4 pixels, 4 bits, run-length coded.
Bmp Rle4(int art)
{
    Bmp b;
    b.breite = 8;
    b.hoehe = 4;
    b.bits = 4;
    b.kompression = 2;
    b.palette = Palette(16);
    for (int y = 0; y < 4; ++y) {
        if (art == 1 && y == 1) {
            b.pixel += Bytes({3, 0x12, 0, 2, 2, 1});  // three pixels, then a jump
            continue;
        }
        if (art == 2 && y == 3) {
            b.pixel += Bytes({0, 1});
            return b;
        }
        // a run of three alternating colours, a literal stretch of three, a run of two
        b.pixel += Bytes({3, 0x1F & (y + 0x21), 0, 3, 0x45, 0x60, 2, 0x77, 0, 0});
    }
    b.pixel += Bytes({0, 1});
    return b;
}

QByteArray Gespeichert(const char* format)
{
    QImage bild(11, 7, QImage::Format_RGB32);
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            bild.setPixel(x, y, qRgb(x * 23, y * 36, (x + y) * 14));
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, format);
    return daten;
}

} // namespace

void Bilder(const Ablage& ablage)
{
    for (int bits : {1, 4, 8, 24, 32})
        ablage(QStringLiteral("bmp%1-7x5").arg(bits), Datei(Unkomprimiert(7, 5, bits)));
    ablage("bmp24-oben-nach-unten", Datei(Unkomprimiert(5, -3, 24)));
    ablage("bmp16-555", Datei(Unkomprimiert(6, 4, 16)));

    Bmp felder = Unkomprimiert(4, 3, 32);
    felder.kompression = 3;
    U32(felder.masken, 0x00FF0000);
    U32(felder.masken, 0x0000FF00);
    U32(felder.masken, 0x000000FF);
    ablage("bmp32-bitfelder", Datei(felder));
    Bmp lang = felder;
    U32(lang.masken, 0xFF000000);  // alpha
    lang.infoLaenge = 124;
    ablage("bmp32-v5-alpha", Datei(lang));
    Bmp sechzehn = Unkomprimiert(6, 4, 16);
    sechzehn.kompression = 3;
    U32(sechzehn.masken, 0xF800);
    U32(sechzehn.masken, 0x07E0);
    U32(sechzehn.masken, 0x001F);
    ablage("bmp16-565-bitfelder", Datei(sechzehn));

    for (int art = 0; art < 4; ++art)
        ablage(QStringLiteral("rle8-%1").arg(art), Datei(Rle8(art)));
    for (int art = 0; art < 3; ++art)
        ablage(QStringLiteral("rle4-%1").arg(art), Datei(Rle4(art)));

    Bmp os2 = Unkomprimiert(5, 4, 24);
    os2.infoLaenge = 12;
    ablage("os2-24", Datei(os2));
    Bmp os2Palette = Unkomprimiert(5, 4, 8);
    os2Palette.infoLaenge = 12;
    os2Palette.palette = Palette(256, 3);
    ablage("os2-8", Datei(os2Palette));

    // Broken: cut short at every part of the file, and headers that promise too much or nonsense.
    const QByteArray ganz = Datei(Unkomprimiert(7, 5, 24));
    for (int laenge : {0, 1, 2, 14, 30, 53, 54, 60})
        ablage(QStringLiteral("kurz-%1").arg(laenge), ganz.left(laenge));
    ablage("rle8-ohne-ende", Datei(Rle8(0)).chopped(6));
    Bmp rieseRle = Rle8(3);
    rieseRle.breite = 4000;
    rieseRle.hoehe = 4000;
    ablage("rle8-4000x4000", Datei(rieseRle));
    Bmp zuGross = Rle8(0);
    zuGross.breite = 40000;
    zuGross.hoehe = 40000;
    ablage("rle8-zu-gross", Datei(zuGross));
    Bmp ueberlauf = Rle8(0);
    ueberlauf.pixel = Bytes({255, 1, 255, 2, 0, 2, 200, 200, 0, 40, 1, 2, 0, 1});  // runs and jumps past the edge
    ablage("rle8-ueber-den-rand", Datei(ueberlauf));
    Bmp rle4Ueberlauf = Rle4(0);
    rle4Ueberlauf.pixel = Bytes({255, 0x12, 0, 255, 1, 2, 3, 0, 2, 9, 9, 0, 1});
    ablage("rle4-ueber-den-rand", Datei(rle4Ueberlauf));

    struct Verbogen {
        const char* name;
        int stelle;
        std::uint32_t wert;
        int breite;  // bytes
    };
    const std::vector<Verbogen> verbogen = {
        {"bits-7", 28, 7, 2},          {"bits-0", 28, 0, 2},
        {"breite-0", 18, 0, 4},        {"breite-negativ", 18, std::uint32_t(-5), 4},
        {"hoehe-0", 22, 0, 4},         {"kompression-7", 30, 7, 4},
        {"kompression-rle8-bei-24", 30, 1, 4}, {"farben-1000", 46, 1000, 4},
        {"daten-hinter-dem-ende", 10, 5000, 4}, {"daten-im-kopf", 10, 10, 4},
        {"info-laenge-13", 14, 13, 4}, {"info-laenge-riesig", 14, 0x7FFFFFF0, 4},
        {"ebenen-0", 26, 0, 2},
        {"breite-riesig", 18, 0x7FFFFFFF, 4},
    };
    const auto verbiege = [](QByteArray datei, const Verbogen& v) {
        for (int k = 0; k < v.breite; ++k)
            datei[v.stelle + k] = char((v.wert >> (8 * k)) & 0xFF);
        return datei;
    };
    for (const Verbogen& v : verbogen)
        ablage(QStringLiteral("kaputt-%1").arg(QLatin1String(v.name)), verbiege(ganz, v));
    // The size a header promises for 32 bits per pixel on 2^31 - 1 rows of 2^31 - 1 pixels.
    QByteArray riesig = Datei(Unkomprimiert(1, 1, 32));
    riesig = verbiege(verbiege(riesig, {"", 18, 0x7FFFFFFF, 4}), {"", 22, 0x7FFFFFFF, 4});
    ablage("kaputt-riesig-32bit", riesig);

    const QByteArray png = Gespeichert("PNG");
    const QByteArray jpeg = Gespeichert("JPG");
    QByteArray indizes(11 * 7, '\0');
    for (qsizetype i = 0; i < indizes.size(); ++i)
        indizes[i] = char(i % 4);
    const QByteArray gif = bildbau::Gif(11, 7, {indizes, QByteArray(11 * 7, '\1')});
    const QByteArray webp = Gespeichert("WEBP");  // empty without the plugin
    ablage("png", png);
    ablage("png-kurz", png.left(png.size() * 2 / 3));
    ablage("jpeg", jpeg);
    ablage("jpeg-gedreht", bildbau::MitOrientierung(jpeg, 6));
    ablage("jpeg-kurz", jpeg.left(jpeg.size() * 2 / 3));
    ablage("gif", gif);
    ablage("gif-kurz", gif.left(gif.size() * 2 / 3));
    if (!webp.isEmpty()) {
        ablage("webp", webp);
        ablage("webp-kurz", webp.left(webp.size() * 2 / 3));
    }
}

} // namespace korpus
