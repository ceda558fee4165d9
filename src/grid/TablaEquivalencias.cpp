#include "grid/TablaEquivalencias.h"

#include "platform/runtime/Text.h"

namespace {

using rt::CompareMode;

// A literal, not a QString object: the table may be built while other globals are made.
constexpr QLatin1StringView Como(" as ");

QString entreCorchetes(const QString &texto)
{
    return texto.contains(u'[') ? texto : QStringLiteral("[") + texto.trimmed() + QStringLiteral("]");
}

QString alias(const QString &tras)
{
    if (tras.startsWith(u'[')) {
        const int cierre = static_cast<int>(tras.indexOf(u']'));
        return cierre < 0 ? tras : tras.left(cierre + 1);
    }
    const int coma = rt::InStr(tras, QStringLiteral(","));
    const int blanco = rt::InStr(tras, QStringLiteral(" "));
    if (coma > 0 && (blanco == 0 || coma < blanco))
        return rt::Left(tras, coma - 1);
    return blanco > 0 ? rt::Left(tras, blanco - 1) : tras;
}

// A bracketed column before " as ": from the "[" that opens its last name, taking in the
// prefixes joined to it by points ("dbo.T.[Nombre]", "[T].[Nombre]").
QString nombreEntreCorchetes(const QString &antes)
{
    int inicio = static_cast<int>(antes.size());
    while (inicio > 0) {
        int parte = inicio - 1;
        if (antes.at(parte) == u']') {
            const int apertura = static_cast<int>(antes.lastIndexOf(u'[', parte));
            if (apertura < 0)
                break;
            parte = apertura;
        } else {
            while (parte > 0 && (antes.at(parte - 1).isLetterOrNumber() || antes.at(parte - 1) == u'_'))
                --parte;
        }
        inicio = parte;
        if (inicio > 0 && antes.at(inicio - 1) == u'.')
            --inicio;
        else
            break;
    }
    return antes.mid(inicio);
}

QString expresion(const QString &antes)
{
    if (antes.endsWith(u']'))
        return nombreEntreCorchetes(antes);
    const int coma = rt::InStrRev(antes, QStringLiteral(","));
    const int blanco = rt::InStrRev(antes, QStringLiteral(" "));
    const int separador = coma > blanco ? coma : blanco;
    return rt::Mid(antes, separador + 1);
}

QString sinBlancos(const QString &texto)
{
    return rt::Trim(rt::Replace(texto, QStringLiteral(" "), QString()));
}

} // namespace

TablaEquivalencias::TablaEquivalencias(const QString &sql)
{
    QString copia = sql;
    for (int posicion = rt::InStr(copia, QString(Como), CompareMode::Text); posicion > 0;
         posicion = rt::InStr(copia, QString(Como), CompareMode::Text)) {
        const QString aliasCrudo = alias(rt::Trim(rt::Mid(copia, posicion + static_cast<int>(Como.size()))));
        const QString expresionCruda = expresion(rt::Trim(rt::Left(copia, posicion - 1)));
        QString guardada = expresionCruda;
        for (const QChar quitar : {u',', u'(', u')'})
            guardada.remove(quitar);
        m_pares.append({entreCorchetes(guardada), entreCorchetes(QString(aliasCrudo).remove(u','))});

        const QString antes = copia;
        copia = rt::Replace(copia, expresionCruda + Como + aliasCrudo, QStringLiteral(" "), CompareMode::Text);
        if (copia == antes) {
            // Not written as one piece (two blanks before "as"...): drop this " as " and its alias.
            const int finAlias =
                rt::InStr(posicion + static_cast<int>(Como.size()), copia, aliasCrudo, CompareMode::Text);
            const int corte = finAlias > 0 ? finAlias + static_cast<int>(aliasCrudo.size()) : posicion + 3;
            copia = rt::Left(copia, posicion - 1) + QStringLiteral(" ") + rt::Mid(copia, corte);
        }
    }
}

QString TablaEquivalencias::EquiCampo(const QString &campo, bool equivalencia) const
{
    for (const Par &par : m_pares) {
        if (equivalencia) {
            if (rt::StrComp(par.expresion, campo, CompareMode::Text) == 0)
                return par.alias;
        } else if (rt::StrComp(sinBlancos(par.alias), sinBlancos(campo), CompareMode::Text) == 0) {
            return par.expresion;
        }
    }
    return campo;
}
