#include "platform/report/SelectionTranslator.h"

#include "platform/report/ExpressionEvaluator.h"
#include "platform/report/ReportError.h"

#include <optional>

namespace report {

namespace {

class Translator {
public:
    Translator(const QString &formula, const TableResolver &tables, const FormulaValues &formulas)
        : m_formula(formula)
        , m_tables(tables)
        , m_formulas(formulas)
    {
    }

    SqlCondition run(const Expression &root)
    {
        m_result.text = condition(root);
        return m_result;
    }

private:
    QString condition(const Expression &node)
    {
        switch (node.kind) {
        case Expression::Kind::And:
        case Expression::Kind::Or: {
            const bool isAnd = node.kind == Expression::Kind::And;
            // Values are bound in reading order, so the left side must be written first.
            const QString left = part(*node.left, isAnd);
            return left + (isAnd ? QStringLiteral(" AND ") : QStringLiteral(" OR ")) + part(*node.right, isAnd);
        }
        case Expression::Kind::Not:
            return QStringLiteral("NOT (") + condition(*node.left) + QLatin1Char(')');
        case Expression::Kind::IsNull:
            return value(*node.left) + QStringLiteral(" IS NULL");
        case Expression::Kind::Compare: {
            const QString left = value(*node.left);
            return left + QLatin1Char(' ') + opText(node.op) + QLatin1Char(' ') + value(*node.right);
        }
        default:
            return value(node) + QStringLiteral(" <> 0");
        }
    }

    // An OR inside an AND keeps its parentheses.
    QString part(const Expression &node, bool insideAnd)
    {
        const QString text = condition(node);
        return insideAnd && node.kind == Expression::Kind::Or ? QLatin1Char('(') + text + QLatin1Char(')') : text;
    }

    QString value(const Expression &node)
    {
        switch (node.kind) {
        case Expression::Kind::Field:
            return m_tables.sqlColumn(node.field, m_formula);
        case Expression::Kind::Literal:
        case Expression::Kind::Formula:
            return bind(*known(node));
        case Expression::Kind::Sum:
            raiseFormulaError(QStringLiteral("no se puede seleccionar por el total {#%1}").arg(node.name), m_formula);
        case Expression::Kind::Arithmetic: {
            // A divisor known before the rows are read is checked here, as a formula the report calculates.
            const auto divisor = known(*node.right);
            if (node.arithmetic == QLatin1Char('/') && divisor)
                checkDivisor(*divisor, m_formula);
            m_result.divides = m_result.divides || node.arithmetic == QLatin1Char('/');
            // Each operation keeps its parentheses, so the database groups it as the formula did.
            const QString left = value(*node.left);
            return QLatin1Char('(') + left + QLatin1Char(' ') + node.arithmetic + QLatin1Char(' ') + value(*node.right)
                   + QLatin1Char(')');
        }
        case Expression::Kind::Round:
        case Expression::Kind::IIf:
            raiseFormulaError(QStringLiteral("no se puede seleccionar con Round ni IIf"), m_formula);
        default:
            return QLatin1Char('(') + condition(node) + QLatin1Char(')');
        }
    }

    // The value of a text, number or {@Formula}, known before the rows are read; nullopt for others.
    std::optional<rt::Variant> known(const Expression &node) const
    {
        if (node.kind == Expression::Kind::Literal)
            return node.value;
        if (node.kind == Expression::Kind::Formula)
            return rt::Variant(m_formulas.value(node.name));
        return std::nullopt;
    }

    QString bind(const rt::Variant &v)
    {
        m_result.values << v;
        return QStringLiteral("?");
    }

    static QString opText(CompareOp op)
    {
        switch (op) {
        case CompareOp::NotEqual:
            return QStringLiteral("<>");
        case CompareOp::Less:
            return QStringLiteral("<");
        case CompareOp::LessEqual:
            return QStringLiteral("<=");
        case CompareOp::Greater:
            return QStringLiteral(">");
        case CompareOp::GreaterEqual:
            return QStringLiteral(">=");
        case CompareOp::Equal:
            break;
        }
        return QStringLiteral("=");
    }

    const QString &m_formula;
    const TableResolver &m_tables;
    const FormulaValues &m_formulas;
    SqlCondition m_result;
};

} // namespace

SqlCondition translateSelection(const QString &formula, const TableResolver &tables, const FormulaValues &formulas)
{
    const ExpressionPtr root = parseFormula(formula);
    if (!root)
        return {};
    return Translator(formula, tables, formulas).run(*root);
}

} // namespace report
