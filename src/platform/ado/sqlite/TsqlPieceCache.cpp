#include "platform/ado/sqlite/TsqlPieceCache.h"

#include "platform/ado/Engine.h"
#include "platform/ado/sqlite/TsqlParameters.h"

namespace ado::sqlite {

namespace {

// Whether `literal` is a plain number: digits with at most one decimal point, which the
// tokenizer reads as one number token from its first character to its last.
bool isPlainNumber(const QString &literal)
{
    bool point = false;
    bool digit = false;
    for (const QChar c : literal) {
        if (c >= u'0' && c <= u'9') {
            digit = true;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit && (literal.front() != u'.' || literal.size() > 1);
}

// Whether `literal` is a string literal with no quote inside: its value is what lies between
// its quotes.
bool isPlainString(const QString &literal)
{
    return literal.size() >= 2 && literal.front() == u'\'' && literal.back() == u'\''
           && literal.indexOf(u'\'', 1) == literal.size() - 1;
}

// The value `literal`, read alone, passes as a parameter: it must be one literal of `kind` from
// its first character to its last. The plain numbers and strings the program writes row after
// row are read without the tokenizer; they read as it reads them.
std::optional<rt::Variant> valueOfLiteral(const QString &literal, TsqlToken::Kind kind)
{
    using Kind = TsqlToken::Kind;
    if (kind == Kind::Number && isPlainNumber(literal))
        return parameterValue(TsqlToken{Kind::Number, literal});
    if (kind == Kind::String && isPlainString(literal))
        return parameterValue(TsqlToken{Kind::String, literal.mid(1, literal.size() - 2)});
    std::optional<TsqlToken> token;
    try {
        token = tsqlLiteralAt(literal, 0);
    } catch (const EngineError &) {
        return std::nullopt; // read in full, the text fails as it should
    }
    if (!token || token->kind != kind || token->end != literal.size())
        return std::nullopt;
    return parameterValue(*token);
}

} // namespace

const QList<TranslatedStatement> *TsqlPieceCache::find(const LiteralText &statement, QList<rt::Variant> &parameters)
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (!matches(m_entries.at(i), statement, parameters))
            continue;
        if (i > 0)
            m_entries.move(i, 0);
        return &m_entries.first().translation;
    }
    parameters.clear();
    return nullptr;
}

bool TsqlPieceCache::matches(const Entry &entry, const LiteralText &statement, QList<rt::Variant> &parameters)
{
    if (entry.literals.size() != statement.literals.size() || entry.pieces != statement.pieces)
        return false;
    // Copied value by value into the list's own room: shared, the list would be copied again
    // at the first literal's value.
    parameters.clear();
    for (const rt::Variant &value : entry.parameters)
        parameters.append(value);
    for (qsizetype i = 0; i < entry.literals.size(); ++i) {
        const Literal &literal = entry.literals.at(i);
        const QString &given = statement.literals.at(i);
        if (literal.parameter == 0) {
            if (given != literal.written)
                return false;
            continue;
        }
        std::optional<rt::Variant> value = valueOfLiteral(given, literal.kind);
        if (!value)
            return false;
        parameters[literal.parameter - 1] = std::move(*value);
    }
    return true;
}

void TsqlPieceCache::remember(const LiteralText &statement, const QList<TsqlToken> &tokens,
                              const QList<TranslatedStatement> &translation)
{
    std::optional<Entry> entry = entryOf(statement, tokens);
    if (!entry)
        return;
    entry->translation = translation;
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).pieces == entry->pieces) {
            m_entries.removeAt(i);
            break;
        }
    }
    if (m_entries.size() >= Capacity)
        m_entries.removeLast();
    m_entries.prepend(std::move(*entry));
}

std::optional<TsqlPieceCache::Entry> TsqlPieceCache::entryOf(const LiteralText &statement,
                                                             const QList<TsqlToken> &tokens)
{
    if (statement.pieces.size() != statement.literals.size() + 1)
        return std::nullopt;
    Entry entry;
    entry.pieces = statement.pieces;
    int parameters = 0;
    for (const TsqlToken &token : tokens)
        parameters = std::max(parameters, token.parameter);
    entry.parameters.resize(parameters);
    // A parameter a piece writes keeps its value; one a literal passes takes the literal's.
    const auto keepValue = [&](const TsqlToken &token) {
        if (token.parameter > 0)
            entry.parameters[token.parameter - 1] = parameterValue(token).value_or(rt::Variant());
    };
    qsizetype next = 0; // the first token not yet seen
    qsizetype start = 0;
    for (qsizetype i = 0; i < statement.literals.size(); ++i) {
        start += statement.pieces.at(i).size();
        const QString &given = statement.literals.at(i);
        for (; next < tokens.size() && tokens.at(next).end <= start; ++next)
            keepValue(tokens.at(next));
        // The literal must be one token of the text, neither part of one nor several.
        if (next == tokens.size() || tokens.at(next).start != start || tokens.at(next).end != start + given.size())
            return std::nullopt;
        const TsqlToken &token = tokens.at(next++);
        entry.literals.append(Literal{token.parameter, token.kind, token.parameter == 0 ? given : QString()});
        start += given.size();
    }
    for (; next < tokens.size(); ++next)
        keepValue(tokens.at(next));
    return entry;
}

} // namespace ado::sqlite
