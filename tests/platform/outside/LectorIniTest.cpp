#include "platform/outside/LectorIni.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
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

// Windows finds "CN000pr.INI" whatever the letter case of the file on disk; so does the reader,
// with a folder in the name and without one (then in the user's data folder).
TEST(LectorIni, FindsTheFileWithoutRegardToLetterCase)
{
    QTemporaryDir datos;
    const bool habia = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    const QByteArray anterior = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", datos.path().toUtf8());
    const QString carpeta = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    ASSERT_TRUE(QDir().mkpath(carpeta));
    QFile file(QDir(carpeta).filePath(QStringLiteral("cn000pr.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[PC1|JUAN]\r\nFlatToolbars=0\r\n");
    file.close();

    const outside::LectorIni ini;
    for (const QString &nombre : {QStringLiteral("CN000pr.INI"), QStringLiteral("cn000pr.ini"),
                                  QDir(carpeta).filePath(QStringLiteral("CN000PR.Ini"))}) {
        QString value;
        ini.LeerIni(nombre, QStringLiteral("PC1|JUAN"), QStringLiteral("FlatToolbars"), QStringLiteral("1"), value);
        EXPECT_EQ(value, QStringLiteral("0")) << nombre.toStdString();
    }
    if (habia)
        qputenv("XDG_DATA_HOME", anterior);
    else
        qunsetenv("XDG_DATA_HOME");
}

} // namespace
