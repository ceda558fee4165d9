#pragma once

#include <QString>
#include <initializer_list>

// Text helpers of the voucher print rows.

// Turns the accented-letter escapes of a rich text into their letters: every hexadecimal
// escape \'xx of an accented Latin-1 letter, and the short forms \e1, \e9, \ed, \f3, \fa (in any
// case) into á, é, í, ó, ú. The caller's text holds the result, which is also returned.
QString ConvierteAcentosRTF(QString &Texto);

// A number text as fixed-width digits without separator: the whole part in at least `Enteros`
// digits (never cut), then exactly `Decimales` digits of the decimal part (cut or padded with
// "0"). The decimal separator is the region's; a negative number keeps its "-" in front:
// "1234,5" with 13 and 2 gives "000000000123450".
QString FormatoNroAS400(const QString &Texto, int Enteros, int Decimales);

// Whether a type code names one of the types, trimmed and without regard to letter case.
bool EsTipo(const QString &tc, std::initializer_list<const char *> tipos);
