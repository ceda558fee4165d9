#pragma once

#include <QString>

// The stored column choice of the grid: one row of TA_CONFIG_FORM per program, command line and
// database user, found again by FORMULARIO, USUARIO and NOMBRE.
namespace ColumnasGuardadas {

// The three keys of the row, each made SQL-safe and cut to its column's length.
struct Claves {
    QString formulario;
    QString usuario;
    QString nombre;
};

// FORMULARIO: the executable's name followed at once by its command line, without the
// "@Password" parameter (a password must never be stored in clear); USUARIO: the database user.
Claves claves(const QString &programa, const QString &lineaComando, const QString &usuario);

// VALOR: the select list with its commas turned into "|" and its blanks removed, except inside
// [bracketed] names and literals ("[Razon Social]" keeps its blank).
QString valorGuardado(const QString &CamposSel);
// The select list of a stored VALOR.
QString camposDeValor(const QString &valor);

QString leer(const Claves &claves);
QString borrar(const Claves &claves);
QString insertar(const Claves &claves, const QString &valor);

} // namespace ColumnasGuardadas
