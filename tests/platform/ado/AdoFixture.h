#pragma once

#include "platform/ado/Connection.h"
#include "platform/ado/sqlite/EmbeddedDatabase.h"
#include "platform/runtime/RuntimeError.h"

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A fresh data folder per test ($COMISIONES_DATOS points to it) where embedded databases are made.
class EmbeddedFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_previousFolder = qgetenv("COMISIONES_DATOS");
        m_hadFolder = qEnvironmentVariableIsSet("COMISIONES_DATOS");
        qputenv("COMISIONES_DATOS", m_folder.path().toUtf8());
    }
    void TearDown() override
    {
        if (m_hadFolder)
            qputenv("COMISIONES_DATOS", m_previousFolder);
        else
            qunsetenv("COMISIONES_DATOS");
    }

    QString databasePath(const QString &name) const { return QDir(m_folder.path()).filePath(name + QStringLiteral(".db")); }
    void createDatabase(const QString &name, const QString &ddl)
    {
        ado::sqlite::createEmbeddedDatabase(databasePath(name), ddl);
    }
    // The connection string the program writes, on the embedded server.
    static QString connectionString(const QString &database)
    {
        return QStringLiteral("PROVIDER=SQLOLEDB;Server=sqlite;Database =%1;UId=%1;Pwd=%1;").arg(database);
    }

    QTemporaryDir m_folder;

private:
    QByteArray m_previousFolder;
    bool m_hadFolder = false;
};

// The ADO number of the run-time error that `action` raises; 0 when it raises none.
template <typename Action>
long errorNumberOf(Action &&action)
{
    try {
        action();
    } catch (const rt::RuntimeError &error) {
        return error.Number;
    }
    return 0;
}
