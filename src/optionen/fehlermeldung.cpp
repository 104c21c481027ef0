#include "optionen/fehlermeldung.h"

#include "fenster/meldungsbox.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QRect>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace optionen {

std::unique_ptr<QMessageBox> BaueFehlermeldung(QWidget* eltern, const QString& text, const QRect& bildschirm)
{
    auto box = fenster::BaueMeldungsbox(QMessageBox::Critical, text, eltern);
    box->adjustSize();
    QRect lage(QPoint(0, 0), box->size());
    lage.moveCenter(bildschirm.center());
    box->move(lage.topLeft());
    return box;
}

void ZeigeFehlermeldung(QWidget* eltern, const QString& text)
{
    QScreen* schirm = eltern && eltern->screen() ? eltern->screen() : QGuiApplication::primaryScreen();
    const QRect bildschirm = schirm ? schirm->geometry() : QRect(0, 0, 800, 600);
    BaueFehlermeldung(eltern, text, bildschirm)->exec();
}

QString Ladefehlertext(const daten::Texte& texte, daten::Ladefehler fehler, const QString& name)
{
    using daten::Ladefehler;
    switch (fehler) {
    case Ladefehler::Keiner: break;
    case Ladefehler::NichtGefunden: return texte(daten::text::DateiFehlt) + name;
    case Ladefehler::KeinBild: return texte(daten::text::KeinBild);
    case Ladefehler::FremdesFormat: return texte(daten::text::GrafikFormat);
    case Ladefehler::Beschaedigt: return texte(daten::text::BildBeschaedigt);
    case Ladefehler::ZuGross: return texte(daten::text::BildZuGross);
    }
    return {};
}

void BeendeProgramm()
{
    // Posted, so that a request made before the message loop runs is not lost.
    QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
}

} // namespace optionen
