// Photos for bench/fotos.sh, made the way the were: noise-textured, JPEG at quality 90.
//
//   fotomacher WIDTH HEIGHT FILE      the format by FILE's suffix (.jpg or .png)

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <random>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: fotomacher WIDTH HEIGHT FILE\n");
        return 2;
    }
    const int breite = std::atoi(argv[1]), hoehe = std::atoi(argv[2]);
    QImage foto(breite, hoehe, QImage::Format_RGB32);
    if (foto.isNull())
        return 1;
    // A smooth scene under a grain of +-24 levels a channel, as a dark sensor gives.
    std::minstd_rand zufall(7);
    for (int y = 0; y < hoehe; ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(foto.scanLine(y));
        for (int x = 0; x < breite; ++x) {
            const unsigned korn = unsigned(zufall());
            const auto kanal = [&](int grund, int bits) { return qBound(0, grund + int((korn >> bits) % 49) - 24, 255); };
            zeile[x] = qRgb(kanal(60 + 150 * x / breite, 0), kanal(80 + 120 * y / hoehe, 8), kanal(140, 16));
        }
    }
    const QString datei = QString::fromLocal8Bit(argv[3]);
    return foto.save(datei, datei.endsWith(QLatin1String(".png")) ? "PNG" : "JPEG", 90) ? 0 : 1;
}
