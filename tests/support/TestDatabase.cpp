#include "support/TestDatabase.h"

#include "demo/DemoDatabase.h"
#include "platform/ado/Recordset.h"
#include "schema/SchemaFiles.h"

#include <QDir>
#include <stdexcept>

namespace {

const QString CompanyDatabase = QStringLiteral("DEMO");

// The fixture's own connections name their file, so they reach this fixture's database even
// while another fixture holds COMISIONES_DATOS.
std::unique_ptr<ado::Connection> openFile(const QString &path)
{
    auto connection = std::make_unique<ado::Connection>();
    connection->Open(QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source=\"%1\";").arg(path));
    return connection;
}

} // namespace

TestDatabase::TestDatabase()
    : TestDatabase(Files::FromSchema)
{
}

TestDatabase::TestDatabase(Files files)
    : m_previousDataFolder(qgetenv("COMISIONES_DATOS"))
    , m_hadDataFolder(qEnvironmentVariableIsSet("COMISIONES_DATOS"))
{
    if (!m_dir.isValid())
        throw std::runtime_error("no temporary folder for the test database");
    if (files == Files::FromSchema)
        schema::createDatabases(m_dir.path(), CompanyDatabase);
    qputenv("COMISIONES_DATOS", QFile::encodeName(m_dir.path()));
}

std::unique_ptr<TestDatabase> TestDatabase::copyOf(TestDatabase &model)
{
    // Closing the last connection folds the write-ahead log into the database file.
    model.m_company.reset();
    model.m_statistics.reset();
    std::unique_ptr<TestDatabase> copy(new TestDatabase(Files::None));
    const QDir from(model.folder());
    for (const QString &name : from.entryList(QDir::Files)) {
        if (!QFile::copy(from.filePath(name), QDir(copy->folder()).filePath(name)))
            throw std::runtime_error("cannot copy the test database file " + name.toStdString());
    }
    return copy;
}

TestDatabase::~TestDatabase()
{
    m_company.reset();
    m_statistics.reset();
    if (m_hadDataFolder)
        qputenv("COMISIONES_DATOS", m_previousDataFolder);
    else
        qunsetenv("COMISIONES_DATOS");
}

QString TestDatabase::folder() const
{
    return m_dir.path();
}

QString TestDatabase::path() const
{
    return QDir(m_dir.path()).filePath(CompanyDatabase + QStringLiteral(".db"));
}

QString TestDatabase::connectionString(const QString &database)
{
    return QStringLiteral("PROVIDER=SQLOLEDB;Server=sqlite;Database =%1;UId=%1;Pwd=%1;").arg(database);
}

QString TestDatabase::statisticsConnectionString()
{
    return connectionString(schema::statisticsDatabaseName());
}

ado::Connection &TestDatabase::connection()
{
    if (!m_company)
        m_company = openFile(path());
    return *m_company;
}

ado::Connection &TestDatabase::statisticsConnection()
{
    if (!m_statistics)
        m_statistics = openFile(QDir(m_dir.path()).filePath(schema::statisticsDatabaseName() + QStringLiteral(".db")));
    return *m_statistics;
}

void TestDatabase::execute(const QString &tsql)
{
    connection().Execute(tsql);
}

QList<QList<rt::Variant>> TestDatabase::rows(const QString &tsql)
{
    ado::Recordset rs;
    rs.Open(tsql, connection());
    QList<QList<rt::Variant>> result;
    while (!rs.EOF_()) {
        QList<rt::Variant> row;
        for (long i = 0; i < rs.FieldCount(); ++i)
            row.append(rs.Fields(i).Value());
        result.append(row);
        rs.MoveNext();
    }
    return result;
}

rt::Variant TestDatabase::value(const QString &tsql)
{
    const auto all = rows(tsql);
    return all.isEmpty() || all.first().isEmpty() ? rt::Variant() : all.first().first();
}

void TestDatabase::fillDemo(int collections, quint64 seed)
{
    demo::DemoOptions options;
    options.collections = collections;
    options.seed = seed;
    demo::writeDemoData(connection(), statisticsConnection(), options);
}
