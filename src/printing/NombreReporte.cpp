#include "printing/NombreReporte.h"

#include "core/Configuracion.h"
#include "db/DB_Dll.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"
#include "printing/SentenciasImpresion.h"
#include "printing/TextosImpresion.h"
#include "session/ModError.h"
#include "session/ObjetosExternos.h"

namespace {

const QString FechaInicioQR = QStringLiteral("01/03/2021");

bool igual(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A folder of the settings or the units table: a relative one lies in the report folder.
QString enCarpeta(const QString &carpeta, const QString &base)
{
    const QString texto = rt::Trim(carpeta);
    return gUtil->AgregarBarra(TextosImpresion::absoluta(texto) ? texto : base + texto);
}

bool conFila(const ado::Recordset &rs)
{
    return rs.State() == ado::adStateOpen && !rs.EOF_();
}

// The voucher type of a report name such as FC-A; "" for a name without a dash.
QString tipoDelNombre(const QString &nombre)
{
    const int guion = rt::InStr(nombre, QStringLiteral("-"));
    return guion > 0 ? rt::Left(nombre, guion - 1) : QString();
}

// EEFC-E, EENC-E and EEND-E are the reports FC-E, NC-E and ND-E.
void quitarDobleElectronico(QString &nombre)
{
    for (const char *doble : {"EEFC-E", "EENC-E", "EEND-E"}) {
        if (igual(nombre, QLatin1String(doble)))
            nombre = rt::Mid(nombre, 3);
    }
}

QString claveEquipo()
{
    return gEquipo->NombreEquipo() + QLatin1Char('|') + gEquipo->UsuarioEquipo();
}

bool usaFacturaElectronica(const QString &valor)
{
    const QString texto = rt::Trim(valor);
    return texto == u"1" || igual(texto, QStringLiteral("true")) || igual(texto, QStringLiteral("verdadero"))
           || texto == u"-1";
}

} // namespace

EleccionReporte::EleccionReporte(DB_Dll &base, const QString &carpetaAplicacion, const RutasArchivo &rutas,
                                 AvisosArchivos &avisos)
    : m_base(base)
    , m_carpeta(gUtil->AgregarBarra(carpetaAplicacion))
    , m_rutas(rutas)
    , m_avisos(avisos)
{
}

struct EleccionReporte::Busqueda {
    QString &nombre;
    ArchivosReporte &archivos;
    const QString &idComprobante;
    QString tipo{};
    QString plano{};
    QString resultado{};
    bool electronico = false;
    rt::Variant fecha{};
    bool primeraFila = false;
    bool encontrado = false;
    ado::Recordset reportes{};
};

QString EleccionReporte::campo(ado::Recordset &rs, const QString &nombre) const
{
    return gUtil->ValorCampo(rs.Fields(nombre));
}

QString EleccionReporte::NombreReporte(QString &Nombre, const QString &ClaveEquipo, ArchivosReporte &Archivos,
                                       const QString &IdComprobante)
{
    const rt::StepRunner pasos([](const rt::RuntimeError &error) {
        return MostrarError(error, std::nullopt, QStringLiteral("NombreReporte$"));
    });
    Busqueda b{Nombre, Archivos, IdComprobante};
    // An answer that leaves returns the file chosen so far.
    rt::runRoutine([&] {
        pasos.step([&] { b.tipo = tipoDelNombre(Nombre); });
        pasos.step([&] { leerElectronico(b); });
        pasos.step([&] { quitarDobleElectronico(Nombre); });
        b.plano = Nombre;
        pasos.step([&] {
            if (rt::Trim(ClaveEquipo).isEmpty())
                Nombre = claveEquipo() + QLatin1Char('|') + Nombre;
        });
        buscarEnTabla(b, pasos);
        pasos.step([&] { remitoR(b); });
        if (b.electronico)
            pasos.step([&] { formularioElectronico(b); });
    });
    rt::resumeNext([&] { m_base.CierraRecordset(b.reportes); });
    return b.resultado;
}

void EleccionReporte::leerElectronico(Busqueda &b)
{
    ado::Recordset rs;
    m_base.AbrirRecordset(SentenciasImpresion::comprobanteElectronico(b.tipo, b.idComprobante), rs);
    if (conFila(rs)) {
        b.electronico = true;
        b.fecha = rs.Fields(QStringLiteral("Fecha_CPTE")).Value();
    }
    m_base.CierraRecordset(rs);
}

// This workstation's row first; then the row for every workstation, the payment orders'
// settlement form, or the forms of the report folder.
void EleccionReporte::buscarEnTabla(Busqueda &b, const rt::StepRunner &pasos)
{
    pasos.step([&] { b.primeraFila = b.encontrado = buscar(b, b.nombre); });
    if (b.primeraFila) {
        pasos.step([&] { filaCompleta(b); });
        return;
    }
    pasos.step([&] { b.encontrado = buscar(b, b.plano); });
    if (b.encontrado) {
        pasos.step([&] { filaGeneral(b); });
        return;
    }
    pasos.step([&] { liquidacionPagos(b); });
    if (!b.encontrado)
        pasos.step([&] { formulariosPorDefecto(b); });
}

bool EleccionReporte::buscar(Busqueda &b, const QString &nombre)
{
    m_base.AbrirRecordset(SentenciasImpresion::reportePorNombre(nombre), b.reportes);
    return conFila(b.reportes);
}

void EleccionReporte::filaCompleta(Busqueda &b)
{
    QString archivo = campo(b.reportes, QStringLiteral("Archivo"));
    b.resultado = VerificarArchivoReporte(archivo, b.plano);
    for (int k = 1; k <= 4; ++k) {
        QString otro =
            campo(b.reportes, k == 1 ? QStringLiteral("Archivo") : QStringLiteral("Archivo") + QString::number(k));
        b.archivos[k - 1] = VerificarArchivoReporte(otro, b.plano);
    }
}

void EleccionReporte::filaGeneral(Busqueda &b)
{
    QString archivo = campo(b.reportes, QStringLiteral("Archivo"));
    b.resultado = VerificarArchivoReporte(archivo, b.plano);
    b.archivos[0] = b.resultado;
    for (int k = 2; k <= 4; ++k) {
        QString otro = campo(b.reportes, QStringLiteral("Archivo") + QString::number(k));
        b.archivos[k - 1] = otro.isEmpty() ? b.archivos[k - 2] : VerificarArchivoReporte(otro, b.plano);
    }
}

void EleccionReporte::liquidacionPagos(Busqueda &b)
{
    if (!igual(b.plano, QStringLiteral("LiqOpg")))
        return;
    m_base.AbrirRecordset(SentenciasImpresion::reportesLiquidacionPagos(), b.reportes);
    if (conFila(b.reportes)) {
        b.encontrado = true;
        filaCompleta(b);
    }
}

void EleccionReporte::formulariosPorDefecto(Busqueda &b)
{
    QString vacio;
    b.resultado = VerificarArchivoReporte(vacio, b.plano);
    for (QString &archivo : b.archivos) {
        vacio.clear();
        archivo = VerificarArchivoReporte(vacio, b.plano);
    }
}

// A delivery note of letter R prints RM-R.rpt of its business unit's folder, or else of the
// electronic forms' folder, when the file is there.
void EleccionReporte::remitoR(Busqueda &b)
{
    if (!igual(rt::Trim(b.tipo), QStringLiteral("RM")) || !igual(rt::Right(b.idComprobante, 1), QStringLiteral("R")))
        return;
    const QString unidad = rt::CStr(m_base.DatosTabla(QStringLiteral("V_MV_CPTE"), b.idComprobante,
                                                      QStringLiteral("UNEGOCIO"), QStringLiteral("IDCOMPROBANTE"), 8,
                                                      SentenciasImpresion::condicionRemito(b.idComprobante)));
    if (rt::Trim(unidad).isEmpty())
        return;
    ado::Recordset rs;
    m_base.AbrirRecordset(SentenciasImpresion::unidadPorCodigo(gUtil->FormatoCodigo(unidad, 4)), rs);
    const QString ruta = conFila(rs) ? rt::Trim(campo(rs, QStringLiteral("ruta_reporte"))) : QString();
    m_base.CierraRecordset(rs);
    const QString remitoR = QStringLiteral("RM-R.rpt");
    if (!ruta.isEmpty()) {
        const QString archivo = enCarpeta(ruta, m_carpeta) + remitoR;
        if (m_rutas.existe(archivo))
            b.archivos.fill(m_rutas.local(archivo));
        return;
    }
    const QString carpeta = rt::Trim(Cfg(QStringLiteral("RUTA_FORMULARIOS_EFACTURA")));
    const QString archivo = enCarpeta(carpeta, m_carpeta) + remitoR;
    if (!carpeta.isEmpty() && m_rutas.existe(archivo)) {
        b.resultado = m_rutas.local(archivo);
        b.archivos.fill(b.resultado);
    }
}

// An electronic voucher prints e<name>.RPT of the electronic forms' folder, or its _SINQR form
// when it was issued before the QR began.
void EleccionReporte::formularioElectronico(Busqueda &b)
{
    QString inicio = rt::Trim(Cfg(QStringLiteral("FechaInicioeFacQR")));
    if (inicio.isEmpty())
        inicio = FechaInicioQR;
    const QString carpeta = carpetaElectronica(b);
    if (carpeta.isEmpty())
        return;
    QString archivo = enCarpeta(carpeta, m_carpeta) + QLatin1Char('e') + b.plano + QStringLiteral(".RPT");
    if (rt::CDate(inicio) > rt::CDate(b.fecha))
        archivo = rt::Replace(archivo, QStringLiteral(".RPT"), QStringLiteral("_SINQR.RPT"), rt::CompareMode::Text);
    b.resultado = VerificarArchivoReporte(archivo, b.plano);
    b.archivos.fill(b.resultado);
}

QString EleccionReporte::carpetaElectronica(const Busqueda &b)
{
    const auto configurada = [] { return rt::Trim(Cfg(QStringLiteral("RUTA_FORMULARIOS_EFACTURA"))); };
    if (rt::Trim(b.idComprobante).isEmpty())
        return configurada();
    QString carpeta;
    ado::Recordset rs;
    m_base.AbrirRecordset(SentenciasImpresion::unidadPorPuntoDeVenta(rt::Left(b.idComprobante, 4)), rs);
    if (conFila(rs)) {
        const QString ruta = rt::Trim(campo(rs, QStringLiteral("ruta_reporte")));
        carpeta = usaFacturaElectronica(campo(rs, QStringLiteral("usaefc"))) && !ruta.isEmpty() ? ruta : configurada();
    } else if (!b.primeraFila) {
        carpeta = configurada();
    }
    m_base.CierraRecordset(rs);
    return carpeta;
}

QString EleccionReporte::formularioCompras(const QString &tipo)
{
    const QString sistema = rt::CStr(m_base.DatosTabla(QStringLiteral("V_TA_CPTE"), tipo, QStringLiteral("SISTEMA"),
                                                       QStringLiteral("Codigo"), 8, QString(), true, false));
    return igual(sistema, QStringLiteral("Compras")) ? m_carpeta + QStringLiteral("CpteCompras.RPT") : QString();
}

QString EleccionReporte::alternativa(const QString &Nombre)
{
    for (int largo = 4; largo <= 6; ++largo) {
        if (rt::Len(Nombre) == largo && rt::Mid(Nombre, largo - 1, 1) == u"-") {
            const QString archivo = m_carpeta + rt::Left(Nombre, largo - 2) + QStringLiteral(".RPT");
            return m_rutas.existe(archivo) ? archivo : QString();
        }
    }
    return formularioCompras(Nombre);
}

QString EleccionReporte::VerificarArchivoReporte(QString &Archivo, const QString &Nombre)
{
    const QString formulario = m_carpeta + Nombre + QStringLiteral(".rpt");
    if (rt::Trim(Archivo).isEmpty()) {
        rt::resumeNext([&] { Archivo = formulario; });
        rt::resumeNext([&] {
            if (m_rutas.existe(Archivo))
                return;
            Archivo = alternativa(Nombre);
            if (Archivo.isEmpty()) {
                const int guion = rt::InStr(Nombre, QStringLiteral("-"));
                Archivo = formularioCompras(guion > 0 ? rt::Left(Nombre, guion - 1) : Nombre);
            }
        });
    }
    rt::resumeNext([&] {
        // A bare name or a relative path is a form of the report folder (the workstations ran
        // the program from there); an absolute path keeps its folder. Double quotes around the
        // name are not part of it.
        const QString texto = rt::Trim(QString(Archivo).remove(QLatin1Char('"')));
        const QString extension =
            igual(rt::Right(texto, 4), QStringLiteral(".RPT")) ? QString() : QStringLiteral(".rpt");
        if (texto.isEmpty())
            Archivo = formulario;
        else
            Archivo = (TextosImpresion::absoluta(texto) ? texto : m_carpeta + texto) + extension;
    });
    rt::resumeNext([&] {
        if (TextosImpresion::sinNombreDeArchivo(Archivo))
            Archivo = formulario;
        if (m_rutas.existe(Archivo)) {
            Archivo = m_rutas.local(Archivo);
            return;
        }
        if (m_avisos.primeraVez(Archivo))
            ui::MsgBox(QStringLiteral("No se encuentra el Archivo ") + Archivo + QStringLiteral(" (") + Nombre
                           + QStringLiteral(")") + QStringLiteral(" por favor verifique la configuración de Reportes")
                           + QStringLiteral("\r\n") + QStringLiteral(" Se tomara en su lugar el formulario ")
                           + formulario,
                       ui::vbCritical + ui::vbOKOnly, QStringLiteral("Aviso al Operador"));
        Archivo = m_rutas.local(formulario);
    });
    return Archivo;
}
