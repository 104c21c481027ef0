#include "main/anwendung.h"

#include <exception>

#include "main/meldung.h"

namespace haupt {

bool Anwendung::notify(QObject* empfaenger, QEvent* ereignis)
{
    try {
        return QApplication::notify(empfaenger, ereignis);
    } catch (const std::exception& fehler) {
        FehlerMelden(QString::fromUtf8(fehler.what()));
    } catch (...) {
        FehlerMelden(QStringLiteral("Unbekannter Fehler"));
    }
    return false;
}

} // namespace haupt
