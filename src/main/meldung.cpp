#include "main/meldung.h"

#include <QMessageBox>

void FehlerMelden(const QString& nachricht)
{
    QMessageBox::critical(nullptr, QStringLiteral("Tavelor"), nachricht + QLatin1Char('.'));
}
