#include "printdata/receipts/IMP_Recibos.h"

#include "core/Configuracion.h"
#include "core/Formatos.h"
#include "core/ImporteEnLetras.h"
#include "db/DB_Dll.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "printdata/receipts/SentenciasRecibos.h"
#include "session/ModError.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"

namespace SR = SentenciasRecibos;

namespace {

// Thrown to leave the routine at once: the answer to the error dialog was neither Retry nor
// Ignore.
struct AbandonoRecibo { };

constexpr long ErrorFormularioModal = 401;

int tratarError(const rt::RuntimeError &error)
{
    // A form shown over a modal one, and a command the provider rejects (a missing table or
    // column), are passed over without a word.
    if (error.Number == ErrorFormularioModal || error.Number == rt::err::AdoSyntaxError
        || error.Number == rt::err::AdoUnknownObject)
        return rt::AnswerIgnore;
    return MostrarError(error, std::nullopt, QStringLiteral("GeneraAuxiliarRecibo_PagoCobranza"));
}

bool mismoTexto(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString monto(rt::Currency valor)
{
    return FmtMoneda(rt::CStr(rt::Variant(valor)), DecimalesConfigurados, false);
}

} // namespace

void IMP_Recibos::paso(const std::function<void()> &sentencia) const
{
    if (rt::runStep(sentencia, tratarError) == rt::StepResult::Leave)
        throw AbandonoRecibo{};
}

bool IMP_Recibos::prueba(const std::function<bool()> &test) const
{
    bool resultado = false;
    paso([&] { resultado = test(); });
    return resultado;
}

QString IMP_Recibos::leer(ado::Recordset &rs, const QString &campo) const
{
    QString valor;
    paso([&] { valor = gUtil->ValorCampo(rs.Fields(campo)); });
    return valor;
}

void IMP_Recibos::escribir(const QString &columna, const rt::Variant &valor)
{
    paso([&] { m_escritor.Fields(columna).setValue(valor); });
}

rt::Currency IMP_Recibos::importe(const QString &texto) const
{
    rt::Currency valor;
    paso([&] { valor = gUtil->ValorNumerico(texto); });
    return valor;
}

void IMP_Recibos::GeneraAuxiliarRecibo_PagoCobranza(const QString &TC, const QString &Sucursal, const QString &Numero,
                                                    const QString &Letra, const QString &Cuenta, QStringList &Formulas,
                                                    long Copias, long ItemsPorPagina)
{
    m_tc = TC;
    m_sucursal = Sucursal;
    m_numero = Numero;
    m_letra = Letra;
    m_cuenta = Cuenta;
    m_clave = Sucursal + Numero + Letra;
    m_concepto.clear();
    m_importes = Importes{};
    m_cuentaAplicaciones = 0;
    m_cuentaAsientos = 0;
    // Every way out releases the run's record sets.
    struct Liberar {
        IMP_Recibos &self;
        ~Liberar()
        {
            for (ado::Recordset *rs : {&self.m_escritor, &self.m_aplicaciones, &self.m_asientos, &self.m_busqueda})
                *rs = ado::Recordset();
        }
    } liberar{*this};
    try {
        prepararCuentas();
        paso([&] { m_db.EjecutaConsultaSQL(SR::borrarFilas(gEquipoUsuario)); });
        paso([&] {
            m_db.AbrirRecordset(SR::escritorFilas(), m_escritor, nullptr, ado::adOpenDynamic, ado::adLockOptimistic);
        });
        abrirListas();
        if (m_cuentaAplicaciones == 0 && m_cuentaAsientos == 0)
            return;
        escribirFilas();
        otrosAplicados();
        rellenarPagina(ItemsPorPagina);
        copiar(Copias);
        importesDeCabecera();
        agregarFormulas(Formulas);
    } catch (const AbandonoRecibo &) {
    }
}

void IMP_Recibos::prepararCuentas()
{
    paso([&] {
        m_incluirCuitLibrador = mismoTexto(Cfg(QStringLiteral("IncluirCuitLibrador")).trimmed(), QStringLiteral("SI"));
    });
    paso([&] {
        const QString tc = m_tc.trimmed();
        m_esRecibo = mismoTexto(tc, QStringLiteral("CB")) || mismoTexto(tc, QStringLiteral("CBFP"))
                     || mismoTexto(tc, QStringLiteral("CBCT"));
    });
    paso([&] { m_tipo = gUtil->FormatoCodigo(m_tc.trimmed(), 4); });
    m_ctaRetIVA.clear();
    m_ctaRetGanancias.clear();
    m_ctaRetIBrtos.clear();
    m_ctaDescuento.clear();
    paso([&] { m_ast.CuentaIVADF(m_ctaRetIVA, m_ctaRetGanancias, m_ctaRetIBrtos, m_ctaDescuento, m_esRecibo); });
}

long IMP_Recibos::contar(ado::Recordset &rs)
{
    long cuenta = 0;
    if (!prueba([&] { return !rs.BOF(); }))
        return cuenta;
    paso([&] { rs.MoveFirst(); });
    paso([&] { rs.MoveLast(); });
    paso([&] { cuenta = rs.RecordCount(); });
    paso([&] { rs.MoveFirst(); });
    return cuenta;
}

void IMP_Recibos::abrirListas()
{
    paso([&] { m_db.AbrirRecordset(SR::aplicaciones(m_tipo, m_clave), m_aplicaciones); });
    m_cuentaAplicaciones = contar(m_aplicaciones);
    paso([&] { m_db.AbrirRecordset(SR::asientos(m_tipo, m_sucursal, m_numero, m_letra), m_asientos); });
    m_cuentaAsientos = contar(m_asientos);
    m_importes = Importes{};
    for (ado::Recordset *rs : {&m_aplicaciones, &m_asientos}) {
        if (prueba([&] { return !rs->BOF(); }))
            paso([&] { rs->MoveFirst(); });
    }
}

// The longer list leads (the applications on a tie), but rows go on while either list has one:
// entry lines passed over must not leave applied documents unprinted.
void IMP_Recibos::escribirFilas()
{
    m_guianAsientos = m_cuentaAplicaciones < m_cuentaAsientos;
    const auto quedan = [](ado::Recordset &rs) { return !rs.EOF_(); };
    while (prueba([&] { return quedan(m_aplicaciones) || quedan(m_asientos); })) {
        paso([&] { m_escritor.AddNew(); });
        columnasFijas();
        columnasAplicacion();
        if (prueba([&] { return quedan(m_asientos); }))
            ColumnasMedioDePago();
        paso([&] { m_escritor.Update(); });
        for (ado::Recordset *rs : {&m_aplicaciones, &m_asientos}) {
            if (prueba([&] { return quedan(*rs); }))
                paso([&] { rs->MoveNext(); });
        }
    }
}

void IMP_Recibos::columnasFijas()
{
    escribir(QStringLiteral("USUARIO"), gEquipoUsuario);
    escribir(QStringLiteral("TC"), m_tc);
    escribir(QStringLiteral("IdComprobante"), m_clave);
    escribir(QStringLiteral("IdComplemento"), QStringLiteral("0"));
    escribir(QStringLiteral("Tipo"), QStringLiteral("1"));
}

void IMP_Recibos::otrosAplicados()
{
    ado::Recordset rs;
    paso([&] { m_db.AbrirRecordset(SR::otrosAplicados(m_tipo, m_clave, m_esRecibo, m_cuenta, m_tc), rs); });
    while (prueba([&] { return !rs.EOF_(); })) {
        paso([&] { m_escritor.AddNew(); });
        columnasFijas();
        const QString tc = leer(rs, QStringLiteral("TC"));
        escribir(QStringLiteral("COLUMNA4"), tc);
        escribir(QStringLiteral("COLUMNA6"), tc + QLatin1Char(' ') + leer(rs, QStringLiteral("IdComprobante")));
        // A Null amount reads as 0.
        const rt::Currency valor = importe(leer(rs, QStringLiteral("Importe")));
        paso([&] { m_escritor.Fields(QStringLiteral("COLUMNA8")).setValue(monto(valor)); });
        escribir(QStringLiteral("COLUMNA10"), QStringLiteral("   1"));
        paso([&] { m_importes.ImporteMP += valor; });
        paso([&] { m_escritor.Update(); });
        paso([&] { rs.MoveNext(); });
    }
    paso([&] { m_db.CierraRecordset(rs); });
}

void IMP_Recibos::rellenarPagina(long ItemsPorPagina)
{
    if (ItemsPorPagina == -1)
        return;
    ado::Recordset rs;
    long filas = 0;
    paso([&] { m_db.AbrirRecordset(SR::contarFilas(m_tc, m_clave, gEquipoUsuario), rs); });
    paso([&] { filas = rt::CLng(rs.Fields(0L).Value()); });
    if (filas == 0 || filas >= ItemsPorPagina)
        return;
    const QString blanco = SR::filaEnBlanco(m_tc, m_clave, gEquipoUsuario);
    for (long i = filas; i < ItemsPorPagina; ++i)
        paso([&] { m_db.gCnn.Execute(blanco, nullptr, -1); });
}

void IMP_Recibos::copiar(long Copias)
{
    for (long copia = 2; copia <= Copias; ++copia)
        paso([&] {
            m_db.gCnn.Execute(SR::copiarFilas(static_cast<int>(copia), m_tc, m_clave, gEquipoUsuario), nullptr, -1);
        });
}

void IMP_Recibos::importesDeCabecera()
{
    Importes &i = m_importes;
    const auto leerImporte = [&](ado::Recordset &rs, const char *campo, rt::Currency &destino) {
        destino = importe(leer(rs, QLatin1String(campo)));
    };
    if (i.RetGanancias + i.RetIVA + i.RetIBrtos + i.Descuentos == rt::Currency() && m_cuentaAsientos == 0) {
        ado::Recordset rs;
        paso([&] { m_db.AbrirRecordset(SR::cabecera(m_tipo, m_clave), rs); });
        if (prueba([&] { return !rs.BOF(); })) {
            leerImporte(rs, "RetGan_Importe", i.RetGanancias);
            leerImporte(rs, "RetIVA_importe", i.RetIVA);
            leerImporte(rs, "RETIBR_Importe", i.RetIBrtos);
            leerImporte(rs, "ImpDescuento1", i.Descuentos);
            leerImporte(rs, "retsuss_importe", i.RetSUSS);
        }
        paso([&] { m_db.CierraRecordset(rs); });
    }
    if (i.RetSUSS == rt::Currency()) {
        ado::Recordset rs;
        paso([&] { m_db.AbrirRecordset(SR::cabecera(m_tipo, m_clave), rs); });
        leerImporte(rs, "retsuss_importe", i.RetSUSS);
        paso([&] { m_db.CierraRecordset(rs); });
    }
}

void IMP_Recibos::agregarFormulas(QStringList &Formulas)
{
    const Importes &i = m_importes;
    // Figures and words come from one rounded amount; the words spell its plain text, so a whole
    // amount ("10000", no separator) ends "con 00/100".
    QString totalMP;
    QString totalEnLetras;
    paso([&] {
        totalMP = monto(i.ImporteMP);
        totalEnLetras = rt::CStr(rt::Variant(gUtil->ValorNumerico(rt::Variant(totalMP))));
    });
    const std::function<QString()> valores[] = {
        [&] { return QStringLiteral("Prm_ImporteCpte = '") + monto(i.ImporteCpte); },
        [&] {
            return QStringLiteral("Prm_ImporteAplicado = '")
                   + monto(i.ImporteAplicado).replace(QLatin1Char(','), QLatin1Char('.'));
        },
        [&] { return QStringLiteral("Prm_ImporteSaldo = '") + monto(i.ImporteSaldo); },
        [&] {
            return QStringLiteral("Prm_ImporteEnLetras = '")
                   + rt::ProperCase(ImporteEnLetras(totalEnLetras, std::nullopt, QStringLiteral(" Pesos ")));
        },
        [&] { return QStringLiteral("Prm_ImporteMP = '") + totalMP; },
        [&] { return QStringLiteral("Prm_RetGanancias = '") + monto(i.RetGanancias); },
        [&] { return QStringLiteral("Prm_RetIVA = '") + monto(i.RetIVA + i.RetOtras); },
        [&] { return QStringLiteral("Prm_RetIBrtos = '") + monto(i.RetIBrtos); },
        [&] { return QStringLiteral("Prm_RetSUSS = '") + monto(i.RetSUSS); },
        [&] { return QStringLiteral("Prm_DescuentosOtorgados = '") + monto(i.Descuentos); },
        // Quotes are doubled, so a concept such as "Pago de O'Brien" prints whole.
        [&] { return QStringLiteral("Prm_Concepto = '") + DB_Dll::escaparComillas(m_concepto); },
    };
    qsizetype k = 0;
    for (const auto &valor : valores) {
        ++k;
        paso([&] {
            const QString formula = valor() + QLatin1Char('\'');
            Formulas.resize(k + 1);
            Formulas[k] = formula;
        });
    }
}
