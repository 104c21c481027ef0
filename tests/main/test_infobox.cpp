#include <gtest/gtest.h>

#include "main/infobox.h"

using haupt::InfoBoxDlg;

TEST(InfoBox, ZentriertUeberDemHauptfenster)
{
    InfoBoxDlg box;
    box.Zentrieren(QRect(18, 39, 763, 521));  // the main window centred on 800 x 600
    EXPECT_EQ(QPoint(box.iLeft, box.iTop), QPoint(18 + (763 - 285) / 2, 39 + (521 - 392) / 2));
    EXPECT_EQ(InfoBoxDlg::Lage({box.iLeft, box.iTop}, {800, 600}), QPoint(box.iLeft, box.iTop));
}

TEST(InfoBox, JedeAchseWirdAmBildschirmrandEinzelnKorrigiert)
{
    const QSize schirm(800, 600);
    EXPECT_EQ(InfoBoxDlg::Lage({600, 100}, schirm), QPoint((800 - 285) / 2, 100));  // past the right edge
    EXPECT_EQ(InfoBoxDlg::Lage({515, 100}, schirm), QPoint(515, 100));              // ends exactly at it
    EXPECT_EQ(InfoBoxDlg::Lage({-1, 100}, schirm), QPoint((800 - 285) / 2, 100));
    EXPECT_EQ(InfoBoxDlg::Lage({100, 209}, schirm), QPoint(100, (600 - 392) / 2));  // past the bottom
    EXPECT_EQ(InfoBoxDlg::Lage({100, -5}, schirm), QPoint(100, (600 - 392) / 2));
    EXPECT_EQ(InfoBoxDlg::Lage({900, 900}, schirm), QPoint((800 - 285) / 2, (600 - 392) / 2));
}
