#include "platform/report/Expression.h"

#include "platform/report/FormulaLexer.h"
#include "platform/report/ReportError.h"

#include <QScopeGuard>
#include <algorithm>

namespace report {

namespace {

using Kind = FormulaToken::Kind;

class Parser {
public:
    explicit Parser(const QString &text)
        : m_text(text)
        , m_tokens(tokenizeFormula(text))
    {
    }

    ExpressionPtr run()
    {
        ExpressionPtr result = orExpression();
        if (peek().kind != Kind::End)
            fail(QStringLiteral("sobra texto desde la posición %1").arg(peek().position + 1));
        return result;
    }

private:
    [[noreturn]] void fail(const QString &message) const { raiseFormulaError(message, m_text); }
    [[noreturn]] void failTooDeep() const { fail(QStringLiteral("anida más de %1 niveles").arg(kFormulaDepthLimit)); }

    // One level deeper in a rule that reads itself again (a parenthesis, NOT, a leading minus, a
    // function's values), until the guard goes. Parentheses build no node, so the reading counts them.
    [[nodiscard]] auto deeper()
    {
        if (++m_depth > kFormulaDepthLimit)
            failTooDeep();
        return qScopeGuard([this] { --m_depth; });
    }

    const FormulaToken &peek() const { return m_tokens[m_pos]; }
    const FormulaToken &take() { return m_tokens[m_pos++]; }

    bool takeWord(const char *word)
    {
        if (peek().kind == Kind::Word && peek().text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0) {
            ++m_pos;
            return true;
        }
        return false;
    }

    // A node over up to three others. A chain of ANDs or sums grows one node deeper per link, and
    // every reader of the tree follows it down, so its depth counts against the limit as well.
    std::shared_ptr<Expression> binary(Expression::Kind kind, ExpressionPtr left, ExpressionPtr right,
                                       ExpressionPtr otherwise = nullptr) const
    {
        auto node = std::make_shared<Expression>();
        node->kind = kind;
        for (const Expression *child : {left.get(), right.get(), otherwise.get()}) {
            if (child)
                node->depth = std::max(node->depth, child->depth + 1);
        }
        if (node->depth > kFormulaDepthLimit)
            failTooDeep();
        node->left = std::move(left);
        node->right = std::move(right);
        node->otherwise = std::move(otherwise);
        return node;
    }

    ExpressionPtr orExpression()
    {
        ExpressionPtr left = andExpression();
        while (takeWord("or"))
            left = binary(Expression::Kind::Or, left, andExpression());
        return left;
    }

    ExpressionPtr andExpression()
    {
        ExpressionPtr left = notExpression();
        while (takeWord("and"))
            left = binary(Expression::Kind::And, left, notExpression());
        return left;
    }

    ExpressionPtr notExpression()
    {
        if (!takeWord("not"))
            return comparison();
        const auto level = deeper();
        return binary(Expression::Kind::Not, notExpression(), nullptr);
    }

    ExpressionPtr comparison()
    {
        ExpressionPtr left = additive();
        if (peek().kind != Kind::Operator)
            return left;
        const CompareOp op = compareOp(take().text);
        auto node = binary(Expression::Kind::Compare, left, additive());
        node->op = op;
        return node;
    }

    bool takeArithmetic(const char *signs, QChar &sign)
    {
        if (peek().kind != Kind::Arithmetic || !QLatin1String(signs).contains(peek().text))
            return false;
        sign = take().text.front();
        return true;
    }

    ExpressionPtr arithmetic(QChar sign, ExpressionPtr left, ExpressionPtr right) const
    {
        auto node = binary(Expression::Kind::Arithmetic, std::move(left), std::move(right));
        node->arithmetic = sign;
        return node;
    }

    // Operands of the next level joined left to right by the signs of this one.
    ExpressionPtr chain(const char *signs, ExpressionPtr (Parser::*next)())
    {
        ExpressionPtr left = (this->*next)();
        QChar sign;
        while (takeArithmetic(signs, sign))
            left = arithmetic(sign, left, (this->*next)());
        return left;
    }

    ExpressionPtr additive() { return chain("+-", &Parser::multiplicative); }
    ExpressionPtr multiplicative() { return chain("*/", &Parser::negation); }

    ExpressionPtr negation()
    {
        QChar sign;
        if (!takeArithmetic("-", sign))
            return operand();
        const auto level = deeper();
        return arithmetic(sign, literal(rt::Variant(0)), negation());
    }

    static CompareOp compareOp(const QString &op)
    {
        if (op == QLatin1String("<>") || op == QLatin1String("!="))
            return CompareOp::NotEqual;
        if (op == QLatin1String("<"))
            return CompareOp::Less;
        if (op == QLatin1String("<="))
            return CompareOp::LessEqual;
        if (op == QLatin1String(">"))
            return CompareOp::Greater;
        if (op == QLatin1String(">="))
            return CompareOp::GreaterEqual;
        return CompareOp::Equal;
    }

    static ExpressionPtr literal(const rt::Variant &value)
    {
        auto node = std::make_shared<Expression>();
        node->value = value;
        return node;
    }

    ExpressionPtr operand()
    {
        const auto level = deeper();
        const FormulaToken &token = take();
        switch (token.kind) {
        case Kind::Field: {
            auto node = std::make_shared<Expression>();
            node->kind = Expression::Kind::Field;
            node->field = {token.text, token.field};
            return node;
        }
        case Kind::Formula:
        case Kind::Sum: {
            auto node = std::make_shared<Expression>();
            node->kind = token.kind == Kind::Formula ? Expression::Kind::Formula : Expression::Kind::Sum;
            node->name = token.text;
            return node;
        }
        case Kind::Text:
        case Kind::Number:
            return literal(token.value);
        case Kind::OpenParen: {
            ExpressionPtr inner = orExpression();
            expectClose();
            return inner;
        }
        case Kind::Word:
            return wordOperand(token);
        default:
            break;
        }
        fail(token.kind == Kind::End
                 ? QStringLiteral("la fórmula termina antes de tiempo")
                 : QStringLiteral("se esperaba un valor en la posición %1").arg(token.position + 1));
    }

    ExpressionPtr wordOperand(const FormulaToken &token)
    {
        if (token.text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return literal(rt::Variant(true));
        if (token.text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return literal(rt::Variant(false));
        if (token.text.compare(QLatin1String("round"), Qt::CaseInsensitive) == 0) {
            if (take().kind != Kind::OpenParen)
                fail(QStringLiteral("Round necesita su valor entre paréntesis"));
            ExpressionPtr value = orExpression();
            ExpressionPtr decimals;
            if (peek().kind == Kind::Comma) {
                take();
                decimals = orExpression();
            }
            expectClose();
            return binary(Expression::Kind::Round, value, decimals);
        }
        if (token.text.compare(QLatin1String("iif"), Qt::CaseInsensitive) == 0) {
            if (take().kind != Kind::OpenParen)
                fail(QStringLiteral("IIf necesita sus valores entre paréntesis"));
            ExpressionPtr condition = orExpression();
            expectComma();
            ExpressionPtr value = orExpression();
            expectComma();
            ExpressionPtr otherwise = orExpression();
            expectClose();
            return binary(Expression::Kind::IIf, condition, value, otherwise);
        }
        if (token.text.compare(QLatin1String("isnull"), Qt::CaseInsensitive) == 0) {
            if (take().kind != Kind::OpenParen)
                fail(QStringLiteral("IsNull necesita su valor entre paréntesis"));
            auto node = binary(Expression::Kind::IsNull, operand(), nullptr);
            expectClose();
            return node;
        }
        fail(QStringLiteral("palabra desconocida '%1'").arg(token.text));
    }

    void expectComma()
    {
        if (take().kind != Kind::Comma)
            fail(QStringLiteral("falta una coma entre los valores"));
    }

    void expectClose()
    {
        if (take().kind != Kind::CloseParen)
            fail(QStringLiteral("falta un paréntesis de cierre"));
    }

    const QString &m_text;
    QList<FormulaToken> m_tokens;
    int m_pos = 0;
    int m_depth = 0; // levels of deeper() open
};

} // namespace

ExpressionPtr parseFormula(const QString &text)
{
    if (text.trimmed().isEmpty())
        return nullptr;
    return Parser(text).run();
}

} // namespace report
