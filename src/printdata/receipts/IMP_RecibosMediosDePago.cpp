// The means-of-payment columns of a receipt's print row: the next entry line is listed (cash,
// cheque, bank, debit, card), summed into a retention or the discounts, or passed over for the
// line after it.

#include "core/Configuracion.h"
#include "db/DB_Dll.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Format.h"
#include "printdata/receipts/IMP_Recibos.h"
#include "session/ObjetosExternos.h"

namespace {

// Account codes and texts compare trimmed and without regard to letter case.
bool igual(const QString &a, const QString &b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

QString importeListado(rt::Currency valor)
{
    return rt::Format(rt::Variant(valor), QStringLiteral("########0.00"));
}

} // namespace

void IMP_Recibos::ColumnasMedioDePago()
{
    while (m_pasos.holds([&] { return !m_asientos.EOF_(); })) {
        const QString cuentaLinea = leer(m_asientos, QStringLiteral("Cuenta"));
        const bool marcada = marcarLinea(cuentaLinea);
        if (m_concepto.trimmed().isEmpty())
            m_concepto = leer(m_asientos, QStringLiteral("Detalle")).trimmed();
        QString descripcion;
        const Clase clase = clasificar(cuentaLinea, marcada, descripcion);
        if (clase == Clase::Sumada)
            return;
        if (clase != Clase::Ninguna) {
            listar(clase, descripcion);
            return;
        }
        m_pasos.step([&] { m_asientos.MoveNext(); });
    }
}

// The account argument: a line of that account is left unlisted when it is also the account of
// the row's applied document, or when it is a cash or retention account; otherwise the run's
// retention and discount accounts equal to it stop counting as such.
bool IMP_Recibos::marcarLinea(const QString &cuentaLinea)
{
    if (m_cuenta.trimmed().isEmpty())
        return false;
    bool marcada = igual(m_cuenta, cuentaLinea) && igual(m_cuenta, leer(m_aplicaciones, QStringLiteral("CUENTA")));
    if (!marcada) {
        QString descripcion;
        bool efectivo = false;
        m_pasos.step([&] { efectivo = m_ast.CuentasEfectivoRetenciones({}, descripcion, cuentaLinea); });
        marcada = efectivo && igual(cuentaLinea, m_cuenta);
    }
    if (!marcada) {
        for (QString *cuenta : {&m_ctaRetIVA, &m_ctaRetGanancias, &m_ctaRetIBrtos, &m_ctaDescuento}) {
            if (igual(*cuenta, m_cuenta))
                cuenta->clear();
        }
    }
    return marcada;
}

IMP_Recibos::Clase IMP_Recibos::clasificar(const QString &cuentaLinea, bool marcada, QString &descripcion)
{
    // A line without account is no retention: it is passed over like any unclassified one.
    if (cuentaLinea.trimmed().isEmpty())
        return Clase::Ninguna;
    const auto sumar = [&](rt::Currency &acumulado) {
        const rt::Currency valor = importe(leer(m_asientos, QStringLiteral("Importe")));
        m_pasos.step([&] { acumulado += valor; });
        return Clase::Sumada;
    };
    const auto esDeMedio = [&](QString (ast::*consulta)(const QString &)) {
        QString cuenta;
        m_pasos.step([&] { cuenta = (m_ast.*consulta)(cuentaLinea); });
        return !cuenta.isEmpty() && igual(cuentaLinea, cuenta);
    };
    if (esDeMedio(&ast::CuentaRetOtra)) {
        bool suss = false;
        m_pasos.step(
            [&] { suss = igual(Cfg(QStringLiteral("CTA_RET_OTRA_") + cuentaLinea.trimmed()), QStringLiteral("SU")); });
        return sumar(suss ? m_importes.RetSUSS : m_importes.RetOtras);
    }
    if (esDeMedio(&ast::CuentaRetIVA))
        return sumar(m_importes.RetIVA);
    if (esDeMedio(&ast::CuentaRetIBrtos))
        return sumar(m_importes.RetIBrtos);
    if (esDeMedio(&ast::CuentaRetGanancias))
        return sumar(m_importes.RetGanancias);
    if (igual(cuentaLinea, m_ctaDescuento))
        return sumar(m_importes.Descuentos);

    bool efectivo = false;
    m_pasos.step([&] { efectivo = m_ast.CuentasEfectivoRetenciones({}, descripcion, cuentaLinea); });
    if (efectivo && !marcada)
        return Clase::Efectivo;
    bool cheque = false;
    bool banco = false;
    bool debito = false;
    m_pasos.step([&] { cheque = m_ast.CuentasCheques({}, descripcion, cuentaLinea); });
    m_pasos.step([&] {
        QString codigo = cuentaLinea;
        banco = m_ast.CuentasBancos({}, codigo, descripcion);
    });
    m_pasos.step([&] {
        QString codigo = cuentaLinea;
        debito = m_ast.CuentasDebito({}, codigo, descripcion);
    });
    if (cheque || banco || (debito && !marcada))
        return Clase::Banco;
    bool tarjeta = false;
    m_pasos.step([&] { tarjeta = m_ast.CuentasTarjetas({}, descripcion, cuentaLinea); });
    if (tarjeta && !marcada)
        return Clase::Tarjeta;
    return Clase::Ninguna;
}

void IMP_Recibos::listar(Clase clase, const QString &descripcion)
{
    rt::Currency valor = importe(leer(m_asientos, QStringLiteral("Importe")));
    if (clase == Clase::Efectivo) {
        // Cash leaves on payment orders: negated on every PGFP and OPG, and on a PG for a debit.
        bool negar = false;
        m_pasos.step([&] {
            negar = igual(m_tc, QStringLiteral("PGFP")) || igual(m_tc, QStringLiteral("OPG"))
                    || (igual(m_tc, QStringLiteral("PG"))
                        && igual(gUtil->ValorCampo(m_asientos.Fields(QStringLiteral("DEBE-HABER")).Value()),
                                 QStringLiteral("D")));
        });
        if (negar)
            valor = -valor;
        escribir(QStringLiteral("COLUMNA4"), descripcion);
    } else if (clase == Clase::Banco) {
        listarBanco(descripcion);
    } else {
        listarTarjeta(descripcion);
    }
    m_pasos.step([&] { m_escritor.Fields(QStringLiteral("COLUMNA8")).setValue(importeListado(valor)); });
    m_pasos.step([&] { m_importes.ImporteMP += valor; });
    escribir(QStringLiteral("COLUMNA10"), QStringLiteral("   1"));
}

void IMP_Recibos::listarBanco(const QString &descripcion)
{
    bool propio = false;
    m_pasos.step([&] {
        const rt::Variant valor = m_asientos.Fields(QStringLiteral("ChPropio")).Value();
        propio = !valor.isNull() && rt::CBool(valor);
    });
    escribir(QStringLiteral("COLUMNA4"), propio ? descripcion + QStringLiteral("(Propio)") : descripcion);
    QString numero = leer(m_asientos, QStringLiteral("NROCOMPROBANTEBANCARIO")).toUpper();
    const QString librador = leer(m_asientos, QStringLiteral("tj_observaciones")).trimmed();
    if (m_incluirCuitLibrador && !librador.isEmpty())
        m_pasos.step([&] {
            numero += QStringLiteral(" (") + gUtil->QuitarCaracter(librador, QStringLiteral("-"), QStringLiteral("/"))
                      + QStringLiteral(")");
        });
    escribir(QStringLiteral("COLUMNA5"), numero);
    const QString banco = leer(m_asientos, QStringLiteral("IdBanco"));
    QString nombre;
    m_pasos.step([&] {
        nombre = gUtil->ValorCampo(m_db.DatosTabla(QStringLiteral("V_TA_BANCOS"), banco, QStringLiteral("DESCRIPCION"),
                                                   QStringLiteral("IDBANCO"), 8, QString(), true, false));
    });
    escribir(QStringLiteral("COLUMNA6"), banco + QLatin1Char('-') + nombre);
    escribir(QStringLiteral("COLUMNA7"), leer(m_asientos, QStringLiteral("Vencimiento")));
}

void IMP_Recibos::listarTarjeta(const QString &descripcion)
{
    escribir(QStringLiteral("COLUMNA4"), descripcion + QStringLiteral("(Propio)"));
    escribir(QStringLiteral("COLUMNA5"), leer(m_asientos, QStringLiteral("TJ_NroCupon")).toUpper());
    // A Null member number leaves the column empty.
    m_pasos.step([&] {
        const rt::Variant socio = m_asientos.Fields(QStringLiteral("TJ_NroSocio")).Value();
        if (!socio.isNull())
            m_escritor.Fields(QStringLiteral("COLUMNA6")).setValue(QStringLiteral("Socio: ") + rt::CStr(socio));
    });
    escribir(QStringLiteral("COLUMNA7"),
             QStringLiteral(" N\u00BA Cuotas ") + leer(m_asientos, QStringLiteral("TJ_cuotas")));
}
