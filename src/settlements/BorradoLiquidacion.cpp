#include "settlements/BorradoLiquidacion.h"

#include "db/DB_Dll.h"

QStringList BorradoLiquidacion::sentencias(const QString &numeroSQL)
{
    return {QStringLiteral("DELETE FROM V_COMISIONES_VENDEDOR_DET WHERE IDLIQUIDACION=") + numeroSQL,
            QStringLiteral("DELETE FROM V_COMISIONES_VENDEDOR_APL WHERE IDLIQUIDACION=") + numeroSQL,
            QStringLiteral("DELETE FROM V_COMISIONES_VENDEDOR_COB WHERE IDLIQUIDACION=") + numeroSQL,
            QStringLiteral("DELETE V_COMISIONES_VENDEDOR_CAB WHERE IDLIQUIDACION=") + numeroSQL};
}

bool BorradoLiquidacion::borrar(const QString &numero, QString &error)
{
    const QString literal = m_base.SQLValue(numero, QStringLiteral("@"));
    for (const QString &sentencia : sentencias(literal)) {
        m_base.EjecutaConsultaSQL(sentencia);
        const ado::Errors &errores = m_base.gCnn.Errors();
        if (errores.Count() > 0) {
            error = errores(0).Description;
            return false;
        }
    }
    return true;
}
