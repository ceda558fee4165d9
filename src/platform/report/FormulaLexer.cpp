#include "platform/report/FormulaLexer.h"

#include "platform/report/ReportError.h"

namespace report {

namespace {

class Lexer {
public:
    explicit Lexer(const QString &text)
        : m_text(text)
    {
    }

    QList<FormulaToken> run()
    {
        QList<FormulaToken> tokens;
        while (skipBlanks()) {
            tokens << next();
            m_afterValue = endsValue(tokens.constLast());
        }
        FormulaToken end;
        end.position = int(m_text.size());
        tokens << end;
        return tokens;
    }

private:
    static bool endsValue(const FormulaToken &token)
    {
        switch (token.kind) {
        case FormulaToken::Kind::Field:
        case FormulaToken::Kind::Formula:
        case FormulaToken::Kind::Sum:
        case FormulaToken::Kind::Text:
        case FormulaToken::Kind::Number:
        case FormulaToken::Kind::CloseParen:
            return true;
        case FormulaToken::Kind::Word:
            return token.text.compare(QLatin1String("and"), Qt::CaseInsensitive) != 0
                   && token.text.compare(QLatin1String("or"), Qt::CaseInsensitive) != 0
                   && token.text.compare(QLatin1String("not"), Qt::CaseInsensitive) != 0;
        default:
            return false;
        }
    }

    bool skipBlanks()
    {
        while (m_pos < m_text.size() && m_text[m_pos].isSpace())
            ++m_pos;
        return m_pos < m_text.size();
    }

    FormulaToken next()
    {
        const QChar c = m_text[m_pos];
        if (c == QLatin1Char('{'))
            return braced();
        if (c == QLatin1Char('\'') || c == QLatin1Char('"'))
            return quoted(c);
        if (c.isDigit() || (!m_afterValue && startsNumberAfterSign(c)))
            return number();
        if (c.isLetter() || c == QLatin1Char('_'))
            return word();
        return symbol();
    }

    bool peekDigit(qsizetype at) const { return at < m_text.size() && m_text[at].isDigit(); }

    // ".5" and "-3": a sign or point that a digit follows starts a number.
    bool startsNumberAfterSign(QChar c) const
    {
        if (c == QLatin1Char('.'))
            return peekDigit(m_pos + 1);
        if (c != QLatin1Char('-'))
            return false;
        const qsizetype after = m_pos + 1;
        return peekDigit(after) || (after < m_text.size() && m_text[after] == QLatin1Char('.') && peekDigit(after + 1));
    }

    FormulaToken make(FormulaToken::Kind kind, qsizetype start) const
    {
        FormulaToken token;
        token.kind = kind;
        token.position = int(start);
        return token;
    }

    FormulaToken braced()
    {
        const qsizetype start = m_pos;
        const qsizetype close = m_text.indexOf(QLatin1Char('}'), start);
        if (close < 0)
            raiseFormulaError(QStringLiteral("falta la llave de cierre"), m_text);
        const QString inside = m_text.mid(start + 1, close - start - 1).trimmed();
        m_pos = close + 1;
        if (inside.startsWith(QLatin1Char('@')) || inside.startsWith(QLatin1Char('#'))) {
            FormulaToken token = make(
                inside.startsWith(QLatin1Char('@')) ? FormulaToken::Kind::Formula : FormulaToken::Kind::Sum, start);
            token.text = inside.mid(1).trimmed();
            if (token.text.isEmpty())
                raiseFormulaError(QStringLiteral("nombre vacío entre llaves"), m_text);
            return token;
        }
        const qsizetype dot = inside.indexOf(QLatin1Char('.'));
        if (dot <= 0 || dot == inside.size() - 1)
            raiseFormulaError(QStringLiteral("se esperaba {TABLA.CAMPO} en lugar de {%1}").arg(inside), m_text);
        FormulaToken token = make(FormulaToken::Kind::Field, start);
        token.text = inside.left(dot).trimmed();
        token.field = inside.mid(dot + 1).trimmed();
        return token;
    }

    FormulaToken quoted(QChar quote)
    {
        const qsizetype start = m_pos++;
        QString value;
        while (true) {
            if (m_pos >= m_text.size())
                raiseFormulaError(QStringLiteral("falta cerrar un texto"), m_text);
            const QChar c = m_text[m_pos++];
            if (c != quote) {
                value += c;
                continue;
            }
            if (m_pos < m_text.size() && m_text[m_pos] == quote) {
                value += quote;
                ++m_pos;
                continue;
            }
            break;
        }
        FormulaToken token = make(FormulaToken::Kind::Text, start);
        token.value = rt::Variant(value);
        return token;
    }

    FormulaToken number()
    {
        const qsizetype start = m_pos;
        if (m_text[m_pos] == QLatin1Char('-'))
            ++m_pos;
        while (m_pos < m_text.size() && (m_text[m_pos].isDigit() || m_text[m_pos] == QLatin1Char('.')))
            ++m_pos;
        const QString digits = m_text.mid(start, m_pos - start);
        bool ok = false;
        const double value = digits.toDouble(&ok);
        if (!ok)
            raiseFormulaError(QStringLiteral("número mal escrito: %1").arg(digits), m_text);
        FormulaToken token = make(FormulaToken::Kind::Number, start);
        const bool whole = !digits.contains(QLatin1Char('.')) && value <= 2147483647.0 && value >= -2147483648.0;
        token.value = whole ? rt::Variant(int(value)) : rt::Variant(value);
        return token;
    }

    FormulaToken word()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && (m_text[m_pos].isLetterOrNumber() || m_text[m_pos] == QLatin1Char('_')))
            ++m_pos;
        FormulaToken token = make(FormulaToken::Kind::Word, start);
        token.text = m_text.mid(start, m_pos - start);
        return token;
    }

    FormulaToken symbol()
    {
        const qsizetype start = m_pos;
        const QChar c = m_text[m_pos++];
        if (c == QLatin1Char('('))
            return make(FormulaToken::Kind::OpenParen, start);
        if (c == QLatin1Char(')'))
            return make(FormulaToken::Kind::CloseParen, start);
        if (c == QLatin1Char(','))
            return make(FormulaToken::Kind::Comma, start);
        if (QStringLiteral("+-*/").contains(c)) {
            FormulaToken token = make(FormulaToken::Kind::Arithmetic, start);
            token.text = QString(c);
            return token;
        }
        const QChar after = m_pos < m_text.size() ? m_text[m_pos] : QChar();
        QString op(c);
        if ((c == QLatin1Char('<') && (after == QLatin1Char('>') || after == QLatin1Char('=')))
            || ((c == QLatin1Char('>') || c == QLatin1Char('!')) && after == QLatin1Char('='))) {
            op += after;
            ++m_pos;
        }
        if (op == QLatin1String("!") || !QStringLiteral("=<>!").contains(c))
            raiseFormulaError(QStringLiteral("carácter inesperado '%1'").arg(op), m_text);
        FormulaToken token = make(FormulaToken::Kind::Operator, start);
        token.text = op;
        return token;
    }

    const QString &m_text;
    qsizetype m_pos = 0;
    bool m_afterValue = false;
};

} // namespace

QList<FormulaToken> tokenizeFormula(const QString &text)
{
    return Lexer(text).run();
}

} // namespace report
