// The main window comes back where it was left, on a screen that still holds it; else centred.
#include "hauptfenster.h"

#include <QFile>
#include <QScreen>

#include "main/fensterlage.h"

namespace {

TEST(Fensterlage, NurWoEinBildschirmDasFensterNochFasst)
{
    const QList<QRect> zwei{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    const QSize rahmen(763, 521);
    const struct {
        QPoint ecke;
        bool maximiert;
        QList<QRect> bildschirme;
        bool bleibt;
    } faelle[] = {
        {{2000, 100}, false, zwei, true},          // on the second screen
        {{2000, 100}, false, {zwei[0]}, false},    // that screen is gone
        {{2500, 100}, false, zwei, false},         // reaching past its right edge
        {{1500, 100}, false, zwei, false},         // across both
        {{3100, 900}, true, zwei, true},           // maximised: its corner is enough
    };
    for (const auto& f : faelle)
        EXPECT_EQ(haupt::Wiederherstellbar({f.ecke, f.maximiert}, rahmen, f.bildschirme).has_value(), f.bleibt)
            << f.ecke.x() << "," << f.ecke.y();
}

class Fensterplatz : public Hauptfenster {
protected:
    // The window as the next start shows it, from what the options file holds now.
    std::unique_ptr<haupt::TfrmMain> Neustart()
    {
        neu_ = std::make_unique<daten::Vorlieben>(umgebung);
        auto fenster = std::make_unique<haupt::TfrmMain>(texte, *neu_, sitzung);
        fenster->show();
        return fenster;
    }
    std::unique_ptr<daten::Vorlieben> neu_;
};

TEST_F(Fensterplatz, GemerktGeschlossenWiederDa)
{
    frm.show();
    haupt::FensterlageMerken(frm, vorlieben);
    EXPECT_FALSE(QFile::exists(umgebung.optionsDatei())) << "where the start put it, nothing is written";

    frm.move(10, 20);
    haupt::FensterlageMerken(frm, vorlieben);
    EXPECT_EQ(Neustart()->pos(), QPoint(10, 20));

    frm.setWindowState(Qt::WindowMaximized);
    haupt::FensterlageMerken(frm, vorlieben);
    const auto maximiert = Neustart();
    EXPECT_TRUE(maximiert->isMaximized());
    const QPoint rahmen = maximiert->geometry().topLeft() - maximiert->pos();
    EXPECT_EQ(maximiert->normalGeometry().topLeft() - rahmen, QPoint(10, 20)) << "and back to its corner when restored";

    // Off every screen, or garbled: centred as on a first start.
    for (const char* ecke : {"5000,20", "10", "x,y", ""}) {
        QFile datei(umgebung.optionsDatei());
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(QByteArray("[Fenster]\nEcke=") + ecke + "\nMaximiert=0\n");
        datei.close();
        const auto fenster = Neustart();
        const QSize rahmen = fenster->frameGeometry().size();
        EXPECT_EQ(fenster->pos(), fenster->screen()->geometry().center() - QPoint(rahmen.width() / 2, rahmen.height() / 2)) << ecke;
    }
}

} // namespace
