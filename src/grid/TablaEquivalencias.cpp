#include "grid/TablaEquivalencias.h"

#include "grid/NombresSQL.h"
#include "grid/PalabrasSQL.h"
#include "platform/runtime/Text.h"

#include <QRegularExpression>

namespace {

using rt::CompareMode;

// A plain name is bracketed, as the captions are; an expression stays as the query writes it.
QString expresionGuardada(const QString &expresion)
{
    static const QRegularExpression nombre(QStringLiteral("^[\\w@#$]+$"),
                                           QRegularExpression::UseUnicodePropertiesOption);
    return nombre.match(expresion).hasMatch() ? NombresSQL::entreCorchetes(expresion) : expresion;
}

QString sinBlancos(const QString &texto)
{
    return rt::Trim(rt::Replace(texto, QStringLiteral(" "), QString()));
}

} // namespace

TablaEquivalencias::TablaEquivalencias(const QString &sql)
{
    for (const QString &item : PalabrasSQL(sql).listaDeSeleccion()) {
        const PalabrasSQL palabras(item);
        for (qsizetype i = palabras.palabras().size() - 1; i >= 0; --i) {
            const PalabrasSQL::Palabra &como = palabras.palabras().at(i);
            if (como.nivel != 0
                || item.mid(como.inicio, como.fin - como.inicio).compare(u"AS", Qt::CaseInsensitive) != 0)
                continue;
            const QString expresion = item.left(como.inicio).trimmed();
            // The alias as the column's name: "Clave", [Clave] and Clave name the same column.
            const QString alias = palabras.nombreTras(static_cast<int>(i));
            if (!expresion.isEmpty() && !alias.isEmpty())
                m_pares.append({expresionGuardada(expresion), NombresSQL::entreCorchetes(alias)});
            break;
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
