#include "settlements/BorradoLiquidacion.h"

#include "db/DB_Dll.h"
#include "platform/ado/Transaction.h"
#include "settlements/SentenciasLiquidacion.h"

bool BorradoLiquidacion::borrar(const QString &numero, QString &error)
{
    ado::Transaction transaccion(m_base.gCnn);
    const QString literal = m_base.SQLValue(numero, QStringLiteral("@"));
    for (const QString &sentencia : SentenciasLiquidacion::borrarLiquidacion(literal)) {
        m_base.EjecutaConsultaSQL(sentencia);
        const ado::Errors &errores = m_base.gCnn.Errors();
        if (errores.Count() > 0) {
            error = errores(0).Description;
            return false;
        }
    }
    transaccion.commit();
    return true;
}
