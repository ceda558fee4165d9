#pragma once

#include "platform/runtime/Variant.h"

#include <QList>
#include <QString>

namespace report {

// One piece of a formula's text.
struct FormulaToken {
    enum class Kind {
        Field,
        Formula,
        Sum,
        Text,
        Number,
        Operator,
        Arithmetic,
        Comma,
        OpenParen,
        CloseParen,
        Word,
        End
    };
    Kind kind = Kind::End;
    QString text; // Field: the table; Formula and Sum: the name; Operator and Word: as written
    QString field; // Field: the field name, blanks inside kept
    rt::Variant value; // Text and Number
    int position = 0; // where it starts in the formula
};

// Splits a formula into tokens: {TABLE.FIELD}, {@Formula}, {#Sum}, texts between ' or " (a
// doubled quote inside stands for one), numbers, the operators = <> != < <= > >=, the arithmetic
// + - * /, commas, parentheses and words (AND, OR, NOT, True, False, IsNull, Round). A "-" right
// after a value subtracts; elsewhere it starts a negative number. The list ends with an End token.
// Throws rt::RuntimeError err::Formula for an unclosed text or brace, an empty or nameless
// brace, or a character no formula holds.
QList<FormulaToken> tokenizeFormula(const QString &text);

} // namespace report
