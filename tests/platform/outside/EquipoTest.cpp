#include "platform/outside/Equipo.h"
#include "platform/outside/WritableFolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <optional>

namespace {

TEST(Equipo, NamesTheUserFromTheFirstVariableThatHoldsOne)
{
    const char *const variables[] = {"USER", "LOGNAME", "USERNAME"};
    std::optional<QByteArray> saved[3];
    for (int i = 0; i < 3; ++i) {
        if (qEnvironmentVariableIsSet(variables[i]))
            saved[i] = qgetenv(variables[i]);
    }
    const std::pair<QList<QByteArray>, QString> cases[] = {
        {{"ana", "beto", "ceci"}, "ana"}, {{"  ", " beto ", "ceci"}, "beto"}, {{"", "", ""}, "desconocido"}};
    for (const auto &[values, user] : cases) {
        for (int i = 0; i < 3; ++i)
            qputenv(variables[i], values[i]);
        EXPECT_EQ(outside::Equipo().UsuarioEquipo(), user);
    }
    for (int i = 0; i < 3; ++i) {
        if (saved[i])
            qputenv(variables[i], *saved[i]);
        else
            qunsetenv(variables[i]);
    }
}

TEST(Equipo, StartsAProgramWithItsParameters)
{
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("escribe.sh"));
    const QString output = dir.filePath(QStringLiteral("salida.txt"));
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // The text is written aside and renamed, so the file appears whole or not at all.
    file.write("#!/bin/sh\necho \"$1\" > \"$2.tmp\" && mv \"$2.tmp\" \"$2\"\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    long resultado = -1;
    outside::Equipo().EjecutarArchivo(0, QString(), QLatin1Char('"') + script + QLatin1Char('"'),
                                      QStringLiteral("hola \"") + output + QLatin1Char('"'), QString(), 0, resultado);
    EXPECT_EQ(resultado, 1);
    QElapsedTimer clock;
    clock.start();
    while (!QFile::exists(output) && clock.elapsed() < 5000)
        QThread::msleep(10);
    QFile written(output);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("hola\n"));
}

TEST(WritableFolder, PrefersTheGivenFolderAndFallsBackToTheUsersDataFolder)
{
    QTemporaryDir dir;
    EXPECT_EQ(outside::writableFolder(dir.path()), dir.path());
    const QString fallback = outside::writableFolder(dir.filePath(QStringLiteral("no/existe")));
    EXPECT_EQ(fallback, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    EXPECT_TRUE(QFileInfo(fallback).isDir());
}

} // namespace
