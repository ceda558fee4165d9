#pragma once

#include "platform/ado/sqlite/TsqlDateTexts.h"
#include "platform/ado/sqlite/TsqlKeyColumns.h"
#include "platform/ado/sqlite/TsqlTokenizer.h"

#include <QList>
#include <QString>

namespace ado::sqlite {

// One statement of a T-SQL text, rewritten for SQLite.
struct TranslatedStatement {
    enum class Kind {
        Sql, // run `sql`
        IfExists, // run `sql` only when `condition` gives a row (no row when `negated`)
        Begin, // BEGIN TRAN[SACTION]
        Commit, // COMMIT TRAN[SACTION]
        Rollback, // ROLLBACK TRAN[SACTION]
        Nothing // a statement SQLite has no use for (SET NOCOUNT ...)
    };
    Kind kind = Kind::Sql;
    QString sql;
    QString condition;
    bool negated = false;
};

// Rewrites the SQL Server text the program writes into statements SQLite runs with the
// functions and collation of TsqlFunctions registered. Pure: it reads no database.
class TsqlTranslator {
public:
    // Splits a batch into statements and rewrites each. Throws EngineError (syntax, native 102)
    // on an unterminated literal, bracket or comment, an unbalanced parenthesis, and control flow
    // the engine does not run (IF without EXISTS, ELSE, WHILE, BEGIN ... END blocks).
    QList<TranslatedStatement> translate(const QString &tsql) const;
    // The same from the text's tokens; literals marked as parameters come out as ?N. A selected
    // expression without alias is named by its text as written in `tsql`.
    QList<TranslatedStatement> translate(const QString &tsql, const QList<TsqlToken> &tokens) const;

    // The database's key columns, which comparisons on the concatenations they hold then use.
    void setKeyColumns(KeyColumns keys) { m_keys = std::move(keys); }
    // The database's date columns, which texts compared with or stored in them are read as dates for.
    void setDateColumns(DateColumns dates) { m_dates = std::move(dates); }

private:
    KeyColumns m_keys;
    DateColumns m_dates;
};

} // namespace ado::sqlite
