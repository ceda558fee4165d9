#pragma once

#include "platform/ado/sqlite/TsqlSyntax.h"

#include <QList>

namespace ado::sqlite {

// One statement of a T-SQL batch, with the IF [NOT] EXISTS (query) guard written before it.
struct TsqlStatement {
    bool guarded = false;
    bool negated = false; // IF NOT EXISTS
    TsqlNodes guard; // the query inside EXISTS ( )
    TsqlNodes body;
};

// Splits a batch into statements: at each ";" outside literals and groups, and before each
// keyword that starts a statement where T-SQL needs no separator ("... INSERT ... SELECT ..."
// stays one statement; "UPDATE ... SET" too). Empty statements are dropped. Throws EngineError
// (syntax) on an IF that is not IF [NOT] EXISTS (query) followed by a statement.
QList<TsqlStatement> splitTsqlBatch(const TsqlNodes &batch);

} // namespace ado::sqlite
