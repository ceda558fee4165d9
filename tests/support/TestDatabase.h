#pragma once

#include "platform/ado/Connection.h"
#include "platform/runtime/Variant.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <memory>

// A fresh embedded database per test: DEMO.db and QV_ESTADISTICAS.db made from the schema in a
// temporary folder, with COMISIONES_DATOS pointing there while the object lives (so the
// program's own connection strings reach them). Empty unless fixture rows or the demo rows
// are added.
class TestDatabase {
public:
    // Throws ado::EngineError when the schema does not apply.
    TestDatabase();
    ~TestDatabase();
    // A database holding the same rows as `model`, in a folder of its own: cheaper than
    // building and filling a new one for each of many tests. Closes the model's connections.
    static std::unique_ptr<TestDatabase> copyOf(TestDatabase &model);

    TestDatabase(const TestDatabase &) = delete;
    TestDatabase &operator=(const TestDatabase &) = delete;

    QString folder() const;
    // The company database file, <folder>/DEMO.db.
    QString path() const;

    // The program's form of a connection string to an embedded database of the data folder:
    // "PROVIDER=SQLOLEDB;Server=sqlite;Database =DEMO;UId=DEMO;Pwd=DEMO;".
    static QString connectionString(const QString &database = QStringLiteral("DEMO"));
    static QString statisticsConnectionString();

    // The fixture's own connections to its files, opened on first use.
    ado::Connection &connection();
    ado::Connection &statisticsConnection();

    // Runs T-SQL fixture text (one statement or a batch) on the company database; throws the
    // engine's RuntimeError when it fails.
    void execute(const QString &tsql);
    // Every row of a query on the company database, all columns in order.
    QList<QList<rt::Variant>> rows(const QString &tsql);
    // The first column of the first row of a query (Empty when there is no row).
    rt::Variant value(const QString &tsql);

    // Fills both databases with the demo generator's rows.
    void fillDemo(int collections = 300, quint64 seed = 1);

private:
    enum class Files { FromSchema, None };
    explicit TestDatabase(Files files);

    QTemporaryDir m_dir;
    QByteArray m_previousDataFolder;
    bool m_hadDataFolder = false;
    std::unique_ptr<ado::Connection> m_company;
    std::unique_ptr<ado::Connection> m_statistics;
};
