#pragma once

#include <QString>

namespace haupt {

// The application's general error report: caption "Tavelor", the message and a full stop.
void FehlerMelden(const QString& nachricht);

} // namespace haupt
