#include "printing/NombreReporte.h"

#include "core/Configuracion.h"
#include "db/DB_Dll.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"
#include "printing/TextosImpresion.h"
#include "session/ModError.h"
#include "session/ObjetosExternos.h"

#include <functional>

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

QString EleccionReporte::sql(const QString &valor) const
{
    return QString(valor).replace(QLatin1Char('\''), QStringLiteral("''"));
}

QString EleccionReporte::campo(ado::Recordset &rs, const QString &nombre) const
{
    return gUtil->ValorCampo(rs.Fields(nombre));
}

QString EleccionReporte::NombreReporte(QString &Nombre, const QString &ClaveEquipo, ArchivosReporte &Archivos,
                                       const QString &IdComprobante)
{
    QString resultado;
    const rt::StepRunner pasos([](const rt::RuntimeError &error) {
        return MostrarError(error, std::nullopt, QStringLiteral("NombreReporte$"));
    });
    const auto paso = [&](const std::function<void()> &sentencia) {
        return pasos.run(sentencia) == rt::StepResult::Continue;
    };
    ado::Recordset reportes;
    const auto salir = [&] {
        rt::resumeNext([&] { m_base.CierraRecordset(reportes); });
        return resultado;
    };

    QString tipo;
    if (!paso([&] {
            const int guion = rt::InStr(Nombre, QStringLiteral("-"));
            tipo = guion > 0 ? rt::Left(Nombre, guion - 1) : QString();
        }))
        return salir();

    bool electronico = false;
    rt::Variant fecha;
    if (!paso([&] {
            ado::Recordset rs;
            m_base.AbrirRecordset(QStringLiteral("select * from V_MV_CPTE_ELECTRONICOS WHERE TC='") + sql(tipo)
                                      + QStringLiteral("' AND IDCOMPROBANTE='") + sql(rt::Trim(IdComprobante))
                                      + QStringLiteral("'"),
                                  rs);
            if (rs.State() == ado::adStateOpen && !rs.EOF_()) {
                electronico = true;
                fecha = rs.Fields(QStringLiteral("Fecha_CPTE")).Value();
            }
            m_base.CierraRecordset(rs);
        }))
        return salir();

    if (!paso([&] {
            for (const char *doble : {"EEFC-E", "EENC-E", "EEND-E"}) {
                if (igual(Nombre, QLatin1String(doble)))
                    Nombre = rt::Mid(Nombre, 3);
            }
        }))
        return salir();
    const QString plano = Nombre;

    if (!paso([&] {
            if (rt::Trim(ClaveEquipo).isEmpty())
                Nombre =
                    gEquipo->NombreEquipo() + QLatin1Char('|') + gEquipo->UsuarioEquipo() + QLatin1Char('|') + Nombre;
        }))
        return salir();

    const auto buscar = [&](const QString &nombre) {
        m_base.AbrirRecordset(QStringLiteral("SELECT * FROM TA_REPORTES  with(nolock)  WHERE NOMBRE = '")
                                  + sql(rt::Trim(nombre)) + QStringLiteral("'"),
                              reportes);
        return reportes.State() == ado::adStateOpen && !reportes.EOF_();
    };
    bool primeraFila = false;
    bool encontrado = false;
    if (!paso([&] { primeraFila = encontrado = buscar(Nombre); }))
        return salir();
    if (primeraFila) {
        if (!paso([&] { filaCompleta(reportes, plano, resultado, Archivos); }))
            return salir();
    } else {
        if (!paso([&] { encontrado = buscar(plano); }))
            return salir();
        if (encontrado) {
            if (!paso([&] {
                    QString archivo = campo(reportes, QStringLiteral("Archivo"));
                    resultado = VerificarArchivoReporte(archivo, plano);
                    Archivos[0] = resultado;
                    for (int k = 2; k <= 4; ++k) {
                        QString otro = campo(reportes, QStringLiteral("Archivo") + QString::number(k));
                        Archivos[k - 1] = otro.isEmpty() ? Archivos[k - 2] : VerificarArchivoReporte(otro, plano);
                    }
                }))
                return salir();
        } else {
            if (!paso([&] {
                    if (!igual(plano, QStringLiteral("LiqOpg")))
                        return;
                    m_base.AbrirRecordset(QStringLiteral("SELECT * FROM TA_REPORTES  with(nolock)  WHERE NOMBRE = "
                                                         "'OPG-X' OR NOMBRE = 'PG-X' "),
                                          reportes);
                    if (reportes.State() == ado::adStateOpen && !reportes.EOF_()) {
                        encontrado = true;
                        filaCompleta(reportes, plano, resultado, Archivos);
                    }
                }))
                return salir();
            if (!encontrado && !paso([&] {
                    QString vacio;
                    resultado = VerificarArchivoReporte(vacio, plano);
                    for (QString &archivo : Archivos) {
                        vacio.clear();
                        archivo = VerificarArchivoReporte(vacio, plano);
                    }
                }))
                return salir();
        }
    }

    if (!paso([&] {
            if (!igual(rt::Trim(tipo), QStringLiteral("RM"))
                || !igual(rt::Right(IdComprobante, 1), QStringLiteral("R")))
                return;
            const QString unidad = rt::CStr(m_base.DatosTabla(
                QStringLiteral("V_MV_CPTE"), IdComprobante, QStringLiteral("UNEGOCIO"), QStringLiteral("IDCOMPROBANTE"),
                8, QStringLiteral(" TC='RM' AND IDCOMPROBANTE='") + sql(IdComprobante) + QStringLiteral("'")));
            if (rt::Trim(unidad).isEmpty())
                return;
            ado::Recordset rs;
            m_base.AbrirRecordset(QStringLiteral("SELECT * FROM V_TA_UNIDADNEGOCIO WHERE CODIGO='")
                                      + sql(gUtil->FormatoCodigo(unidad, 4)) + QStringLiteral("'"),
                                  rs);
            const QString ruta = rs.State() == ado::adStateOpen && !rs.EOF_()
                                     ? rt::Trim(campo(rs, QStringLiteral("ruta_reporte")))
                                     : QString();
            m_base.CierraRecordset(rs);
            const QString remitoR = QStringLiteral("RM-R.rpt");
            if (!ruta.isEmpty()) {
                const QString archivo = enCarpeta(ruta, m_carpeta) + remitoR;
                if (m_rutas.existe(archivo))
                    Archivos.fill(m_rutas.local(archivo));
                return;
            }
            const QString carpeta = rt::Trim(Cfg(QStringLiteral("RUTA_FORMULARIOS_EFACTURA")));
            const QString archivo = enCarpeta(carpeta, m_carpeta) + remitoR;
            if (!carpeta.isEmpty() && m_rutas.existe(archivo)) {
                resultado = m_rutas.local(archivo);
                Archivos.fill(resultado);
            }
        }))
        return salir();

    if (electronico && !paso([&] {
            QString inicio = rt::Trim(Cfg(QStringLiteral("FechaInicioeFacQR")));
            if (inicio.isEmpty())
                inicio = FechaInicioQR;
            const auto carpetaConfigurada = [] { return rt::Trim(Cfg(QStringLiteral("RUTA_FORMULARIOS_EFACTURA"))); };
            QString carpeta;
            if (rt::Trim(IdComprobante).isEmpty()) {
                carpeta = carpetaConfigurada();
            } else {
                ado::Recordset rs;
                m_base.AbrirRecordset(QStringLiteral("SELECT * FROM V_TA_UNIDADNEGOCIO WHERE LTRIM(PDV)='")
                                          + sql(rt::Trim(rt::Left(IdComprobante, 4))) + QStringLiteral("'"),
                                      rs);
                if (rs.State() == ado::adStateOpen && !rs.EOF_()) {
                    const QString ruta = rt::Trim(campo(rs, QStringLiteral("ruta_reporte")));
                    carpeta = usaFacturaElectronica(campo(rs, QStringLiteral("usaefc"))) && !ruta.isEmpty()
                                  ? ruta
                                  : carpetaConfigurada();
                } else if (!primeraFila) {
                    carpeta = carpetaConfigurada();
                }
                m_base.CierraRecordset(rs);
            }
            if (carpeta.isEmpty())
                return;
            QString archivo = enCarpeta(carpeta, m_carpeta) + QLatin1Char('e') + plano + QStringLiteral(".RPT");
            if (rt::CDate(inicio) > rt::CDate(fecha))
                archivo =
                    rt::Replace(archivo, QStringLiteral(".RPT"), QStringLiteral("_SINQR.RPT"), rt::CompareMode::Text);
            resultado = VerificarArchivoReporte(archivo, plano);
            Archivos.fill(resultado);
        }))
        return salir();

    return salir();
}

void EleccionReporte::filaCompleta(ado::Recordset &rs, const QString &plano, QString &resultado,
                                   ArchivosReporte &Archivos)
{
    QString archivo = campo(rs, QStringLiteral("Archivo"));
    resultado = VerificarArchivoReporte(archivo, plano);
    for (int k = 1; k <= 4; ++k) {
        QString otro = campo(rs, k == 1 ? QStringLiteral("Archivo") : QStringLiteral("Archivo") + QString::number(k));
        Archivos[k - 1] = VerificarArchivoReporte(otro, plano);
    }
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
