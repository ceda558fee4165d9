#include "platform/ado/sqlite/TsqlParameters.h"

#include "platform/ado/sqlite/TsqlDates.h"

#include <QVarLengthArray>
#include <charconv>
#include <limits>
#include <optional>

namespace ado::sqlite {

namespace {

using Kind = TsqlToken::Kind;

constexpr qsizetype MostParameters = 100;

// The keywords that tell where a literal stands.
enum class Keyword { None, Select, Insert, Update, Delete, Create, Alter, Drop, Into, Values, Set, Where, From };

// Runs for every token of every statement: the first letter and the length choose the one
// word to compare.
Keyword keywordOf(const TsqlToken &token)
{
    if (token.kind != Kind::Word || token.text.size() < 3 || token.text.size() > 6)
        return Keyword::None;
    const auto is = [&](const char *word) { return token.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0; };
    const qsizetype length = token.text.size();
    switch (token.text.front().toUpper().unicode()) {
    case u'S':
        return length == 6 && is("SELECT") ? Keyword::Select : length == 3 && is("SET") ? Keyword::Set : Keyword::None;
    case u'I':
        return length == 6 && is("INSERT") ? Keyword::Insert
               : length == 4 && is("INTO") ? Keyword::Into
                                           : Keyword::None;
    case u'U':
        return length == 6 && is("UPDATE") ? Keyword::Update : Keyword::None;
    case u'D':
        return length == 6 && is("DELETE") ? Keyword::Delete
               : length == 4 && is("DROP") ? Keyword::Drop
                                           : Keyword::None;
    case u'C':
        return length == 6 && is("CREATE") ? Keyword::Create : Keyword::None;
    case u'A':
        return length == 5 && is("ALTER") ? Keyword::Alter : Keyword::None;
    case u'V':
        return length == 6 && is("VALUES") ? Keyword::Values : Keyword::None;
    case u'W':
        return length == 5 && is("WHERE") ? Keyword::Where : Keyword::None;
    case u'F':
        return length == 4 && is("FROM") ? Keyword::From : Keyword::None;
    default:
        return Keyword::None;
    }
}

bool isOperator(const TsqlToken &token, const char *op)
{
    return token.kind == Kind::Operator && token.text == QLatin1String(op);
}

bool isComparison(const TsqlToken &token)
{
    if (token.kind != Kind::Operator)
        return false;
    for (const char *op : {"=", "<>", "!=", "<", ">", "<=", ">=", "!<", "!>"}) {
        if (token.text == QLatin1String(op))
            return true;
    }
    return false;
}

bool startsStatement(Keyword keyword)
{
    return keyword == Keyword::Select || keyword == Keyword::Insert || keyword == Keyword::Update
           || keyword == Keyword::Delete;
}

// Only plain reads and writes: a definition may not hold parameters, and a SELECT ... INTO
// names the columns it creates after its expressions.
bool takesParameters(const QList<TsqlToken> &tokens)
{
    if (tokens.isEmpty() || !startsStatement(keywordOf(tokens.first())))
        return false;
    bool inSelect = false;
    for (const TsqlToken &token : tokens) {
        const Keyword keyword = keywordOf(token);
        if (keyword == Keyword::Create || keyword == Keyword::Alter || keyword == Keyword::Drop
            || (inSelect && keyword == Keyword::Into))
            return false;
        if (startsStatement(keyword))
            inSelect = keyword == Keyword::Select;
    }
    return true;
}

// Whether a number token is written in hexadecimal (0x...), which stays in the text.
bool isHexadecimal(const QString &text)
{
    return text.size() >= 2 && text.at(0) == u'0' && (text.at(1) == u'x' || text.at(1) == u'X');
}

// The value a literal stands for, when it may travel as a parameter.
std::optional<rt::Variant> valueOf(const TsqlToken &token)
{
    if (token.kind == Kind::String) {
        if (isoFromDateLiteral(token.text))
            return std::nullopt;
        return rt::Variant(token.text);
    }
    if (token.kind != Kind::Number || isHexadecimal(token.text))
        return std::nullopt;
    // The digits are ASCII: read in place, without the locale lookups of QString's conversions,
    // which cost more than the rest of recognising a statement sent again. Both read exactly.
    QVarLengthArray<char, 64> digits(token.text.size());
    bool whole = !token.text.isEmpty();
    for (qsizetype i = 0; i < token.text.size(); ++i) {
        const char16_t c = token.text.at(i).unicode();
        if (c > 0x7F)
            return std::nullopt;
        digits[i] = static_cast<char>(c);
        whole = whole && c >= u'0' && c <= u'9';
    }
    if (whole) {
        long long number = 0;
        const auto [end, error] = std::from_chars(digits.cbegin(), digits.cend(), number);
        if (error != std::errc() || end != digits.cend() || number > std::numeric_limits<int>::max())
            return std::nullopt;
        return rt::Variant(static_cast<int>(number));
    }
    double value = 0;
    const auto [end, error] = std::from_chars(digits.cbegin(), digits.cend(), value);
    if (error != std::errc() || end != digits.cend())
        return std::nullopt;
    return rt::Variant(value);
}

// Walks the tokens keeping the place of each one: the groups it stands in and whether it is in
// the assignments of a SET.
class Walker {
public:
    Walker(QList<TsqlToken> &tokens, const QSet<QString> &partialIndexColumns)
        : m_tokens(tokens)
        , m_partialIndexColumns(partialIndexColumns)
    {
    }

    QList<rt::Variant> run()
    {
        for (qsizetype i = 0; i < m_tokens.size(); ++i) {
            mark(i);
            follow(m_tokens.at(i));
        }
        return m_values;
    }

private:
    void mark(qsizetype i)
    {
        TsqlToken &token = m_tokens[i];
        if ((token.kind != Kind::String && token.kind != Kind::Number) || m_listDepth >= 0)
            return;
        qsizetype before = i - 1;
        if (token.kind == Kind::Number && before >= 0 && isOperator(m_tokens.at(before), "-"))
            --before;
        const TsqlToken *previous = before >= 0 ? &m_tokens.at(before) : nullptr;
        const TsqlToken *next = i + 1 < m_tokens.size() ? &m_tokens.at(i + 1) : nullptr;
        const bool valuesItem = !m_groups.isEmpty() && m_groups.last() && previous
                                && (previous->kind == Kind::OpenParen || previous->kind == Kind::Comma) && next
                                && (next->kind == Kind::Comma || next->kind == Kind::CloseParen);
        const bool assigned = m_setDepth == m_groups.size() && previous && isOperator(*previous, "=")
                              && (!next || next->kind == Kind::Comma || next->kind == Kind::Semicolon
                                  || keywordOf(*next) == Keyword::Where || keywordOf(*next) == Keyword::From);
        const bool compared = previous && isComparison(*previous);
        const bool comparedText = compared && token.kind == Kind::String;
        const bool comparedNumber =
            compared && token.kind == Kind::Number && before > 0 && isFreeColumn(m_tokens.at(before - 1));
        if (!valuesItem && !assigned && !comparedText && !comparedNumber)
            return;
        if (const auto value = valueOf(token)) {
            m_values.append(*value);
            token.parameter = static_cast<int>(m_values.size());
        }
    }

    // A column named last before a comparison, on which no partial index depends.
    bool isFreeColumn(const TsqlToken &token) const
    {
        return (token.kind == Kind::Word || token.kind == Kind::QuotedName)
               && !m_partialIndexColumns.contains(token.text.toUpper());
    }

    void follow(const TsqlToken &token)
    {
        const qsizetype depth = m_groups.size();
        if (token.kind == Kind::OpenParen) {
            m_groups.append(m_valuesDepth == depth);
            return;
        }
        if (token.kind == Kind::CloseParen) {
            if (!m_groups.isEmpty())
                m_groups.removeLast();
            if (m_setDepth > m_groups.size())
                m_setDepth = -1;
            if (m_listDepth > m_groups.size())
                m_listDepth = -1;
            return;
        }
        const Keyword keyword = keywordOf(token);
        // A select list runs to its FROM, INTO or WHERE; one inside it is part of it.
        if (keyword == Keyword::Select) {
            if (m_listDepth < 0)
                m_listDepth = depth;
        } else if (m_listDepth == depth
                   && (token.kind == Kind::Semicolon || keyword == Keyword::From || keyword == Keyword::Into
                       || keyword == Keyword::Where || startsStatement(keyword))) {
            m_listDepth = -1;
        }
        // A VALUES keyword opens rows until something other than a row or a comma follows.
        if (keyword == Keyword::Values)
            m_valuesDepth = depth;
        else if (token.kind != Kind::Comma && depth == m_valuesDepth)
            m_valuesDepth = -1;
        if (keyword == Keyword::Set)
            m_setDepth = depth;
        else if (m_setDepth == depth
                 && (token.kind == Kind::Semicolon || keyword == Keyword::Where || keyword == Keyword::From
                     || startsStatement(keyword)))
            m_setDepth = -1;
    }

    QList<TsqlToken> &m_tokens;
    const QSet<QString> &m_partialIndexColumns;
    QList<bool> m_groups; // the groups open around the current token, innermost last: a VALUES row?
    qsizetype m_valuesDepth = -1;
    qsizetype m_setDepth = -1;
    qsizetype m_listDepth = -1; // of the outermost select list open
    QList<rt::Variant> m_values;
};

} // namespace

QList<rt::Variant> markParameters(QList<TsqlToken> &tokens, const QSet<QString> &partialIndexColumns)
{
    if (!takesParameters(tokens))
        return {};
    QList<rt::Variant> values = Walker(tokens, partialIndexColumns).run();
    // A long list of rows gains nothing from sharing its translation, and SQLite looks its
    // parameters up one by one.
    if (values.size() > MostParameters) {
        for (TsqlToken &token : tokens)
            token.parameter = 0;
        return {};
    }
    return values;
}

std::optional<rt::Variant> parameterValue(const TsqlToken &token)
{
    return valueOf(token);
}

namespace {

// The length keeps a text from passing for what follows it.
void appendWithLength(QString &key, QStringView text)
{
    const auto length = static_cast<quint32>(text.size());
    key.append(QChar(static_cast<char16_t>(length & 0xFFFF))).append(QChar(static_cast<char16_t>(length >> 16)));
    key.append(text);
}

} // namespace

QString shapeKey(const QString &text, const QList<TsqlToken> &tokens)
{
    QString key;
    key.reserve(tokens.size() * 8);
    qsizetype written = 0; // where the previous token ends
    for (const TsqlToken &token : tokens) {
        if (token.start > written)
            appendWithLength(key, QStringView(text).mid(written, token.start - written));
        written = token.end;
        key.append(QChar(u'A' + static_cast<char16_t>(token.kind)));
        if (token.parameter > 0)
            key.append(u'?');
        else
            appendWithLength(key, QStringView(text).mid(token.start, token.end - token.start));
    }
    return key;
}

} // namespace ado::sqlite
