#pragma once

#include "platform/ado/sqlite/TsqlFunctions.h"
#include "platform/ado/sqlite/TsqlTranslator.h"

#include <QString>
#include <sqlite3.h>
#include <stdexcept>
#include <string>
#include <vector>

// An in-memory SQLite database with the T-SQL functions registered and a few of the program's
// tables (text columns declared COLLATE TSQLCI, as the embedded schema declares them), that
// runs T-SQL batches through the translator as the embedded engine does.
class TsqlTestDatabase {
public:
    using Rows = std::vector<std::vector<std::string>>;

    TsqlTestDatabase()
    {
        sqlite3_open(":memory:", &m_db);
        ado::sqlite::registerTsqlFunctions(m_db);
        exec(QStringLiteral(
            "CREATE TABLE MV_ASIENTOS (TC TEXT COLLATE TSQLCI, SUCURSAL TEXT COLLATE TSQLCI, NUMERO TEXT COLLATE TSQLCI,"
            " LETRA TEXT COLLATE TSQLCI, SECUENCIA INTEGER, \"DEBE-HABER\" TEXT COLLATE TSQLCI, CUENTA TEXT COLLATE TSQLCI,"
            " FECHA DATETIME, IMPORTE MONEY, IDVENDEDOR TEXT COLLATE TSQLCI);"
            "INSERT INTO MV_ASIENTOS VALUES"
            " ('cb', '0001', '00000001', 'A', 1, 'H', '1.1.01', '2024-03-01 00:00:00', 100.5, '0001'),"
            " ('cb', '0001', '00000001', 'A', 2, 'D', '1.1.02', '2024-03-01 00:00:00', 60.5, '0001'),"
            " ('cb', '0001', '00000002', 'A', 1, 'H', '1.1.01', '2024-03-31 00:00:00', 200, NULL),"
            " ('cbct', '0001', '00000003', 'B', 1, 'H', '1.1.03', '2024-03-31 15:30:00', 300, '0002'),"
            " ('NC', '0002', '00000004', 'A', 1, 'H', '1.1.01', '2024-04-01 00:00:00', 50, '0002');"
            "CREATE TABLE MA_CUENTAS (CODIGO TEXT COLLATE TSQLCI PRIMARY KEY, MEDIODEPAGO TEXT COLLATE TSQLCI);"
            "INSERT INTO MA_CUENTAS VALUES ('1.1.01', 'EF'), ('1.1.02', 'ch'), ('1.1.03', 'TJ');"
            "CREATE TABLE V_COMISIONES_VENDEDOR_COB (IDLIQUIDACION INTEGER, CBTC TEXT COLLATE TSQLCI,"
            " IDCOBRANZA TEXT COLLATE TSQLCI, FECHACOB DATETIME, TOTALCOBRADO MONEY, COMISION MONEY,"
            " IDVENDEDOR TEXT COLLATE TSQLCI);"
            "CREATE TABLE TA_USUARIOS (ID INTEGER PRIMARY KEY, NOMBRE TEXT COLLATE TSQLCI, CLAVE TEXT COLLATE TSQLCI,"
            " OBSERV TEXT);"
            "INSERT INTO TA_USUARIOS (NOMBRE, CLAVE, OBSERV) VALUES ('admin', 'x1', '  Jefe '), ('Núñez', 'x2', 'cajero'),"
            " ('nuno', 'x3', NULL), ('Nuñez', 'x4', 'Cajero');"));
    }

    ~TsqlTestDatabase() { sqlite3_close(m_db); }
    TsqlTestDatabase(const TsqlTestDatabase &) = delete;
    TsqlTestDatabase &operator=(const TsqlTestDatabase &) = delete;

    // Runs SQLite text as it stands.
    void exec(const QString &sql)
    {
        char *message = nullptr;
        const int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &message);
        const QString error = QString::fromUtf8(message ? message : "");
        sqlite3_free(message);
        if (rc != SQLITE_OK)
            throw std::runtime_error(error.toStdString());
    }

    // Translates a T-SQL batch and runs its statements; gives the rows of the last statement
    // that gave a result, values as text and Null as "NULL". Throws what the translator throws,
    // and std::runtime_error with SQLite's message when a statement fails.
    Rows run(const QString &tsql)
    {
        using Kind = ado::sqlite::TranslatedStatement::Kind;
        Rows last;
        for (const auto &statement : ado::sqlite::TsqlTranslator().translate(tsql)) {
            switch (statement.kind) {
            case Kind::Sql: query(statement.sql, last); break;
            case Kind::IfExists: {
                Rows condition;
                query(statement.condition, condition);
                if (condition.empty() == statement.negated)
                    query(statement.sql, last);
                break;
            }
            case Kind::Begin: exec(QStringLiteral("BEGIN")); break;
            case Kind::Commit: exec(QStringLiteral("COMMIT")); break;
            case Kind::Rollback: exec(QStringLiteral("ROLLBACK")); break;
            case Kind::Nothing: break;
            }
        }
        return last;
    }

    // The one value of a one-row, one-column result.
    std::string value(const QString &tsql)
    {
        const Rows rows = run(tsql);
        if (rows.size() != 1 || rows.front().size() != 1)
            throw std::runtime_error("not a single value: " + tsql.toStdString());
        return rows.front().front();
    }

    // The rows of SQLite text run as it stands.
    Rows sqlite(const QString &sql)
    {
        Rows rows;
        query(sql, rows);
        return rows;
    }

private:
    // Runs one statement; a statement that gives a result replaces `rows` with it.
    void query(const QString &sql, Rows &rows)
    {
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string(sqlite3_errmsg(m_db)) + " in: " + sql.toStdString());
        Rows result;
        int rc = SQLITE_ROW;
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int i = 0; i < sqlite3_column_count(statement); ++i)
                row.push_back(textOf(statement, i));
            result.push_back(row);
        }
        const bool hasColumns = sqlite3_column_count(statement) > 0;
        sqlite3_finalize(statement);
        if (rc != SQLITE_DONE)
            throw std::runtime_error(std::string(sqlite3_errmsg(m_db)) + " in: " + sql.toStdString());
        if (hasColumns)
            rows = result;
    }

    static std::string textOf(sqlite3_stmt *statement, int column)
    {
        switch (sqlite3_column_type(statement, column)) {
        case SQLITE_NULL: return "NULL";
        case SQLITE_FLOAT: return QString::number(sqlite3_column_double(statement, column), 'g', 15).toStdString();
        default: return reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
        }
    }

    sqlite3 *m_db = nullptr;
};
