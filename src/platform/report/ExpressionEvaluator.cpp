#include "platform/report/ExpressionEvaluator.h"

#include "platform/report/ReportError.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Regional.h"

#include <algorithm>
#include <cmath>

namespace report {

namespace {

std::optional<double> asNumber(const rt::Variant &value)
{
    if (value.type() == rt::VarType::String) {
        bool ok = false;
        const double number = value.asString().trimmed().toDouble(&ok);
        return ok ? std::optional<double>(number) : std::nullopt;
    }
    if (value.isNumber() || value.type() == rt::VarType::Date)
        return rt::CDbl(value);
    return std::nullopt;
}

bool isText(const rt::Variant &value)
{
    return value.type() == rt::VarType::String;
}

// A value as arithmetic reads it. Work rows hold amounts as texts with the workstation's decimal
// separator ("540,00") beside rates written with a point ("10.5"), so a text reads either way; a
// blank text is 0; a text that is no number, and Null, have no value.
std::optional<double> arithmeticNumber(const rt::Variant &value)
{
    if (value.isNull())
        return std::nullopt;
    if (!isText(value))
        return asNumber(value);
    QString text = value.asString().trimmed();
    if (text.isEmpty())
        return 0.0;
    text.replace(rt::regional().decimalSeparator, QLatin1Char('.'));
    bool ok = false;
    const double number = text.toDouble(&ok);
    return ok ? std::optional<double>(number) : std::nullopt;
}

rt::Variant calculate(QChar sign, const rt::Variant &a, const rt::Variant &b)
{
    const auto x = arithmeticNumber(a);
    const auto y = arithmeticNumber(b);
    if (!x || !y)
        return rt::Variant::null();
    switch (sign.toLatin1()) {
    case '+':
        return rt::Variant(*x + *y);
    case '-':
        return rt::Variant(*x - *y);
    case '*':
        return rt::Variant(*x * *y);
    default:
        checkDivisor(b, QString());
        return rt::Variant(*x / *y);
    }
}

// Halves away from zero, as amounts on paper are rounded; the nudge keeps 2.675 (stored as
// 2.67499...) from falling to 2.67.
rt::Variant rounded(const rt::Variant &value, const rt::Variant &decimals)
{
    const auto x = arithmeticNumber(value);
    const auto digits = decimals.isEmpty() ? std::optional<double>(0) : arithmeticNumber(decimals);
    if (!x || !digits)
        return rt::Variant::null();
    const double scale = std::pow(10.0, std::round(*digits));
    const double scaled = *x * scale;
    return rt::Variant(std::round(scaled + std::copysign(1e-9 * std::max(1.0, std::fabs(scaled)), scaled)) / scale);
}

} // namespace

void checkDivisor(const rt::Variant &divisor, const QString &formula)
{
    const auto number = arithmeticNumber(divisor);
    if (number && *number == 0)
        raiseDivisionByZero(formula);
}

std::optional<int> compareValues(const rt::Variant &a, const rt::Variant &b)
{
    if (a.isNull() || b.isNull())
        return std::nullopt;
    if (!(isText(a) && isText(b))) {
        const auto x = asNumber(a);
        const auto y = asNumber(b);
        if (x && y)
            return *x < *y ? -1 : (*x > *y ? 1 : 0);
    }
    QString left = rt::CStr(a);
    QString right = rt::CStr(b);
    while (left.endsWith(QLatin1Char(' ')))
        left.chop(1);
    while (right.endsWith(QLatin1Char(' ')))
        right.chop(1);
    const int order = left.compare(right, Qt::CaseInsensitive);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

namespace {

bool holds(CompareOp op, int order)
{
    switch (op) {
    case CompareOp::Equal:
        return order == 0;
    case CompareOp::NotEqual:
        return order != 0;
    case CompareOp::Less:
        return order < 0;
    case CompareOp::LessEqual:
        return order <= 0;
    case CompareOp::Greater:
        return order > 0;
    case CompareOp::GreaterEqual:
        return order >= 0;
    }
    return false;
}

bool truth(const rt::Variant &value)
{
    if (value.type() == rt::VarType::Boolean)
        return value.asBoolean();
    const auto number = asNumber(value);
    return number && *number != 0;
}

} // namespace

rt::Variant evaluate(const Expression &expression, const ValueScope &scope)
{
    switch (expression.kind) {
    case Expression::Kind::Field:
        return scope.field(expression.field);
    case Expression::Kind::Formula:
        return scope.formula(expression.name);
    case Expression::Kind::Sum:
        return scope.sum(expression.name);
    case Expression::Kind::Literal:
        return expression.value;
    case Expression::Kind::Compare: {
        const auto order = compareValues(evaluate(*expression.left, scope), evaluate(*expression.right, scope));
        return rt::Variant(order.has_value() && holds(expression.op, *order));
    }
    case Expression::Kind::Arithmetic:
        return calculate(expression.arithmetic, evaluate(*expression.left, scope), evaluate(*expression.right, scope));
    case Expression::Kind::Round:
        return rounded(evaluate(*expression.left, scope),
                       expression.right ? evaluate(*expression.right, scope) : rt::Variant());
    case Expression::Kind::IIf:
        return evaluate(truth(evaluate(*expression.left, scope)) ? *expression.right : *expression.otherwise, scope);
    case Expression::Kind::And:
        return rt::Variant(truth(evaluate(*expression.left, scope)) && truth(evaluate(*expression.right, scope)));
    case Expression::Kind::Or:
        return rt::Variant(truth(evaluate(*expression.left, scope)) || truth(evaluate(*expression.right, scope)));
    case Expression::Kind::Not:
        return rt::Variant(!truth(evaluate(*expression.left, scope)));
    case Expression::Kind::IsNull:
        return rt::Variant(evaluate(*expression.left, scope).isNull());
    }
    return {};
}

bool isTrue(const ExpressionPtr &expression, const ValueScope &scope)
{
    return expression && truth(evaluate(*expression, scope));
}

} // namespace report
