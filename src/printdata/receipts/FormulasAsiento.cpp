#include "printdata/receipts/FormulasAsiento.h"

#include "core/Configuracion.h"
#include "db/DB_Dll.h"
#include "platform/report/ImpresionReportes.h"
#include "platform/runtime/Conversions.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"

namespace {

bool periodoCero(const rt::Variant &Periodo)
{
    return !Periodo.isNull() && rt::IsNumeric(Periodo) && rt::CDbl(Periodo) == 0;
}

QString seleccionAsiento(DB_Dll &db, const QString &TC, const QString &Sucursal, const QString &Numero,
                         const QString &Letra, const QString &MesOperativo, const QString &NumeroAsiento,
                         const rt::Variant &Periodo)
{
    const QString texto = QStringLiteral("'");
    const QString comprobante = QStringLiteral("{MV_ASIENTOS.TC} = ") + db.SQLValue(TC.trimmed(), texto)
                                + QStringLiteral(" AND {MV_ASIENTOS.SUCURSAL} = ")
                                + db.SQLValue(Sucursal.trimmed(), texto)
                                + QStringLiteral(" AND {MV_ASIENTOS.NUMERO} = ") + db.SQLValue(Numero.trimmed(), texto)
                                + QStringLiteral(" AND {MV_ASIENTOS.LETRA} = ") + db.SQLValue(Letra.trimmed(), texto);
    if (periodoCero(Periodo))
        return comprobante;
    // Month and entry number stand unquoted: they go in as number literals, so no text can
    // change the selection.
    const QString numero = QStringLiteral("@");
    return QStringLiteral("{MV_ASIENTOS.PERIODO} = ") + db.SQLValue(Periodo, texto) + QStringLiteral(" AND ")
           + comprobante + QStringLiteral(" AND {MV_ASIENTOS.MES_OPERATIVO} = ") + db.SQLValue(MesOperativo, numero)
           + QStringLiteral(" AND {MV_ASIENTOS.NUMERO ASIENTO} = ") + db.SQLValue(NumeroAsiento.trimmed(), numero);
}

QString reporteAsiento(bool CentroCosto, bool Ticket80mm)
{
    if (CentroCosto)
        return QStringLiteral("AsientoCCosto");
    if (Ticket80mm)
        return QStringLiteral("Asientos_80mm");
    return QStringLiteral("Asientos");
}

} // namespace

void FormulasAsiento(DB_Dll &db, const QString &TC, const QString &Sucursal, const QString &Numero,
                     const QString &Letra, const QString &MesOperativo, const QString &NumeroAsiento,
                     const rt::Variant &Periodo, bool CentroCosto, bool EnVentana, bool Ticket80mm)
{
    const QString seleccion = seleccionAsiento(db, TC, Sucursal, Numero, Letra, MesOperativo, NumeroAsiento, Periodo);
    report::ImpresionReportes &impresion = *gImpresion;
    impresion.setDestino(EnVentana ? impresion.DestinoVentana() : impresion.DestinoImpresora());
    impresion.setEnProceso(true);
    const QString empresa =
        QStringLiteral("EMPRESA = '") + DB_Dll::escaparComillas(Cfg(QStringLiteral("NOMBRE"))) + QLatin1Char('\'');
    impresion.ImprimirReporte(reporteAsiento(CentroCosto, Ticket80mm), {QString()}, seleccion, gCadenaODBC, empresa,
                              QStringLiteral("ENQUEMONEDA = '1'"), {}, {}, {},
                              CentroCosto ? QStringLiteral("AsientoSueldosCC") : QString(), QString(), QString());
    // The entry is a run of its own: it must not keep the library's connection open until the
    // next print.
    impresion.Terminar(10);
}
