#include "core/Configuracion.h"

#include "db/Conexiones.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "session/ModError.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"

namespace {

bool esClaveDeFecha(const QString &clave)
{
    const QString limpia = rt::Trim(clave);
    return rt::StrComp(limpia, QStringLiteral("[FECHA HASTA]"), rt::CompareMode::Text) == 0
           || rt::StrComp(limpia, QStringLiteral("[FECHA DESDE]"), rt::CompareMode::Text) == 0;
}

// What a reader takes from the row of the key.
enum class Columnas { ValorYAuxiliar, SoloAuxiliar };

// The common body of the readers: the statement on the key, its first row, the recordset closed.
// Returns "" when the operator leaves after an error; ValorAux is written only as each step
// completes, so a leave keeps what it held.
QString leerClave(DB_Dll &base, const QString &Clave, QString *ValorAux, Columnas columnas, const QString &rutina)
{
    const rt::StepRunner pasos(
        [&rutina](const rt::RuntimeError &error) { return MostrarErrorSinReintento(error, rutina); });
    ado::Recordset rs;
    QString sql;
    QString resultado;
    const auto salir = [&] {
        rt::resumeNext([&] { base.CierraRecordset(rs); });
        return QString();
    };
    const std::function<void()> cuerpo[] = {
        [&] {
            if (rt::Trim(gTablaConfiguracion).isEmpty())
                gTablaConfiguracion = QStringLiteral("TA_CONFIGURACION");
        },
        [&] {
            sql = QStringLiteral("SELECT VALOR, valoraux FROM ") + gTablaConfiguracion
                  + QStringLiteral(" with(nolock)  WHERE CLAVE = ") + base.literal(rt::Trim(Clave));
            if (esClaveDeFecha(Clave))
                sql = rt::UCase(sql);
        },
        [&] {
            base.AbrirRecordset(sql, rs, &base.gCnn, ado::adOpenForwardOnly, ado::adLockReadOnly, ado::adCmdUnspecified,
                                true);
        },
        [&] {
            if (rs.BOF()) {
                resultado = QStringLiteral(" ");
                if (ValorAux)
                    ValorAux->clear();
            } else if (columnas == Columnas::SoloAuxiliar) {
                resultado = gUtil->ValorCampo(rs.Fields(QStringLiteral("Valoraux")));
            } else {
                resultado = gUtil->ValorCampo(rs.Fields(QStringLiteral("Valor")));
                *ValorAux = gUtil->ValorCampo(rs.Fields(QStringLiteral("ValorAux")));
            }
        },
        [&] { base.CierraRecordset(rs); },
    };
    for (const auto &paso : cuerpo) {
        if (!pasos.proceed(paso))
            return salir();
    }
    return resultado;
}

QString conTema(const QString &Clave, const QString &resultado)
{
    const bool esTema = rt::StrComp(Clave, QStringLiteral("THEME"), rt::CompareMode::Text) == 0;
    return esTema && rt::Trim(resultado).isEmpty() ? QStringLiteral("1") : resultado;
}

} // namespace

QString Cfg(const QString &Clave, QString &ValorAux)
{
    if (!gBaseDatos->gOpenFlag)
        return {};
    return conTema(Clave, leerClave(*gBaseDatos, Clave, &ValorAux, Columnas::ValorYAuxiliar, QStringLiteral("Cfg")));
}

QString Cfg(const QString &Clave)
{
    QString auxiliar;
    return Cfg(Clave, auxiliar);
}

QString CfgAux(const QString &Clave)
{
    return leerClave(*gBaseDatos, Clave, nullptr, Columnas::SoloAuxiliar, QStringLiteral("CfgAux"));
}

QString CfgQV(const QString &Clave, QString &ValorAux)
{
    return conTema(Clave,
                   leerClave(*gBaseEstadisticas, Clave, &ValorAux, Columnas::ValorYAuxiliar, QStringLiteral("CfgQV")));
}

QString CfgQV(const QString &Clave)
{
    QString auxiliar;
    return CfgQV(Clave, auxiliar);
}

namespace {

// The new values of a row of the store, as GrabaCfgQV writes them.
struct FilaConfiguracion {
    QString grupo;
    QString clave;
    QString valor;
    bool politicaNegocio = false;
    QString valorAux; // empty: VALORAUX is left as it is
};

void agregarFila(ado::Recordset &rs, const FilaConfiguracion &fila)
{
    rs.AddNew();
    rs.Fields(QStringLiteral("Grupo")).setValue(fila.grupo);
    rs.Fields(QStringLiteral("Clave")).setValue(fila.clave);
    rs.Fields(QStringLiteral("Valor")).setValue(fila.valor);
    rs.Fields(QStringLiteral("PoliticaNegocio")).setValue(fila.politicaNegocio);
    if (!fila.valorAux.isEmpty())
        rs.Fields(QStringLiteral("ValorAux")).setValue(fila.valorAux);
    rs.Update();
}

void reescribirFila(DB_Dll &base, const QString &claveBuscada, const FilaConfiguracion &fila)
{
    QString sql = QStringLiteral("UPDATE ") + gTablaConfiguracion + QStringLiteral(" SET Grupo = ")
                  + base.literal(fila.grupo) + QStringLiteral(", Clave = ") + base.literal(fila.clave)
                  + QStringLiteral(", Valor = ") + base.literal(fila.valor) + QStringLiteral(", PoliticaNegocio = ")
                  + (fila.politicaNegocio ? QStringLiteral("1") : QStringLiteral("0"));
    if (!fila.valorAux.isEmpty())
        sql += QStringLiteral(", ValorAux = ") + base.literal(fila.valorAux);
    sql += QStringLiteral(" WHERE CLAVE = ") + base.literal(claveBuscada);
    base.gCnn.Execute(sql);
}

} // namespace

void GrabaCfgQV(const QString &Clave, const rt::Variant &Valor, const QString &ValorAux, bool PoliticaNegocio,
                const QString &Grupo, bool RecortarValor)
{
    DB_Dll &base = *gBaseEstadisticas;
    FilaConfiguracion fila;
    fila.grupo = Grupo;
    fila.clave = rt::UCase(rt::Trim(Clave));
    fila.valor = gUtil->ValorCampo(Valor);
    if (RecortarValor)
        fila.valor = rt::Trim(fila.valor);
    fila.politicaNegocio = PoliticaNegocio;
    fila.valorAux = ValorAux.isEmpty() ? QString() : rt::Trim(ValorAux);

    // A failed write leaves the store as it was; nobody is told.
    ado::Recordset rs;
    const QString sql = QStringLiteral("SELECT * FROM ") + gTablaConfiguracion
                        + QStringLiteral(" with(nolock)  WHERE CLAVE = ") + base.literal(Clave);
    rt::resumeNext([&] {
        base.AbrirRecordset(sql, rs, &base.gCnn, ado::adOpenDynamic, ado::adLockOptimistic, ado::adCmdUnspecified,
                            true);
    });
    rt::resumeNext([&] {
        if (rs.BOF())
            agregarFila(rs, fila);
        else
            reescribirFila(base, Clave, fila);
    });
    rt::resumeNext([&] { base.CierraRecordset(rs); });
}
