#include "printing/MediosDePagoRecibo.h"

#include "db/DB_Dll.h"
#include "platform/runtime/Text.h"
#include "printing/SentenciasImpresion.h"
#include "session/ObjetosExternos.h"

#include <array>

namespace {

// One means-of-payment group: its sum, its label and the description of its first line.
struct Grupo {
    const char *codigo;
    const char *generico;
    rt::Currency suma;
    QString texto;
    QString primera;
    bool vista = false;
};

} // namespace

void ObtenerMediosDePagoRecibo(DB_Dll &base, const QString &TC, const QString &IdComprobante,
                               rt::Currency &ImporteEfectivo, rt::Currency &ImporteTarjeta, QString &TextoEfectivo,
                               QString &TextoTarjeta, QString &TextoOtros, rt::Currency &ImporteOtros,
                               QString &TextoCheque, rt::Currency &ImporteCheque)
{
    const QString recibo = rt::Trim(TC).compare(QStringLiteral("FP"), Qt::CaseInsensitive) == 0
                               ? QStringLiteral("CBFP")
                               : QStringLiteral("CBCT");
    ImporteEfectivo = ImporteTarjeta = ImporteOtros = ImporteCheque = rt::Currency();
    TextoEfectivo.clear();
    TextoTarjeta.clear();
    TextoOtros.clear();
    TextoCheque.clear();

    ado::Recordset aplicacion;
    base.AbrirRecordset(SentenciasImpresion::reciboDelComprobante(base, recibo, IdComprobante), aplicacion);
    if (aplicacion.State() != ado::adStateOpen || aplicacion.EOF_())
        return;
    const auto campo = [](ado::Recordset &rs, const char *nombre) {
        return gUtil->ValorCampo(rs.Fields(QLatin1String(nombre)));
    };
    ado::Recordset lineas;
    base.AbrirRecordset(SentenciasImpresion::lineasDelRecibo(base, recibo, campo(aplicacion, "Sucursal"),
                                                             campo(aplicacion, "Numero"), campo(aplicacion, "letra")),
                        lineas);
    base.CierraRecordset(aplicacion);
    std::array<Grupo, 4> grupos = {{{"EF", "EFECTIVO", {}, {}, {}},
                                    {"TJ", "TARJETA", {}, {}, {}},
                                    {"CH", "CHEQUE", {}, {}, {}},
                                    {nullptr, "OTROS", {}, {}, {}}}};
    for (; lineas.State() == ado::adStateOpen && !lineas.EOF_(); lineas.MoveNext()) {
        const QString medio = rt::Trim(campo(lineas, "mediodepago"));
        Grupo *grupo = &grupos.back();
        for (Grupo &candidato : grupos) {
            if (candidato.codigo && medio.compare(QLatin1String(candidato.codigo), Qt::CaseInsensitive) == 0)
                grupo = &candidato;
        }
        const QString descripcion = campo(lineas, "DESCRIPCION");
        if (!grupo->vista) {
            grupo->primera = descripcion;
            grupo->vista = true;
        }
        grupo->texto = descripcion.compare(grupo->primera, Qt::CaseInsensitive) == 0
                           ? descripcion
                           : QString::fromLatin1(grupo->generico);
        const rt::Currency importe = gUtil->ValorNumerico(lineas.Fields(QStringLiteral("importe")).Value());
        grupo->suma = campo(lineas, "DEBE-HABER") == u"D" ? grupo->suma + importe : grupo->suma - importe;
    }
    base.CierraRecordset(lineas);
    ImporteEfectivo = grupos[0].suma;
    TextoEfectivo = grupos[0].texto;
    ImporteTarjeta = grupos[1].suma;
    TextoTarjeta = grupos[1].texto;
    ImporteCheque = grupos[2].suma;
    TextoCheque = grupos[2].texto;
    ImporteOtros = grupos[3].suma;
    TextoOtros = grupos[3].texto;
}
