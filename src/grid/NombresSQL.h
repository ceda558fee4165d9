#pragma once

#include <QList>
#include <QString>

// Column names as the grid writes them into its texts and lists: in brackets, each "]" of the
// name doubled as T-SQL reads it ("[a]]b]" names the column a]b), so a name holds any character
// and stays one name. A list's separators count only outside parentheses, [bracketed] and
// "quoted" names and 'literals'.
namespace NombresSQL {

// A piece of a list and the separator that ends it.
struct Parte {
    QString texto;
    QString separador; // "|", ",", ", " (the comma and the blank after it), or empty at the end
};

// The name in brackets: a]b gives "[a]]b]".
QString entreCorchetes(const QString &nombre);
// The text with the quotes of its names taken off: a [bracketed] or "quoted" name reads as the
// name ("[a]]b]" gives a]b, "a""b" gives a"b), and a bracket outside names and literals is dropped.
QString sinComillasDeNombre(const QString &texto);
// The pieces of a list cut at each "|" and "," outside parentheses, names and literals.
QList<Parte> partes(const QString &lista);
// The text with each `de` outside names and literals turned into `a`.
QString reemplazarFuera(const QString &texto, QChar de, QChar a);
// The text without the blanks outside names and literals.
QString sinBlancosFuera(const QString &texto);

} // namespace NombresSQL
