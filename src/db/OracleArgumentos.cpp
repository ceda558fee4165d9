#include "db/OracleArgumentos.h"

namespace {

const QString Charindex = QStringLiteral("CHARINDEX");

} // namespace

std::optional<ArgumentosLlamada> leerArgumentos(const QString &texto, qsizetype abre)
{
    ArgumentosLlamada result;
    int depth = 0;
    bool quoted = false;
    qsizetype argumentStart = abre + 1;
    for (qsizetype i = abre + 1; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
        } else if (quoted) {
            continue;
        } else if (c == QLatin1Char('(')) {
            ++depth;
        } else if (c == QLatin1Char(')') && depth > 0) {
            --depth;
        } else if ((c == QLatin1Char(')') || c == QLatin1Char(',')) && depth == 0) {
            result.argumentos << texto.mid(argumentStart, i - argumentStart).trimmed();
            argumentStart = i + 1;
            if (c == QLatin1Char(')')) {
                result.cierra = i;
                return result;
            }
        }
    }
    return std::nullopt;
}

QString invertirCharindex(const QString &texto)
{
    QString result;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = texto.indexOf(Charindex, from, Qt::CaseInsensitive);
        if (at < 0)
            return result + texto.mid(from);
        result += texto.mid(from, at - from) + QStringLiteral("InStr");
        qsizetype open = at + Charindex.size();
        while (open < texto.size() && texto.at(open) == QLatin1Char(' '))
            ++open;
        const auto call =
            open < texto.size() && texto.at(open) == QLatin1Char('(') ? leerArgumentos(texto, open) : std::nullopt;
        if (!call || call->argumentos.size() < 2) {
            from = at + Charindex.size();
            continue;
        }
        QStringList arguments;
        for (const QString &argument : call->argumentos)
            arguments << invertirCharindex(argument);
        arguments.swapItemsAt(0, 1);
        result += QLatin1Char('(') + arguments.join(QStringLiteral(", ")) + QLatin1Char(')');
        from = call->cierra + 1;
    }
}
