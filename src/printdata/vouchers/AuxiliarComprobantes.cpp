#include "printdata/vouchers/AuxiliarComprobantes.h"

#include "core/Configuracion.h"
#include "core/ImporteEnLetras.h"
#include "core/SentenciasSQL.h"
#include "db/DB_Dll.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"
#include "printdata/vouchers/TextosComprobante.h"
#include "session/ObjetosExternos.h"

namespace SC = SentenciasComprobantes;

AuxiliarComprobantes::AuxiliarComprobantes(DB_Dll &db)
    : m_db(db)
    , m_pasos([this](const rt::RuntimeError &error) { return politica(error); })
{
}

bool AuxiliarComprobantes::abierto(const ado::Recordset &rs)
{
    return rs.State() != ado::adStateClosed;
}

int AuxiliarComprobantes::politica(const rt::RuntimeError &error)
{
    ++m_fallos;
    return error.Number == rt::err::AdoEFail ? 0 : rt::AnswerIgnore;
}

void AuxiliarComprobantes::ejecutar(const QString &sql)
{
    m_pasos.step([&] { m_db.EjecutaConsultaSQL(sql); });
    // The connection keeps a failed statement's errors instead of raising them.
    if (m_db.gCnn.Errors().Count() > 0)
        ++m_fallos;
}

void AuxiliarComprobantes::campo(const QString &nombre, const std::function<QString()> &valor)
{
    m_pasos.step([&] { FilaCampos.append({nombre, valor()}); });
}

void AuxiliarComprobantes::camposClave(const QString &tipo)
{
    FilaCampos.clear();
    FilaCampos.append({QStringLiteral("Usuario"), SC::texto(m_cpte.clave.usuario)});
    FilaCampos.append({QStringLiteral("TC"), SC::texto(m_cpte.clave.tc)});
    FilaCampos.append({QStringLiteral("IdComprobante"), SC::texto(m_cpte.clave.idComprobante)});
    FilaCampos.append({QStringLiteral("IdComplemento"), m_cpte.clave.complemento});
    FilaCampos.append({QStringLiteral("Tipo"), SC::texto(tipo)});
}

bool AuxiliarComprobantes::insertarFila()
{
    QString insert = QStringLiteral("INSERT INTO AUX_MV_CPTE ");
    ArmarInsert(insert, FilaCampos, true);
    ejecutar(insert);
    return m_db.gCnn.Errors().Count() == 0;
}

QString AuxiliarComprobantes::ajuste(const QString &clave)
{
    const auto guardado = m_ajustes.constFind(clave);
    if (guardado != m_ajustes.constEnd())
        return *guardado;
    const QString valor = Cfg(clave);
    m_ajustes.insert(clave, valor);
    return valor;
}

bool AuxiliarComprobantes::ajusteSi(const QString &clave)
{
    return ajuste(clave).trimmed().compare(QLatin1String("SI"), Qt::CaseInsensitive) == 0;
}

QString AuxiliarComprobantes::valor(ado::Recordset &rs, const QString &campo)
{
    return gUtil->ValorCampo(rs.Fields(campo));
}

bool AuxiliarComprobantes::claveValida(const QString &clave)
{
    if (clave.size() <= LargoClaveEquipo)
        return true;
    // The reports select the rows with the workstation identity cut to the column: a longer
    // key would give an empty print without a word.
    ui::MsgBox(QStringLiteral("La identificación del equipo \"%1\" tiene %2 caracteres y las tablas de impresión "
                              "admiten %3: no se pueden preparar los comprobantes para imprimir.")
                   .arg(clave)
                   .arg(clave.size())
                   .arg(LargoClaveEquipo),
               ui::vbExclamation, QStringLiteral("Aviso al operador"));
    return false;
}

void AuxiliarComprobantes::generar(QString &TC, const Pedido &pedido)
{
    m_fallos = 0;
    m_usuario = gEquipo->NombreEquipo() + QLatin1Char('|') + gEquipo->UsuarioEquipo();
    if (!claveValida(m_usuario))
        return;
    m_idTarea = pedido.IdTarea;
    m_altoTitulo = pedido.AltoTitulo;
    m_sinImportesOT = ajusteSi(QStringLiteral("NoMostrarImportesEnOT"));
    QString grupoLogo = QStringLiteral("PrintLogo_Otros");
    if (EsTipo(TC, {"FC", "NC", "ND", "FCE"}))
        grupoLogo = QStringLiteral("PrintLogo_FC_NC_ND");
    else if (EsTipo(TC, {"FP", "NCFP"}))
        grupoLogo = QStringLiteral("PrintLogo_Proforma");
    m_logo = QStringLiteral("NO");
    if (ajusteSi(grupoLogo))
        m_logo = ajusteSi(QStringLiteral("FORMULARIOS_LOGO_IZQUIERDA")) ? QStringLiteral("IZ") : QStringLiteral("CE");
    TC = gUtil->FormatoCodigo(TC, 4);

    ado::Recordset rs;
    rt::runRoutine([&] {
        bool todo = false;
        const QString filtro = filtroSeleccion(TC, pedido, todo);
        m_pasos.step([&] { m_db.AbrirRecordset(SC::comprobantes(filtro), rs); });
        if (!pedido.ConservarFilas)
            ejecutar(SC::borrarFilasEquipo(m_usuario));
        if (!abierto(rs) || rs.BOF())
            return;
        bool primero = true;
        for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) {
            // With an ID list of any type each voucher is printed as its own type.
            const QString tc = todo ? gUtil->FormatoCodigo(valor(rs, QStringLiteral("TC")), 4) : TC;
            if (todo && primero)
                TC = tc;
            primero = false;
            procesarComprobante(rs, tc);
        }
    });
    FilaCampos.clear();
    m_db.CierraRecordset(rs);
}

QString AuxiliarComprobantes::filtroSeleccion(QString &TC, const Pedido &pedido, bool &todo)
{
    todo = false;
    if (!pedido.ListaIdComprobante.isEmpty())
        return SC::filtroLista(TC, pedido.ListaIdComprobante);
    if (!pedido.ListaId.trimmed().isEmpty() && EsTipo(TC, {"Todo"})) {
        todo = true;
        return SC::filtroIds(pedido.ListaId);
    }
    if (!pedido.ListaId.trimmed().isEmpty())
        return SC::filtroIdsDelTipo(TC, pedido.ListaId);
    const QString desde = (pedido.SucursalDesde + pedido.NumeroDesde + pedido.LetraDesde).trimmed();
    const QString hasta = (pedido.SucursalHasta + pedido.NumeroHasta + pedido.LetraHasta).trimmed();
    return SC::filtroRango(TC, desde, rt::Val(pedido.IdComplementoDesde), hasta, rt::Val(pedido.IdComplementoHasta));
}

void AuxiliarComprobantes::procesarComprobante(ado::Recordset &rs, const QString &tc)
{
    // Without its key and values no step of the voucher can write its rows.
    if (rt::runRoutine([&] { datosComprobante(rs, tc); }))
        pasosComprobante(rs);
}

void AuxiliarComprobantes::datosComprobante(ado::Recordset &rs, const QString &tc)
{
    m_cpte = Comprobante{};
    const QString id = valor(rs, QStringLiteral("IdComprobante")).trimmed();
    m_cpte.sucursal = rt::Mid(id, 1, 4);
    m_cpte.numero = rt::Mid(id, 5, 8);
    m_cpte.letra = rt::Mid(id, 13, 1);
    m_cpte.clave = {m_usuario, tc, m_cpte.sucursal + m_cpte.numero + m_cpte.letra,
                    QString::number(static_cast<qint64>(rt::Val(valor(rs, QStringLiteral("IdComplemento")))))};
    m_cpte.filtro = SC::filtroComprobante(tc, m_cpte.clave.idComprobante, m_cpte.clave.complemento);
    m_pasos.step([&] {
        m_cpte.cae = rt::CStr(m_db.DatosTabla(QStringLiteral("V_MV_CPTE_ELECTRONICOS"), id, QStringLiteral("CAE"),
                                              QStringLiteral("IDCOMPROBANTE"), 8, SC::condicionElectronico(tc, id)))
                         .trimmed();
    });
    m_cpte.moneda = valor(rs, QStringLiteral("Moneda")).trimmed();
    if (m_cpte.moneda.isEmpty())
        m_cpte.moneda = QStringLiteral("1");
    // Codes 0 and 1 are the local currency, as in the amount in words.
    m_pasos.step([&] { m_cpte.monedaExtranjera = gUtil->ValorNumerico(m_cpte.moneda) > rt::Currency::fromRaw(10000); });
    m_pasos.step([&] {
        const QString importe = valor(rs, QStringLiteral("Importe"));
        QString palabra = QStringLiteral("Pesos");
        if (m_cpte.monedaExtranjera)
            palabra = rt::CStr(m_db.DatosTabla(QStringLiteral("ta_monedas"), gUtil->FormatoCodigo(m_cpte.moneda, 4),
                                               QStringLiteral("Descripcion")));
        m_cpte.importeEnLetras = ImporteEnLetras(importe, std::nullopt, palabra, QStringLiteral("Centavos"));
    });
}

void AuxiliarComprobantes::pasosComprobante(ado::Recordset &rs)
{
    const bool completo = m_idTarea.isEmpty();
    if (completo)
        rt::runRoutine([&] { AgregarFilaEncabezado(); });
    rt::runRoutine([&] { AgregarFilaQR(rs); });
    rt::runRoutine([&] { AgregarFilasTareas(); });
    if (completo)
        rt::runRoutine([&] { AgregarFilasInsumos(); });
    if (EsTipo(m_cpte.clave.tc, {"RM"}) && ajusteSi(QStringLiteral("RETAIL")))
        rt::runRoutine([&] { AgregarFilasPendientesNP(rs); });
    if (completo) {
        rt::runRoutine([&] { AgregarFilasOtrosConceptos(); });
        rt::runRoutine([&] { AgregarFilaPie(); });
    }
    rt::runRoutine([&] { ActualizarImporteEnLetras(); });
    if (completo)
        rt::runRoutine([&] { ActualizarEncabezado(); });
    rt::runRoutine([&] { ActualizarFormaDePago(rs); });
}

QString AuxiliarComprobantes::primeraObservacion(const QString &tipo, bool &hay)
{
    ado::Recordset rs;
    QString texto;
    hay = false;
    m_pasos.step([&] { m_db.AbrirRecordset(SC::observaciones(m_cpte.filtro, tipo), rs); });
    m_pasos.step([&] {
        if (abierto(rs) && !rs.EOF_()) {
            texto = valor(rs, QStringLiteral("Observacion"));
            hay = true;
        }
    });
    m_db.CierraRecordset(rs);
    return texto;
}

void AuxiliarComprobantes::AgregarFilaEncabezado()
{
    bool hay = false;
    const QString texto = primeraObservacion(QStringLiteral("EN"), hay);
    ejecutar(SC::insertarEncabezado(m_cpte.clave, hay ? texto : QStringLiteral(".")));
}

void AuxiliarComprobantes::AgregarFilaPie()
{
    bool hay = false;
    const QString texto = primeraObservacion(QStringLiteral("PP"), hay);
    if (hay)
        ejecutar(SC::insertarPie(m_cpte.clave, texto));
}

void AuxiliarComprobantes::ActualizarImporteEnLetras()
{
    ejecutar(SC::actualizarImporteEnLetras(m_cpte.clave, m_cpte.importeEnLetras));
}

void AuxiliarComprobantes::ActualizarEncabezado()
{
    bool hay = false;
    const QString texto = primeraObservacion(QStringLiteral("EN"), hay);
    ejecutar(SC::actualizarEncabezado(m_cpte.clave, hay ? texto : QStringLiteral(".")));
}

void AuxiliarComprobantes::ActualizarFormaDePago(ado::Recordset &rs)
{
    QString unidad;
    m_pasos.step([&] { unidad = valor(rs, QStringLiteral("UNegocio")).trimmed(); });
    if (unidad.isEmpty())
        return;
    QString texto;
    m_pasos.step([&] {
        const QString clave = QStringLiteral("FormaDePago_UN_") + unidad;
        const QString aparte = QStringLiteral("aux:") + clave;
        if (!m_ajustes.contains(aparte))
            m_ajustes.insert(aparte, CfgAux(clave));
        // Cut to the column and never padded: the blanks would be printed.
        texto = rt::RTrim(gUtil->TextoSQL(m_ajustes.value(aparte).trimmed(), 250));
    });
    if (!texto.isEmpty())
        ejecutar(SC::actualizarFormaDePago(m_cpte.clave, texto));
}

void AuxiliarComprobantes::AgregarTituloSeccion()
{
    // Below two rows the block is the title alone, whatever the sign of the height.
    const int medio = m_altoTitulo < 2 ? 0 : m_altoTitulo / 2;
    int i = 0;
    do {
        if (i == medio)
            ejecutar(SC::insertarTitulo(m_cpte.clave, m_tituloSeccion));
        else
            rt::runRoutine([&] { AgregarFilaBlanco(); });
        ++i;
    } while (i < m_altoTitulo);
}

void AuxiliarComprobantes::AgregarFilaBlanco()
{
    ejecutar(SC::insertarBlanco(m_cpte.clave));
}
