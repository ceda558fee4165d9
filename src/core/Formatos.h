#pragma once

#include "platform/runtime/Currency.h"
#include "platform/runtime/Variant.h"

#include <QString>

// Money, date and hour formats shared by the whole program. Texts follow the regional settings
// of the program (Spanish, Argentina unless changed), never the machine's locale.

// Decimals codes of FmtMoneda besides a plain count of decimals.
inline constexpr int DecimalesSinFormato = -3; // the text is returned as given
inline constexpr int DecimalesConfigurados = -1; // gCantidadDecimales
inline constexpr int DecimalesDeLaRegion = 0; // the region's currency digits
inline constexpr int DecimalesNinguno = -2; // a whole number

// The amount of `Texto` (an empty or non-numeric text reads as 0) rounded half to even to the
// decimals of `Decimales` and written with the mask "###,###,###,###0.00..." (separators) or
// "############0.00..."; with no decimals the trailing separator is dropped. A configured
// negative count other than -2 gives 2 decimals. Throws RuntimeError 6 when the amount does not
// fit a Currency.
QString FmtMoneda(const QString &Texto, int Decimales, bool SepararMiles);
// The same for an amount already read (the lists format thousands of them at a time); with
// DecimalesSinFormato, there being no text to give back, two decimals.
QString FmtMoneda(rt::Currency Importe, int Decimales, bool SepararMiles);

// The amount rounded half to even to `Decimales` places (4 or more: unchanged).
rt::Currency RedondearMoneda(rt::Currency Importe, int Decimales);

// The masks of the time stamps: "dd/mm/yy hh:mm", "dd/mm/yy" and "hh:mm".
QString FormatoFechaHora();
QString FormatoFecha();
QString FormatoHora();

// Minutes as an hours text with the configured separator ("SeparadorHora"; ":" when blank or
// when `SeparadorFijo`): "02:15" for 135; Horas and Resto receive the two numbers. With the
// separator "." the result is the decimal hours ("1.50" for 90) and Horas and Resto are left
// alone. Throws RuntimeError 13 when Minutos is not a number.
QString MinutosAHoras(const rt::Variant &Minutos, qint32 &Horas, qint32 &Resto, bool SeparadorFijo);

// "," when the regional settings write decimals with a comma, else ".".
QString SeparadorDecimal();
