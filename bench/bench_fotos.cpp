// Decoding a camera's photo for the board: a 48-megapixel JPEG (noise-textured, quality 90) read
// at the board's side, and the square made of it.
//
//   ./build/bench/bench_fotos

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <random>

#include "daten/bilddatei.h"
#include "daten/bilddienst.h"
#include "daten/bildformate.h"
#include "daten/bildquadrat.h"

namespace {

const QString& Foto()
{
    static QTemporaryDir ordner;
    static const QString pfad = [] {
        const QString datei = ordner.filePath(QStringLiteral("48mp.jpg"));
        QImage foto(8000, 6000, QImage::Format_RGB32);
        std::minstd_rand zufall(7);
        for (int y = 0; y < foto.height(); ++y) {
            auto* zeile = reinterpret_cast<QRgb*>(foto.scanLine(y));
            for (int x = 0; x < foto.width(); ++x) {
                const int korn = int(zufall() % 49) - 24;
                zeile[x] = qRgb(qBound(0, 60 + 150 * x / 8000 + korn, 255), qBound(0, 80 + 120 * y / 6000 + korn, 255), 140);
            }
        }
        foto.save(datei, "JPEG", 90);
        return datei;
    }();
    return pfad;
}

void LadenFuerDasBrett(benchmark::State& state)
{
    const int kante = int(state.range(0));
    for (auto _ : state) {
        QImage bild;
        benchmark::DoNotOptimize(daten::LadeBild(Foto(), bild, kante));
    }
}
BENCHMARK(LadenFuerDasBrett)->Arg(120)->Arg(360)->Arg(720)->Unit(benchmark::kMillisecond);

// The walk that tells a JPEG cut short, which comes before every decode.
void JpegPruefen(benchmark::State& state)
{
    for (auto _ : state) {
        QFile datei(Foto());
        datei.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(daten::JpegGekuerzt(datei));
    }
}
BENCHMARK(JpegPruefen)->Unit(benchmark::kMillisecond);

// Qt's reader alone at an eighth of the sides, without the checks around it.
void NurDecodieren(benchmark::State& state)
{
    for (auto _ : state) {
        QImageReader leser(Foto(), "jpeg");
        leser.setScaledSize({1000, 750});
        benchmark::DoNotOptimize(leser.read());
    }
}
BENCHMARK(NurDecodieren)->Unit(benchmark::kMillisecond);

void AusDemSpeicher(benchmark::State& state)
{
    for (auto _ : state) {
        QFile datei(Foto());
        datei.open(QIODevice::ReadOnly);
        const uchar* inhalt = datei.map(0, datei.size());
        QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(inhalt), datei.size());
        QBuffer puffer(&bytes);
        puffer.open(QIODevice::ReadOnly);
        QImageReader leser(&puffer, "jpeg");
        leser.setScaledSize({1000, 750});
        benchmark::DoNotOptimize(leser.read());
    }
}
BENCHMARK(AusDemSpeicher)->Unit(benchmark::kMillisecond);

// Ten steps down a list of 48 MP photos, each ordered for the preview, then the board asks for
// the last at once: what the window waits for after OK. Process CPU time counts every thread.
void NachDemWegDasBrett(benchmark::State& state)
{
    static QTemporaryDir liste;
    QStringList pfade;
    for (int i = 0; i <= 10; ++i) {
        pfade << liste.filePath(QStringLiteral("%1.jpg").arg(i));
        QFile::link(Foto(), pfade.last());
    }
    for (auto _ : state) {
        daten::Bilddienst dienst;
        for (const QString& pfad : pfade)
            dienst.Bestellen(pfad);
        benchmark::DoNotOptimize(dienst.Quadrat(pfade.last(), 360, daten::Zuschnitt::Strecken));
    }
}
BENCHMARK(NachDemWegDasBrett)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

void QuadratAusDemGelesenen(benchmark::State& state)
{
    QImage bild;
    daten::LadeBild(Foto(), bild, 360);
    const auto zuschnitt = daten::Zuschnitt(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(daten::Quadrat(bild, 360, zuschnitt));
}
BENCHMARK(QuadratAusDemGelesenen)->Arg(int(daten::Zuschnitt::Strecken))->Arg(int(daten::Zuschnitt::Mitte))->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);  // for the image plugins
    benchmark::Initialize(&argc, argv);
    Foto();  // made before any timing
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
