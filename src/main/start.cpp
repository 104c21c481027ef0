#include "main/start.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QtMath>

#include <cstdio>

#include "daten/texte.h"
#include "daten/umgebung.h"
#include "fenster/meldungsbox.h"

namespace haupt {

bool SystemanforderungErfuellt(const daten::Texte& texte)
{
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    if (!bildschirm || daten::BildschirmGenuegt(bildschirm->geometry().height(), bildschirm->depth()))
        return true;
    const QString text = Anforderungstext(texte, bildschirm->geometry().size(), bildschirm->devicePixelRatio(),
                                          bildschirm->depth());
    // Below 16 bits Qt may not be able to paint the box at all; the terminal still gets the text.
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    BaueAnforderungsmeldung(text, bildschirm->geometry())->exec();
    return false;
}

QString Anforderungstext(const daten::Texte& texte, QSize logisch, qreal skalierung, int farbtiefe)
{
    const int geraetehoehe = qFloor(logisch.height() * skalierung + 0.5);
    if (skalierung <= 1 || !daten::BildschirmGenuegt(geraetehoehe, farbtiefe))
        return texte(daten::text::SystemAnforderung);
    const auto prozent = [](qreal faktor) { return QString::number(qFloor(faktor * 100 + 0.5)); };
    return texte(daten::text::SkalierungZuGross)
        .arg(prozent(skalierung), QString::number(logisch.width()), QString::number(logisch.height()),
             QString::number(geraetehoehe * 100 / 600));
}

std::unique_ptr<QMessageBox> BaueAnforderungsmeldung(const QString& text, const QRect& bildschirm)
{
    auto box = fenster::BaueMeldungsbox(QMessageBox::Critical, text);
    box->move(bildschirm.topLeft() + QPoint(bildschirm.width() / 2, bildschirm.height() / 2));
    return box;
}

} // namespace haupt
