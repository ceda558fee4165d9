#include "components/CeldasExcel.h"

#include "core/ServiciosVarios.h"
#include "platform/sheet/NumberFormat.h"
#include "platform/sheet/Workbook.h"
#include "platform/sheet/Worksheet.h"
#include "platform/ui/Dialogs.h"
#include "session/Dll_Display.h"

namespace excel {

namespace {

constexpr quint32 Rojo = 255;

} // namespace

void escribirFecha(sheet::Worksheet &hoja, int fila, int columna, rt::DateTime valor)
{
    hoja.setValue(fila, columna, valor);
    hoja.cell(fila, columna).setNumberFormat(sheet::effectiveNumberFormat(valor, {}));
}

void mostrarLibro(const sheet::Workbook &libro, const QString &nombre, QLabel *progreso)
{
    const sheet::ShownWorkbook mostrado = libro.show(nombre);
    if (mostrado.opened)
        return;
    if (progreso) {
        DibujarProgreso(progreso, 100, Rojo, QStringLiteral("Libro de Excel guardado en ") + mostrado.path);
        return;
    }
    bool cancelado = false;
    gCartel->CartelMostrar(cancelado, QStringLiteral("Libro de Excel guardado en:"), mostrado.path, QString());
}

void avisarFallo(const QString &motivo)
{
    ui::MsgBox(QStringLiteral("No se pudo exportar a Excel.\n") + motivo, ui::vbCritical,
               QStringLiteral("Aviso al operador"));
}

} // namespace excel
