#pragma once

#include <QString>

namespace report {
class ImpresionReportes;
}

// "Listar Liquidacion": the settlement report "RP_ComisionesCobLiq" of one salesperson of a
// stored settlement, shown in the preview.
namespace ListadoLiquidacion {

inline QString reporte()
{
    return QStringLiteral("RP_ComisionesCobLiq");
}

// The report's company formula: "Empresa = '<name>'", the name trimmed and its quotes doubled so
// a name such as "O'Brien SA" reads whole.
QString formulaEmpresa(const QString &nombre);

// The record selection of settlement `numero` (placed unquoted) and salesperson code `vendedor`
// as stored.
QString seleccion(const QString &numero, const QString &vendedor);

// Prints the report of settlement `numero` and salesperson `vendedor` to the preview through
// `impresion`, with the company formula of `empresa` and the report logon text `conexion`.
// EnProceso is True while it prints and False afterwards, also when it fails. Throws the print
// library's RuntimeError.
void imprimir(report::ImpresionReportes &impresion, const QString &numero, const QString &vendedor,
              const QString &empresa, const QString &conexion);

} // namespace ListadoLiquidacion
