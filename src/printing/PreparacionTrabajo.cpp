#include "printing/PreparacionTrabajo.h"

#include "core/Configuracion.h"
#include "core/DatosEmpresa.h"
#include "db/DB_Dll.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "printing/ImpresoraComprobante.h"
#include "printing/MediosDePagoRecibo.h"
#include "printing/NombreReporte.h"
#include "printing/ObjetoImpresion.h"
#include "printing/SentenciasImpresion.h"
#include "printing/TextosImpresion.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"

namespace {

using TextosImpresion::es;

QString fmt(const QString &codigo)
{
    return gUtil->FormatoCodigo(codigo, 4);
}

QString importeTexto(const rt::Currency &importe)
{
    return importe == rt::Currency() ? QString() : rt::CStr(rt::Variant(importe));
}

const std::initializer_list<const char *> Retenciones = {"RETIGAN", "RETIBR", "RETIVA", "RETSUSS"};

} // namespace

bool PreparacionTrabajo::preparar(const PedidoImpresion &pedido, const rt::StepRunner &pasos,
                                  TrabajoComprobante &trabajo)
{
    trabajo = TrabajoComprobante{};
    trabajo.pedido = pedido;
    trabajo.EsAsiento = pedido.EsAsiento;
    trabajo.Seleccion = pedido.Seleccion;
    trabajo.OrdenCampos = pedido.OrdenCampos.isEmpty() ? QStringList{QString()} : pedido.OrdenCampos;
    trabajo.Reporte = pedido.Reporte;
    trabajo.Destino = pedido.Destino;
    m_trabajo = &trabajo;
    m_letra = rt::Mid(pedido.IdComprobante, 13, 1);
    m_id = rt::Trim(pedido.IdComprobante);
    m_unidad.clear();

    if (!pasos.proceed([this] { clasificar(); }))
        return false;
    if (trabajo.EsAsiento)
        return true;
    const std::initializer_list<Paso> etapas = {
        [this] { datosEmpresa(); },
        [this] { formulasEncabezado(); },
        [this] { formulasImpuestos(); },
        [this] {
            if (!m_trabajo->Stock) {
                for (const QString &formula : m_trabajo->pedido.FormulasRecibo)
                    agregar(formula);
            }
        },
        [this] { impresora(); },
        [this] { electronico(); },
        [this] {
            if (m_trabajo->pedido.UnaCopia)
                m_trabajo->Copias = 1;
        },
        [this] { seleccionStock(); },
        [this] { eleccionPorTipo(); },
        [this] { pieDePagina(); },
    };
    for (const Paso &etapa : etapas) {
        if (!pasos.proceed(etapa))
            return false;
    }
    return true;
}

bool PreparacionTrabajo::existeTipo(const QString &sistema) const
{
    const QString tc = m_trabajo->pedido.TC;
    return m_base.ExisteEnTabla(QStringLiteral("V_TA_CPTE"), tc, QStringLiteral("CODIGO"), nullptr, 8,
                                SentenciasImpresion::condicionTipoDeSistema(m_base, tc, sistema));
}

void PreparacionTrabajo::clasificar()
{
    if (es(m_trabajo->pedido.TC, {"NCPE", "RN"}) || existeTipo(QStringLiteral("CONTABLE")))
        m_trabajo->EsAsiento = true;
    m_trabajo->Stock = existeTipo(QStringLiteral("STOCK"));
}

void PreparacionTrabajo::datosEmpresa()
{
    const PedidoImpresion &p = m_trabajo->pedido;
    if (es(p.TC, {"OT", "PR", "RM", "FC", "FCE", "NC", "NCFP", "ND", "FP", "NP", "GF", "TK", "TKFC", "CB", "CBFP",
                  "CBCT", "OPG", "PG", "REC"})) {
        ado::Recordset rs;
        m_base.AbrirRecordset(SentenciasImpresion::unidadComprobante(m_base, p.TC, p.IdComprobante), rs);
        if (rs.State() == ado::adStateOpen && !rs.EOF_())
            m_unidad = gUtil->ValorCampo(rs.Fields(QStringLiteral("UNegocio")));
        m_base.CierraRecordset(rs);
    }
    CargarDatosEmpresa(m_unidad, m_trabajo->Empresa, m_trabajo->Cuit, m_trabajo->InicioActividades,
                       m_trabajo->IngresosBrutos, m_trabajo->CondicionIva);
}

void PreparacionTrabajo::formulasEncabezado()
{
    if (m_trabajo->Stock)
        return;
    TrabajoComprobante &t = *m_trabajo;
    t.Direccion = QStringLiteral("Direccion = '") + Cfg(QStringLiteral("CALLE")) + QLatin1Char(' ')
                  + Cfg(QStringLiteral("NUMERO")) + QStringLiteral("  ") + Cfg(QStringLiteral("PISO"))
                  + QLatin1Char(' ') + Cfg(QStringLiteral("Departamento")) + QLatin1Char('\'');
    t.Localidad = QStringLiteral("Localidad= '") + Cfg(QStringLiteral("LOCALIDAD")) + QLatin1Char('\'');
    t.CodigoPostal = QStringLiteral("CodigoPostal= '") + Cfg(QStringLiteral("CPOSTAL")) + QLatin1Char('\'');
    t.Telefono = QStringLiteral("Telefono= 'Telefono:") + rt::Trim(Cfg(QStringLiteral("TELEFONO"))) + QLatin1Char('\'');
    if (es(t.pedido.TC, {"IR"}))
        return;
    agregar(QStringLiteral("NombreEmpresa = '") + t.Empresa + QLatin1Char('\''));
    for (const QString &formula : {t.Direccion, t.Localidad, t.CodigoPostal, t.Telefono})
        agregar(formula);
}

void PreparacionTrabajo::formulasImpuestos()
{
    const TrabajoComprobante &t = *m_trabajo;
    if (es(t.pedido.Reporte, {"STK5", "STK7", "RMC", "STK5CLIENTE"}) || es(t.pedido.TC, {"T3", "IR"}) || t.Stock)
        return;
    agregar(QStringLiteral("Condicion IVA= 'IVA:")
            + rt::CStr(m_base.DatosTabla(QStringLiteral("TA_CONDIVA"), t.CondicionIva, QStringLiteral("DESCRIPCION"),
                                         QStringLiteral("Codigo"), 8))
            + QLatin1Char('\''));
    agregar(QStringLiteral("CUIT= 'CUIT:") + t.Cuit + QLatin1Char('\''));
}

void PreparacionTrabajo::impresora()
{
    QString usuario;
    const QString tipo = es(m_trabajo->pedido.TC, {"PEC"}) ? QStringLiteral("PE") : m_trabajo->pedido.TC;
    ObtieneImpresoraComprobante(m_base, tipo, m_letra, m_trabajo->Impresora, m_trabajo->Copias, m_trabajo->Lineas,
                                m_trabajo->DestinoDefault, usuario);
}

void PreparacionTrabajo::electronico()
{
    const PedidoImpresion &p = m_trabajo->pedido;
    if (!m_base.ExisteEnTabla(QStringLiteral("V_MV_CPTE_ELECTRONICOS"), p.TC, QStringLiteral("TC"), nullptr, 8,
                              SentenciasImpresion::condicionElectronico(m_base, p.TC, p.IdComprobante)))
        return;
    const qint16 copias =
        rt::CInt(rt::Variant(gUtil->ValorNumerico(rt::Variant(Cfg(QStringLiteral("copias_efactura"))))));
    m_trabajo->Copias = copias == 0 ? 1 : copias;
    m_trabajo->Electronico = true;
}

void PreparacionTrabajo::seleccionStock()
{
    if (!m_trabajo->Stock)
        return;
    anexar(QStringLiteral(" {V_MV_STOCK.TC} = '") + m_trabajo->pedido.TC + QLatin1Char('\''));
    if (!m_trabajo->pedido.SinFiltroNumero)
        anexar(QStringLiteral("{V_MV_STOCK.IDCOMPROBANTE} = '") + m_id + QStringLiteral("' "));
    m_trabajo->OrdenCampos[0].clear();
    elegir(QStringLiteral("STK5"), QString(), QString());
}

QString PreparacionTrabajo::claveEquipo() const
{
    return gEquipo->NombreEquipo() + QLatin1Char('|') + gEquipo->UsuarioEquipo();
}

QString PreparacionTrabajo::clausulaNumeroVentas() const
{
    return QStringLiteral("{V_MV_CPTE.IDCOMPROBANTE} = '") + m_id + QStringLiteral("' AND {V_MV_CPTE.IDCOMPLEMENTO} = ")
           + m_trabajo->pedido.IdComplemento + QStringLiteral(" AND {Aux_MV_CPte.USUARIO} = '") + claveEquipo()
           + QLatin1Char('\'');
}

void PreparacionTrabajo::eleccionPorTipo()
{
    TrabajoComprobante &t = *m_trabajo;
    const PedidoImpresion &p = t.pedido;
    const QString tc = rt::Trim(p.TC);
    const QString tipoLetra = p.TC + QLatin1Char('-') + m_letra;
    const bool numero = !p.SinFiltroNumero;
    const auto reemplazar = [&](const QString &clausula) {
        t.Seleccion.clear();
        anexar(clausula);
    };
    if (es(tc, {"OT", "PR", "RM", "FC", "FCE", "NC", "NCFP", "ND", "FP", "NP", "GF", "TK", "TKFC", "REC", "EEFC",
                "EENC", "EEND"})) {
        anexar(QStringLiteral(" {V_MV_CPTE.TC} = '") + fmt(p.TC) + QLatin1Char('\''));
        if (numero)
            anexar(clausulaNumeroVentas());
        elegir(tipoLetra, QString(), m_id);
        if (es(p.Reporte, {"OT2"})) {
            const auto segunda = [](const QString &archivo) {
                return archivo.left(archivo.size() - 4) + QStringLiteral("2.rpt");
            };
            t.Reporte = segunda(t.Reporte);
            for (QString &archivo : t.Archivos)
                archivo = segunda(archivo);
        }
    } else if (es(tc, {"OP"})) {
        anexar(QStringLiteral(" {V_MV_CPTE.TC} = '") + fmt(p.TC) + QLatin1Char('\''));
        if (numero)
            anexar(QStringLiteral("{V_MV_CPTE.IDCOMPROBANTE} = '") + m_id + QStringLiteral("' "));
        t.OrdenCampos[0] = QStringLiteral("+{V_Mv_CpteInsumos.Id}");
        elegir(tipoLetra, QString(), QString());
    } else if (es(tc, {"PE"})) {
        t.OrdenCampos[0].clear();
        elegir(QStringLiteral("ParteConsumoPE"), QString(), QString());
    } else if (es(tc, {"IR"})) {
        anexar(QStringLiteral(" {V_MV_STOCK.TC} = 'IR'"));
        if (numero)
            anexar(QStringLiteral("{V_MV_STOCK.IDCOMPROBANTE} = '") + m_id + QStringLiteral("' "));
        t.OrdenCampos[0].clear();
        elegir(QStringLiteral("IR-OC"), QString(), QString());
    } else if (es(tc, {"PEC", "PECO", "PEBA", "PEBR"})) {
        anexar(QStringLiteral("{V_MV_CPTE.IDCOMPROBANTE} = '") + m_id + QStringLiteral("' AND {V_MV_CPTE.TC} = 'PE'"));
        const QString reporte = es(tc, {"PECO"})   ? QStringLiteral("COMANDA_COCINA")
                                : es(tc, {"PEBA"}) ? QStringLiteral("COMANDA_BAR")
                                : es(tc, {"PEBR"}) ? QStringLiteral("COMANDA_BAR2")
                                                   : QStringLiteral("COMANDA");
        elegir(reporte, QString(), QString());
        if (es(tc, {"PEC"}) && es(t.DestinoDefault, {"Impresora"}))
            t.Destino = m_objeto.DestinoImpresora();
    } else if (es(tc, {"T3"})) {
        if (numero)
            t.Seleccion = QStringLiteral("{V_MV_CPTE.IDCOMPROBANTE} = '") + m_id + QStringLiteral("' ");
        t.Seleccion = QStringLiteral("({v_mv_cpte.tc} = 'OT') and (") + t.Seleccion + QLatin1Char(')');
        elegir(QStringLiteral("RP_MV_3ros"), gEquipoUsuario, QString());
    } else if (es(tc, {"LQ"})) {
        reemplazar(QStringLiteral("{V_MV_CPTE.IDCOMPROBANTE} = '") + m_id
                   + QStringLiteral("' AND {V_MV_CPTE.TC} = 'OT'"));
        elegir(QStringLiteral("RP_Liq_Com"), gEquipoUsuario, QString());
    } else if (es(tc, {"STK5", "STK7"})) {
        if (!es(t.Reporte, {"STK5CLIENTE"}))
            elegir(tipoLetra, QString(), QString());
    } else if (es(tc, {"OPG"})) {
        reemplazar(QStringLiteral("{V_MV_CPTE.TC} = '") + fmt(p.TC) + QLatin1Char('\''));
        const bool retencion = es(p.Reporte, Retenciones);
        if (!retencion)
            elegir(tipoLetra, QString(), QString());
        if (numero)
            anexar(QStringLiteral(" {V_MV_CPTE.IDCOMPROBANTE} = '") + m_id + QLatin1Char('\'')
                   + (retencion
                          ? QString()
                          : QStringLiteral(" and {AUX_MV_CPTE.USUARIO} = '") + gEquipoUsuario + QLatin1Char('\'')));
    } else if (es(tc, {"PG", "PGFP"})) {
        if (es(p.Reporte, Retenciones)) {
            reemplazar(QStringLiteral("{V_MV_CPTE.TC} = '") + fmt(p.TC) + QLatin1Char('\''));
            if (numero)
                anexar(QStringLiteral(" {V_MV_CPTE.IDCOMPROBANTE} = '") + m_id + QLatin1Char('\''));
            elegir(p.Reporte, QString(), QString());
        } else {
            reemplazar(QStringLiteral("{AUX_MV_CPTE.TC} = '") + fmt(p.TC) + QLatin1Char('\''));
            anexar(QStringLiteral("{AUX_MV_CPTE.USUARIO} = '") + gEquipoUsuario + QLatin1Char('\''));
            if (numero)
                anexar(QStringLiteral(" {AUX_MV_CPTE.IDCOMPROBANTE} = '") + m_id
                       + QStringLiteral("' AND {AUX_MV_CPTE.IDCOMPLEMENTO} = ") + p.IdComplemento);
            elegir(QStringLiteral("LiqOPG"), QString(), QString());
        }
    } else if (es(tc, {"CB", "CBCT", "CBFP"})) {
        anexar(QStringLiteral(" {AUX_MV_CPTE.TC} = '") + fmt(p.TC) + QLatin1Char('\''));
        anexar(QStringLiteral(" {AUX_MV_CPTE.IDCOMPROBANTE} = '") + m_id
               + QStringLiteral("' AND {AUX_MV_CPTE.IDCOMPLEMENTO} = ") + p.IdComplemento);
        anexar(QStringLiteral(" {AUX_MV_CPTE.USUARIO} = '") + gEquipoUsuario + QLatin1Char('\''));
        t.OrdenCampos = QStringList{QString()};
        elegir(tipoLetra, QString(), QString());
    } else if (es(tc, {"AutOt"})) {
        anexar(QStringLiteral(" {V_MV_CPTE.TC} = '") + fmt(QStringLiteral("OT")) + QLatin1Char('\''));
        if (numero)
            anexar(clausulaNumeroVentas());
        t.OrdenCampos[0] = QStringLiteral("+{Aux_Mv_Cpte.ID}");
        elegir(QStringLiteral("AutOT"), QString(), QString());
        t.Archivos.fill(t.Reporte);
    } else if (es(tc, {"LQCO"})) {
        return;
    } else if (!t.Stock || es(tc, {"RMC", "OC", "FCC", "NCC", "LNCC", "NCCP", "NDC", "LNDC", "FPC"})) {
        // A stock voucher of a type without a rule of its own keeps the stock selection and form.
        anexar(QStringLiteral("{C_MV_CPTE.IDCOMPROBANTE} = '") + m_id + QStringLiteral("' AND {C_MV_CPTE.TC} = '") + tc
               + QLatin1Char('\''));
        elegir(tipoLetra, QString(), QString());
    }
}

void PreparacionTrabajo::pieDePagina()
{
    const PedidoImpresion &p = m_trabajo->pedido;
    if (!es(p.TC, {"FC", "FP"}))
        return;
    rt::Currency efectivo, tarjeta, otros, cheque;
    QString textoEfectivo, textoTarjeta, textoOtros, textoCheque;
    ObtenerMediosDePagoRecibo(m_base, p.TC, p.IdComprobante, efectivo, tarjeta, textoEfectivo, textoTarjeta, textoOtros,
                              otros, textoCheque, cheque);
    const bool sinTextos =
        rt::Trim(rt::Trim(textoEfectivo) + rt::Trim(textoTarjeta) + rt::Trim(textoOtros) + rt::Trim(textoCheque))
            .isEmpty();
    agregar(QStringLiteral("PieDePagina = '") + (sinTextos ? QString() : QStringLiteral("Su pago: ")) + textoEfectivo
            + QLatin1Char(' ') + importeTexto(efectivo) + QLatin1Char(' ') + textoTarjeta + QLatin1Char(' ')
            + importeTexto(tarjeta) + QLatin1Char(' ') + textoOtros + QLatin1Char(' ') + importeTexto(otros)
            + textoCheque + QLatin1Char(' ') + importeTexto(cheque) + QLatin1Char('\''));
}

void PreparacionTrabajo::agregar(const QString &formula)
{
    m_trabajo->Formulas.insert(m_trabajo->Formulas.size() - 1, formula);
}

void PreparacionTrabajo::anexar(const QString &clausula)
{
    QString &seleccion = m_trabajo->Seleccion;
    seleccion += (rt::Trim(seleccion).isEmpty() ? QString() : QStringLiteral(" AND ")) + clausula;
}

void PreparacionTrabajo::elegir(const QString &nombre, const QString &claveEquipo, const QString &idComprobante)
{
    QString copia = nombre;
    m_trabajo->Reporte = m_eleccion.NombreReporte(copia, claveEquipo, m_trabajo->Archivos, idComprobante);
}
