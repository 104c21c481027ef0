#pragma once
// SIGTERM, SIGHUP and SIGINT (logout, shutdown, a closed terminal, Ctrl+C) end the program as
// quitting does, not in the middle of whatever it was doing: the handler only writes a byte into
// a pipe, and the window's loop reads it and runs `beenden`.

#include <QObject>
#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace haupt {

class Signalwache : public QObject {
    Q_OBJECT
public:
    explicit Signalwache(std::function<void()> beenden, QObject* eltern = nullptr);
    ~Signalwache() override;  // the signals' default actions again

private:
    std::function<void()> beenden_;
    std::unique_ptr<QSocketNotifier> melder_;
};

} // namespace haupt
