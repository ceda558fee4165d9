#pragma once

#include "platform/runtime/Variant.h"

#include <QString>
#include <memory>

namespace report {

enum class CompareOp { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };

// A {TABLE.FIELD} as a formula writes it: the table by its name or its alias, any letter case.
struct FieldName {
    QString table;
    QString field;
};

// The deepest a formula may go: a parenthesis, a NOT, a leading minus and the values of IsNull,
// Round and IIf each open a level, and so does each further link of a chain of ANDs, ORs, sums or
// products, since whatever reads the formula walks it that deep. Far beyond any form's formula, and
// shallow enough for every reader of it to stay well inside the stack.
inline constexpr int kFormulaDepthLimit = 1000;

struct Expression;
using ExpressionPtr = std::shared_ptr<const Expression>;

// A parsed formula.
struct Expression {
    enum class Kind { Field, Formula, Sum, Literal, Compare, Arithmetic, Round, IIf, And, Or, Not, IsNull };
    Kind kind = Kind::Literal;
    FieldName field; // Field
    QString name; // Formula ({@Name}) and Sum ({#Name})
    rt::Variant value; // Literal
    CompareOp op = CompareOp::Equal;
    QChar arithmetic; // Arithmetic: + - * /
    ExpressionPtr left; // Compare, Arithmetic, And, Or; the operand of Not, IsNull and Round; IIf's condition
    ExpressionPtr right; // Round: the decimals (none: 0); IIf: the value when the condition holds
    ExpressionPtr otherwise; // IIf: the value when it does not
    int depth = 1; // levels from this node down to its deepest value
};

// Parses a formula: comparisons of {TABLE.FIELD}, {@Formula}, {#Sum}, texts, numbers and
// True/False, joined by AND, OR, NOT and parentheses; sums, differences, products and quotients
// of values (* and / before + and -, a leading - negates); IsNull(value); Round(value[, decimals]); IIf(condition,
// value, otherwise); a lone value stands for "is true". Words ignore letter case. A blank text gives nullptr (no
// condition).
// Throws rt::RuntimeError err::Formula for a text it cannot read or one deeper than kFormulaDepthLimit.
ExpressionPtr parseFormula(const QString &text);

} // namespace report
