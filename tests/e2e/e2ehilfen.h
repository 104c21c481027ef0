#pragma once
// What the end-to-end tests share: a game folder, finding the board on the screen, reading it.

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "xsitzung.h"
#include "kunst.h"

inline QImage Kunst(const char* name)
{
    return kunst::Bild(QLatin1String(name)).convertToFormat(QImage::Format_RGB32);
}

// A working folder with the game's pictures, and nothing written yet.
inline void SpielordnerAnlegen(const QTemporaryDir& ordner, const QStringList& bilder = {})
{
    const QDir quelle(QStringLiteral(TAVELOR_SPIELORDNER "/images"));
    QDir(ordner.path()).mkdir(QStringLiteral("images"));
    const QStringList namen = bilder.isEmpty() ? quelle.entryList({"*.bmp"}, QDir::Files) : bilder;
    for (const QString& name : namen)
        QFile::copy(quelle.filePath(name), ordner.filePath("images/" + name));
}

// The screen position of the main window's client area (below the menu bar): the window's
// origin, moved down until the screen shows the background art's left margin. `faktor` 2 is a
// window drawn at twice the size, with the double-size art.
inline QPoint ClientUrsprung(const QImage& schirm, QPoint fenster, int faktor = 1)
{
    static const QImage einfach = Kunst("imgHintergrund"), doppelt = Kunst("imgHintergrund@2x");
    const QImage& hintergrund = faktor == 2 ? doppelt : einfach;
    for (int dy = 0; dy < 80 * faktor; ++dy) {
        bool gleich = true;
        for (int y = 60 * faktor; y < 460 * faktor && gleich; y += 7)
            for (int x = 2 * faktor; x < 22 * faktor && gleich; x += 3) {
                const QPoint p = fenster + QPoint(x, y + dy);
                gleich = schirm.rect().contains(p) && schirm.pixel(p) == hintergrund.pixel(x, y);
            }
        if (gleich)
            return fenster + QPoint(0, dy);
    }
    return {-1, -1};
}

// Which digit (0-9) of the counter strip the 22 x 30 cell at p shows, or -1.
inline int ZaehlerZiffer(const QImage& schirm, QPoint p)
{
    static const QImage streifen = Kunst("imgZiffern");
    for (int d = 0; d <= 9; ++d)
        if (schirm.copy(QRect(p, QSize(22, 30))) == streifen.copy(22 * d, 0, 22, 30))
            return d;
    return -1;
}

inline QString Zuganzeige(const QImage& schirm, QPoint client)
{
    QString text;
    for (int x : {565, 587, 609, 631}) {
        const int d = ZaehlerZiffer(schirm, client + QPoint(x, 310));
        text += d < 0 ? QStringLiteral("?") : QString::number(d);
    }
    return text;
}

// A game in the window, found on the screen.
struct Spielfenster {
    QString id;
    QPoint client{-1, -1};  // screen position of client (0, 0)
    int faktor = 1;         // the window's zoom: 2 at 200 %
    // The screen point of the classic client point (x, y).
    QPoint punkt(int x, int y) const { return client + QPoint(x, y) * faktor; }
};

// Starts the program in a fresh game folder inside the session's own X server.
inline void ProgrammStarten(XSitzung& x, const QTemporaryDir& ordner)
{
    ASSERT_TRUE(x.laeuft()) << x.fehler().toStdString();
    SpielordnerAnlegen(ordner);
    ASSERT_TRUE(x.starte(QStringLiteral(TAVELOR_PROGRAMM), ordner.path()));
}

inline bool ClientFinden(XSitzung& x, Spielfenster& f)
{
    const QPoint lage = x.fensterLage(f.id);
    return x.warteBis([&](const QImage& schirm) {
        f.client = ClientUrsprung(schirm, lage, f.faktor);
        return f.client.x() >= 0;
    });
}
