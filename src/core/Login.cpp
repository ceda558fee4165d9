#include "core/Login.h"

#include "db/Conexiones.h"
#include "platform/runtime/Text.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"

namespace {

bool igualSinMayusculas(const QString &a, const QString &b)
{
    return rt::StrComp(a, b, rt::CompareMode::Text) == 0;
}

} // namespace

bool ValidaUsuario(const QString &UsuarioIngresado, const QString &ClaveIngresada)
{
    DB_Dll &base = *gBaseDatos;
    // A blank database name must not let a blank user in.
    if (!rt::Trim(base.gDBName).isEmpty() && igualSinMayusculas(UsuarioIngresado, base.gDBName)) {
        gUsuarioLogeado = UsuarioIngresado;
        return true;
    }
    const QString sql = QStringLiteral("SELECT * FROM TA_USUARIOS WHERE NOMBRE = ")
                        + base.literal(rt::Trim(UsuarioIngresado))
                        + QStringLiteral(" AND SISTEMA IN ('cn000pr', 'VORN')");
    ado::Recordset rs;
    base.AbrirRecordset(sql, rs, &base.gCnn, ado::adOpenForwardOnly, ado::adLockReadOnly, ado::adCmdUnspecified, true);
    if (rs.BOF())
        return false;
    rs.MoveFirst();
    gUsuarioLogeado = UsuarioIngresado;
    const QString guardada = gUtil->ValorCampo(rs.Fields(QStringLiteral("Password")));
    const bool valida = igualSinMayusculas(gUtil->DecodificarClave(guardada), ClaveIngresada);
    base.CierraRecordset(rs);
    return valida;
}
