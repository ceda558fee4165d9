#include "core/ServiciosVarios.h"

#include "core/Configuracion.h"
#include "db/Conexiones.h"
#include "platform/outside/CatalogoConsultas.h"
#include "platform/outside/WritableFolder.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/DateFunctions.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <array>

namespace {

constexpr qint64 TamanoRegistro = outside::CatalogoConsultas::RecordSize;

rt::DateTime fechaSinServidor()
{
    if (gUtilizarFechaDia) {
        const QString fecha = Cfg(QStringLiteral("FECHAOPERHASTA"));
        if (rt::IsDate(fecha))
            return rt::CDate(fecha);
    }
    return rt::Now();
}

bool esAbsoluta(const QString &ruta)
{
    return ruta.startsWith(QStringLiteral("\\\\")) || ruta.startsWith(QLatin1Char('/'))
           || rt::Mid(ruta, 2, 1) == QStringLiteral(":");
}

QString carpetaAplicacion()
{
    return gUtil->AgregarBarra(outside::applicationFolder());
}

// One look-up of the catalogue as the look-up object reads it.
struct Busqueda {
    const char *vista;
    const char *titulo;
    const char *campos;
};

constexpr std::array<Busqueda, 11> Busquedas = {{
    {"V_MA_ARTICULOS", "ARTICULOS", "|DESCRIPCION|IDARTICULO|"},
    {"VT_CLIENTES", "CLIENTES", "|RAZON_SOCIAL|CODIGO|CONTACTO|"},
    {"VT_PROVEEDORES", "PROVEEDORES", "|RAZON_SOCIAL|CODIGO|"},
    {"MA_CONTACTOS", "CONTACTOS", "|Nombre_y_Apellido|Domicilio|Localidad|Telefono|"},
    {"V_TA_VENDEDORES", "VENDEDORES", "|NOMBRE|IDVENDEDOR|"},
    {"V_TA_TECNICOS", "TECNICOS", "|NOMBRE|IDTECNICO|"},
    {"V_MA_MANTENIMIENTOS", "MANTENIMIENTOS", "|DESCRIPCION|CODIGO|"},
    {"MA_CUENTAS", "CUENTAS", "|DESCRIPCION|CODIGO|"},
    {"V_TA_Tareas  ", "TAREAS", "|Descripcion|IdTarea| "},
    {"V_TA_UnidadNegocio", "UnidadNegocio", "|Descripcion|Codigo|"},
    {"V_TA_DEPOSITO", "DEPOSITO", "|Descripcion|IdDeposito|"},
}};

QByteArray campoFijo(const QString &texto, int ancho)
{
    return texto.left(ancho).leftJustified(ancho, QLatin1Char(' ')).toLatin1();
}

QByteArray registroCatalogo(const Busqueda &busqueda)
{
    return campoFijo(rt::Trim(QString::fromLatin1(busqueda.titulo)), 100)
           + campoFijo(QString::fromLatin1(busqueda.vista), 100)
           + campoFijo(rt::Trim(QString::fromLatin1(busqueda.campos)), 500) + campoFijo({}, 500) + "\r\n";
}

} // namespace

rt::DateTime FechaServidor()
{
    ado::Recordset rs;
    rt::DateTime resultado;
    rt::resumeNext([&] {
        gBaseDatos->AbrirRecordset(QStringLiteral("select  getDate() as fecha"), rs, nullptr, ado::adOpenForwardOnly,
                                   ado::adLockReadOnly, ado::adCmdUnspecified, true);
    });
    bool conFila = false;
    rt::resumeNext([&] { conFila = !rs.BOF(); });
    if (conFila) {
        // Kept to the second, without a round trip through text that a month-first region
        // would read back with day and month swapped.
        rt::resumeNext([&] {
            QDateTime fecha = rt::CDate(rs(QStringLiteral("Fecha"))).toQDateTime();
            fecha.setTime(QTime(fecha.time().hour(), fecha.time().minute(), fecha.time().second()));
            resultado = rt::DateTime::fromQDateTime(fecha);
        });
    } else {
        rt::resumeNext([&] { resultado = fechaSinServidor(); });
    }
    rt::resumeNext([&] { gBaseDatos->CierraRecordset(rs); });
    return resultado;
}

bool ExisteArchivo(const QString &Ruta)
{
    // Only a regular file: opening a pipe would wait for its writer.
    if (Ruta.isEmpty() || !QFileInfo(Ruta).isFile())
        return false;
    QFile archivo(Ruta);
    return archivo.open(QIODevice::ReadOnly);
}

bool ExisteArchivoSinComillas(const QString &Ruta)
{
    return ExisteArchivo(QString(Ruta).remove(QLatin1Char('"')));
}

QString RutaCompleta(const QString &Ruta)
{
    if (Ruta.size() <= 2)
        return {};
    const bool absoluta = esAbsoluta(Ruta);
    if (rt::InStr(2, Ruta, QStringLiteral(".")) > 0)
        return absoluta ? Ruta : carpetaAplicacion() + Ruta;
    return gUtil->AgregarBarra(absoluta ? Ruta : carpetaAplicacion() + Ruta);
}

void CargarTablasBusqueda()
{
    QFile archivo(gBuscador->ArchivoConsultas());
    // The file is named: the start-up ends on this error and the operator must learn what to mend.
    const auto falla = [&archivo] {
        return rt::RuntimeError(rt::err::PathFileAccess,
                                QStringLiteral("Error de acceso a la ruta o el archivo: ") + archivo.fileName());
    };
    const bool nuevo = !archivo.exists();
    // Unbuffered, so that each record's write says whether it reached the file (a full disk).
    if (!archivo.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        throw falla();
    const qint64 largoPrevio = archivo.size();
    bool completo = true;
    for (const Busqueda &busqueda : Busquedas) {
        const qint64 registro = archivo.size() / TamanoRegistro;
        completo =
            archivo.seek(registro * TamanoRegistro) && archivo.write(registroCatalogo(busqueda)) == TamanoRegistro;
        if (!completo)
            break;
    }
    archivo.close();
    if (completo && archivo.error() == QFileDevice::NoError)
        return;
    // The look-up object would read a catalogue cut short as it is from then on: the file goes
    // back to what it was, or away when this call made it.
    if (nuevo)
        archivo.remove();
    else
        archivo.resize(largoPrevio);
    throw falla();
}

void DibujarProgreso(QLabel *Picture, const rt::Variant &Porcentaje, quint32 Color, const QString &Texto)
{
    QImage imagen(Picture->size(), QImage::Format_RGB32);
    imagen.fill(Picture->palette().color(QPalette::Window));
    const QString leyenda =
        Texto + QStringLiteral(" ") + rt::Format(Porcentaje, QStringLiteral("###")) + QStringLiteral("%");
    const double ancho = rt::CDbl(Porcentaje) * imagen.width() / 100.0;
    QPainter pintor(&imagen);
    pintor.setPen(Picture->palette().color(QPalette::WindowText));
    pintor.drawText(imagen.rect(), Qt::AlignCenter, leyenda);
    // The bar inverts what lies under it, so the caption stays readable where it is covered.
    pintor.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QColor color(static_cast<int>(Color & 0xFF), static_cast<int>((Color >> 8) & 0xFF),
                       static_cast<int>((Color >> 16) & 0xFF));
    pintor.fillRect(QRectF(0, 0, ancho, imagen.height()), color);
    pintor.end();
    Picture->setPixmap(QPixmap::fromImage(imagen));
    Picture->repaint();
}
