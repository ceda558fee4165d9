#include "platform/outside/ClaveGuardada.h"
#include "platform/outside/Utilidades.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

TEST(ClaveGuardada, GivesBackWhatItWasGiven)
{
    const outside::Utilidades util;
    for (const QString &plain :
         {QString(), QStringLiteral("admin"), QStringLiteral("DEMO"), QStringLiteral("contraseña ñÑ €"),
          QStringLiteral("a'b,c|d=e;f"), QStringLiteral("  blancos  "), QString(300, QLatin1Char('x'))}) {
        const QString stored = util.CodificarClave(plain);
        EXPECT_EQ(util.DecodificarClave(stored), plain) << plain.toStdString();
        EXPECT_EQ(util.DecodificarClave(stored.toLower()), plain) << plain.toStdString();
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9A-F]*$")).match(stored).hasMatch()) << stored.toStdString();
    }
}

TEST(ClaveGuardada, HidesThePlainText)
{
    EXPECT_NE(outside::codificarClave(QStringLiteral("admin")), QStringLiteral("admin"));
    EXPECT_FALSE(outside::codificarClave(QStringLiteral("admin")).contains(QStringLiteral("61646D696E")));
    EXPECT_NE(outside::codificarClave(QStringLiteral("admin")), outside::codificarClave(QStringLiteral("Admin")));
}

TEST(ClaveGuardada, TextNotInTheStoredFormComesBackAsItStands)
{
    for (const QString &foreign : {QStringLiteral("abc"), QStringLiteral("XYZ1"), QStringLiteral("12345")})
        EXPECT_EQ(outside::decodificarClave(foreign), foreign);
}

} // namespace
