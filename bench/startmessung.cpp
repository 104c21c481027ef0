// Start of a program as a player sees it: from fork to the map of its K-th top-level window on
// the X display in $DISPLAY, and its peak resident memory two seconds after the start.
//
//   startmessung K PROGRAM [ARG...]     prints "<ms> <peak RSS in kB>" and ends the program
//
// The program runs in the current folder. Exit status 1 when the window never comes (10 s).

#include <X11/Xlib.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

namespace {

using Uhr = std::chrono::steady_clock;

long SpitzenRssKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string zeile; std::getline(status, zeile);)
        if (zeile.rfind("VmHWM:", 0) == 0)
            return std::strtol(zeile.c_str() + 6, nullptr, 10);
    return -1;
}

// Waits for the K-th map of a window of the root; override-redirect windows (menus, tooltips) do not count.
bool WarteAufFenster(Display* anzeige, int k, Uhr::time_point frist)
{
    int gesehen = 0;
    pollfd pfd{ConnectionNumber(anzeige), POLLIN, 0};
    while (Uhr::now() < frist) {
        while (XPending(anzeige)) {
            XEvent ereignis;
            XNextEvent(anzeige, &ereignis);
            if (ereignis.type == MapNotify && !ereignis.xmap.override_redirect && ++gesehen == k)
                return true;
        }
        const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(frist - Uhr::now());
        poll(&pfd, 1, int(std::max<long>(1, rest.count())));
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    const int k = argc > 2 ? std::atoi(argv[1]) : 0;
    if (k < 1) {
        std::fprintf(stderr, "usage: startmessung K PROGRAM [ARG...]\n");
        return 2;
    }
    Display* anzeige = XOpenDisplay(nullptr);
    if (!anzeige) {
        std::fprintf(stderr, "startmessung: no X display\n");
        return 2;
    }
    XSelectInput(anzeige, DefaultRootWindow(anzeige), SubstructureNotifyMask);
    XSync(anzeige, False);

    const auto anfang = Uhr::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    const bool gekommen = WarteAufFenster(anzeige, k, anfang + std::chrono::seconds(10));
    const double ms = std::chrono::duration<double, std::milli>(Uhr::now() - anfang).count();
    std::this_thread::sleep_until(anfang + std::chrono::seconds(2));
    const long rss = SpitzenRssKb(pid);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(anzeige);
    if (!gekommen) {
        std::fprintf(stderr, "startmessung: window %d of %s not mapped within 10 s\n", k, argv[2]);
        return 1;
    }
    std::printf("%.1f %ld\n", ms, rss);
    return 0;
}
