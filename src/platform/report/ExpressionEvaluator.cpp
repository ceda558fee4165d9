#include "platform/report/ExpressionEvaluator.h"

#include "platform/runtime/Conversions.h"

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

} // namespace

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
