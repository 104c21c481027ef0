// The three sound effects, synthesised: every sound starts and ends in silence.
#include "kunstwerk.h"
#include "werkzeug.h"

#include <QtEndian>
#include <cmath>
#include <vector>

namespace kunst {
namespace {

constexpr int Rate = 44100;

void haenge(QByteArray& ziel, quint32 wert, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        ziel.append(char((wert >> (8 * i)) & 0xFF));
}

QByteArray alsWave(const std::vector<double>& proben)
{
    // a gentle fade at both ends, so that no sound ever starts or stops with a click
    const int rand = Rate / 400;
    QByteArray daten;
    for (std::size_t i = 0; i < proben.size(); ++i) {
        double s = proben[i];
        const std::size_t bisEnde = proben.size() - 1 - i;
        if (i < std::size_t(rand))
            s *= double(i) / rand;
        if (bisEnde < std::size_t(rand))
            s *= double(bisEnde) / rand;
        haenge(daten, quint16(qint16(std::lround(std::clamp(s, -1.0, 1.0) * 32767))), 2);
    }
    QByteArray datei("RIFF");
    haenge(datei, 36 + daten.size(), 4);
    datei.append("WAVEfmt ");
    haenge(datei, 16, 4);
    haenge(datei, 1, 2);          // PCM
    haenge(datei, 1, 2);          // mono
    haenge(datei, Rate, 4);
    haenge(datei, Rate * 2, 4);   // bytes per second
    haenge(datei, 2, 2);          // bytes per frame
    haenge(datei, 16, 2);         // bits per sample
    datei.append("data");
    haenge(datei, daten.size(), 4);
    return datei + daten;
}

// A tone with decaying overtones; huelle gives the loudness at time t of the note.
double klang(double frequenz, double t, int obertoene, double daempfung)
{
    double s = 0;
    for (int k = 1; k <= obertoene; ++k)
        s += std::sin(2 * M_PI * frequenz * k * t) * std::pow(daempfung, k - 1) / k;
    return s;
}

double huelle(double t, double dauer, double anschlag, double ausklang)
{
    if (t < 0 || t > dauer)
        return 0;
    const double an = std::min(1.0, t / anschlag);
    const double aus = std::min(1.0, (dauer - t) / ausklang);
    return an * aus * (0.75 + 0.25 * std::exp(-t * 8));
}

} // namespace

QByteArray tonKlick()
{
    // a wooden tock: two short partials and a breath of noise
    werk::Zufall z(1);
    std::vector<double> proben(int(Rate * 0.07));
    double rauschen = 0;
    for (std::size_t i = 0; i < proben.size(); ++i) {
        const double t = double(i) / Rate;
        rauschen = 0.6 * rauschen + 0.4 * z.gleich(-1, 1);
        const double koerper = std::sin(2 * M_PI * 1150 * t) * 0.55 + std::sin(2 * M_PI * 2380 * t) * 0.25;
        proben[i] = (koerper * std::exp(-t / 0.012) + rauschen * 0.5 * std::exp(-t / 0.003)) * 0.7;
    }
    return alsWave(proben);
}

QByteArray tonFanfare()
{
    // a rising C major arpeggio, the last note held with a little vibrato
    const struct { double frequenz, start, dauer, ausklang; } noten[] = {
        {523.25, 0.00, 0.13, 0.06},
        {659.25, 0.11, 0.13, 0.06},
        {783.99, 0.22, 0.13, 0.06},
        {1046.50, 0.33, 0.52, 0.30}};
    std::vector<double> proben(int(Rate * 0.88));
    for (std::size_t i = 0; i < proben.size(); ++i) {
        const double t = double(i) / Rate;
        double s = 0;
        for (const auto& n : noten) {
            const double lokal = t - n.start;
            if (lokal < 0 || lokal > n.dauer)
                continue;
            const double vibrato = lokal > 0.15 ? 1 + 0.004 * std::sin(2 * M_PI * 5.5 * lokal) : 1;
            s += klang(n.frequenz * vibrato, lokal, 6, 0.72) * huelle(lokal, n.dauer, 0.012, n.ausklang);
        }
        proben[i] = s * 0.33;
    }
    return alsWave(proben);
}

QByteArray tonTief()
{
    // two soft low notes falling a fourth: not this time
    const struct { double frequenz, start, dauer, ausklang; } noten[] = {
        {196.0, 0.0, 0.24, 0.10},
        {146.83, 0.22, 0.42, 0.25}};
    std::vector<double> proben(int(Rate * 0.66));
    for (std::size_t i = 0; i < proben.size(); ++i) {
        const double t = double(i) / Rate;
        double s = 0;
        for (const auto& n : noten) {
            const double lokal = t - n.start;
            s += klang(n.frequenz, lokal, 3, 0.45) * huelle(lokal, n.dauer, 0.02, n.ausklang);
        }
        proben[i] = s * 0.5;
    }
    return alsWave(proben);
}

} // namespace kunst
