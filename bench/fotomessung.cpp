// How quickly the settings dialog answers the arrow keys over a list of large photos, and how
// quickly the board shows the photo after OK, as a player sees it on the X display in $DISPLAY.
//
//   fotomessung SCHRITTE WARTEN_MS PROGRAM [ARG...]
//
// Starts the program in the current folder, waits for its settings dialog (the second window
// mapped) and WARTEN_MS more, then presses Down SCHRITTE times, each when the list has shown the
// last, and Return right after the last. Prints "<ms of each key, space-separated> | <ms from
// Return to the board>" and ends the program. A key is answered when the list's pixels change;
// the board is shown when the strip of it left of the dialog has changed almost everywhere.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

using Uhr = std::chrono::steady_clock;

struct Bereich {
    int x, y, breite, hoehe;
};

std::vector<unsigned long> Pixel(Display* d, Window w, Bereich b)
{
    std::vector<unsigned long> werte;
    XImage* bild = XGetImage(d, w, b.x, b.y, unsigned(b.breite), unsigned(b.hoehe), AllPlanes, ZPixmap);
    if (!bild)
        return werte;
    for (int y = 0; y < b.hoehe; y += 3)
        for (int x = 0; x < b.breite; x += 3)
            werte.push_back(XGetPixel(bild, x, y));
    XDestroyImage(bild);
    return werte;
}

double Anteil(const std::vector<unsigned long>& a, const std::vector<unsigned long>& b)
{
    if (a.size() != b.size() || a.empty())
        return 1.0;
    std::size_t anders = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        anders += a[i] != b[i];
    return double(anders) / double(a.size());
}

// Milliseconds until the share of changed pixels reaches `schwelle`; -1 after 5 s.
double WarteAufAenderung(Display* d, Window w, Bereich b, const std::vector<unsigned long>& vorher,
                         double schwelle, Uhr::time_point anfang)
{
    while (Uhr::now() - anfang < std::chrono::seconds(5)) {
        if (Anteil(Pixel(d, w, b), vorher) >= schwelle)
            return std::chrono::duration<double, std::milli>(Uhr::now() - anfang).count();
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return -1;
}

void Taste(Display* d, KeySym taste)
{
    const KeyCode code = XKeysymToKeycode(d, taste);
    XTestFakeKeyEvent(d, code, True, 0);
    XTestFakeKeyEvent(d, code, False, 0);
    XFlush(d);
}

// The first `k` top-level windows mapped, in order; override-redirect ones do not count.
std::vector<Window> WarteAufFenster(Display* d, std::size_t k)
{
    std::vector<Window> fenster;
    pollfd pfd{ConnectionNumber(d), POLLIN, 0};
    const auto frist = Uhr::now() + std::chrono::seconds(10);
    while (fenster.size() < k && Uhr::now() < frist) {
        while (XPending(d) && fenster.size() < k) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify && !e.xmap.override_redirect)
                fenster.push_back(e.xmap.window);
        }
        poll(&pfd, 1, 10);
    }
    return fenster;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: fotomessung SCHRITTE WARTEN_MS PROGRAM [ARG...]\n");
        return 2;
    }
    const int schritte = std::atoi(argv[1]), warten = std::atoi(argv[2]);
    Display* d = XOpenDisplay(nullptr);
    if (!d)
        return 2;
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    const std::vector<Window> fenster = WarteAufFenster(d, 2);
    int ende = 1;
    if (fenster.size() == 2) {
        const Window haupt = fenster[0], dialog = fenster[1];
        std::this_thread::sleep_for(std::chrono::milliseconds(warten));
        XSetInputFocus(d, dialog, RevertToParent, CurrentTime);
        XSync(d, False);
        // The list inside the dialog; the board's left strip, which the centred dialog leaves free.
        const Bereich liste{17 + 145 + 2, 214 + 23 + 2, 221, 52}, brett{60, 100, 90, 300};
        for (int i = 0; i < schritte; ++i) {
            const auto vorher = Pixel(d, dialog, liste);
            const auto anfang = Uhr::now();
            Taste(d, XK_Down);
            std::printf("%.1f ", WarteAufAenderung(d, dialog, liste, vorher, 0.01, anfang));
        }
        const auto vorher = Pixel(d, haupt, brett);
        const auto anfang = Uhr::now();
        Taste(d, XK_Return);
        std::printf("| %.1f\n", WarteAufAenderung(d, haupt, brett, vorher, 0.9, anfang));
        ende = 0;
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(d);
    return ende;
}
