#include "printdata/receipts/ast.h"

#include "core/Configuracion.h"
#include "db/DB_Dll.h"
#include "platform/runtime/StepRunner.h"
#include "printdata/receipts/SentenciasRecibos.h"
#include "session/ModError.h"
#include "session/ObjetosExternos.h"

namespace {

bool mismoTexto(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

void ast::CuentaIVADF(QString &CtaRetIVA, QString &CtaRetGanancias, QString &CtaRetIBrtos, QString &CtaDescuento,
                      bool EsRecibo)
{
    const rt::StepRunner pasos([this](const rt::RuntimeError &error) {
        return m_db.TratamientoErrores(error, std::nullopt, QStringLiteral("CuentaIVADF"));
    });
    ado::Recordset rs;
    if (!pasos.proceed([&] { m_db.AbrirRecordset(SentenciasRecibos::cuentasIva(), rs); }))
        return;
    bool sinFila = false;
    if (!pasos.proceed([&] { sinFila = rs.BOF(); }))
        return;
    if (sinFila) {
        CtaRetIVA.clear();
        CtaRetGanancias.clear();
        CtaRetIBrtos.clear();
        pasos.run([&] { CtaDescuento = Cfg(QStringLiteral("CuentaDesCuentosObtenidos")); });
        return;
    }
    const QString prefijo = EsRecibo ? QStringLiteral("CB_") : QStringLiteral("PG_");
    const auto leer = [&](const QString &campo, const QString &respaldo, QString &cuenta) {
        return pasos.proceed([&] {
            cuenta = gUtil->ValorCampo(rs.Fields(prefijo + campo)).trimmed();
            if (cuenta.isEmpty())
                cuenta = gUtil->ValorCampo(rs.Fields(respaldo)).trimmed();
        });
    };
    if (!leer(QStringLiteral("RETIVA"), QStringLiteral("CFI_RETPERC"), CtaRetIVA)
        || !leer(QStringLiteral("RETGAN"), QStringLiteral("CFI_RETIGAN"), CtaRetGanancias)
        || !leer(QStringLiteral("RETIB"), QStringLiteral("CFI_RETIBTOS"), CtaRetIBrtos))
        return;
    pasos.run([&] {
        CtaDescuento = gUtil->ValorCampo(rs.Fields(prefijo + QStringLiteral("DESCUENTO"))).trimmed();
        if (CtaDescuento.isEmpty())
            CtaDescuento = Cfg(EsRecibo ? QStringLiteral("CuentaDesCuentosOtorgados")
                                        : QStringLiteral("CuentaDesCuentosObtenidos"));
    });
}

bool ast::ExisteCuenta(QString &Codigo, ado::Recordset *Registro, bool SoloLectura, bool &PorCodigoOpcional)
{
    const rt::StepRunner pasos([](const rt::RuntimeError &error) {
        return MostrarError(error, std::nullopt, QStringLiteral("ExisteCuenta"));
    });
    ado::Recordset propio;
    ado::Recordset &rs = Registro ? *Registro : propio;
    const long cursor = SoloLectura ? 0 : 2;
    const long bloqueo = SoloLectura ? 1 : 3;
    bool encontrada = false;
    const auto buscarPor = [&](bool porOpcional) {
        return pasos.proceed([&] {
            m_db.AbrirRecordset(SentenciasRecibos::cuenta(Codigo, porOpcional), rs, nullptr, cursor, bloqueo);
        }) && pasos.proceed([&] { encontrada = !rs.EOF_(); });
    };
    if (!buscarPor(PorCodigoOpcional))
        return false;
    if (encontrada) {
        pasos.run([&] { Codigo = gUtil->ValorCampo(rs.Fields(QStringLiteral("Codigo"))); });
        return true;
    }
    const bool segundaPorOpcional = !PorCodigoOpcional;
    if (!buscarPor(segundaPorOpcional) || !encontrada)
        return false;
    if (segundaPorOpcional) {
        PorCodigoOpcional = true;
        pasos.run([&] { Codigo = gUtil->ValorCampo(rs.Fields(QStringLiteral("Codigo"))); });
    }
    return true;
}

QString ast::medioDePago(ado::Recordset &rs, QString &Descripcion, QString *tipoVista)
{
    Descripcion = gUtil->ValorCampo(rs.Fields(QStringLiteral("Descripcion"))).trimmed();
    if (tipoVista)
        *tipoVista = gUtil->ValorCampo(rs.Fields(QStringLiteral("TipoVista"))).trimmed();
    return gUtil->ValorCampo(rs.Fields(QStringLiteral("MedioDePago"))).trimmed();
}

std::optional<QString> ast::buscar(const QString &primera, const QString &campoPrimera, const QString &segunda,
                                   const QString &campoSegunda, QString &Descripcion, QString *tipoVista,
                                   QString *codigo)
{
    Descripcion.clear();
    ado::Recordset rs;
    bool encontrada = false;
    if (!primera.isEmpty())
        encontrada =
            m_db.ExisteEnTabla(QStringLiteral("ma_cuentas"), primera.trimmed(), campoPrimera, &rs, 8, {}, true);
    else if (!segunda.trimmed().isEmpty())
        encontrada =
            m_db.ExisteEnTabla(QStringLiteral("ma_cuentas"), segunda.trimmed(), campoSegunda, &rs, 8, {}, true);
    if (!encontrada)
        return std::nullopt;
    if (codigo)
        *codigo = gUtil->ValorCampo(rs.Fields(QStringLiteral("Codigo"))).trimmed();
    return medioDePago(rs, Descripcion, tipoVista);
}

bool ast::CuentasEfectivoRetenciones(const QString &CodigoCuenta, QString &Descripcion, const QString &Codigo)
{
    std::optional<QString> medio;
    if (!Codigo.isEmpty()) {
        medio = buscar(Codigo, QStringLiteral("Codigo"), {}, {}, Descripcion);
    } else {
        Descripcion.clear();
        ado::Recordset rs;
        QString codigo = CodigoCuenta.trimmed();
        bool porOpcional = true;
        if (!codigo.isEmpty() && ExisteCuenta(codigo, &rs, true, porOpcional))
            medio = medioDePago(rs, Descripcion);
    }
    for (const char *clase : {"EF", "RI", "RG", "RB", "RO"}) {
        if (medio && mismoTexto(*medio, QLatin1String(clase)))
            return true;
    }
    return false;
}

bool ast::CuentasBancos(const QString &CodigoOpcional, QString &Codigo, QString &Descripcion)
{
    QString vista;
    const auto medio = buscar(CodigoOpcional, QStringLiteral("CodigoOpcional"), Codigo, QStringLiteral("Codigo"),
                              Descripcion, &vista, &Codigo);
    return medio && mismoTexto(vista, QStringLiteral("BC")) && mismoTexto(*medio, QStringLiteral("CH"));
}

bool ast::CuentasDebito(const QString &CodigoOpcional, QString &Codigo, QString &Descripcion)
{
    const auto medio = buscar(CodigoOpcional, QStringLiteral("CodigoOpcional"), Codigo, QStringLiteral("Codigo"),
                              Descripcion, nullptr, &Codigo);
    return medio && mismoTexto(*medio, QStringLiteral("DB"));
}

bool ast::CuentasCheques(const QString &CodigoOpcional, QString &Descripcion, const QString &Codigo)
{
    const auto medio =
        buscar(Codigo, QStringLiteral("Codigo"), CodigoOpcional, QStringLiteral("CodigoOpcional"), Descripcion);
    return medio && mismoTexto(*medio, QStringLiteral("CH"));
}

bool ast::CuentasTarjetas(const QString &CodigoOpcional, QString &Descripcion, const QString &Codigo)
{
    const auto medio =
        buscar(Codigo, QStringLiteral("Codigo"), CodigoOpcional, QStringLiteral("CodigoOpcional"), Descripcion);
    return medio && mismoTexto(*medio, QStringLiteral("TJ"));
}

QString ast::cuentaDeMedio(const QString &Codigo, const QString &medio)
{
    if (Codigo.trimmed().isEmpty())
        return {};
    ado::Recordset rs;
    m_db.AbrirRecordset(SentenciasRecibos::cuentaDeMedio(Codigo, medio), rs);
    return rs.BOF() ? QString() : Codigo;
}

QString ast::CuentaRetIVA(const QString &Codigo)
{
    return cuentaDeMedio(Codigo, QStringLiteral("RI"));
}

QString ast::CuentaRetGanancias(const QString &Codigo)
{
    return cuentaDeMedio(Codigo, QStringLiteral("RG"));
}

QString ast::CuentaRetIBrtos(const QString &Codigo)
{
    return cuentaDeMedio(Codigo, QStringLiteral("RB"));
}

QString ast::CuentaRetOtra(const QString &Codigo)
{
    return cuentaDeMedio(Codigo, QStringLiteral("RO"));
}
