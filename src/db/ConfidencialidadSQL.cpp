#include "db/ConfidencialidadSQL.h"

#include "platform/runtime/Text.h"

namespace {

using rt::CompareMode;

const QString AdminPrefix = QStringLiteral("@Admin_");

struct Objeto {
    const char *tabla;
    const char *vista;
};

// The views keep the tables' names with "SS_" in front, except the last one's, which the
// database spells with an underscore more.
constexpr Objeto MaCuentas = {"MA_CUENTAS", "SS_MA_CUENTAS"};
constexpr Objeto VTaDeposito = {"V_TA_DEPOSITO", "SS_V_TA_DEPOSITO"};
constexpr Objeto MvAsientos = {"MV_ASIENTOS", "SS_MV_ASIENTOS"};
constexpr Objeto VTaFamilias = {"V_TA_FAMILIAS", "SS_V_TA_FAMILIAS"};
constexpr Objeto VTaCajas = {"V_TA_CAJAS", "SS_V_TA_CAJAS"};
constexpr Objeto AcCuentasDiario = {"AC_CUENTASDIARIO", "SS_AC_CUENTASDIARIO"};
constexpr Objeto AcCuentasDiarioCCosto = {"AC_CUENTASDIARIO_CCOSTO", "SS_AC_CUENTAS_DIARIO_CCOSTO"};

QString replaceText(const QString &text, const QString &find, const QString &replacement)
{
    return rt::Replace(text, find, replacement, CompareMode::Text);
}

// The five positions of a name: " N ", "(N ", " N.", "(N.", ",N.".
QString reemplazarNombre(QString text, const Objeto &objeto)
{
    const QString tabla = QString::fromLatin1(objeto.tabla);
    const QString vista = QString::fromLatin1(objeto.vista);
    const QString contexts[][2] = {{QStringLiteral(" "), QStringLiteral(" ")},
                                   {QStringLiteral("("), QStringLiteral(" ")},
                                   {QStringLiteral(" "), QStringLiteral(".")},
                                   {QStringLiteral("("), QStringLiteral(".")},
                                   {QStringLiteral(","), QStringLiteral(".")}};
    for (const auto &context : contexts)
        text = replaceText(text, context[0] + tabla + context[1], context[0] + vista + context[1]);
    return text;
}

} // namespace

QString ConfidencialidadSQL::quitarPrefijoAdmin(const QString &sql)
{
    // Every statement passes here; most hold no "@", which nothing else folds to.
    if (!sql.contains(u'@'))
        return sql;
    return replaceText(sql, AdminPrefix, {});
}

QString ConfidencialidadSQL::reescribir(const QString &sql, bool esAdmin, bool confidencialidad)
{
    if (esAdmin)
        return quitarPrefijoAdmin(sql);
    if (rt::InStr(sql, QString::fromLatin1(MvAsientos.tabla), CompareMode::Text) > 0 && !confidencialidad)
        return quitarPrefijoAdmin(sql);

    QString text = reemplazarNombre(sql, MaCuentas);
    // Report formulas name fields as {TABLE.FIELD}.
    text = replaceText(text, QStringLiteral("{MA_CUENTAS."), QStringLiteral("{SS_MA_CUENTAS."));
    text = replaceText(text, AdminPrefix + QStringLiteral("MA_CUENTAS"), QStringLiteral("MA_CUENTAS"));
    for (const Objeto &objeto :
         {VTaDeposito, MvAsientos, VTaFamilias, VTaCajas, AcCuentasDiario, AcCuentasDiarioCCosto})
        text = reemplazarNombre(text, objeto);
    return quitarPrefijoAdmin(text);
}
