#pragma once

#include "platform/ado/sqlite/EmbeddedDatabase.h"
#include "platform/ado/sqlite/SqliteEngine.h"
#include "platform/ado/sqlite/SqliteTypes.h"

#include <QTemporaryDir>
#include <string>
#include <vector>

// An embedded database with a few of the program's tables (text columns declared COLLATE
// TSQLCI, as the embedded schema declares them), on which T-SQL batches run through the
// embedded engine.
class TsqlTestDatabase {
public:
    using Rows = std::vector<std::vector<std::string>>;

    TsqlTestDatabase()
    {
        ado::sqlite::createEmbeddedDatabase(path(), QStringLiteral(R"(
CREATE TABLE MV_ASIENTOS (TC TEXT COLLATE TSQLCI, SUCURSAL TEXT COLLATE TSQLCI, NUMERO TEXT COLLATE TSQLCI,
  LETRA TEXT COLLATE TSQLCI, SECUENCIA INTEGER, "DEBE-HABER" TEXT COLLATE TSQLCI, CUENTA TEXT COLLATE TSQLCI,
  FECHA DATETIME, IMPORTE MONEY, IDVENDEDOR TEXT COLLATE TSQLCI);
INSERT INTO MV_ASIENTOS VALUES
  ('cb', '0001', '00000001', 'A', 1, 'H', '1.1.01', '2024-03-01 00:00:00', 100.5, '0001'),
  ('cb', '0001', '00000001', 'A', 2, 'D', '1.1.02', '2024-03-01 00:00:00', 60.5, '0001'),
  ('cb', '0001', '00000002', 'A', 1, 'H', '1.1.01', '2024-03-31 00:00:00', 200, NULL),
  ('cbct', '0001', '00000003', 'B', 1, 'H', '1.1.03', '2024-03-31 15:30:00', 300, '0002'),
  ('NC', '0002', '00000004', 'A', 1, 'H', '1.1.01', '2024-04-01 00:00:00', 50, '0002');
CREATE TABLE MA_CUENTAS (CODIGO TEXT COLLATE TSQLCI PRIMARY KEY, MEDIODEPAGO TEXT COLLATE TSQLCI);
INSERT INTO MA_CUENTAS VALUES ('1.1.01', 'EF'), ('1.1.02', 'ch'), ('1.1.03', 'TJ');
CREATE TABLE V_COMISIONES_VENDEDOR_COB (IDLIQUIDACION INTEGER, CBTC TEXT COLLATE TSQLCI, IDCOBRANZA TEXT COLLATE TSQLCI,
  FECHACOB DATETIME, TOTALCOBRADO MONEY, COMISION MONEY, IDVENDEDOR TEXT COLLATE TSQLCI);
CREATE TABLE TA_USUARIOS (ID INTEGER PRIMARY KEY, NOMBRE TEXT COLLATE TSQLCI, CLAVE TEXT COLLATE TSQLCI, OBSERV TEXT);
INSERT INTO TA_USUARIOS (NOMBRE, CLAVE, OBSERV) VALUES ('admin', 'x1', '  Jefe '), ('Núñez', 'x2', 'cajero'),
  ('nuno', 'x3', NULL), ('Nuñez', 'x4', 'Cajero');
)"));
        m_engine.open({});
    }

    QString path() const { return m_dir.filePath(QStringLiteral("DEMO.db")); }

    // Runs a T-SQL batch; gives the rows of its last result, values as text (dates in their
    // stored form, Null as "NULL"). Throws the engine's EngineError when a statement fails.
    Rows run(const QString &tsql)
    {
        Rows rows;
        for (const QList<rt::Variant> &row : m_engine.execute(tsql).resultSet.rows) {
            std::vector<std::string> &line = rows.emplace_back();
            for (const rt::Variant &value : row)
                line.push_back(text(value).toStdString());
        }
        return rows;
    }

    // The names of the columns of the batch's last result, joined by "|".
    std::string columns(const QString &tsql)
    {
        QStringList names;
        for (const ado::ColumnInfo &column : m_engine.execute(tsql).resultSet.columns)
            names.append(column.name);
        return names.join(u'|').toStdString();
    }

    // The one value of a one-row, one-column result.
    std::string value(const QString &tsql)
    {
        const Rows rows = run(tsql);
        if (rows.size() != 1 || rows.front().size() != 1)
            throw std::runtime_error("not a single value: " + tsql.toStdString());
        return rows.front().front();
    }

private:
    static QString text(const rt::Variant &value)
    {
        switch (value.type()) {
        case rt::VarType::Null:
            return QStringLiteral("NULL");
        case rt::VarType::Date:
            return ado::sqlite::isoText(value.asDate());
        case rt::VarType::Double:
            return QString::number(value.asDouble(), 'g', 15);
        case rt::VarType::Currency:
            return QString::number(value.asCurrency().toDouble(), 'g', 15);
        case rt::VarType::Boolean:
            return QString::number(value.asBoolean());
        case rt::VarType::String:
            return value.asString();
        default:
            return QString::number(value.asLong());
        }
    }

    QTemporaryDir m_dir;
    ado::sqlite::SqliteEngine m_engine{{.path = path(), .catalog = QStringLiteral("DEMO")}};
};
