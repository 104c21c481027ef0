#include <QPushButton>

#include <gtest/gtest.h>

#include "fenster/meldungsbox.h"
#include "main/start.h"

using fenster::BaueMeldungsbox;

TEST(Meldungsbox, FehlerUndInformationMitEinemOKAnIhrerStelle)
{
    const auto fehler = BaueMeldungsbox(QMessageBox::Critical, "kaputt", QPoint(100, 200), QPoint(4, 23));
    EXPECT_EQ(fehler->windowTitle(), "Fehler");
    EXPECT_EQ(fehler->icon(), QMessageBox::Critical);
    EXPECT_EQ(fehler->text(), "kaputt");
    ASSERT_EQ(fehler->buttons().size(), 1);
    EXPECT_EQ(fehler->buttons().front()->text(), "OK");
    EXPECT_EQ(fehler->pos(), QPoint(104, 223));

    const auto info = BaueMeldungsbox(QMessageBox::Information, "CD", QPoint(15, 100), QPoint());
    EXPECT_EQ(info->windowTitle(), "Information");
    EXPECT_EQ(info->icon(), QMessageBox::Information);
    EXPECT_EQ(info->pos(), QPoint(15, 100));
}

TEST(Bildschirm, AnforderungsmeldungBeginntInDerBildschirmmitte)
{
    const auto box = haupt::BaueAnforderungsmeldung("Text", QRect(0, 0, 1025, 599));
    EXPECT_EQ(box->pos(), QPoint(512, 299));
    EXPECT_EQ(box->windowTitle(), "Fehler");
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(haupt::BaueAnforderungsmeldung("", QRect(1920, 100, 800, 480))->pos(), QPoint(2320, 340));
}
