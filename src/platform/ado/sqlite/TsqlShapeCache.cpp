#include "platform/ado/sqlite/TsqlShapeCache.h"

#include "platform/ado/Engine.h"
#include "platform/ado/sqlite/TsqlParameters.h"

namespace ado::sqlite {

namespace {

// Whether `token` is a literal of the kind a shape has at one of its parameters.
bool sameKind(const std::optional<TsqlToken> &token, TsqlToken::Kind kind)
{
    return token && token->kind == kind;
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
    for (qsizetype i = 0; i < shape.kinds.size(); ++i) {
        const QString &piece = shape.pieces.at(i);
        if (view.mid(pos, piece.size()) != piece)
            return false;
        pos += piece.size();
        std::optional<TsqlToken> literal;
        try {
            literal = tsqlLiteralAt(text, pos);
        } catch (const EngineError &) {
            return false; // read in full, the text fails as it should
        }
        if (!sameKind(literal, shape.kinds.at(i)))
            return false;
        // A literal that the full reading would write out (a date, a wide number) makes another shape.
        std::optional<rt::Variant> value = parameterValue(*literal);
        if (!value)
            return false;
        parameters.append(std::move(*value));
        pos = literal->end;
    }
    return view.mid(pos) == shape.pieces.last();
}

} // namespace ado::sqlite
