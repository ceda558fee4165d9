#include "platform/ado/odbc/OdbcDiagnostics.h"

#include <gtest/gtest.h>

namespace {

struct DiagnosticCase {
    const char *name;
    const char *sqlState;
    long native;
    const char *message;
    long number;
    long reportedNative;
    const char *description;
    const char *source;
};

// Listed and reported by its name.
void PrintTo(const DiagnosticCase &c, std::ostream *os)
{
    *os << c.name;
}

class OdbcDiagnosticMapping : public ::testing::TestWithParam<DiagnosticCase> { };

TEST_P(OdbcDiagnosticMapping, GivesTheErrorTheProgramExpects)
{
    const DiagnosticCase &c = GetParam();
    const ado::Error error =
        ado::odbc::adoError(QString::fromLatin1(c.sqlState), c.native, QString::fromUtf8(c.message));
    EXPECT_EQ(error.Number, c.number);
    EXPECT_EQ(error.NativeError, c.reportedNative);
    EXPECT_EQ(error.SQLState, QString::fromLatin1(c.sqlState));
    EXPECT_EQ(error.Description, QString::fromUtf8(c.description));
    EXPECT_EQ(error.Source, QString::fromUtf8(c.source));
}

constexpr long EFail = -2147467259;
constexpr long Syntax = -2147217900;
constexpr long UnknownObject = -2147217865;
constexpr long Integrity = -2147217873;

const DiagnosticCase diagnosticCases[] = {
    {"CommunicationLinkFailure", "08S01", 20004, "[unixODBC][FreeTDS][SQL Server]Read from the server failed", EFail,
     11, "Read from the server failed (error nativo 20004)", "SQL Server"},
    {"ConnectionDoesNotExist", "08003", 0, "[unixODBC][Driver Manager]Connection does not exist", EFail, 11,
     "Connection does not exist (error nativo 0)", "Driver Manager"},
    {"LinkFailureDuringTransaction", "08007", 10054, "[FreeTDS][SQL Server]Connection failure during transaction",
     EFail, 11, "Connection failure during transaction (error nativo 10054)", "SQL Server"},
    {"Truncation", "22001", 0, "[FreeTDS][SQL Server]String data, right truncation", EFail, 8152,
     "String data, right truncation", "SQL Server"},
    {"SyntaxError", "42000", 102, "[FreeTDS][SQL Server]Incorrect syntax near 'FORM'.", Syntax, 102,
     "Incorrect syntax near 'FORM'.", "SQL Server"},
    {"OdbcTwoSyntaxError", "37000", 156, "Incorrect syntax near the keyword 'WHERE'.", Syntax, 156,
     "Incorrect syntax near the keyword 'WHERE'.", ""},
    {"UnknownColumnIsSyntax", "42S22", 207, "[FreeTDS][SQL Server]Invalid column name 'x'.", Syntax, 207,
     "Invalid column name 'x'.", "SQL Server"},
    {"UnknownTable", "42S02", 208, "[FreeTDS][SQL Server]Invalid object name 'TA_NADA'.", UnknownObject, 208,
     "Invalid object name 'TA_NADA'.", "SQL Server"},
    {"DuplicateKey", "23000", 2627, "[FreeTDS][SQL Server]Violation of PRIMARY KEY constraint", Integrity, 2627,
     "Violation of PRIMARY KEY constraint", "SQL Server"},
    {"LoginFailed", "28000", 18456, "[FreeTDS][SQL Server]Login failed for user 'x'.", EFail, 18456,
     "Login failed for user 'x'.", "SQL Server"},
    {"DriverNotRegistered", "IM002", 0,
     "[unixODBC][Driver Manager]Data source name not found and no default driver specified", EFail, 0,
     "Data source name not found and no default driver specified", "Driver Manager"},
    {"UnbracketedMessageKeepsBrackets", "HY000", 1, "no such table: [x] (1)", EFail, 1, "no such table: [x] (1)", ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, OdbcDiagnosticMapping, ::testing::ValuesIn(diagnosticCases),
                         [](const auto &testCase) { return std::string(testCase.param.name); });

} // namespace
