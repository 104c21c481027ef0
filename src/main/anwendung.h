#pragma once

#include <QApplication>

namespace haupt {

// A failure that escapes an event handler ends that handler and is reported; the program goes on.
class Anwendung : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* empfaenger, QEvent* ereignis) override;
};

} // namespace haupt
