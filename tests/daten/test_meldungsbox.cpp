#include <QPushButton>

#include <gtest/gtest.h>

#include "daten/meldungsbox.h"

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
