#include "core/Formatos.h"

#include "core/Configuracion.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Regional.h"
#include "platform/runtime/Text.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"

#include <QHash>

#include <cstdlib>

namespace {

// Configured money decimals that would make an invalid mask fall back to the usual two.
constexpr int DecimalesPorDefecto = 2;

int decimalesEfectivos(int codigo)
{
    int n = codigo == DecimalesConfigurados ? static_cast<int>(rt::Val(gCantidadDecimales)) : codigo;
    if (n == DecimalesDeLaRegion)
        n = rt::regional().currencyDigits;
    if (n == DecimalesNinguno)
        n = 0;
    return n < 0 ? DecimalesPorDefecto : n;
}

// The mask of an amount with `decimales` decimals; the lists ask for the same few masks
// tens of thousands of times in a row, so each is written once.
const QString &mascaraMoneda(int decimales, bool separarMiles)
{
    thread_local QHash<int, QString> mascaras;
    const int clave = decimales * 2 + (separarMiles ? 1 : 0);
    const auto hallada = mascaras.constFind(clave);
    if (hallada != mascaras.constEnd())
        return *hallada;
    const QString mascara = (separarMiles ? QStringLiteral("###,###,###,###0.") : QStringLiteral("############0."))
                            + QString(decimales, QLatin1Char('0'));
    return *mascaras.insert(clave, mascara);
}

} // namespace

// On the exact ten-thousandths, so 0,125 gives 0,12 and 0,375 gives 0,38.
rt::Currency RedondearMoneda(rt::Currency Importe, int Decimales)
{
    if (Decimales >= 4)
        return Importe;
    std::int64_t divisor = 1;
    for (int i = Decimales; i < 4; ++i)
        divisor *= 10;
    const std::int64_t raw = Importe.raw();
    std::int64_t cociente = raw / divisor;
    const std::int64_t resto = std::llabs(raw % divisor);
    const bool haciaArriba = 2 * resto > divisor || (2 * resto == divisor && cociente % 2 != 0);
    if (haciaArriba)
        cociente += raw < 0 ? -1 : 1;
    return rt::Currency::fromRaw(cociente * divisor);
}

QString FmtMoneda(const QString &Texto, int Decimales, bool SepararMiles)
{
    if (Decimales == DecimalesSinFormato)
        return Texto;
    return FmtMoneda(gUtil->ValorNumerico(Texto), Decimales, SepararMiles);
}

QString FmtMoneda(rt::Currency Importe, int Decimales, bool SepararMiles)
{
    const int n = decimalesEfectivos(Decimales == DecimalesSinFormato ? DecimalesPorDefecto : Decimales);
    QString resultado = rt::formatNumber(RedondearMoneda(Importe, n), mascaraMoneda(n, SepararMiles));
    if (n == 0 && (resultado.endsWith(QLatin1Char('.')) || resultado.endsWith(QLatin1Char(','))))
        resultado.chop(1);
    return resultado;
}

QString FormatoFechaHora()
{
    return QStringLiteral("dd/mm/yy hh:mm");
}

QString FormatoFecha()
{
    return QStringLiteral("dd/mm/yy");
}

QString FormatoHora()
{
    return QStringLiteral("hh:mm");
}

QString MinutosAHoras(const rt::Variant &Minutos, qint32 &Horas, qint32 &Resto, bool SeparadorFijo)
{
    QString separador = Cfg(QStringLiteral("SeparadorHora"));
    if (SeparadorFijo || rt::Trim(separador).isEmpty())
        separador = QStringLiteral(":");
    if (rt::StrComp(separador, QStringLiteral("."), rt::CompareMode::Text) != 0) {
        const qint32 total = rt::CLng(Minutos);
        Horas = total / 60;
        Resto = total % 60;
        return rt::formatNumber(static_cast<double>(Horas), QStringLiteral("#####00")) + separador
               + rt::formatNumber(static_cast<double>(Resto), QStringLiteral("#####00"));
    }
    const QString horas = rt::formatNumber(rt::CDbl(Minutos) / 60.0, QStringLiteral("#####.00"));
    return gUtil->ReemplazarTexto(horas, QStringLiteral(","), QStringLiteral("."));
}

QString SeparadorDecimal()
{
    return rt::CStr(10.0 / 3.0).contains(QLatin1Char(',')) ? QStringLiteral(",") : QStringLiteral(".");
}
