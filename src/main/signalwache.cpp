#include "main/signalwache.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace haupt {

namespace {

constexpr std::array Signale{SIGTERM, SIGHUP, SIGINT};
std::array<int, 2> rohr{-1, -1};  // the self-pipe: read end, write end

// Only what may be called in a signal handler.
extern "C" void Gefangen(int signal)
{
    const int gesichert = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t n = ::write(rohr[1], &byte, 1);
    errno = gesichert;
}

} // namespace

Signalwache::Signalwache(std::function<void()> beenden, QObject* eltern) : QObject(eltern), beenden_(std::move(beenden))
{
    if (rohr[0] >= 0 || ::pipe2(rohr.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        return;  // one watch per program; without a pipe the signals keep their default
    melder_ = std::make_unique<QSocketNotifier>(rohr[0], QSocketNotifier::Read);
    connect(melder_.get(), &QSocketNotifier::activated, this, [this] {
        unsigned char byte = 0;
        while (::read(rohr[0], &byte, 1) > 0) {
        }
        if (beenden_)
            beenden_();
    });
    struct sigaction aktion {};
    aktion.sa_handler = Gefangen;
    sigemptyset(&aktion.sa_mask);
    aktion.sa_flags = SA_RESTART;
    for (int signal : Signale)
        ::sigaction(signal, &aktion, nullptr);
}

Signalwache::~Signalwache()
{
    if (!melder_)
        return;
    for (int signal : Signale)
        ::signal(signal, SIG_DFL);
    melder_.reset();
    ::close(rohr[0]);
    ::close(rohr[1]);
    rohr = {-1, -1};
}

} // namespace haupt
