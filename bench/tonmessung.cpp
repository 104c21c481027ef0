// Delay from a click to its sound: clicks the X display in $DISPLAY at one point N times, each a
// synthetic press and release, and records what the sound server plays (the default source, e.g.
// PULSE_SOURCE=nullsink.monitor). For every click it prints the time from the press to the first
// sample above the noise floor, in milliseconds, or "-" when no sound came within the pause.
//
//   tonmessung X Y N [PAUSE_MS]       the last line: "median first-10 last-10 max missing"
//
// A recorded sample counts from when its block reached this program, less its place in the block:
// an upper bound that includes the recorder's own delay of about one block.

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace {

using Uhr = std::chrono::steady_clock;
constexpr int Rate = 44100;
constexpr int Block = 64;  // frames per read: about 1.5 ms
constexpr float Rauschgrenze = 0.01f;

struct Lauter {
    Uhr::time_point zeit;  // when the first loud sample of a block was played
};

class Aufnahme {
public:
    bool Starte()
    {
        const pa_sample_spec format{PA_SAMPLE_FLOAT32LE, Rate, 1};
        pa_buffer_attr puffer{};
        puffer.maxlength = uint32_t(-1);
        puffer.fragsize = Block * sizeof(float);
        int fehler = 0;
        strom_ = pa_simple_new(nullptr, "tonmessung", PA_STREAM_RECORD, nullptr, "click to sound", &format,
                               nullptr, &puffer, &fehler);
        if (!strom_) {
            std::fprintf(stderr, "tonmessung: cannot record: %s\n", pa_strerror(fehler));
            return false;
        }
        faden_ = std::thread([this] { Lies(); });
        return true;
    }

    ~Aufnahme()
    {
        halt_ = true;
        if (faden_.joinable())
            faden_.join();
        if (strom_)
            pa_simple_free(strom_);
    }

    bool Liefert() const { return liefert_; }

    // The first loud sample at or after `ab`, before `bis`.
    std::optional<Uhr::time_point> ErsterTon(Uhr::time_point ab, Uhr::time_point bis)
    {
        std::lock_guard sperre(mutex_);
        for (const Lauter& l : laute_)
            if (l.zeit >= ab && l.zeit < bis)
                return l.zeit;
        return std::nullopt;
    }

private:
    void Lies()
    {
        std::vector<float> proben(Block);
        while (!halt_) {
            int fehler = 0;
            if (pa_simple_read(strom_, proben.data(), proben.size() * sizeof(float), &fehler) < 0)
                return;
            const auto angekommen = Uhr::now();
            liefert_ = true;
            for (int i = 0; i < Block; ++i) {
                if (std::fabs(proben[i]) <= Rauschgrenze)
                    continue;
                const auto spaeter = std::chrono::microseconds((Block - 1 - i) * 1'000'000LL / Rate);
                std::lock_guard sperre(mutex_);
                laute_.push_back({angekommen - spaeter});
                break;  // one mark per block is enough
            }
        }
    }

    pa_simple* strom_ = nullptr;
    std::thread faden_;
    std::atomic<bool> halt_{false}, liefert_{false};
    std::mutex mutex_;
    std::vector<Lauter> laute_;
};

double Median(std::vector<double> werte)
{
    if (werte.empty())
        return NAN;
    std::sort(werte.begin(), werte.end());
    const size_t mitte = werte.size() / 2;
    return werte.size() % 2 ? werte[mitte] : (werte[mitte - 1] + werte[mitte]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: tonmessung X Y N [PAUSE_MS]\n");
        return 2;
    }
    const int x = std::atoi(argv[1]), y = std::atoi(argv[2]), n = std::atoi(argv[3]);
    const auto pause = std::chrono::milliseconds(argc > 4 ? std::atoi(argv[4]) : 400);
    Display* anzeige = XOpenDisplay(nullptr);
    int ereignis = 0, fehler = 0, haupt = 0, neben = 0;
    if (!anzeige || !XTestQueryExtension(anzeige, &ereignis, &fehler, &haupt, &neben)) {
        std::fprintf(stderr, "tonmessung: no X display with the XTEST extension\n");
        return 2;
    }
    Aufnahme aufnahme;
    if (!aufnahme.Starte())
        return 2;
    XTestFakeMotionEvent(anzeige, -1, x, y, CurrentTime);
    XSync(anzeige, False);
    // A fresh recording misses what is played in its first moments: wait until it delivers, then a second more.
    const auto frist = Uhr::now() + std::chrono::seconds(5);
    while (!aufnahme.Liefert() && Uhr::now() < frist)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::seconds(1));

    std::vector<Uhr::time_point> klicks;
    for (int i = 0; i < n; ++i) {
        klicks.push_back(Uhr::now());
        XTestFakeButtonEvent(anzeige, 1, True, CurrentTime);
        XTestFakeButtonEvent(anzeige, 1, False, CurrentTime);
        XFlush(anzeige);
        std::this_thread::sleep_for(pause);
    }
    std::this_thread::sleep_for(pause);

    std::vector<double> alle, vorne, hinten;
    int fehlend = 0;
    for (int i = 0; i < n; ++i) {
        const auto ton = aufnahme.ErsterTon(klicks[i], klicks[i] + pause);
        if (!ton) {
            std::printf("-\n");
            ++fehlend;
            continue;
        }
        const double ms = std::chrono::duration<double, std::milli>(*ton - klicks[i]).count();
        std::printf("%.1f\n", ms);
        alle.push_back(ms);
        if (i < 10)
            vorne.push_back(ms);
        if (i >= n - 10)
            hinten.push_back(ms);
    }
    const double hoechstens = alle.empty() ? NAN : *std::max_element(alle.begin(), alle.end());
    std::printf("%.1f %.1f %.1f %.1f %d\n", Median(alle), Median(vorne), Median(hinten), hoechstens, fehlend);
    XCloseDisplay(anzeige);
    return fehlend == n ? 1 : 0;
}
