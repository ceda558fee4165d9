#include "platform/ado/odbc/OdbcResultReader.h"

#include "platform/ado/odbc/OdbcDiagnostics.h"
#include "platform/ado/odbc/OdbcTypes.h"
#include "platform/ado/odbc/OdbcValueReader.h"

#include <array>

namespace ado::odbc {

namespace {

QString wideText(const SQLWCHAR *text, qsizetype length)
{
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(text), length);
}

// A text attribute of a column; empty when the driver cannot tell.
QString textAttribute(const OdbcHandle &statement, SQLUSMALLINT column, SQLUSMALLINT field)
{
    std::array<SQLWCHAR, 256> text{};
    SQLSMALLINT bytes = 0;
    const SQLRETURN rc = SQLColAttributeW(statement.get(), column, field, text.data(),
                                          static_cast<SQLSMALLINT>(sizeof text), &bytes, nullptr);
    if (!SQL_SUCCEEDED(rc))
        return {};
    return wideText(text.data(), qMin<qsizetype>(bytes / static_cast<qsizetype>(sizeof(SQLWCHAR)), text.size() - 1));
}

struct Column {
    ColumnInfo info;
    SQLSMALLINT sqlType = SQL_UNKNOWN_TYPE;
};

Column describeColumn(const OdbcHandle &statement, SQLUSMALLINT column)
{
    std::array<SQLWCHAR, 256> name{};
    SQLSMALLINT nameLength = 0;
    SqlColumnType type;
    SQLSMALLINT nullable = 0;
    check(SQLDescribeColW(statement.get(), column, name.data(), static_cast<SQLSMALLINT>(name.size()), &nameLength,
                          &type.sqlType, &type.size, &type.decimalDigits, &nullable),
          statement);
    type.typeName = textAttribute(statement, column, SQL_DESC_TYPE_NAME);
    Column result;
    result.sqlType = type.sqlType;
    result.info.name = wideText(name.data(), qMin<qsizetype>(nameLength, name.size() - 1));
    result.info.type = adoType(type);
    result.info.definedSize = adoDefinedSize(result.info.type, type.size);
    // The base table lets an updatable recordset know where its rows go.
    result.info.baseTable = textAttribute(statement, column, SQL_DESC_BASE_TABLE_NAME);
    return result;
}

} // namespace

ResultSet fetchResultSet(const OdbcHandle &statement, SQLSMALLINT columnCount)
{
    QList<Column> columns;
    ResultSet result;
    for (SQLUSMALLINT i = 1; i <= columnCount; ++i) {
        columns.append(describeColumn(statement, i));
        result.columns.append(columns.last().info);
    }
    while (check(SQLFetch(statement.get()), statement) != SQL_NO_DATA) {
        QList<rt::Variant> row;
        row.reserve(columnCount);
        for (SQLUSMALLINT i = 1; i <= columnCount; ++i)
            row.append(readValue(statement, i, columns[i - 1].info.type, columns[i - 1].sqlType));
        result.rows.append(std::move(row));
    }
    return result;
}

} // namespace ado::odbc
