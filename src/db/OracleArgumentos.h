#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The text with every CHARINDEX(a, b[, start]) written as InStr(b, a[, start]): Oracle's INSTR
// takes the searched text first. A CHARINDEX whose arguments cannot be read (no parenthesis,
// unbalanced) only has its name changed.
QString invertirCharindex(const QString &texto);

// The top-level arguments of the call whose "(" stands at `abre`, and the position of its ")";
// commas inside parentheses or quotes do not split. Nothing when the call is not closed.
struct ArgumentosLlamada {
    QStringList argumentos;
    qsizetype cierra = 0;
};
std::optional<ArgumentosLlamada> leerArgumentos(const QString &texto, qsizetype abre);
