// The game's art, compiled in: every name here loads as QImage(":/kunst/" + name + ".png").
#pragma once

#include <QString>
#include <QStringList>

namespace kunst {

// All resource names, in the order the main window, the dialogs and the icon need them.
QStringList Kunstnamen();

// ":/kunst/NAME.png"
QString Kunstpfad(const QString& name);

} // namespace kunst
