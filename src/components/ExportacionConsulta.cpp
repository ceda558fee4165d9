#include "components/ExportacionConsulta.h"

#include "components/CeldasExcel.h"
#include "components/ModExportarExcel.h"
#include "core/ServiciosVarios.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Text.h"
#include "platform/sheet/NumberFormat.h"
#include "platform/sheet/Worksheet.h"
#include "platform/ui/Dialogs.h"
#include "session/Dll_Display.h"
#include "session/ObjetosExternos.h"

#include <cmath>
#include <utility>

namespace {

constexpr qint32 AnchoMinimo = 500;
constexpr int ColorBanda = 15;
constexpr int SinColor = 0;
constexpr quint32 Rojo = 255;
const QString FormatoTexto = QStringLiteral("@");

// How a field type goes into the sheet: every numeric type as a number; money and exact
// decimals with the amount format.
enum class ClaseNumerica { Ninguna, Entera, Importe, Real };

ClaseNumerica claseNumerica(int tipo)
{
    switch (tipo) {
    case 2: // adSmallInt
    case 3: // adInteger
    case 16: // adTinyInt
    case 17: // adUnsignedTinyInt
    case 18: // adUnsignedSmallInt
    case 19: // adUnsignedInt
    case 20: // adBigInt
    case 21: // adUnsignedBigInt
        return ClaseNumerica::Entera;
    case 6: // adCurrency
    case 14: // adDecimal
    case 131: // adNumeric
    case 139: // adVarNumeric
        return ClaseNumerica::Importe;
    case 4: // adSingle
    case 5: // adDouble
        return ClaseNumerica::Real;
    default:
        return ClaseNumerica::Ninguna;
    }
}

// A text that reads as an amount other than zero (too large for one counts too).
bool leeComoImporte(const QString &texto)
{
    try {
        return gUtil->ValorNumerico(texto) != rt::Currency();
    } catch (const rt::RuntimeError &) {
        return true;
    }
}

bool esValorNumerico(const rt::Variant &valor)
{
    return valor.isNumber() && valor.type() != rt::VarType::Boolean;
}

} // namespace

ExportacionConsulta::ExportacionConsulta(ado::Recordset &registros, QLabel *progreso, QString titulo)
    : m_registros(registros)
    , m_progreso(progreso)
    , m_titulo(std::move(titulo))
{
    m_titulos << QString();
    m_anchos << 0;
    for (long indice = 0; indice < registros.FieldCount(); ++indice) {
        const ado::Field campo = registros.Fields(indice);
        // A field named "ID" is a key the user has no use for.
        if (campo.Name() == QLatin1String("ID"))
            continue;
        m_campos.push_back(indice);
        m_titulos << campo.Name();
        m_anchos << static_cast<qint32>(std::max<long>(campo.DefinedSize(), AnchoMinimo));
    }
}

bool ExportacionConsulta::escribir(sheet::Worksheet &hoja, int filaEncabezado)
{
    m_primeraFila = filaEncabezado + 1;
    m_fila = filaEncabezado;
    while (!m_registros.EOF_()) {
        ui::DoEvents();
        const int fila = m_fila + 1;
        int columna = 0;
        for (const long indice : m_campos) {
            ui::DoEvents();
            if (avanzar())
                return false;
            ++columna;
            escribirCelda(hoja, fila, columna, m_registros.Fields(indice));
            hoja.cell(fila, columna).setInteriorColorIndex(fila % 2 == 1 ? ColorBanda : SinColor);
            if (avanzar())
                return false;
        }
        ++m_fila;
        m_registros.MoveNext();
    }
    return true;
}

void ExportacionConsulta::totalizar(sheet::Worksheet &hoja, const QString &sLista)
{
    const int filaTotal = m_fila + 1;
    for (const QString &nombre : sLista.split(u',')) {
        for (size_t k = 0; k < m_campos.size(); ++k) {
            if (m_registros.Fields(m_campos[k]).Name() != nombre)
                continue;
            const int columna = static_cast<int>(k) + 1;
            const QString letra = LetraColumnaExcel(static_cast<qint16>(columna - 1));
            double suma = 0;
            for (int fila = m_primeraFila; fila <= m_fila; ++fila) {
                const rt::Variant valor = hoja.value(fila, columna);
                if (esValorNumerico(valor))
                    suma += sheet::numberOf(valor);
                else if (valor.type() == rt::VarType::Date)
                    suma += valor.asDate().serial();
            }
            const QString formula = QStringLiteral("=SUM(%1%2:%1%3)").arg(letra).arg(m_primeraFila).arg(m_fila);
            hoja.setFormula(filaTotal, columna, formula, suma);
            hoja.cell(filaTotal, columna).setBold(true);
        }
    }
}

bool ExportacionConsulta::avanzar()
{
    const long total = m_registros.RecordCount();
    if (m_progreso) {
        const long leidos = m_registros.AbsolutePosition();
        DibujarProgreso(m_progreso, leidos * 100.0 / total, Rojo,
                        m_titulo + QStringLiteral(" Leidos: ") + QString::number(leidos) + QStringLiteral(" DE ")
                            + QString::number(total) + QStringLiteral(" Avance: "));
        return false;
    }
    bool cancelado = false;
    gCartel->CartelMostrar(cancelado, QStringLiteral("Exportando a Excel"), QStringLiteral("Espere Por Favor"),
                           QString::number(m_fila) + QStringLiteral(" de ") + QString::number(total));
    return cancelado;
}

void ExportacionConsulta::escribirCelda(sheet::Worksheet &hoja, int fila, int columna, const ado::Field &campo)
{
    const rt::Variant &valor = campo.Value();
    const ClaseNumerica clase = claseNumerica(campo.Type());
    if (clase != ClaseNumerica::Ninguna) {
        if (clase == ClaseNumerica::Importe)
            hoja.cell(fila, columna).setNumberFormat(excel::FormatoImporte);
        if (esValorNumerico(valor))
            hoja.setValue(fila, columna, valor);
        else if (!valor.isNull())
            escribirTexto(hoja, fila, columna, campo);
        return;
    }
    if (valor.isNull()) {
        hoja.cell(fila, columna).setNumberFormat(FormatoTexto);
        return;
    }
    if (valor.type() != rt::VarType::ByteArray)
        escribirTexto(hoja, fila, columna, campo);
}

void ExportacionConsulta::escribirTexto(sheet::Worksheet &hoja, int fila, int columna, const ado::Field &campo)
{
    const rt::Variant &valor = campo.Value();
    const QString texto = rt::CStr(valor);
    if (leeComoImporte(texto)) {
        // Digits in a text field are a code: they stay a text.
        hoja.cell(fila, columna).setNumberFormat(FormatoTexto);
        hoja.setValue(fila, columna, texto);
        return;
    }
    if (rt::IsDate(valor)) {
        rt::DateTime fecha = rt::CDate(valor);
        if (campo.Name() == QLatin1String("FhUltimoCosto"))
            fecha = rt::DateTime(std::floor(fecha.serial()));
        excel::escribirFecha(hoja, fila, columna, fecha);
        m_fechas = true;
        return;
    }
    hoja.setValue(fila, columna, rt::Trim(texto));
}
