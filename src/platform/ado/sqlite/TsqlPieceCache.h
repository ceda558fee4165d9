#pragma once

#include "platform/ado/LiteralText.h"
#include "platform/ado/sqlite/TsqlTokenizer.h"
#include "platform/ado/sqlite/TsqlTranslator.h"
#include "platform/runtime/Variant.h"

#include <QList>
#include <QStringList>

namespace ado::sqlite {

// The statements lately given as pieces and literals (LiteralText), kept by their pieces with
// what reading their whole text gave: the translation, and for each parameter the literal it
// comes from or the value a piece writes. A statement with the same pieces whose literals read
// as literals of the same kinds (and, where the whole text kept a literal written out, the same
// literal) is the same statement with other values: it is recognised without putting its text
// together and reading it, and gives exactly what reading that text gives. Anything else is not
// recognised.
class TsqlPieceCache {
public:
    // The translation of `statement` when its pieces are known, with the values of its parameters in
    // `parameters`; null otherwise. The translation stays valid until the next call of remember or clear.
    const QList<TranslatedStatement> *find(const LiteralText &statement, QList<rt::Variant> &parameters);
    // Keeps `statement`, whose whole text gave `tokens` (its parameters marked) and `translation`.
    // A statement whose literals are not each one token of that text is not kept.
    void remember(const LiteralText &statement, const QList<TsqlToken> &tokens,
                  const QList<TranslatedStatement> &translation);
    void clear() { m_entries.clear(); }

private:
    struct Literal {
        int parameter = 0; // the parameter it passes as, 0 when the text keeps it written out
        TsqlToken::Kind kind = TsqlToken::Kind::Other;
        QString written; // a literal kept written out: the translation holds it as it stands
    };
    struct Entry {
        QStringList pieces;
        QList<Literal> literals;
        QList<rt::Variant> parameters; // by number; those a literal passes are filled on each use
        QList<TranslatedStatement> translation;
    };
    // A program sends few statements in turn; the most recent come first.
    static constexpr qsizetype Capacity = 32;

    static bool matches(const Entry &entry, const LiteralText &statement, QList<rt::Variant> &parameters);
    static std::optional<Entry> entryOf(const LiteralText &statement, const QList<TsqlToken> &tokens);

    QList<Entry> m_entries;
};

} // namespace ado::sqlite
