#pragma once

#include "platform/report/Expression.h"
#include "platform/runtime/Variant.h"

#include <optional>

namespace report {

// What a formula reads while the report is laid out: the current row, the formulas and the
// running sums.
class ValueScope {
public:
    virtual ~ValueScope() = default;
    // Throws rt::RuntimeError err::Formula for a table the report does not have.
    virtual rt::Variant field(const FieldName &field) const = 0;
    virtual rt::Variant formula(const QString &name) const = 0;
    virtual rt::Variant sum(const QString &name) const = 0;
};

// The value of a formula in the scope. Comparisons give Booleans; a comparison with Null is
// False; texts compare without regard to letter case or trailing blanks (as the database
// does), a text that reads as a number compares with a number as one; arithmetic with Null, or
// with a text that is no number, gives Null.
// Throws rt::RuntimeError err::Formula for a division by zero, and whatever the scope throws.
rt::Variant evaluate(const Expression &expression, const ValueScope &scope);

// Throws rt::RuntimeError err::Formula, naming `formula`, when `divisor` is zero as arithmetic reads
// it: the number 0, or a text that reads as 0 (a blank text does).
void checkDivisor(const rt::Variant &divisor, const QString &formula);

// How two values compare as formulas compare them: -1, 0 or 1; nullopt when either is Null.
std::optional<int> compareValues(const rt::Variant &a, const rt::Variant &b);

// True when the formula's value is True (or a number other than 0); a null formula is False.
bool isTrue(const ExpressionPtr &expression, const ValueScope &scope);

} // namespace report
