#pragma once

#include "platform/runtime/Variant.h"

#include <QString>

// The configuration store: the key/value rows of TA_CONFIGURACION (gTablaConfiguracion), read
// on the main connection (Cfg, CfgAux) or on the statistics connection (CfgQV, GrabaCfgQV).
// Keys are quoted with SQLValue, so a key holding an apostrophe is looked up like any other.

// The VALOR of the key, untrimmed (Null gives ""); ValorAux receives its VALORAUX. A key with no
// row gives " " and empties ValorAux. With the main connection closed: "" and ValorAux untouched.
// A failure is shown by MostrarError ("Cfg"); after any answer but Ignore the result is "".
// The key "THEME" with a blank value gives "1".
QString Cfg(const QString &Clave, QString &ValorAux);
QString Cfg(const QString &Clave);

// The VALORAUX of the key on the main connection; " " when the key has no row. Failures are
// shown by MostrarError ("CfgAux"); after any answer but Ignore the result is "".
QString CfgAux(const QString &Clave);

// As Cfg, on the statistics connection and without looking at its state ("CfgQV").
QString CfgQV(const QString &Clave, QString &ValorAux);
QString CfgQV(const QString &Clave);

// Writes the key (trimmed and upper-cased) on the statistics connection: a new row, or the first
// row of the key rewritten. VALORAUX is written only when ValorAux is not empty. Failures are
// ignored and leave the table as it was.
void GrabaCfgQV(const QString &Clave, const rt::Variant &Valor, const QString &ValorAux, bool PoliticaNegocio,
                const QString &Grupo, bool RecortarValor);
