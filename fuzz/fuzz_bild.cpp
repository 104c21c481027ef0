// A picture file as the settings dialog and the board load it: any bytes, any outcome. A picture
// that loads is stretched to the board the way the game does, and loading the same bytes twice
// must give the same pixels.
//
// Without MemorySanitizer (Qt is not built with it) pixels a decoder never writes show only if
// their memory differs between two loads. So the image's memory is filled before the decoder
// gets it, with 0x00 in one load and 0xFF in the other: any pixel left unwritten then differs.
// Only blocks of exactly the image's size are filled; filling everything would also fill large
// calloc() blocks, which the sanitizer's allocator hands out as fresh, already zero pages.

#include "eingabe.h"

#include "daten/bilddatei.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

#include <sanitizer/allocator_interface.h>

#include <atomic>
#include <cstring>

using namespace daten;

namespace {

const fuzz::Aufraeumen aufraeumen;

constexpr int BrettKante = 360;  // the board's size, as in the game

std::atomic<std::size_t> fuellGroesse{0};  // 0: fill nothing
std::atomic<int> fuellByte{0};

void NachMalloc(const volatile void* block, std::size_t groesse)
{
    const std::size_t ziel = fuellGroesse.load(std::memory_order_relaxed);
    if (block && ziel != 0 && groesse == ziel)
        std::memset(const_cast<void*>(block), fuellByte.load(std::memory_order_relaxed), groesse);
}

void VorFree(const volatile void*) {}

struct Ergebnis {
    Ladefehler fehler = Ladefehler::Keiner;
    QImage bild;    // as loaded
    QImage brett;   // stretched to the board, as drawn
};

Ergebnis Lade(const QString& pfad, bool strecken)
{
    Ergebnis e;
    e.fehler = LadeBild(pfad, e.bild);
    if (e.fehler == Ladefehler::Keiner && strecken)
        e.brett = e.bild.scaled(BrettKante, BrettKante, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .convertToFormat(QImage::Format_RGB32);
    return e;
}

Ergebnis LadeGefuellt(const QString& pfad, std::size_t bildbytes, int byte)
{
    fuellByte = byte;
    fuellGroesse = bildbytes;
    Ergebnis e = Lade(pfad, true);
    fuellGroesse = 0;
    return e;
}

// Names the first pixel of the loaded pictures that differs, to tell the decoder from the scaling.
void ZeigeUnterschied(const QImage& a, const QImage& b)
{
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                std::fprintf(stderr, "pixel (%d, %d) of the %dx%d picture as loaded: %08x once, %08x the other time\n",
                             x, y, a.width(), a.height(), a.pixel(x, y), b.pixel(x, y));
                return;
            }
    std::fprintf(stderr, "the %dx%d picture as loaded is the same both times\n", a.width(), a.height());
}

void PruefeGleicheArt(const Ergebnis& a, const Ergebnis& b)
{
    PRUEFE(a.fehler == b.fehler);
    PRUEFE(a.bild.size() == b.bild.size() && a.bild.format() == b.bild.format());
}

void PruefeGleich(const Ergebnis& a, const Ergebnis& b)
{
    PruefeGleicheArt(a, b);
    if (a.fehler != Ladefehler::Keiner)
        return;
    PRUEFE(a.brett.size() == QSize(BrettKante, BrettKante) && b.brett.size() == a.brett.size());
    for (int y = 0; y < BrettKante; ++y) {
        if (std::memcmp(a.brett.constScanLine(y), b.brett.constScanLine(y), BrettKante * 4) == 0)
            continue;
        int x = 0;
        while (a.brett.pixel(x, y) == b.brett.pixel(x, y))
            ++x;
        std::fprintf(stderr, "pixel (%d, %d) of the board: %08x once, %08x the other time\n", x, y,
                     a.brett.pixel(x, y), b.brett.pixel(x, y));
        ZeigeUnterschied(a.bild, b.bild);
        PRUEFE(!"two loads of the same file give the same pixels");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (!__sanitizer_install_malloc_and_free_hooks(NachMalloc, VorFree)) {
        std::fprintf(stderr, "the allocator takes no more hooks\n");
        std::abort();
    }
    // Within Qt's usual limit a few bytes may still ask for a 40-megapixel picture, whose smooth
    // scaling takes a minute under the sanitizers: a lower limit keeps every input fast, so the
    // fuzzer spends its time on the readers. How the limit itself is kept, the unit tests check.
    QImageReader::setAllocationLimit(16);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const QString pfad = QString::fromStdString((fuzz::Arbeitsordner() / "bild.bmp").string());
    {
        QFile datei(pfad);
        PRUEFE(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
        PRUEFE(datei.write(reinterpret_cast<const char*>(daten), qint64(groesse)) == qint64(groesse));
    }
    (void)BmpGekuerzt(QByteArrayView(reinterpret_cast<const char*>(daten), qsizetype(groesse)));

    // The first load only tells the image's size in memory; the other two are compared.
    const Ergebnis erstes = Lade(pfad, false);
    if (erstes.fehler != Ladefehler::Keiner)
        return 0;
    PRUEFE(!erstes.bild.isNull());
    const auto bildbytes = std::size_t(erstes.bild.sizeInBytes());
    const Ergebnis hell = LadeGefuellt(pfad, bildbytes, 0xFF);
    const Ergebnis dunkel = LadeGefuellt(pfad, bildbytes, 0x00);
    PruefeGleicheArt(erstes, hell);
    PruefeGleich(hell, dunkel);
    return 0;
}
