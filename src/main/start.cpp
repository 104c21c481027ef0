#include "main/start.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include <cstdio>

#include "daten/texte.h"
#include "daten/umgebung.h"
#include "fenster/meldungsbox.h"

namespace haupt {

bool SystemanforderungErfuellt(const daten::Umgebung& umgebung)
{
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    if (!bildschirm || daten::BildschirmGenuegt(bildschirm->geometry().height(), bildschirm->depth()))
        return true;
    const daten::Texte texte(umgebung);
    const QString text = texte(daten::text::SystemAnforderung);
    // Below 16 bits Qt may not be able to paint the box at all; the terminal still gets the text.
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    BaueAnforderungsmeldung(text, bildschirm->geometry())->exec();
    return false;
}

std::unique_ptr<QMessageBox> BaueAnforderungsmeldung(const QString& text, const QRect& bildschirm)
{
    auto box = fenster::BaueMeldungsbox(QMessageBox::Critical, text);
    box->move(bildschirm.topLeft() + QPoint(bildschirm.width() / 2, bildschirm.height() / 2));
    return box;
}

} // namespace haupt
