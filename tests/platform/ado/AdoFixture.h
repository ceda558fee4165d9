#pragma once

#include "platform/ado/Connection.h"
#include "platform/ado/Engine.h"
#include "platform/ado/sqlite/EmbeddedDatabase.h"
#include "platform/runtime/RuntimeError.h"
#include "support/TestHelpers.h"

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A fresh data folder per test ($COMISIONES_DATOS points to it) where embedded databases are made.
class EmbeddedFolderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_folder.isValid()); }

    QString databasePath(const QString &name) const
    {
        return QDir(m_folder.path()).filePath(name + QStringLiteral(".db"));
    }
    void createDatabase(const QString &name, const QString &ddl)
    {
        ado::sqlite::createEmbeddedDatabase(databasePath(name), ddl);
    }
    // The connection string the program writes, on the embedded server.
    static QString connectionString(const QString &database = QStringLiteral("DEMO"))
    {
        return QStringLiteral("PROVIDER=SQLOLEDB;Server=sqlite;Database =%1;UId=%1;Pwd=%1;").arg(database);
    }

    QTemporaryDir m_folder;
    VariableEntorno m_dataFolder{"COMISIONES_DATOS", m_folder.path()};
};

// The embedded database DEMO made from a schema, and m_connection open on it.
class DemoDatabaseTest : public EmbeddedFolderTest {
protected:
    explicit DemoDatabaseTest(QString ddl)
        : m_ddl(std::move(ddl))
    {
    }
    void SetUp() override
    {
        EmbeddedFolderTest::SetUp();
        createDatabase(QStringLiteral("DEMO"), m_ddl);
        m_connection.Open(connectionString());
    }

    long count(const QString &table)
    {
        return m_connection.Execute(QStringLiteral("SELECT * FROM ") + table).RecordCount();
    }
    // The rows another connection sees: only those committed.
    long committedCount(const QString &table)
    {
        ado::Connection other;
        other.Open(connectionString());
        return other.Execute(QStringLiteral("SELECT * FROM ") + table).RecordCount();
    }

    ado::Connection m_connection;

private:
    QString m_ddl;
};

// A value as the rowset tests compare it: Null as "NULL", numbers and flags as digits.
inline QString cellText(const rt::Variant &value)
{
    switch (value.type()) {
    case rt::VarType::Null:
        return QStringLiteral("NULL");
    case rt::VarType::String:
        return value.asString();
    case rt::VarType::Boolean:
        return QString::number(value.asBoolean());
    default:
        return QString::number(value.asLong());
    }
}

// The ADO number of the run-time error that `action` raises; 0 when it raises none.
template <typename Action> long errorNumberOf(Action &&action)
{
    try {
        action();
    } catch (const rt::RuntimeError &error) {
        return error.Number;
    }
    return 0;
}

// The errors of the engine failure that `action` throws; none, and a failed test, when it throws none.
template <typename Action> QList<ado::Error> engineErrorsOf(Action &&action)
{
    try {
        action();
    } catch (const ado::EngineError &error) {
        return error.errors();
    }
    ADD_FAILURE() << "no engine failure";
    return {};
}
