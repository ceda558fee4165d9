#include "components/ExportacionLista.h"

#include "components/CeldasExcel.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Text.h"
#include "platform/sheet/Worksheet.h"
#include "platform/ui/Dialogs.h"
#include "session/Dll_Display.h"
#include "session/ObjetosExternos.h"

#include <QHeaderView>
#include <QTreeWidget>

ExportacionLista::ExportacionLista(const QTreeWidget *lista)
    : m_lista(lista)
    , m_columnaHoja(static_cast<size_t>(lista->columnCount()), 0)
{
    m_titulos << QString();
    m_anchos << 0;
    const QHeaderView *encabezado = lista->header();
    const QTreeWidgetItem *titulos = lista->headerItem();
    // Display order: a column keeps its heading, width and cells in one sheet column even when
    // the user has moved it or a narrow column stands before it.
    for (int visual = 0; visual < lista->columnCount(); ++visual) {
        const int logica = encabezado->logicalIndex(visual);
        const int twips = encabezado->isSectionHidden(logica) ? 0 : encabezado->sectionSize(logica) * TwipsPorPixel;
        if (twips <= AnchoMinimo)
            continue;
        m_titulos << titulos->text(logica);
        m_anchos << twips;
        m_columnaHoja[static_cast<size_t>(logica)] = static_cast<int>(m_titulos.size()) - 1;
    }
    m_titulos << QString();
    m_anchos << 0;
}

void ExportacionLista::escribir(sheet::Worksheet &hoja, int filaEncabezado, bool soloMarcados)
{
    int exportados = 0;
    for (int j = 0; j < m_lista->topLevelItemCount(); ++j) {
        const QTreeWidgetItem *item = m_lista->topLevelItem(j);
        if (soloMarcados && item->checkState(0) != Qt::Checked)
            continue;
        const int fila = filaEncabezado + ++exportados;
        ui::DoEvents();
        for (int c = 0; c < m_lista->columnCount(); ++c) {
            ui::DoEvents();
            if (c > 0) {
                bool cancelado = false;
                gCartel->CartelMostrar(cancelado, QStringLiteral("Exportando a Excel"),
                                       QStringLiteral("Espere Por Favor"), rt::Trim(item->text(c)));
            }
            const int columna = m_columnaHoja[static_cast<size_t>(c)];
            if (columna == 0)
                continue;
            if (c == 0)
                hoja.setValue(fila, columna, rt::Trim(item->text(c)));
            else
                escribirTexto(hoja, fila, columna, item->text(c));
        }
    }
}

// The list holds texts: amounts (zero and negative ones too) become numbers, dates become dates.
void ExportacionLista::escribirTexto(sheet::Worksheet &hoja, int fila, int columna, const QString &texto)
{
    const QString limpio = rt::Trim(texto);
    if (!limpio.isEmpty() && rt::IsNumeric(limpio)) {
        try {
            const rt::Currency importe = gUtil->ValorNumerico(limpio);
            hoja.cell(fila, columna).setNumberFormat(excel::FormatoImporte);
            hoja.setValue(fila, columna, importe);
            return;
        } catch (const rt::RuntimeError &) {
            // Too large for an amount: it stays a text.
        }
    }
    if (rt::IsDate(limpio)) {
        excel::escribirFecha(hoja, fila, columna, rt::CDate(limpio));
        m_fechas = true;
        return;
    }
    hoja.setValue(fila, columna, limpio);
}
