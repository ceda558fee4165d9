#pragma once

#include <QString>
#include <QStringList>

// The lots and serial numbers of a voucher line, as lists separated by "|".

// Fills Items from Texto: one trimmed item per "|"-separated piece (a leading "|" and an empty
// end ignored), then one empty slot; an empty text gives the empty slot alone.
void Cuenta_Series_Y_Lotes(const QString &Texto, QStringList &Items);

// The lots whose number in Serie (position by position) is above zero, each followed by a
// blank; empty when Serie is empty. Removes every character of code 255 from the caller's
// Lote first. A number that cannot be read goes to TratamientoErrores ("Cuenta_Series_Lotes"):
// Retry reads it again, Ignore skips that lot, any other answer gives what is built so far.
QString Cuenta_Series_Lotes(QString &Lote, const QString &Serie);

// The character of code 255 that marks lot texts.
QChar CaracterLote();
