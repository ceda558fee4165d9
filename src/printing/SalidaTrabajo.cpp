#include "printing/SalidaTrabajo.h"

#include "core/Configuracion.h"
#include "db/DB_Dll.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"
#include "printdata/vouchers/RutasArchivo.h"
#include "printing/AvisosArchivos.h"
#include "printing/Comandera.h"
#include "printing/ObjetoImpresion.h"
#include "printing/TextosImpresion.h"
#include "session/ObjetosExternos.h"

namespace {

using TextosImpresion::es;
using TextosImpresion::sinNombreDeArchivo;

bool contiene(const QString &texto, const QString &parte)
{
    return texto.contains(parte, Qt::CaseInsensitive);
}

const std::initializer_list<const char *> Compras = {"RMC", "OC", "FCC", "NCCP", "NCC", "LNCC", "NDC", "LNDC", "FPC"};
const std::initializer_list<const char *> ReportesPropios = {"RETIGAN", "RETIBR", "RETIVA", "RETSUSS", "STK5CLIENTE"};

// A printer text "name|port": a text without "|" is the printer's name alone.
QPair<QString, QString> partesImpresora(const QString &texto)
{
    if (rt::Trim(texto).isEmpty())
        return {};
    const qsizetype barra = texto.indexOf(QLatin1Char('|'));
    if (barra < 0)
        return {rt::Trim(texto), QString()};
    return {rt::Trim(texto.left(barra)), rt::Trim(texto.mid(barra + 1))};
}

QString nombreCopia(int n)
{
    return n == 1 ? QStringLiteral("ORIGINAL") : n == 2 ? QStringLiteral("DUPLICADO") : QStringLiteral("TRIPLICADO");
}

QString listaCondicion(const QString &lista, const QString &columna)
{
    QStringList partes;
    for (const QString &elemento : lista.split(QLatin1Char(','))) {
        if (!rt::Trim(elemento).isEmpty())
            partes << QLatin1Char(' ') + columna + QStringLiteral("='") + gUtil->FormatoCodigo(rt::Trim(elemento), 4)
                          + QLatin1Char('\'');
    }
    return partes.isEmpty() ? QString()
                            : QStringLiteral(" (") + partes.join(QStringLiteral(" or ")) + QStringLiteral(") ");
}

} // namespace

SalidaTrabajo::SalidaTrabajo(DB_Dll &base, ObjetoImpresion &objeto, Comandera *comandera, const RutasArchivo &rutas,
                             AvisosArchivos &avisos, const QString &carpetaReportes, const QString &conexion)
    : m_base(base)
    , m_objeto(objeto)
    , m_comandera(comandera)
    , m_rutas(rutas)
    , m_avisos(avisos)
    , m_carpeta(gUtil->AgregarBarra(carpetaReportes))
    , m_conexion(conexion)
{
}

bool SalidaTrabajo::esDestino(int codigo) const
{
    return m_objeto.DestinoReporte() == codigo;
}

bool SalidaTrabajo::imprimir(TrabajoComprobante &trabajo, const rt::StepRunner &pasos)
{
    m_trabajo = &trabajo;
    const auto seguir = [&](const Paso &paso) { return pasos.run(paso) == rt::StepResult::Continue; };
    const std::initializer_list<Paso> previos = {
        [this] { m_objeto.AsignarFormulas(m_trabajo->Formulas); },
        [this] { destino(); },
        [this] {
            if (esDestino(m_objeto.DestinoImpresora()))
                impresoraDeTexto(m_trabajo->Impresora);
        },
        [this] {
            // A count below one is a mistyped setting, not a request to print nothing.
            if (m_trabajo->Copias < 1)
                m_trabajo->Copias = 1;
        },
    };
    for (const Paso &paso : previos) {
        if (!seguir(paso))
            return false;
    }
    const QString modo = m_trabajo->DestinoDefault;
    if (!es(modo, {"Selectivo", "Controlador Fiscal:"})) {
        if (contiene(modo, QStringLiteral("Comandera"))) {
            if (!seguir([this] { comandera(); }))
                return false;
        } else if (es(trabajo.pedido.Formulario, {"", "Todos"})) {
            if (!copias(pasos))
                return false;
        } else if (!seguir([this] { unArchivo(); })) {
            return false;
        }
    }
    return seguir([this] { m_objeto.Terminar(30); });
}

void SalidaTrabajo::destino()
{
    int &destino = m_trabajo->Destino;
    if (destino == -1) {
        const QString texto = m_trabajo->DestinoDefault;
        if (es(texto, {"Pantalla", "Ninguno"}))
            destino = m_objeto.DestinoPantalla();
        else if (es(texto, {"Impresora"}))
            destino = m_objeto.DestinoImpresora();
        else if (es(texto, {"E-M@ail"}))
            destino = m_objeto.DestinoCorreo();
        else
            destino = 0;
    }
    m_objeto.setDestinoReporte(destino);
}

void SalidaTrabajo::impresoraDeTexto(const QString &texto)
{
    const auto [nombre, puerto] = partesImpresora(texto);
    m_objeto.setNombreImpresora(nombre);
    m_objeto.setControladorImpresora(nombre);
    m_objeto.setPuertoImpresora(puerto);
}

void SalidaTrabajo::comandera()
{
    if (!m_comandera)
        throw rt::RuntimeError(rt::err::InvalidProcedureCall,
                               QStringLiteral("Este equipo no tiene instalada la impresión de comandas"),
                               QStringLiteral("ImprimirComprobante"));
    const QString tc = m_trabajo->pedido.TC;
    const bool cocina = es(tc, {"PECO"});
    const bool barra = es(tc, {"PEBA", "PEBR"});
    const bool pedido = rt::Left(rt::Trim(tc), 2).compare(QLatin1String("PE"), Qt::CaseInsensitive) == 0;
    m_comandera->ImprimeEnComandera(pedido ? QStringLiteral("PE") : tc, m_trabajo->pedido.IdComprobante,
                                    m_trabajo->DestinoDefault, cocina, barra);
}

void SalidaTrabajo::avisarFaltante(const QString &formulario)
{
    if (m_avisos.primeraVez(formulario))
        ui::MsgBox(QStringLiteral("No se encuentra el Formulario ") + formulario, ui::vbInformation,
                   QStringLiteral("Atención"));
}

bool SalidaTrabajo::existe(QString &formulario)
{
    // A form without a file name stands for the report itself, found in the report folder.
    if (sinNombreDeArchivo(formulario)) {
        const QString reporte = rt::Trim(m_trabajo->Reporte);
        formulario = (TextosImpresion::absoluta(reporte) ? QString() : m_carpeta) + reporte;
        if (!formulario.endsWith(QLatin1String(".rpt"), Qt::CaseInsensitive))
            formulario += QStringLiteral(".rpt");
    }
    if (m_rutas.existe(formulario)) {
        formulario = m_rutas.local(formulario);
        return true;
    }
    avisarFaltante(formulario);
    return false;
}

LlamadaReporte SalidaTrabajo::llamada(const QString &reporte) const
{
    LlamadaReporte l;
    l.reporte = reporte;
    l.ordenCampos = m_trabajo->OrdenCampos;
    l.seleccion = m_trabajo->Seleccion;
    l.conexion = m_conexion;
    return l;
}

bool SalidaTrabajo::copias(const rt::StepRunner &pasos)
{
    QString anterior;
    for (int n = 1; n <= m_trabajo->Copias; ++n) {
        if (pasos.run([&] { copia(n, anterior); }) == rt::StepResult::Leave)
            return false;
    }
    return true;
}

void SalidaTrabajo::copia(int n, QString &anterior)
{
    TrabajoComprobante &t = *m_trabajo;
    const QString tc = t.pedido.TC;
    if (esDestino(m_objeto.DestinoImpresora()))
        impresoraDeTexto(t.Impresora);
    QString formulario = t.Archivos[std::min(n, 4) - 1];
    const QString elegido = formulario;
    if (es(tc, {"T3", "LQ"})) {
        if (existe(formulario)) {
            LlamadaReporte l = llamada(formulario);
            l.formulas = formulasTerceros();
            m_objeto.ImprimirReporte(l);
        }
        anterior = elegido;
        return;
    }
    if (!existe(formulario))
        return;
    if (esDestino(m_objeto.DestinoPantalla()) && !anterior.isEmpty() && anterior == elegido)
        return;
    anterior = elegido;
    if (es(tc, Compras)) {
        LlamadaReporte l = llamada(formulario);
        l.subReporte = QStringLiteral("RP_CPTESER");
        l.subReporte2 = QStringLiteral("RP_CpteObs");
        m_objeto.ImprimirReporte(l);
    } else if (es(t.Reporte, ReportesPropios)) {
        m_objeto.ImprimirReporte(llamada(t.Reporte));
    } else if (es(tc, {"OPG", "PG"})) {
        LlamadaReporte l = llamada(formulario);
        if (es(Cfg(QStringLiteral("ImpresionPagosConSubReporte")), {"SI"}))
            l.subReporte = QStringLiteral("OPGSR");
        m_objeto.ImprimirReporte(l);
    } else if (es(tc, {"OP"})) {
        LlamadaReporte l = llamada(formulario);
        l.subReporte = QStringLiteral("opSub");
        m_objeto.ImprimirReporte(l);
    } else {
        const QString nombre = nombreCopia(n);
        LlamadaReporte l = llamada(formulario);
        if (t.Electronico) {
            l.formulas = formulasElectronicas(nombre);
        } else {
            l.formulas[3] = QStringLiteral("Encabezado = '") + nombre + QLatin1Char('\'');
        }
        m_objeto.ImprimirReporte(l);
        if (es(tc, {"NP"}))
            seccionesPedido(formulario, nombre);
    }
}

std::array<QString, 5> SalidaTrabajo::formulasTerceros() const
{
    const TrabajoComprobante &t = *m_trabajo;
    return {QStringLiteral("Empresa='") + Cfg(QStringLiteral("Nombre")) + QLatin1Char('\''), t.Direccion, t.Localidad,
            t.CodigoPostal, t.Telefono};
}

std::array<QString, 5> SalidaTrabajo::formulasElectronicas(const QString &nombreCopia) const
{
    const TrabajoComprobante &t = *m_trabajo;
    const auto c = [](const char *clave) { return rt::Trim(Cfg(QLatin1String(clave))); };
    const QString domicilio = c("CALLE") + QLatin1Char(' ') + c("NUMERO") + QStringLiteral(" (") + c("CPOSTAL")
                              + QStringLiteral(") ") + c("Localidad") + QStringLiteral(" - ") + c("PROVINCIA")
                              + QStringLiteral(" Tel:") + c("TELEFONO");
    return {QStringLiteral("NombreEmpresa='") + t.Empresa + QLatin1Char('\''),
            QStringLiteral("Localidad='Ingresos Brutos: ") + t.IngresosBrutos + QLatin1Char('\''),
            QStringLiteral("Direccion='Inicio de Actividades: ") + t.InicioActividades + QLatin1Char('\''),
            QStringLiteral("Encabezado='") + domicilio + QLatin1Char('\''),
            QStringLiteral("CodigoPostal='") + nombreCopia + QLatin1Char('\'')};
}

void SalidaTrabajo::unArchivo()
{
    TrabajoComprobante &t = *m_trabajo;
    QString formulario = t.pedido.Formulario;
    if (!existe(formulario))
        return;
    LlamadaReporte l = llamada(formulario);
    if (es(t.pedido.TC, {"T3", "LQ"})) {
        l.formulas = formulasTerceros();
    } else if (es(t.pedido.TC, Compras)) {
        l.subReporte = QStringLiteral("RP_CPTESER");
        l.subReporte2 = QStringLiteral("RP_CpteObs");
    } else if (es(t.Reporte, ReportesPropios)) {
        l.reporte = t.Reporte;
    } else if (t.Electronico) {
        l.formulas = formulasElectronicas(QString());
    }
    m_objeto.ImprimirReporte(l);
}

void SalidaTrabajo::seccionesPedido(const QString &formulario, const QString &nombreCopia)
{
    const TrabajoComprobante &t = *m_trabajo;
    ado::Recordset secciones;
    m_base.AbrirRecordset(QStringLiteral("SELECT * FROM TA_CONFIGURACION WHERE CLAVE LIKE 'NPS_IMPRESION_%'"),
                          secciones);
    for (; secciones.State() == ado::adStateOpen && !secciones.EOF_(); secciones.MoveNext()) {
        const QString auxiliar = rt::Trim(gUtil->ValorCampo(secciones.Fields(QStringLiteral("ValorAux"))));
        const qsizetype barra = auxiliar.indexOf(QLatin1Char('|'));
        if (auxiliar.isEmpty() || barra < 0)
            continue;
        QString condicion = listaCondicion(auxiliar.left(barra), QStringLiteral("idrubro"));
        const QString unidades = listaCondicion(auxiliar.mid(barra + 1), QStringLiteral("unegocio"));
        if (!rt::Trim(unidades).isEmpty())
            condicion = rt::Trim(condicion).isEmpty()
                            ? unidades
                            : condicion + QStringLiteral(" and (") + unidades + QStringLiteral(") ");
        if (rt::Trim(condicion).isEmpty())
            continue;
        ado::Recordset articulos;
        m_base.AbrirRecordset(
            QStringLiteral("SELECT a.TC,a.IDCOMPROBANTE,a.unegocio,b.IDARTICULO,b.descripcion, c.idrubro  from "
                           "V_MV_Cpte a LEFT JOIN V_MV_CpteInsumos b on a.TC=b.TC and a.IDCOMPROBANTE = "
                           "b.IDCOMPROBANTE and a.IDCOMPLEMENTO = b.IDCOMPLEMENTO  LEFT JOIN V_MA_ARTICULOS c ON "
                           "b.IDARTICULO=c.IDARTICULO WHERE a.TC=")
                + m_base.literal(t.pedido.TC) + QStringLiteral(" and a.IDCOMPROBANTE=")
                + m_base.literal(t.pedido.IdComprobante) + QStringLiteral("  and ") + condicion,
            articulos);
        // Every matched article's lines, read from the column the work rows keep the article in.
        QStringList lineas;
        for (; articulos.State() == ado::adStateOpen && !articulos.EOF_(); articulos.MoveNext()) {
            const QString articulo = rt::Trim(gUtil->ValorCampo(articulos.Fields(QStringLiteral("IdArticulo"))));
            if (articulo.isEmpty())
                continue;
            lineas << QStringLiteral("{AUX_MV_CPTE.COLUMNA1}='")
                          + QString(articulo).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
        }
        m_base.CierraRecordset(articulos);
        if (lineas.isEmpty())
            continue;
        impresoraDeTexto(gUtil->ValorCampo(secciones.Fields(QStringLiteral("Valor"))));
        LlamadaReporte l = llamada(formulario);
        const QString articulosCondicion = QLatin1Char('(') + lineas.join(QStringLiteral(" OR ")) + QLatin1Char(')');
        l.seleccion = rt::Trim(t.Seleccion).isEmpty() ? articulosCondicion
                                                      : t.Seleccion + QStringLiteral(" AND ") + articulosCondicion;
        l.formulas[3] = QStringLiteral("Encabezado = '") + nombreCopia + QLatin1Char('\'');
        m_objeto.ImprimirReporte(l);
    }
    m_base.CierraRecordset(secciones);
}
