#include "AdoFixture.h"

#include <QCoreApplication>
#include <QProcess>

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

class AdoTsqlToolTest : public EmbeddedFolderTest {
protected:
    void SetUp() override
    {
        EmbeddedFolderTest::SetUp();
        createDatabase(
            QStringLiteral("DEMO"),
            QStringLiteral("CREATE TABLE MV_ASIENTOS (Id INTEGER PRIMARY KEY, Cuenta TEXT(20) COLLATE TSQLCI, "
                           "Importe MONEY, Fecha DATETIME, Tasa REAL, Marca BIT);"
                           "INSERT INTO MV_ASIENTOS VALUES (1, 'Caja', 1234.5, '2024-03-31 00:00:00', 0.1, 1),"
                           "(2, NULL, -0.25, NULL, 1e20, 0);"));
    }

    ToolRun run(const QString &input)
    {
        // The build puts the tool in <build>/tools and this test in <build>/tests.
        const QString tool = QCoreApplication::applicationDirPath() + QStringLiteral("/../tools/tsql");
        QProcess process;
        process.start(tool, {databasePath(QStringLiteral("DEMO"))});
        process.write(input.toUtf8());
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(30000)) << tool.toStdString();
        return ToolRun{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                       QString::fromUtf8(process.readAllStandardError())};
    }
};

TEST_F(AdoTsqlToolTest, PrintsRowsAsTabSeparatedLinesAndCountsOtherStatements)
{
    const ToolRun result = run(QStringLiteral("SELECT * FROM MV_ASIENTOS ORDER BY Id\n"
                                              "GO\n"
                                              "UPDATE MV_ASIENTOS SET Cuenta = 'Banco' WHERE Cuenta IS NULL\n"
                                              "  go  \n"
                                              "SELECT COUNT(*) AS N FROM MV_ASIENTOS WHERE Cuenta = 'BANCO  '\n"));
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, QStringLiteral("Id\tCuenta\tImporte\tFecha\tTasa\tMarca\n"
                                         "1\tCaja\t1234.5000\t2024-03-31 00:00:00\t0.1\t1\n"
                                         "2\tNULL\t-0.2500\tNULL\t100000000000000000000\t0\n"
                                         "(1 rows affected)\n"
                                         "N\n"
                                         "1\n"));
    EXPECT_TRUE(result.err.isEmpty());
}

TEST_F(AdoTsqlToolTest, StopsAtTheFirstErrorWithItsNumbers)
{
    const ToolRun result = run(QStringLiteral("SELECT * FROM NADA\nGO\nDELETE FROM MV_ASIENTOS\n"));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, QStringLiteral("error -2147217865 208 Invalid object name 'NADA'.\n"));
    EXPECT_TRUE(result.out.isEmpty());
    ado::Connection connection;
    connection.Open(connectionString(QStringLiteral("DEMO")));
    EXPECT_EQ(connection.Execute(QStringLiteral("SELECT * FROM MV_ASIENTOS")).RecordCount(), 2);
}

} // namespace
