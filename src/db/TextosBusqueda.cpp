#include "db/TextosBusqueda.h"

#include "db/DB_Dll.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/NumberText.h"
#include "platform/runtime/Text.h"

#include <QStringBuilder>

namespace {

bool esNumero(int tipo)
{
    return tipo == 3 || tipo == 4 || tipo == 5;
}

// A condition that already holds its WHERE is joined after one blank.
QString conCondicion(const QString &condicion)
{
    // A condition that starts with WHERE brings its own too; a second one would be invalid SQL.
    const bool hasWhere = condicion.startsWith(QLatin1String("WHERE "), Qt::CaseInsensitive)
                          || rt::containsIgnoringCase(condicion, QLatin1String(" WHERE "));
    return (hasWhere ? QLatin1String(" ") : QLatin1String(" WHERE ")) % condicion;
}

// The comparison of the key column with the value, for the types other than text.
QString comparacion(const QString &valor, int tipo)
{
    if (tipo == 7)
        return QStringLiteral(" = ") + rt::Trim(valor) + QStringLiteral(" ");
    if (esNumero(tipo))
        return QStringLiteral(" = ") + TextosBusqueda::comoNumero(valor);
    return QStringLiteral(" = ") + valor;
}

} // namespace

int TextosBusqueda::codigoTipo(const rt::Variant &tipo)
{
    if (tipo.isNumber())
        return rt::CLng(tipo);
    if (tipo.type() == rt::VarType::String && rt::IsNumeric(tipo))
        return rt::CLng(tipo);
    return -1;
}

QString TextosBusqueda::comoNumero(const QString &valor)
{
    // Written with "." whatever the region: a decimal comma would break the statement.
    return rt::numbertext::generalText(rt::Val(valor), QLatin1Char('.'));
}

QString TextosBusqueda::buscaMaximo(const QString &tabla, const QString &campo, const std::optional<QString> &condicion)
{
    QString text = QStringLiteral("SELECT MAX(") + campo + QStringLiteral(") AS MAYOR FROM ") + tabla;
    if (condicion)
        text += QStringLiteral(" WHERE ") + rt::Trim(*condicion);
    return text;
}

QString TextosBusqueda::buscaMinimo(const QString &tabla, const QString &campo, const std::optional<QString> &condicion)
{
    QString text = QStringLiteral("SELECT MIN(") + campo + QStringLiteral(") AS MENOR FROM ") + tabla
                   + QStringLiteral("  with(nolock) ");
    if (condicion)
        text += QStringLiteral(" WHERE ") + rt::Trim(*condicion);
    return text;
}

QString TextosBusqueda::existeEnTablaST(const QString &tabla, const QString &valor, const QString &campo, int tipo,
                                        const QString &condicion)
{
    if (!condicion.isEmpty())
        return QStringLiteral("SELECT * FROM ") + tabla + QStringLiteral(" with(nolock)  ") + conCondicion(condicion);
    const QString base = QStringLiteral("SELECT * FROM ") + tabla + QStringLiteral(" with(nolock)   WHERE ") + campo;
    if (tipo == 8)
        return base + QStringLiteral(" ='") + DB_Dll::escaparComillas(valor) + QStringLiteral("'");
    return base + comparacion(valor, tipo);
}

QString TextosBusqueda::existeEnTabla(const QString &tabla, const QString &valor, const QString &campo, int tipo,
                                      const QString &condicion)
{
    // Asked once for every voucher of a settlement: put together at once.
    if (!condicion.isEmpty())
        return QLatin1String("SELECT TOP 1 * FROM ") % tabla % QLatin1String(" with(nolock) ")
               % conCondicion(condicion);
    if (tipo == 8)
        return QStringLiteral("SELECT TOP 1  * FROM ") + tabla + QStringLiteral(" with(nolock)  WHERE LTRIM(RTRIM(")
               + campo + QStringLiteral(")) ='") + DB_Dll::escaparComillas(rt::Trim(valor)) + QStringLiteral("'");
    return QStringLiteral("SELECT TOP 1 * FROM ") + tabla + QStringLiteral(" with(nolock)  WHERE ") + campo
           + comparacion(valor, tipo);
}

QString TextosBusqueda::datosTabla(const QString &tabla, const QString &valor, const QString &campo, int tipo,
                                   const QString &condicion, bool usaTrim)
{
    const QString y = rt::Trim(condicion).isEmpty() ? QString() : QStringLiteral(" AND ");
    const QString base = QStringLiteral("SELECT TOP 1 * FROM ") + tabla + QStringLiteral(" with(nolock)  WHERE ");
    if (tipo == 8 && usaTrim)
        return base + QStringLiteral("LTRIM(RTRIM(") + campo + QStringLiteral(")) ='")
               + DB_Dll::escaparComillas(rt::Trim(valor)) + QStringLiteral("' ") + y + condicion;
    if (tipo == 8)
        return base + campo + QStringLiteral(" ='") + DB_Dll::escaparComillas(valor) + QStringLiteral("' ") + y
               + condicion;
    if (tipo == 7)
        return base + campo + QStringLiteral(" = #") + rt::Trim(valor) + QStringLiteral("# ") + y + condicion;
    if (esNumero(tipo))
        return base + campo + QStringLiteral(" = ") + comoNumero(valor) + y + condicion;
    return base + campo + QStringLiteral(" = ") + valor + y + condicion;
}
