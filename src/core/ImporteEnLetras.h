#pragma once

#include <QString>
#include <array>
#include <optional>

// Amounts in Spanish words, as receipts and vouchers print their totals.

// The five word tables of NumeroEnLetras, indexed by a digit or a two-digit value; index 0 of
// each is empty.
struct TablasNumeros {
    std::array<QString, 10> unidades; // "un", "dos" ... "nueve"
    std::array<QString, 10> decenas; // "diez", "veinte" ... "noventa"
    std::array<QString, 11> centenas; // "ciento" ... "novecientos"; 10: "cien"
    std::array<QString, 10> prefijos; // "dieci", "veinti", "treinta y " ...
    std::array<QString, 16> especiales; // 11 to 15: "once" ... "quince"
};
TablasNumeros CargarTablasNumeros();

// The whole part of a number text (regional separators) in lower-case words: "un", "veintiun",
// "un mil", "dos millones quinientos mil", "un billón"; "menos " in front of negatives, "cero"
// below 1 or for a text that is not a number. Digits beyond the eighteenth are dropped.
QString NumeroEnLetras(const QString &Numero);

// The amount's whole part in words, the currency word between blanks and "con " the cents
// "/100" ("un mil doscientos treinta y cuatro Pesos con 50/100"), for the amount as a form prints
// its figure: rounded to cents halves away from zero (1,005 is "un Pesos con 01/100"). A negative
// amount starts "menos ", under one peso too ("menos cero Pesos con 50/100"), unless it prints as
// zero (-0,004 is "cero Pesos"). An amount with zero cents has no cents phrase, one without a
// decimal separator ends " con 00/100". With `Ancho` (not 0) the words are fitted to that many
// characters. `Centavos` is accepted for the callers and has no effect.
QString ImporteEnLetras(const QString &Importe, std::optional<int> Ancho = std::nullopt,
                        const std::optional<QString> &Moneda = std::nullopt,
                        const std::optional<QString> &Centavos = std::nullopt);
