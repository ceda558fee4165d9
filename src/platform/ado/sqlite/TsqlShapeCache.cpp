#include "platform/ado/sqlite/TsqlShapeCache.h"

#include "platform/ado/sqlite/TsqlParameters.h"

namespace ado::sqlite {

namespace {

using Kind = TsqlToken::Kind;

QChar charAt(const QString &text, qsizetype pos)
{
    return pos < text.size() ? text.at(pos) : QChar();
}

// A string literal at `pos` ('text' or N'text'), read as the tokenizer reads it: its value in
// `token` and the position after it, or -1 when there is none.
qsizetype readString(const QString &text, qsizetype pos, TsqlToken &token)
{
    if ((charAt(text, pos) == u'N' || charAt(text, pos) == u'n') && charAt(text, pos + 1) == u'\'')
        ++pos;
    if (charAt(text, pos) != u'\'')
        return -1;
    ++pos;
    token.kind = Kind::String;
    token.text.clear();
    while (true) {
        const qsizetype end = text.indexOf(u'\'', pos);
        if (end < 0)
            return -1;
        token.text.append(QStringView(text).mid(pos, end - pos));
        pos = end + 1;
        if (charAt(text, pos) != u'\'')
            return pos;
        token.text.append(u'\'');
        ++pos;
    }
}

// A decimal number at `pos`, read as the tokenizer reads it (digits, a fraction, an exponent);
// -1 when there is none. Hexadecimal numbers never travel as parameters.
qsizetype readNumber(const QString &text, qsizetype pos, TsqlToken &token)
{
    const qsizetype start = pos;
    const QChar first = charAt(text, pos);
    if (!(first.isDigit() || (first == u'.' && charAt(text, pos + 1).isDigit())))
        return -1;
    if (first == u'0' && (charAt(text, pos + 1) == u'x' || charAt(text, pos + 1) == u'X'))
        return -1;
    while (charAt(text, pos).isDigit())
        ++pos;
    if (charAt(text, pos) == u'.') {
        ++pos;
        while (charAt(text, pos).isDigit())
            ++pos;
    }
    if (charAt(text, pos) == u'e' || charAt(text, pos) == u'E') {
        qsizetype digits = pos + 1;
        if (charAt(text, digits) == u'+' || charAt(text, digits) == u'-')
            ++digits;
        if (charAt(text, digits).isDigit()) {
            pos = digits;
            while (charAt(text, pos).isDigit())
                ++pos;
        }
    }
    token.kind = Kind::Number;
    token.text = text.mid(start, pos - start);
    return pos;
}

} // namespace

const QList<TranslatedStatement> *TsqlShapeCache::find(const QString &text, QList<rt::Variant> &parameters)
{
    for (qsizetype i = 0; i < m_shapes.size(); ++i) {
        if (!matches(m_shapes.at(i), text, parameters))
            continue;
        if (i > 0)
            m_shapes.move(i, 0);
        return &m_shapes.first().translation;
    }
    parameters.clear();
    return nullptr;
}

void TsqlShapeCache::remember(const QString &text, const QList<TsqlToken> &tokens,
                              const QList<TranslatedStatement> &translation)
{
    Shape shape;
    shape.translation = translation;
    qsizetype from = 0;
    for (const TsqlToken &token : tokens) {
        if (token.parameter == 0)
            continue;
        shape.pieces.append(text.mid(from, token.start - from));
        shape.kinds.append(token.kind);
        from = token.end;
    }
    shape.pieces.append(text.mid(from));
    if (m_shapes.size() >= Capacity)
        m_shapes.removeLast();
    m_shapes.prepend(std::move(shape));
}

bool TsqlShapeCache::matches(const Shape &shape, const QString &text, QList<rt::Variant> &parameters)
{
    parameters.clear();
    const QStringView view(text);
    qsizetype pos = 0;
    TsqlToken literal;
    for (qsizetype i = 0; i < shape.kinds.size(); ++i) {
        const QString &piece = shape.pieces.at(i);
        if (view.mid(pos, piece.size()) != piece)
            return false;
        pos += piece.size();
        pos = shape.kinds.at(i) == Kind::String ? readString(text, pos, literal) : readNumber(text, pos, literal);
        if (pos < 0)
            return false;
        // A literal that the full reading would write out (a date, a wide number) makes another shape.
        std::optional<rt::Variant> value = parameterValue(literal);
        if (!value)
            return false;
        parameters.append(std::move(*value));
    }
    return view.mid(pos) == shape.pieces.last();
}

} // namespace ado::sqlite
