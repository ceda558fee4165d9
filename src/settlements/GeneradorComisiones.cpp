#include "settlements/GeneradorComisiones.h"

#include "core/ServiciosVarios.h"
#include "db/DB_Dll.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/DateFunctions.h"
#include "platform/runtime/Format.h"
#include "platform/ui/Dialogs.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"
#include "settlements/SentenciasLiquidacion.h"
#include "settlements/VentanaGeneracion.h"

#include <QStringBuilder>
#include <array>
#include <charconv>

namespace SL = SentenciasLiquidacion;

namespace {

// Thrown once the build's transaction is gone with its connection: nothing more may be sent.
struct TransaccionPerdida { };

int tratarError(const rt::RuntimeError &error)
{
    return gUtil->TratarError(error);
}

} // namespace

GeneradorComisiones::GeneradorComisiones(DB_Dll &db, VentanaGeneracion &ventana)
    : m_db(db)
    , m_ventana(ventana)
    , m_paso(tratarError)
{
}

GeneradorComisiones::Fin GeneradorComisiones::GeneraComisionesNew(QString &FechaDesde, QString &FechaHasta,
                                                                  QString &IdVendedor, QString &idLiquidacionBorrar)
{
    const bool cerrada = rt::runRoutine([&] {
        comenzar();
        Resultado resultado = Resultado::Fallida;
        try {
            resultado = construir(FechaDesde, FechaHasta, IdVendedor, idLiquidacionBorrar);
        } catch (const TransaccionPerdida &) {
            resultado = Resultado::Fallida;
        }
        if (resultado == Resultado::Rechazada)
            m_transaccion->rollback();
        else if (resultado == Resultado::Fallida || !guardar())
            descartar();
        m_resuelta = true;
        cerrar();
    });
    if (cerrada)
        return Fin::Cerrada;
    if (m_transaccion && !m_resuelta)
        descartar();
    return Fin::Abandonada;
}

void GeneradorComisiones::comenzar()
{
    m_paso.step([&] { m_transaccion.emplace(m_db.gCnn); });
    // Ignoring the failure must not build outside a transaction.
    if (!m_transaccion)
        throw rt::LeaveRoutine{};
}

bool GeneradorComisiones::guardar()
{
    m_paso.step([&] { m_transaccion->commit(); });
    return m_transaccion->committed();
}

void GeneradorComisiones::descartar()
{
    m_transaccion->rollback();
    ui::MsgBox(QStringLiteral("La liquidación no se guardó: la base de datos quedó como antes de generarla."),
               ui::vbInformation, QStringLiteral("Aviso"));
}

GeneradorComisiones::Resultado GeneradorComisiones::construir(QString &desde, QString &hasta, const QString &vendedor,
                                                              const QString &borrar)
{
    bool recalcular = false;
    m_paso.step([&] { recalcular = m_ventana.recalcular(); });
    fechasPorDefecto(desde, hasta);
    // The range is checked before the rebuilt settlement is deleted, leaving that settlement
    // out: a refused rebuild must keep what was stored.
    bool valido = true;
    QString ocupada;
    m_paso.step([&] { valido = RangoDeFechasValidoLiquidacion(desde, hasta, ocupada, recalcular ? borrar : QString()); });
    if (!valido) {
        m_paso.step([&] {
            ui::MsgBox(QStringLiteral("El rango de fechas ya fue cargado en la liquidación ") + ocupada,
                       ui::vbInformation, QStringLiteral("Aviso"));
        });
        return Resultado::Rechazada;
    }
    if (recalcular && borrarLiquidacion(borrar) == Paso::Cerrar)
        return Resultado::Fallida;
    m_paso.step([&] { m_numero = obtenerNroLiquidacion(); });
    m_paso.step([&] { m_ventana.Detalleon(false); });
    // Rows written under a number without a header would pass to the next settlement.
    if (escribirOCerrar(SL::insertarCabecera(m_numero, desde, hasta, gUsuarioLogeado)) == Paso::Cerrar
        || cargarCobranzas(desde, hasta, vendedor, false) == Paso::Cerrar)
        return Resultado::Fallida;
    discriminarCobranzas();
    if (cargarCobranzas(desde, hasta, vendedor, true) == Paso::Cerrar || cargarAplicaciones() == Paso::Cerrar
        || cargarDetalle() == Paso::Cerrar || anularNotasDeCredito() == Paso::Cerrar
        || anularLineasRepetidas() == Paso::Cerrar || sumarComisiones() == Paso::Cerrar)
        return Resultado::Fallida;
    return Resultado::Completa;
}

void GeneradorComisiones::fechasPorDefecto(QString &desde, QString &hasta)
{
    const bool sinDesde = desde.trimmed().isEmpty();
    const bool sinHasta = hasta.trimmed().isEmpty();
    if (sinDesde && sinHasta) {
        m_paso.step([&] {
            const rt::DateTime hoy = FechaServidor();
            desde = rt::formatDate(rt::DateAdd(QStringLiteral("d"), -30, hoy), QStringLiteral("dd/mm/yyyy"));
            hasta = rt::formatDate(hoy, QStringLiteral("dd/mm/yyyy"));
        });
    } else if (sinDesde) {
        desde = hasta;
    } else if (sinHasta) {
        hasta = desde;
    }
}

// A rebuild whose old rows were not all deleted would leave out the collections they still hold.
GeneradorComisiones::Paso GeneradorComisiones::borrarLiquidacion(const QString &numero)
{
    QString literal;
    m_paso.step([&] { literal = m_db.SQLValue(numero, QStringLiteral("@")); });
    for (const QString &sentencia : SL::borrarLiquidacion(literal)) {
        if (escribirOCerrar(sentencia) == Paso::Cerrar)
            return Paso::Cerrar;
    }
    return Paso::Seguir;
}

GeneradorComisiones::Paso GeneradorComisiones::cargarCobranzas(const QString &desde, const QString &hasta,
                                                               const QString &vendedor, bool notasDeCredito)
{
    QString filtro;
    m_paso.step([&] {
        const QString codigo = vendedor.isEmpty() ? QString() : gUtil->FormatoCodigo(vendedor, 4);
        filtro = SL::filtroCobranzas(desde, hasta, codigo, notasDeCredito);
    });
    mostrar(QStringLiteral("Cargando..."));
    m_contador = 0;
    m_ventana.procesarEventos();
    return escribirOCerrar(SL::insertarCobranzas(m_numero, filtro, notasDeCredito));
}

void GeneradorComisiones::cerrar()
{
    m_paso.step([&] { m_ventana.Detalleon(true); });
    m_paso.step([&] { m_ventana.Inicializa(); });
    m_paso.step([] { ui::MsgBox(QStringLiteral("PROCESO FINALIZADO"), ui::vbInformation); });
}

bool GeneradorComisiones::RangoDeFechasValidoLiquidacion(const QString &FhDesde, const QString &FhHasta,
                                                         QString &idLiquidacion, const QString &excluida)
{
    ado::Recordset rs;
    m_db.AbrirRecordset(SL::rangoOcupado(FhDesde, FhHasta), rs);
    const bool conExcluida = !excluida.trimmed().isEmpty();
    for (; !rs.EOF_(); rs.MoveNext()) {
        const QString numero = gUtil->ValorCampo(rs.Fields(QStringLiteral("idLiquidacion")));
        if (conExcluida && rt::Val(numero) == rt::Val(excluida))
            continue;
        idLiquidacion = numero;
        return false;
    }
    return true;
}

QString GeneradorComisiones::obtenerNroLiquidacion()
{
    ado::Recordset rs;
    m_db.AbrirRecordset(SL::maximoNumero(), rs);
    if (rs.BOF())
        return QStringLiteral("1");
    const double mayor = rt::Val(gUtil->ValorCampo(rs.Fields(QStringLiteral("Nro"))));
    return QString::number(static_cast<qint64>(mayor) + 1);
}

bool GeneradorComisiones::escribir(const ado::LiteralText &sentencia)
{
    if (!m_transaccion->standing())
        throw TransaccionPerdida{};
    bool correcta = true;
    m_paso.step([&] {
        m_db.EjecutaConsultaSQL(sentencia);
        const ado::Errors &errores = m_db.gCnn.Errors();
        correcta = errores.Count() == 0;
        if (!correcta)
            ui::MsgBox(errores(0).Description);
    });
    if (!correcta && !m_transaccion->standing())
        throw TransaccionPerdida{};
    return correcta;
}

GeneradorComisiones::Paso GeneradorComisiones::escribirOCerrar(const ado::LiteralText &sentencia)
{
    return escribir(sentencia) ? Paso::Seguir : Paso::Cerrar;
}

void GeneradorComisiones::abrir(const QString &sentencia, ado::Recordset &rs)
{
    m_ventana.procesarEventos();
    m_paso.step([&] { m_db.AbrirRecordset(sentencia, rs); });
}

void GeneradorComisiones::mostrar(const QString &texto)
{
    m_ventana.mostrarEstado(texto);
}

GeneradorComisiones::Paso GeneradorComisiones::recorrer(ado::Recordset &rs, const QString &prefijo,
                                                        bool eventosTrasProgreso, const std::function<Paso()> &fila)
{
    long filas = 0;
    m_paso.step([&] { filas = rs.RecordCount(); });
    // The progress text is made for every row: its end once, and each row's number in place.
    const QString deFilas = QStringLiteral(" de ") + QString::number(filas);
    while (m_paso.holds([&] { return !rs.EOF_(); })) {
        ++m_contador;
        std::array<char, 24> numero;
        const char *fin = std::to_chars(numero.begin(), numero.end(), m_contador).ptr;
        mostrar(prefijo % QLatin1String(numero.data(), fin) % deFilas);
        if (eventosTrasProgreso)
            m_ventana.procesarEventos();
        if (fila() == Paso::Cerrar)
            return Paso::Cerrar;
        m_ventana.procesarEventos();
        m_paso.step([&] { rs.MoveNext(); });
    }
    return Paso::Seguir;
}
