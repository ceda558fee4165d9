#include "settlements/ListadoLiquidacion.h"

#include "db/DB_Dll.h"
#include "platform/report/ImpresionReportes.h"
#include "platform/runtime/Text.h"

#include <QStringList>

namespace {

// EnProceso for the length of one print.
class EnProceso {
public:
    explicit EnProceso(report::ImpresionReportes &impresion)
        : m_impresion(impresion)
    {
        m_impresion.setEnProceso(true);
    }
    ~EnProceso() { m_impresion.setEnProceso(false); }
    EnProceso(const EnProceso &) = delete;
    EnProceso &operator=(const EnProceso &) = delete;

private:
    report::ImpresionReportes &m_impresion;
};

} // namespace

QString ListadoLiquidacion::formulaEmpresa(const QString &nombre)
{
    return QStringLiteral("Empresa = '") + DB_Dll::escaparComillas(rt::Trim(nombre)) + QStringLiteral("'");
}

QString ListadoLiquidacion::seleccion(const QString &numero, const QString &vendedor)
{
    return QStringLiteral("{V_COMISIONES_VENDEDOR_COB.IdLiquidacion}=") + rt::Trim(numero)
           + QStringLiteral("   and {V_COMISIONES_VENDEDOR_COB.IdVendedor}= '") + DB_Dll::escaparComillas(vendedor)
           + QStringLiteral("'");
}

void ListadoLiquidacion::imprimir(report::ImpresionReportes &impresion, const QString &numero, const QString &vendedor,
                                  const QString &empresa, const QString &conexion)
{
    const QStringList formulas = {QString()};
    impresion.setDestino(impresion.DestinoVentana());
    const EnProceso enProceso(impresion);
    impresion.ImprimirReporte(reporte(), formulas, seleccion(numero, vendedor), conexion, formulaEmpresa(empresa),
                              QString(), QString(), {}, {}, QString(), QString(), QString());
}
