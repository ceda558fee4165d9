#pragma once

#include "platform/ado/sqlite/TsqlTokenizer.h"
#include "platform/ado/sqlite/TsqlTranslator.h"
#include "platform/runtime/Variant.h"

#include <QList>
#include <QString>

namespace ado::sqlite {

// The last texts translated, kept as their fixed pieces between the literals passed as
// parameters (TsqlParameters). A text made of the same pieces around literals of the same kinds
// is the same statement with other values: it is recognised by comparing the pieces, without
// tokenizing it again, which a program that sends the same statements row after row would
// otherwise pay on every row. What it recognises is exactly what tokenizing, marking and
// translating the text would give; anything else (a literal that would not be a parameter, such
// as a day-first date, or a text that would not tokenize) is not recognised.
class TsqlShapeCache {
public:
    // The translation of `text` when its shape is known, with the values of its parameters in
    // `parameters`; null otherwise. The translation stays valid until the next call of remember
    // or clear.
    const QList<TranslatedStatement> *find(const QString &text, QList<rt::Variant> &parameters);
    // Keeps the shape of `text`, whose `tokens` have their parameters marked, with its translation.
    void remember(const QString &text, const QList<TsqlToken> &tokens, const QList<TranslatedStatement> &translation);
    void clear() { m_shapes.clear(); }

private:
    struct Shape {
        QStringList pieces; // the text around the parameters: one more piece than parameters
        QList<TsqlToken::Kind> kinds; // of each parameter's literal
        QList<TranslatedStatement> translation;
    };
    // A program sends few shapes in turn; the most recent come first.
    static constexpr qsizetype Capacity = 32;

    static bool matches(const Shape &shape, const QString &text, QList<rt::Variant> &parameters);

    QList<Shape> m_shapes;
};

} // namespace ado::sqlite
