// The game's style draws what the desktop's style draws, without reading the style's files by
// their contents.

#include <QGroupBox>
#include <QRadioButton>
#include <QStyleFactory>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

#include "main/stil.h"

namespace {

QImage Gezeichnet(QStyle* stil, const QString& titel, bool ankreuzbar)
{
    QGroupBox kasten(titel);
    kasten.setStyle(stil);
    kasten.setCheckable(ankreuzbar);
    auto* knopf = new QRadioButton(QStringLiteral("9 Teile"), &kasten);
    knopf->setStyle(stil);
    (new QVBoxLayout(&kasten))->addWidget(knopf);
    kasten.resize(180, 90);
    return kasten.grab().toImage();
}

} // namespace

// Fusion's frame is drawn here, any other style draws its own.
TEST(Stil, GruppenrahmenWieDerStilDarunter)
{
    for (const QString& name : {QStringLiteral("Fusion"), QStringLiteral("Windows")}) {
        const std::unique_ptr<QStyle> grund(QStyleFactory::create(name));
        ASSERT_TRUE(grund) << name.toStdString();
        haupt::Stil stil(name);
        ASSERT_EQ(stil.baseStyle()->name(), grund->name());
        for (const QString& titel : {QStringLiteral("Größe"), QString()})
            for (bool ankreuzbar : {false, true})
                EXPECT_EQ(Gezeichnet(&stil, titel, ankreuzbar), Gezeichnet(grund.get(), titel, ankreuzbar))
                    << name.toStdString() << " " << titel.toStdString() << " " << ankreuzbar;
    }
}

TEST(Stil, StandardsymboleWieFusion)
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
    haupt::Stil stil(QStringLiteral("Fusion"));
    for (auto art : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_MessageBoxWarning}) {
        const QIcon ikone = stil.standardIcon(art);
        ASSERT_FALSE(ikone.isNull());
        EXPECT_EQ(ikone.pixmap(16).toImage(), fusion->standardIcon(art).pixmap(16).toImage()) << art;
    }
}
