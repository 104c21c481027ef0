#include "main/meldung.h"

#include <QMessageBox>

namespace haupt {

void FehlerMelden(const QString& nachricht)
{
    QMessageBox::critical(nullptr, QStringLiteral("Tavelor"), nachricht + QLatin1Char('.'));
}

} // namespace haupt
