#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class QLabel;

namespace ado {
class Field;
class Recordset;
} // namespace ado

namespace sheet {
class Worksheet;
}

// The rows of the query export: one sheet column per field (a field named exactly "ID" is left
// out of headings and data alike), one sheet row per record, a format per cell from the field's
// type and value, banded rows, progress with cancel, and the totals row.
class ExportacionConsulta {
public:
    // `progreso`: the picture the progress is drawn on; nullptr uses the banner.
    ExportacionConsulta(ado::Recordset &registros, QLabel *progreso, QString titulo);

    // The heading lists: slot p (from 1) holds the name of the p-th exported field and its width
    // (its defined size, at least 500); slot 0 is empty.
    const QStringList &titulos() const { return m_titulos; }
    const QList<qint32> &anchos() const { return m_anchos; }
    int columnas() const { return static_cast<int>(m_campos.size()); }

    // Writes every record from the current one on the rows below `filaEncabezado`. Returns false
    // when the user cancelled on the banner (the rows written so far stay).
    // Throws RuntimeError 1004 when the rows do not fit the sheet.
    bool escribir(sheet::Worksheet &hoja, int filaEncabezado);

    // Writes, under the last data row, "=SUM(...)" of the data rows with its value for each
    // field named in `sLista` (comma-separated, exact names; a name given twice is written
    // twice), in bold.
    void totalizar(sheet::Worksheet &hoja, const QString &sLista);

    // Whether a date cell was written.
    bool escribioFechas() const { return m_fechas; }

private:
    // Shows the progress; true when the user has cancelled.
    bool avanzar();
    void escribirCelda(sheet::Worksheet &hoja, int fila, int columna, const ado::Field &campo);
    void escribirTexto(sheet::Worksheet &hoja, int fila, int columna, const ado::Field &campo);

    ado::Recordset &m_registros;
    QLabel *m_progreso;
    QString m_titulo;
    // The indexes of the exported fields, in field order; field m_campos[k] goes to column k + 1.
    std::vector<long> m_campos;
    QStringList m_titulos;
    QList<qint32> m_anchos;
    int m_primeraFila = 0;
    int m_fila = 0;
    bool m_fechas = false;
};
