#include "platform/ado/odbc/OdbcSchema.h"

#include "platform/ado/odbc/OdbcDiagnostics.h"
#include "platform/ado/odbc/OdbcResultReader.h"
#include "platform/ado/odbc/OdbcTypes.h"

#include <functional>
#include <optional>

namespace ado::odbc {

namespace {

// Result columns of SQLTables and SQLColumns, counted from 0.
enum TablesColumn { TableCat = 0, TableSchem = 1, TableName = 2, TableType = 3 };
enum ColumnsColumn {
    ColumnName = 3,
    DataType = 4,
    TypeName = 5,
    ColumnSize = 6,
    DecimalDigits = 8,
    Nullable = 10,
    ColumnDef = 12,
    OrdinalPosition = 16
};
enum Restriction { CatalogRestriction = 0, SchemaRestriction = 1, TableRestriction = 2, LastRestriction = 3 };

QString restriction(const QStringList &restrictions, int index)
{
    return index < restrictions.size() ? restrictions.at(index).trimmed() : QString();
}

// A catalogue function argument: an empty restriction is a null pointer, which matches anything.
class Argument {
public:
    explicit Argument(const QString &text)
        : m_text(text)
    {
    }
    SQLWCHAR *data() const
    {
        return m_text.isEmpty() ? nullptr : const_cast<SQLWCHAR *>(reinterpret_cast<const SQLWCHAR *>(m_text.utf16()));
    }
    SQLSMALLINT length() const { return static_cast<SQLSMALLINT>(m_text.size()); }

private:
    QString m_text;
};

// The four arguments of SQLTables and SQLColumns: a catalogue (a driver without catalogues
// takes none) and three search patterns, escaped so that "_" in TA_USUARIOS is no wildcard.
struct Arguments {
    Arguments(const OdbcDriverInfo &driver, const QStringList &restrictions)
        : catalog(driver.supportsCatalogs ? restriction(restrictions, CatalogRestriction) : QString())
        , schema(driver.searchPattern(restriction(restrictions, SchemaRestriction)))
        , table(driver.searchPattern(restriction(restrictions, TableRestriction)))
        , last(driver.searchPattern(restriction(restrictions, LastRestriction)))
    {
    }
    Argument catalog, schema, table, last;
};

ResultSet runCatalogFunction(const OdbcHandle &connection, const std::function<SQLRETURN(SQLHSTMT)> &call)
{
    OdbcHandle statement(SQL_HANDLE_STMT, &connection);
    check(call(statement.get()), statement);
    SQLSMALLINT columns = 0;
    check(SQLNumResultCols(statement.get(), &columns), statement);
    return fetchResultSet(statement, columns);
}

// Drivers of older ODBC versions give fewer columns; what they lack reads as Null.
rt::Variant cell(const QList<rt::Variant> &row, int index)
{
    return index < row.size() ? row.at(index) : rt::Variant::null();
}

QString textOf(const rt::Variant &value)
{
    return value.type() == rt::VarType::String ? value.asString() : QString();
}

std::optional<long> numberOf(const rt::Variant &value)
{
    switch (value.type()) {
    case rt::VarType::Integer:
    case rt::VarType::Long:
        return value.asLong();
    case rt::VarType::Double:
        return static_cast<long>(value.asDouble());
    case rt::VarType::String:
        return value.asString().trimmed().toLong();
    default:
        return std::nullopt;
    }
}

ColumnInfo column(const char *name, int type, long size = 0)
{
    return ColumnInfo{QString::fromLatin1(name), type, size, {}};
}

// A row passes when the driver's catalogue, schema, table and last name match the restrictions.
bool passes(const SchemaSource &source, const QList<rt::Variant> &row, int lastColumn, const QStringList &restrictions)
{
    const auto matches = [&](int columnIndex, int restrictionIndex) {
        const QString wanted = restriction(restrictions, restrictionIndex);
        return wanted.isEmpty() || textOf(cell(row, columnIndex)).trimmed().compare(wanted, Qt::CaseInsensitive) == 0;
    };
    const bool internal = source.driver.dbms == OdbcDriverInfo::Dbms::Sqlite
                          && textOf(cell(row, TableName)).startsWith(u"sqlite_", Qt::CaseInsensitive);
    return !internal && (!source.driver.supportsCatalogs || matches(TableCat, CatalogRestriction))
           && matches(TableSchem, SchemaRestriction) && matches(TableName, TableRestriction)
           && matches(lastColumn, LastRestriction);
}

rt::Variant catalogOf(const SchemaSource &source, const QList<rt::Variant> &row)
{
    if (source.driver.supportsCatalogs || source.catalog.isEmpty())
        return cell(row, TableCat);
    return rt::Variant(source.catalog);
}

bool isTextOrBinary(int type)
{
    const ValueKind kind = valueKind(type);
    return kind == ValueKind::Text || kind == ValueKind::Binary;
}

QList<rt::Variant> columnsRow(const SchemaSource &source, const QList<rt::Variant> &odbc)
{
    SqlColumnType sqlType;
    sqlType.sqlType = static_cast<SQLSMALLINT>(numberOf(cell(odbc, DataType)).value_or(SQL_UNKNOWN_TYPE));
    sqlType.size = static_cast<SQLULEN>(qMax(0L, numberOf(cell(odbc, ColumnSize)).value_or(0)));
    sqlType.decimalDigits = static_cast<SQLSMALLINT>(numberOf(cell(odbc, DecimalDigits)).value_or(0));
    sqlType.typeName = textOf(cell(odbc, TypeName));
    const int type = adoType(sqlType);
    // ODBC writes the word NULL for a default of Null, and some drivers for no default at all.
    const rt::Variant driverDefault = cell(odbc, ColumnDef);
    const bool nullDefault = textOf(driverDefault).trimmed().compare(u"NULL", Qt::CaseInsensitive) == 0;
    const rt::Variant defaultValue = nullDefault ? rt::Variant::null() : driverDefault;
    const std::optional<long> position = numberOf(cell(odbc, OrdinalPosition));
    return {catalogOf(source, odbc),
            cell(odbc, TableSchem),
            cell(odbc, TableName),
            cell(odbc, ColumnName),
            position ? rt::Variant(static_cast<int>(*position)) : rt::Variant::null(),
            rt::Variant(!defaultValue.isNull()),
            defaultValue,
            rt::Variant(numberOf(cell(odbc, Nullable)).value_or(SQL_NULLABLE_UNKNOWN) != SQL_NO_NULLS),
            rt::Variant(type),
            isTextOrBinary(type) ? rt::Variant(static_cast<int>(adoDefinedSize(type, sqlType.size)))
                                 : rt::Variant::null()};
}

} // namespace

ResultSet tablesRowset(const SchemaSource &source, const QStringList &restrictions)
{
    const Arguments arguments(source.driver, restrictions);
    const ResultSet odbc = runCatalogFunction(source.connection, [&arguments](SQLHSTMT statement) {
        return SQLTablesW(statement, arguments.catalog.data(), arguments.catalog.length(), arguments.schema.data(),
                          arguments.schema.length(), arguments.table.data(), arguments.table.length(),
                          arguments.last.data(), arguments.last.length());
    });
    ResultSet result;
    result.columns = {column("TABLE_CATALOG", adVarWChar, 128), column("TABLE_SCHEMA", adVarWChar, 128),
                      column("TABLE_NAME", adVarWChar, 128),    column("TABLE_TYPE", adVarWChar, 32),
                      column("TABLE_GUID", adVarWChar, 38),     column("DESCRIPTION", adVarWChar, 128)};
    for (const QList<rt::Variant> &row : odbc.rows) {
        if (passes(source, row, TableType, restrictions))
            result.rows.append({catalogOf(source, row), cell(row, TableSchem), cell(row, TableName),
                                cell(row, TableType), rt::Variant::null(), rt::Variant::null()});
    }
    return result;
}

ResultSet columnsRowset(const SchemaSource &source, const QStringList &restrictions)
{
    const Arguments arguments(source.driver, restrictions);
    const ResultSet odbc = runCatalogFunction(source.connection, [&arguments](SQLHSTMT statement) {
        return SQLColumnsW(statement, arguments.catalog.data(), arguments.catalog.length(), arguments.schema.data(),
                           arguments.schema.length(), arguments.table.data(), arguments.table.length(),
                           arguments.last.data(), arguments.last.length());
    });
    ResultSet result;
    result.columns = {column("TABLE_CATALOG", adVarWChar, 128),  column("TABLE_SCHEMA", adVarWChar, 128),
                      column("TABLE_NAME", adVarWChar, 128),     column("COLUMN_NAME", adVarWChar, 128),
                      column("ORDINAL_POSITION", adInteger, 4),  column("COLUMN_HASDEFAULT", adBoolean, 2),
                      column("COLUMN_DEFAULT", adVarWChar, 128), column("IS_NULLABLE", adBoolean, 2),
                      column("DATA_TYPE", adSmallInt, 2),        column("CHARACTER_MAXIMUM_LENGTH", adInteger, 4)};
    for (const QList<rt::Variant> &row : odbc.rows) {
        if (passes(source, row, ColumnName, restrictions))
            result.rows.append(columnsRow(source, row));
    }
    return result;
}

} // namespace ado::odbc
