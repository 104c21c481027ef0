#pragma once
// Drag and drop without a window system: the enter and drop events a file manager's drag
// brings, sent straight to a window.

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QStringList>
#include <QUrl>
#include <QWidget>

struct Ablage {
    bool betretenAngenommen = false;
    bool abgelegt = false;
    Qt::DropAction aktion = Qt::IgnoreAction;  // what the window told the source it did
};

// Drags the files (paths, or URLs as they are) over the window's middle and drops them there
// when the window takes the drag; the source offers to copy or to move.
inline Ablage Ablegen(QWidget& fenster, const QList<QUrl>& urls)
{
    QMimeData daten;
    daten.setUrls(urls);
    const QPoint mitte = fenster.rect().center();
    const Qt::DropActions angebot = Qt::CopyAction | Qt::MoveAction;
    Ablage ablage;
    QDragEnterEvent betreten(mitte, angebot, &daten, Qt::LeftButton, Qt::NoModifier);
    betreten.setDropAction(Qt::MoveAction);
    QCoreApplication::sendEvent(&fenster, &betreten);
    ablage.betretenAngenommen = betreten.isAccepted();
    if (!ablage.betretenAngenommen)
        return ablage;
    QDropEvent fallen(QPointF(mitte), angebot, &daten, Qt::LeftButton, Qt::NoModifier);
    fallen.setDropAction(Qt::MoveAction);
    QCoreApplication::sendEvent(&fenster, &fallen);
    ablage.abgelegt = fallen.isAccepted();
    ablage.aktion = fallen.dropAction();
    return ablage;
}

inline Ablage Ablegen(QWidget& fenster, const QStringList& dateien)
{
    QList<QUrl> urls;
    for (const QString& datei : dateien)
        urls << QUrl::fromLocalFile(datei);
    return Ablegen(fenster, urls);
}
