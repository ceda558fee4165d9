#include "AdoFixture.h"

#include "platform/ado/odbc/OdbcConnectionString.h"

namespace {

using ado::odbc::odbcConnectionString;
using ado::odbc::OdbcDrivers;
using ado::odbc::OdbcTargetKind;

// Not the default SQL Server driver, so that the setting is seen to be used.
OdbcDrivers drivers()
{
    OdbcDrivers result;
    result.sqlServer = QStringLiteral("TDS 1.3");
    result.oracle = QStringLiteral("OracleODBC-19");
    return result;
}

struct MappingCase {
    const char *name;
    const char *program;
    const char *user;
    const char *password;
    const char *odbc;
};

// Listed and reported by its name.
void PrintTo(const MappingCase &c, std::ostream *os)
{
    *os << c.name;
}

class OdbcConnectionStringMapping : public ::testing::TestWithParam<MappingCase> { };

TEST_P(OdbcConnectionStringMapping, BuildsTheDriverString)
{
    const MappingCase &c = GetParam();
    EXPECT_EQ(odbcConnectionString(QString::fromUtf8(c.program), QString::fromUtf8(c.user),
                                   QString::fromUtf8(c.password), drivers()),
              QString::fromUtf8(c.odbc));
}

const MappingCase mappingCases[] = {
    {"SqlServerHost", "PROVIDER=SQLOLEDB;Server=srv01;Database =EMPRESA;UId=EMPRESA;Pwd=EMPRESA;", "", "",
     "DRIVER=TDS 1.3;Server=srv01;Database=EMPRESA;UID=EMPRESA;PWD=EMPRESA;TDS_Version=7.4;ClientCharset=UTF-8;"},
    {"SqlServerNamedInstanceStaysInServer", "PROVIDER=SQLOLEDB;Server=srv01\\PLEXOR;Database =EMPRESA;UId=u;Pwd=p;", "",
     "", "DRIVER=TDS 1.3;Server=srv01\\PLEXOR;Database=EMPRESA;UID=u;PWD=p;TDS_Version=7.4;ClientCharset=UTF-8;"},
    {"SqlServerPortAfterComma", "PROVIDER=SQLOLEDB;Server=10.0.0.5, 1435;Database =EMPRESA;UId=u;Pwd=p;", "", "",
     "DRIVER=TDS 1.3;Server=10.0.0.5;Port=1435;Database=EMPRESA;UID=u;PWD=p;TDS_Version=7.4;ClientCharset=UTF-8;"},
    {"SqlServerExtendedAttributesIgnored",
     "PROVIDER=SQLOLEDB;Server=srv01;Database =EMPRESA;UId=u;Pwd=p;Connect Timeout=5;Application Name=x", "", "",
     "DRIVER=TDS 1.3;Server=srv01;Database=EMPRESA;UID=u;PWD=p;TDS_Version=7.4;ClientCharset=UTF-8;"},
    {"SqlServerOleDbSynonyms", "Provider=SQLOLEDB.1;Data Source=srv02;Initial Catalog=VENTAS;User ID=ana;Password=x;",
     "", "", "DRIVER=TDS 1.3;Server=srv02;Database=VENTAS;UID=ana;PWD=x;TDS_Version=7.4;ClientCharset=UTF-8;"},
    {"OpenUserAndPasswordWin", "PROVIDER=SQLOLEDB;Server=srv01;Database =EMPRESA;UId=EMPRESA;Pwd=EMPRESA;", "jose",
     "secreto",
     "DRIVER=TDS 1.3;Server=srv01;Database=EMPRESA;UID=jose;PWD=secreto;TDS_Version=7.4;ClientCharset=UTF-8;"},
    {"PasswordWithSemicolonIsBraced", "PROVIDER=SQLOLEDB;Server=srv01;Database =E;UId=u;Pwd={a;b}}c};", "", "",
     "DRIVER=TDS 1.3;Server=srv01;Database=E;UID=u;PWD={a;b}}c};TDS_Version=7.4;ClientCharset=UTF-8;"},
    {"NoDatabaseNoAttribute", "PROVIDER=SQLOLEDB;Server=srv01;UId=u;Pwd=p;", "", "",
     "DRIVER=TDS 1.3;Server=srv01;UID=u;PWD=p;TDS_Version=7.4;ClientCharset=UTF-8;"},
    {"Oracle", "Provider=OraOLEDB.Oracle.1;Data Source=ORCL;User Id=EMPRESA;Password=EMPRESA;", "", "",
     "DRIVER=OracleODBC-19;DBQ=ORCL;UID=EMPRESA;PWD=EMPRESA;"},
    {"OracleTnsDescriptorIsBraced", "Provider=OraOLEDB.Oracle.1;Data Source=db:1521/XE;User Id=u;Password=p;", "", "",
     "DRIVER=OracleODBC-19;DBQ=db:1521/XE;UID=u;PWD=p;"},
    {"OdbcDriverStringPassesUnchanged", "DRIVER=SQLite3;Database=/tmp/x.db", "", "",
     "DRIVER=SQLite3;Database=/tmp/x.db;"},
    {"OdbcDriverStringGetsOpenCredentials", "DRIVER={My Driver};Server=h;", "u", "p",
     "DRIVER={My Driver};Server=h;UID=u;PWD=p;"},
};

INSTANTIATE_TEST_SUITE_P(Cases, OdbcConnectionStringMapping, ::testing::ValuesIn(mappingCases),
                         [](const auto &testCase) { return std::string(testCase.param.name); });

TEST(OdbcConnectionString, DriversComeFromTheEnvironmentWithFreeTdsByDefault)
{
    qunsetenv("COMISIONES_ODBC_SQLSERVER");
    qunsetenv("COMISIONES_ODBC_ORACLE");
    EXPECT_EQ(OdbcDrivers::fromEnvironment().sqlServer, u"FreeTDS");
    EXPECT_TRUE(OdbcDrivers::fromEnvironment().oracle.isEmpty());

    const VariableEntorno sqlServer("COMISIONES_ODBC_SQLSERVER", QStringLiteral("MSSQL18"));
    const VariableEntorno oracle("COMISIONES_ODBC_ORACLE", QStringLiteral("Oracle 19 ODBC driver"));
    const OdbcDrivers configured = OdbcDrivers::fromEnvironment();
    EXPECT_EQ(configured.sqlServer, u"MSSQL18");
    EXPECT_EQ(configured.oracle, u"Oracle 19 ODBC driver");
}

struct RefusedCase {
    const char *name;
    const char *program;
    const char *expectedInDescription;
};

// Listed and reported by its name.
void PrintTo(const RefusedCase &c, std::ostream *os)
{
    *os << c.name;
}

class OdbcConnectionStringRefused : public ::testing::TestWithParam<RefusedCase> { };

TEST_P(OdbcConnectionStringRefused, FailsWithoutShowingThePassword)
{
    OdbcDrivers noOracle = drivers();
    noOracle.oracle.clear();
    const auto errors =
        engineErrorsOf([&] { odbcConnectionString(QString::fromUtf8(GetParam().program), {}, {}, noOracle); });
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors.first().Number, -2147467259L);
    EXPECT_TRUE(errors.first().Description.contains(QString::fromUtf8(GetParam().expectedInDescription)))
        << errors.first().Description.toStdString();
    EXPECT_FALSE(errors.first().Description.contains(u"secreto"));
}

const RefusedCase refusedCases[] = {
    {"SqlServerWithoutServer", "PROVIDER=SQLOLEDB;Server= ;Database =E;UId=u;Pwd=secreto;", "servidor"},
    {"OracleWithoutDriver", "Provider=OraOLEDB.Oracle.1;Data Source=ORCL;User Id=u;Password=secreto;",
     "COMISIONES_ODBC_ORACLE"},
    {"UnknownProvider", "Provider=MSDASQL;DSN=x;Pwd=secreto;", "MSDASQL"},
    {"NeitherProviderNorDriver", "Server=srv01;Pwd=secreto;", "Proveedor"},
};

INSTANTIATE_TEST_SUITE_P(Cases, OdbcConnectionStringRefused, ::testing::ValuesIn(refusedCases),
                         [](const auto &testCase) { return std::string(testCase.param.name); });

TEST(OdbcConnectionString, TargetKindFollowsProviderThenDriver)
{
    const std::pair<const char *, OdbcTargetKind> cases[] = {
        {"PROVIDER=SQLOLEDB;Server=srv01;", OdbcTargetKind::SqlServer},
        {"provider=sqloledb.1;Server=srv01;", OdbcTargetKind::SqlServer},
        {"Provider=OraOLEDB.Oracle.1;Data Source=x;", OdbcTargetKind::Oracle},
        {"Provider=OraOLEDB.Oracle;Data Source=x;", OdbcTargetKind::Oracle},
        {"Driver={SQLite3};Database=x.db;", OdbcTargetKind::Driver},
        {"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=x.mdb;", OdbcTargetKind::None},
        {"Provider=SQLOLEDB2;Server=x;", OdbcTargetKind::None},
        {"", OdbcTargetKind::None},
    };
    for (const auto &[text, kind] : cases)
        EXPECT_EQ(ado::odbc::odbcTargetKind(QString::fromUtf8(text)), kind) << text;
}

TEST(OdbcConnectionString, AttributeValuesAreBracedOnlyWhenNeeded)
{
    EXPECT_EQ(ado::odbc::odbcAttributeValue(QStringLiteral("plain value")), u"plain value");
    EXPECT_EQ(ado::odbc::odbcAttributeValue(QStringLiteral("a;b")), u"{a;b}");
    EXPECT_EQ(ado::odbc::odbcAttributeValue(QStringLiteral("x}y")), u"{x}}y}");
    EXPECT_EQ(ado::odbc::odbcAttributeValue(QStringLiteral(" lead")), u"{ lead}");
}

} // namespace
