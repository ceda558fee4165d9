#include "platform/ado/sqlite/TsqlFunctions.h"

#include "platform/ado/sqlite/TsqlCollation.h"
#include "platform/ado/sqlite/TsqlConvertFunctions.h"
#include "platform/ado/sqlite/TsqlDateFunctions.h"
#include "platform/ado/sqlite/TsqlTextFunctions.h"

namespace ado::sqlite {

void registerTsqlFunctions(sqlite3 *db)
{
    registerTsqlCollation(db);
    registerTsqlTextFunctions(db);
    registerTsqlDateFunctions(db);
    registerTsqlConvertFunctions(db);
}

} // namespace ado::sqlite
