#include "platform/ui/SkinFramework.h"

#include "support/TestHelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

void escribir(const QString &ruta, const QByteArray &texto)
{
    QDir().mkpath(QFileInfo(ruta).path());
    QFile archivo(ruta);
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.write(texto);
}

TEST(SkinFramework, ASkinIsTheStyleSheetBesideItsName)
{
    QTemporaryDir carpeta;
    const QDir styles(QDir(carpeta.path()).filePath(QStringLiteral("Styles")));
    escribir(styles.filePath(QStringLiteral("Vista.qss")), "QWidget { color: navy; }");
    escribir(styles.filePath(QStringLiteral("iTunes/Normalitunes.qss")), "QWidget { color: gray; }");

    ui::SkinFramework skin;
    skin.LoadSkin(styles.filePath(QStringLiteral("Vista.cjstyles")), QString());
    EXPECT_EQ(skin.styleSheet(), QStringLiteral("QWidget { color: navy; }"));
    skin.LoadSkin(styles.filePath(QStringLiteral("iTunes")), QStringLiteral("Normalitunes.ini"));
    EXPECT_EQ(skin.styleSheet(), QStringLiteral("QWidget { color: gray; }"));

    QWidget ventana;
    skin.ApplyWindow(&ventana);
    EXPECT_EQ(ventana.styleSheet(), QStringLiteral("QWidget { color: gray; }"));
}

TEST(SkinFramework, AMissingSkinRaisesFileNotFoundAndKeepsTheLoadedOne)
{
    QTemporaryDir carpeta;
    escribir(QDir(carpeta.path()).filePath(QStringLiteral("Luna.qss")), "QWidget { color: blue; }");
    ui::SkinFramework skin;
    QWidget ventana;
    skin.ApplyWindow(&ventana);
    EXPECT_EQ(ventana.styleSheet(), QString());
    skin.LoadSkin(QDir(carpeta.path()).filePath(QStringLiteral("Luna.cjstyles")), QString());
    EXPECT_EQ(
        errorNumber([&] { skin.LoadSkin(QDir(carpeta.path()).filePath(QStringLiteral("Office2007.cjstyles")), {}); }),
        rt::err::FileNotFound);
    EXPECT_EQ(skin.styleSheet(), QStringLiteral("QWidget { color: blue; }"));
}

} // namespace
