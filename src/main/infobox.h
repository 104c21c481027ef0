#pragma once
// The about box: created for each showing, centred over the main window, kept on the screen.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include "main/brettgeometrie.h"

class QFont;
class QWidget;

namespace haupt {

struct InfoBoxDlg {
    QString FensterTitel;
    QString ProgrammName = QStringLiteral("Tavelor");
    QString Version;
    QString VersionsNr = QStringLiteral("2.0.0.0");
    QString Beschreibung;  // a line about the game, in the current language
    QString Lizenz, Mitwirkende;
    int iLeft = 100;
    int iTop = 100;

    static constexpr QSize Groesse = Brettgeometrie::InfoBoxRahmen;

    // Where the box goes for the requested edges on a screen of that size: an axis that would
    // leave the screen is centred on it instead.
    static QPoint Lage(QPoint gewuenscht, QSize bildschirm);
    // Centres the requested edges over the main window's outer rectangle.
    void Zentrieren(const QRect& hauptfenster);
    // Shows the box modally; true when it was closed with OK.
    bool Execute(QWidget* eltern) const;

private:
    void LizenzZeigen(QWidget& panel, const QRect& platz, const QFont& schrift) const;
};

} // namespace haupt
