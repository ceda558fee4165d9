#include "settlements/ImputacionCobranza.h"

#include "core/Configuracion.h"
#include "db/DB_Dll.h"
#include "platform/runtime/Conversions.h"
#include "session/ObjetosExternos.h"
#include "settlements/SentenciasLiquidacion.h"

#include <array>

namespace {

// Where a line's Importe goes by its means-of-payment code; the first match counts.
rt::Currency *importeDelMedio(const QString &medio, ImportesImputacion &importes)
{
    const std::array<std::pair<const char *, rt::Currency *>, 8> medios = {{{"EF", &importes.Ef},
                                                                            {"CH", &importes.Ch},
                                                                            {"TJ", &importes.Tj},
                                                                            {"DB", &importes.DB},
                                                                            {"RI", &importes.Ret},
                                                                            {"RB", &importes.Ret},
                                                                            {"RG", &importes.Ret},
                                                                            {"RO", &importes.Ret}}};
    for (const auto &[codigo, importe] : medios) {
        if (medio.compare(QLatin1String(codigo), Qt::CaseInsensitive) == 0)
            return importe;
    }
    return nullptr;
}

} // namespace

QString ImputacionCobranza::cuentaDescuentos()
{
    const QString otorgados = Cfg(QStringLiteral("CuentaDesCuentosOtorgados")).trimmed();
    if (!otorgados.isEmpty())
        return otorgados;
    ado::Recordset rs;
    m_db.AbrirRecordset(SentenciasLiquidacion::configuracionTablaIva(), rs);
    if (!rs.BOF())
        return gUtil->ValorCampo(rs.Fields(QStringLiteral("CB_DESCUENTO"))).trimmed();
    return Cfg(QStringLiteral("CuentaDesCuentosObtenidos")).trimmed();
}

const QString &ImputacionCobranza::cuentaDescuento()
{
    if (!m_cuentaDescuento)
        m_cuentaDescuento = cuentaDescuentos();
    return *m_cuentaDescuento;
}

void ImputacionCobranza::ImputacionCob(const QString &TC, const QString &Suc, const QString &Nro, const QString &letra,
                                       ImportesImputacion &importes)
{
    importes = ImportesImputacion{};
    ado::Recordset rs;
    m_db.AbrirRecordset(SentenciasLiquidacion::lineasCobranza(TC, Suc, Nro, letra), rs);
    for (; !rs.EOF_(); rs.MoveNext()) {
        const QString medio = gUtil->ValorCampo(rs.Fields(QStringLiteral("MedioDePago")));
        rt::Currency *destino = importeDelMedio(medio, importes);
        if (!destino) {
            const QString cuenta = gUtil->ValorCampo(rs.Fields(QStringLiteral("Cuenta"))).trimmed();
            destino = cuenta.compare(cuentaDescuento(), Qt::CaseInsensitive) == 0 ? &importes.Dto : &importes.otros;
        }
        *destino += rt::CCur(rs.Fields(QStringLiteral("Importe")).Value());
    }
    m_db.CierraRecordset(rs);
}
