#include "printdata/vouchers/AuxiliarComprobantes.h"

#include "core/Formatos.h"
#include "db/DB_Dll.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Text.h"
#include "printdata/vouchers/TextosComprobante.h"
#include "session/ObjetosExternos.h"

namespace SC = SentenciasComprobantes;

namespace {

QString moneda(const QString &texto)
{
    return SC::texto(FmtMoneda(texto, DecimalesConfigurados, false));
}

const QString Cero = QStringLiteral("'0'");

} // namespace

void AuxiliarComprobantes::AgregarFilasTareas()
{
    ado::Recordset rs;
    m_pasos.step([&] { m_db.AbrirRecordset(SC::tareas(m_cpte.filtro, m_idTarea), rs); });
    if (!abierto(rs) || rs.EOF_()) {
        if (!m_idTarea.isEmpty())
            agregarDiarios();
        return;
    }
    const bool aRealizar = EsTipo(m_cpte.clave.tc, {"PR", "OT"});
    m_tituloSeccion =
        aRealizar ? QStringLiteral("Detalles de Tareas a Realizar") : QStringLiteral("Detalles de Tareas Realizadas");
    rt::runRoutine([&] { AgregarTituloSeccion(); });
    const bool sinHoras = EsTipo(m_cpte.clave.tc, {"OT"}) && m_sinImportesOT;
    for (; !rs.EOF_(); rs.MoveNext()) {
        const QString tarea = valor(rs, QStringLiteral("IDTAREA")).trimmed();
        camposClave(QStringLiteral("TA"));
        campo(QStringLiteral("Columna1"), [&] { return SC::texto(tarea); });
        campo(QStringLiteral("Columna2"),
              [&] { return SC::texto(valor(rs, QStringLiteral("Descripcion")).trimmed()); });
        campo(QStringLiteral("Columna3"), [] { return QStringLiteral("' '"); });
        campo(QStringLiteral("Columna4"), [&] {
            qint32 horas = 0;
            qint32 resto = 0;
            return SC::texto(sinHoras ? QString(6, QLatin1Char(' '))
                                      : MinutosAHoras(rs(QStringLiteral("Horas")), horas, resto, false));
        });
        campo(QStringLiteral("Columna5"), [&] { return moneda(valor(rs, QStringLiteral("valorhora"))); });
        campo(QStringLiteral("Columna6"), [&] { return moneda(valor(rs, QStringLiteral("Total"))); });
        campo(QStringLiteral("Columna7"), [&] { return moneda(valor(rs, QStringLiteral("valorHora_S_Iva"))); });
        if (!insertarFila())
            continue;
        QString adicional = valor(rs, QStringLiteral("descripcionadicional"));
        if (!rt::InStr(adicional.trimmed(), QStringLiteral("{\\rtf1\\ansi"), rt::CompareMode::Text))
            continue;
        camposClave(QStringLiteral("TA"));
        campo(QStringLiteral("COLUMNA1"), [&] { return SC::texto(tarea); });
        campo(QStringLiteral("COLUMNA2"), [&] { return SC::texto(ConvierteAcentosRTF(adicional)); });
        campo(QStringLiteral("COLUMNA3"), [] { return QStringLiteral("''"); });
        for (const char *columna : {"COLUMNA4", "COLUMNA5", "COLUMNA6", "COLUMNA7"})
            campo(QString::fromLatin1(columna), [] { return Cero; });
        insertarFila();
    }
    m_db.CierraRecordset(rs);
}

void AuxiliarComprobantes::agregarDiarios()
{
    ado::Recordset rs;
    m_pasos.step([&] { m_db.AbrirRecordset(SC::diarios(m_cpte.filtro, m_idTarea), rs); });
    m_tituloSeccion = EsTipo(m_cpte.clave.tc, {"PR", "OT"}) ? QStringLiteral("Detalles de Tareas a Realizar")
                                                            : QStringLiteral("Detalles de Tareas Realizadas");
    rt::runRoutine([&] { AgregarTituloSeccion(); });
    if (!abierto(rs))
        return;
    const bool sinHoras = EsTipo(m_cpte.clave.tc, {"OT"}) && m_sinImportesOT;
    for (; !rs.EOF_(); rs.MoveNext()) {
        camposClave(QStringLiteral("TA"));
        campo(QStringLiteral("Columna1"), [&] { return SC::texto(valor(rs, QStringLiteral("IDTAREA")).trimmed()); });
        campo(QStringLiteral("Columna2"), [&] {
            const QString observaciones = valor(rs, QStringLiteral("Observaciones"));
            const QString descripcion = valor(rs, QStringLiteral("Descripcion")).trimmed();
            if (gUtil->LimpiarTextoFormula(observaciones.trimmed()).isEmpty())
                return SC::texto(descripcion);
            return SC::texto(QStringLiteral("{\\rtf1\\ansi ") + descripcion + QStringLiteral("\r\n ") + observaciones);
        });
        campo(QStringLiteral("Columna3"), [] { return QStringLiteral("' '"); });
        campo(QStringLiteral("Columna4"), [&] {
            qint32 horas = 0;
            qint32 resto = 0;
            return SC::texto(sinHoras ? QString(6, QLatin1Char(' '))
                                      : MinutosAHoras(rs(QStringLiteral("Minutos")), horas, resto, false));
        });
        for (const char *columna : {"Columna5", "Columna6", "Columna7"})
            campo(QString::fromLatin1(columna), [] { return Cero; });
        insertarFila();
    }
    m_db.CierraRecordset(rs);
}

void AuxiliarComprobantes::AgregarFilasOtrosConceptos()
{
    if (!m_idTarea.isEmpty())
        return;
    const bool sinCeros = ajusteSi(QStringLiteral("IgnoraImportesCeroEnOC"));
    ado::Recordset rs;
    m_pasos.step([&] { m_db.AbrirRecordset(SC::otrosConceptos(m_cpte.filtro), rs); });
    if (!abierto(rs) || rs.EOF_())
        return;
    m_tituloSeccion = QStringLiteral("Otros Conceptos - Observaciones - Comentarios");
    rt::runRoutine([&] { AgregarTituloSeccion(); });
    const auto importe = [&](const QString &texto) {
        if (sinCeros && gUtil->ValorNumerico(texto) == rt::Currency())
            return QStringLiteral("''");
        return moneda(texto);
    };
    for (; !rs.EOF_(); rs.MoveNext()) {
        camposClave(QStringLiteral("OC"));
        campo(QStringLiteral("Columna1"), [] { return QStringLiteral("''"); });
        campo(QStringLiteral("Columna2"), [&] {
            return SC::texto(gUtil->QuitarCaracter(valor(rs, QStringLiteral("Observacion")).trimmed(), "'"));
        });
        for (const char *columna : {"Columna3", "Columna4", "Columna5"})
            campo(QString::fromLatin1(columna), [] { return Cero; });
        campo(QStringLiteral("Columna6"), [&] {
            const bool letraA =
                rt::Right(valor(rs, QStringLiteral("IdComprobante")).trimmed(), 1).compare("A", Qt::CaseInsensitive)
                == 0;
            return importe(valor(rs, letraA ? QStringLiteral("Importe_S_IVA") : QStringLiteral("Importe")));
        });
        campo(QStringLiteral("Columna7"), [&] { return importe(valor(rs, QStringLiteral("Importe_S_IVA"))); });
        campo(QStringLiteral("Columna8"), [] { return Cero; });
        campo(QStringLiteral("Columna12"), [&] { return SC::texto(valor(rs, QStringLiteral("fechavj"))); });
        campo(QStringLiteral("Columna13"), [&] { return SC::texto(valor(rs, QStringLiteral("NroViaje"))); });
        insertarFila();
    }
    m_db.CierraRecordset(rs);
}
