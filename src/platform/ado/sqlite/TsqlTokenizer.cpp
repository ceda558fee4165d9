#include "platform/ado/sqlite/TsqlTokenizer.h"

#include "platform/ado/sqlite/TsqlSyntaxError.h"

namespace ado::sqlite {

namespace {

using Kind = TsqlToken::Kind;

bool isNameStart(QChar c)
{
    return c.isLetter() || c == u'_';
}

bool isNamePart(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$';
}

class Lexer {
public:
    explicit Lexer(const QString &text)
        : m_text(text)
    {
    }

    QList<TsqlToken> run()
    {
        QList<TsqlToken> tokens;
        tokens.reserve(m_text.size() / 4); // about one token in four characters, blanks included
        while (true) {
            const bool spaced = skipBlanksAndComments();
            if (m_pos >= m_text.size())
                break;
            // SQLite would take a NUL for the end of the text and never reach what follows it.
            if (m_text.at(m_pos).isNull())
                throwTsqlSyntaxError(tokens.isEmpty() ? QString() : tokens.last().text);
            const qsizetype start = m_pos;
            TsqlToken token = next();
            token.spaced = spaced;
            token.start = start;
            token.end = m_pos;
            tokens.append(std::move(token));
        }
        return tokens;
    }

    std::optional<TsqlToken> literalAt(qsizetype pos)
    {
        const QChar c = at(pos);
        const bool string = c == u'\'' || ((c == u'N' || c == u'n') && at(pos + 1) == u'\'');
        const bool number = c.isDigit() || (c == u'.' && at(pos + 1).isDigit());
        if (!string && !number)
            return std::nullopt;
        m_pos = pos;
        TsqlToken token = next();
        token.start = pos;
        token.end = m_pos;
        return token;
    }

private:
    QChar at(qsizetype pos) const { return pos < m_text.size() ? m_text.at(pos) : QChar(); }

    bool skipBlanksAndComments()
    {
        bool skipped = false;
        while (m_pos < m_text.size()) {
            const QChar c = m_text.at(m_pos);
            if (c.isSpace()) {
                ++m_pos;
            } else if (c == u'-' && at(m_pos + 1) == u'-') {
                while (m_pos < m_text.size() && m_text.at(m_pos) != u'\n' && m_text.at(m_pos) != u'\r')
                    ++m_pos;
            } else if (c == u'/' && at(m_pos + 1) == u'*') {
                skipBlockComment();
            } else {
                break;
            }
            skipped = true;
        }
        return skipped;
    }

    void skipBlockComment()
    {
        const qsizetype start = m_pos;
        int depth = 0;
        while (m_pos < m_text.size()) {
            if (m_text.at(m_pos) == u'/' && at(m_pos + 1) == u'*') {
                ++depth;
                m_pos += 2;
            } else if (m_text.at(m_pos) == u'*' && at(m_pos + 1) == u'/') {
                m_pos += 2;
                if (--depth == 0)
                    return;
            } else {
                ++m_pos;
            }
        }
        throwTsqlSyntaxError(m_text.mid(start));
    }

    TsqlToken next()
    {
        const QChar c = m_text.at(m_pos);
        if ((c == u'N' || c == u'n') && at(m_pos + 1) == u'\'') {
            ++m_pos;
            return quoted(Kind::String, u'\'');
        }
        if (c == u'\'')
            return quoted(Kind::String, u'\'');
        if (c == u'"')
            return quoted(Kind::QuotedName, u'"');
        if (c == u'[')
            return quoted(Kind::QuotedName, u']');
        if (c.isDigit() || (c == u'.' && at(m_pos + 1).isDigit()))
            return number();
        if (isNameStart(c))
            return span(Kind::Word, m_pos);
        if (c == u'@' || c == u'#')
            return prefixedName(c);
        return punctuation(c);
    }

    // A literal or name between `close` marks; the mark doubled stands for itself.
    TsqlToken quoted(Kind kind, QChar close)
    {
        const qsizetype start = m_pos;
        ++m_pos;
        QString value;
        while (true) {
            const qsizetype end = m_text.indexOf(close, m_pos);
            if (end < 0)
                throwTsqlSyntaxError(m_text.mid(start));
            value.append(QStringView(m_text).mid(m_pos, end - m_pos));
            m_pos = end + 1;
            if (at(m_pos) != close)
                return {kind, value, false};
            value.append(close);
            ++m_pos;
        }
    }

    TsqlToken number()
    {
        const qsizetype start = m_pos;
        if (m_text.at(m_pos) == u'0' && (at(m_pos + 1) == u'x' || at(m_pos + 1) == u'X')) {
            m_pos += 2;
            while (at(m_pos).isDigit() || QStringLiteral("abcdefABCDEF").contains(at(m_pos)))
                ++m_pos;
            return {Kind::Number, m_text.mid(start, m_pos - start), false};
        }
        while (at(m_pos).isDigit())
            ++m_pos;
        if (at(m_pos) == u'.') {
            ++m_pos;
            while (at(m_pos).isDigit())
                ++m_pos;
        }
        const QChar e = at(m_pos);
        if (e == u'e' || e == u'E') {
            qsizetype digits = m_pos + 1;
            if (at(digits) == u'+' || at(digits) == u'-')
                ++digits;
            if (at(digits).isDigit()) {
                m_pos = digits;
                while (at(m_pos).isDigit())
                    ++m_pos;
            }
        }
        return {Kind::Number, m_text.mid(start, m_pos - start), false};
    }

    TsqlToken span(Kind kind, qsizetype start)
    {
        while (m_pos < m_text.size() && isNamePart(m_text.at(m_pos)))
            ++m_pos;
        return {kind, m_text.mid(start, m_pos - start), false};
    }

    // @variable, @@function, #temp and ##global temp names.
    TsqlToken prefixedName(QChar prefix)
    {
        const qsizetype start = m_pos;
        m_pos += at(m_pos + 1) == prefix ? 2 : 1;
        if (m_pos >= m_text.size() || !isNamePart(m_text.at(m_pos))) {
            m_pos = start + 1;
            return {Kind::Other, QString(prefix), false};
        }
        return span(prefix == u'@' ? Kind::Variable : Kind::TempName, start);
    }

    TsqlToken punctuation(QChar c)
    {
        ++m_pos;
        switch (c.unicode()) {
        case u',':
            return {Kind::Comma, QStringLiteral(","), false};
        case u'.':
            return {Kind::Dot, QStringLiteral("."), false};
        case u';':
            return {Kind::Semicolon, QStringLiteral(";"), false};
        case u'(':
            return {Kind::OpenParen, QStringLiteral("("), false};
        case u')':
            return {Kind::CloseParen, QStringLiteral(")"), false};
        default:
            break;
        }
        if (QStringLiteral("=<>!").contains(c)) {
            const QString pair = QString(c) + at(m_pos);
            static const QStringList pairs{QStringLiteral("<>"), QStringLiteral("!="), QStringLiteral("<="),
                                           QStringLiteral(">="), QStringLiteral("!<"), QStringLiteral("!>")};
            if (pairs.contains(pair)) {
                ++m_pos;
                return {Kind::Operator, pair, false};
            }
            if (c != u'!')
                return {Kind::Operator, QString(c), false};
        }
        if (QStringLiteral("+-*/%&|^~").contains(c))
            return {Kind::Operator, QString(c), false};
        return {Kind::Other, QString(c), false};
    }

    const QString &m_text;
    qsizetype m_pos = 0;
};

} // namespace

QList<TsqlToken> tokenizeTsql(const QString &text)
{
    return Lexer(text).run();
}

std::optional<TsqlToken> tsqlLiteralAt(const QString &text, qsizetype pos)
{
    return Lexer(text).literalAt(pos);
}

} // namespace ado::sqlite
