#include "core/Permisos.h"

#include "core/Auditoria.h"
#include "core/Formatos.h"
#include "core/SentenciasSQL.h"
#include "db/Conexiones.h"
#include "platform/runtime/DateFunctions.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "session/ObjetosExternos.h"
#include "session/Programa.h"
#include "session/Sesion.h"

namespace {

QString tareaDelUsuario(const QString &proceso)
{
    DB_Dll &base = *gBaseDatos;
    // The blank after the user name is harmless: the server ignores trailing blanks here.
    const QString sql =
        QStringLiteral("SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre ")
        + QStringLiteral(" FROM TA_TAREAS  with(nolock) INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave ")
        + QStringLiteral(" WHERE (TA_TAREAS.USUARIO = ") + base.literal(gUsuarioLogeado + QStringLiteral(" "))
        + QStringLiteral(") AND (TA_MENU.Proceso LIKE ")
        + base.literal(QStringLiteral("%") + proceso + QStringLiteral("%")) + QStringLiteral(")");
    QString tarea;
    ado::Recordset rs;
    rt::resumeNext([&] {
        base.AbrirRecordset(sql, rs, &base.gCnn, ado::adOpenForwardOnly, ado::adLockReadOnly, ado::adCmdUnspecified,
                            true);
    });
    bool conFila = false;
    rt::resumeNext([&] { conFila = !rs.BOF(); });
    if (conFila) {
        rt::resumeNext([&] {
            rs.MoveFirst();
            tarea = gUtil->ValorCampo(rs.Fields(QStringLiteral("Nombre")));
        });
    } else if (rt::StrComp(base.gDBName, base.gUsuario, rt::CompareMode::Text) == 0) {
        tarea = NombrePrograma;
    }
    rt::resumeNext([&] { base.CierraRecordset(rs); });
    return tarea;
}

void agregarColumna(const QString &campo, const QString &valor, bool primera)
{
    QString texto = valor;
    AgregarCampoValor(campo, texto, QStringLiteral("'"), primera);
}

QString enMayusculas(const QString &texto)
{
    return rt::UCase(rt::Trim(texto));
}

} // namespace

void VerificarPermiso(const QString &Proceso)
{
    const QString proceso = Proceso.isEmpty() ? NombrePrograma : Proceso;
    if (gUsuarioLogeado.isEmpty())
        gUsuarioLogeado = gBaseDatos->gUsuario;
    const QString tarea = tareaDelUsuario(proceso);
    rt::resumeNext([&] {
        gSentenciasScript = QStringList{QString()};
        agregarColumna(QStringLiteral("Maquina"), enMayusculas(gEquipo->NombreEquipo()), true);
        agregarColumna(QStringLiteral("Usuario"), enMayusculas(gUsuarioLogeado), false);
        agregarColumna(QStringLiteral("Formulario"), enMayusculas(proceso), false);
        agregarColumna(QStringLiteral("Tarea"), enMayusculas(tarea), false);
        agregarColumna(QStringLiteral("Ingreso"),
                       rt::formatDate(rt::Now(), FormatoFecha() + QStringLiteral(" ") + FormatoHora()), false);
        agregarColumna(QStringLiteral("NombreUsuario"), gUsuarioLogeado, false);
        QString sinCondicion;
        ArmarInsertUpdate(gParesCampoValor, gSentenciasScript, QStringLiteral("Control_Acceso"), false, sinCondicion,
                          false);
        bool fallo = false;
        long numero = 0;
        QString script, mensaje;
        GActualizarDatoScript(gSentenciasScript, fallo, numero, false, false, script, mensaje, true);
    });
}
