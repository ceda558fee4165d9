#pragma once

#include <QList>
#include <QStringList>
#include <vector>

class QTreeWidget;

namespace sheet {
class Worksheet;
}

// The rows of the list export: which columns of a list go to the sheet and where, and the
// items written under the heading row.
class ExportacionLista {
public:
    // List widths are pixels; the export measures them in twips, 15 to a pixel.
    static constexpr int TwipsPorPixel = 15;
    // Columns this narrow (in twips) or narrower are not exported.
    static constexpr int AnchoMinimo = 50;

    explicit ExportacionLista(const QTreeWidget *lista);

    // The heading lists: slot p (from 1) holds the heading and the width in twips of the p-th
    // exported column in display order; slot 0 and the slot after the last are empty.
    const QStringList &titulos() const { return m_titulos; }
    const QList<qint32> &anchos() const { return m_anchos; }
    int columnasExportadas() const { return static_cast<int>(m_titulos.size()) - 2; }

    // Writes the top-level items (only the checked ones with soloMarcados) on the rows below
    // `filaEncabezado`, updating the progress banner once per column.
    // Throws RuntimeError 1004 when they do not fit the sheet.
    void escribir(sheet::Worksheet &hoja, int filaEncabezado, bool soloMarcados);

    // Whether a date cell was written.
    bool escribioFechas() const { return m_fechas; }

private:
    void escribirTexto(sheet::Worksheet &hoja, int fila, int columna, const QString &texto);

    const QTreeWidget *m_lista;
    // The sheet column of each list column (by its logical index); 0 when not exported.
    std::vector<int> m_columnaHoja;
    QStringList m_titulos;
    QList<qint32> m_anchos;
    bool m_fechas = false;
};
