// The pieces of the dialog that work on their own: the name check and the message box.
#include "beste/namenspruefer.h"

#include <QPushButton>

#include <gtest/gtest.h>

using namespace beste;

namespace {

QValidator::State Pruefe(QString text)
{
    TNamensPruefer pruefer;
    int position = 0;
    return pruefer.validate(text, position);
}

} // namespace

TEST(NamensPruefer, NimmtJedeSchriftOhneSteuerzeichen)
{
    EXPECT_EQ(Pruefe(QStringLiteral("Müller ß€Œ")), QValidator::Acceptable);
    EXPECT_EQ(Pruefe(QStringLiteral("")), QValidator::Acceptable);
    EXPECT_EQ(Pruefe(QStringLiteral("Ωmega Łukasz")), QValidator::Acceptable);
    EXPECT_EQ(Pruefe(QStringLiteral("Hi \U0001F600")), QValidator::Acceptable);
    EXPECT_EQ(Pruefe(QStringLiteral("a\tb")), QValidator::Invalid);
    EXPECT_EQ(Pruefe(QStringLiteral("a\nb")), QValidator::Invalid);
    EXPECT_EQ(Pruefe(QString(QChar(0x7F))), QValidator::Invalid);
    EXPECT_EQ(Pruefe(QString(QChar(0x81))), QValidator::Invalid);  // a C1 control
}

