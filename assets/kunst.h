// The game's art, compiled in: every name here loads with Bild(name).
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>
#include <QStringList>

namespace kunst {

// All resource names, in the order the main window, the dialogs and the icon need them.
QStringList Kunstnamen();

// ":/kunst/NAME": opaque art is binary PPM, art with transparency PNG.
QString Kunstpfad(const QString& name);

// The decoded image; null for an unknown name. Read by Qt's own readers, without image plugins.
QImage Bild(const QString& name);

// The program icon at every size the build draws it (16 to 256 pixels), for the window.
QIcon Programmsymbol();

} // namespace kunst
