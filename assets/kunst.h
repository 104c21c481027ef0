// The game's art, compiled in: every name here loads with Bild(name).
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>
#include <QStringList>

namespace kunst {

// All resource names, in the order the main window, the dialogs and the icon need them, then the
// dark set.
QStringList Kunstnamen();

// ":/kunst/NAME": opaque art is binary PPM, art with transparency PNG.
QString Kunstpfad(const QString& name);

// The decoded image; null for an unknown name. Read by Qt's own readers, without image plugins.
QImage Bild(const QString& name);
// The dark set's image of that name ("imgHintergrund@2x": "imgHintergrundDunkel@2x") where it
// has one, else the light one; with `dunkel` false the light one.
QImage Bild(const QString& name, bool dunkel);

// The program icon at every size the build draws it (16 to 256 pixels), for the window.
QIcon Programmsymbol();

} // namespace kunst
