#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// SQL text builders: a list of (column, literal) pairs turned into INSERT or UPDATE text.

// One column and its value, already an SQL literal ("'texto'", a number, "Null").
struct ParCampoValor {
    QString Campo;
    QString Valor;
};
using ParesCampoValor = QList<ParCampoValor>;

// The pair list of AgregarCampoValor and ArmarInsertUpdate, shared by every statement built
// with them; not safe for two statements built at the same time.
extern ParesCampoValor gParesCampoValor;
// The row being built by the print sections (column, value already quoted where it is text).
extern ParesCampoValor FilaCampos;
// The statement list of the access log, run as one script.
extern QStringList gSentenciasScript;

// Adds a pair to gParesCampoValor, which `Primero` starts afresh with one empty pair at index 0.
// Every apostrophe is removed from `Valor` (the caller's text too); "null" in any case is
// written Null, any other value as SQLValue(Valor, TipoCaracter) of the main connection.
void AgregarCampoValor(const QString &Campo, QString &Valor, const QString &TipoCaracter, bool Primero);

// Appends "(" the columns joined by "," ") VALUES (" the values joined by "," ")" to Sentencia,
// which already holds its prefix (" INSERT INTO T "). `Limpiar` empties the list afterwards.
void ArmarInsert(QString &Sentencia, ParesCampoValor &Pares, bool Limpiar);

// Appends to Sentencias the INSERT (or, with `Actualizar`, the UPDATE ... SET ... with
// Condicion, " WHERE " being put in front of it when it holds none) of the pairs into Tabla,
// then one empty entry. Unless `Conservar`, the pair list starts afresh with one empty pair.
void ArmarInsertUpdate(ParesCampoValor &Pares, QStringList &Sentencias, const QString &Tabla, bool Actualizar,
                       QString &Condicion, bool Conservar);

// On an Oracle main connection, the statement limited by "TOP n *" rewritten with
// "WHERE ROWNUM <= n", and "LEN" as "LENGTH"; on any other, the statement unchanged.
// Throws RuntimeError 5 when a "top" statement has no "*" after its count.
QString AdaptarSQLMotor(const QString &Sentencia);

// Puts the three lists above back to their start (empty).
void reiniciarSentenciasSQL();
