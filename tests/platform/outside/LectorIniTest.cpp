#include "platform/outside/LectorIni.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(LectorIni, ReadsKeysOfSectionsIgnoringLetterCase)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CN000pr.INI"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "; comentario\r\n[OTRA]\r\nFlatToolbars=0\r\n[PC1|JUAN]\r\n FlatToolbars = 1 \r\nStyles=Office.cjstyles\r\n"
        "Vacia=\r\n[PC1|JUANBaseDeDatos]\r\nServidor=srv=1\r\n");
    file.close();

    const outside::LectorIni ini;
    struct Case {
        const char *section;
        const char *key;
        const char *expected;
    };
    const Case cases[] = {
        {"PC1|JUAN", "FlatToolbars", "1"}, {"pc1|juan", "STYLES", "Office.cjstyles"},
        {"PC1|JUAN", "Vacia", ""},         {"PC1|JUANBaseDeDatos", "Servidor", "srv=1"},
        {"PC1|JUAN", "Servidor", "def"},   {"NADA", "FlatToolbars", "def"},
    };
    for (const Case &c : cases) {
        QString value = QStringLiteral("previo");
        ini.LeerIni(path, QString::fromUtf8(c.section), QString::fromUtf8(c.key), QStringLiteral("def"), value);
        EXPECT_EQ(value, QString::fromUtf8(c.expected)) << c.section << " " << c.key;
    }
    QString value;
    ini.LeerIni(dir.filePath(QStringLiteral("NoExiste.INI")), QStringLiteral("PC1|JUAN"),
                QStringLiteral("FlatToolbars"), QStringLiteral("1"), value);
    EXPECT_EQ(value, QStringLiteral("1"));
}

} // namespace
