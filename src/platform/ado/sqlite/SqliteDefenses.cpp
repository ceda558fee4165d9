#include "platform/ado/sqlite/SqliteDefenses.h"

#include "platform/ado/AdoErrors.h"

#include <sqlite3.h>

namespace ado::sqlite {

namespace {

// fts3_tokenizer gives out a tokenizer's address and, given one, calls whatever it points to;
// fts5 hands out its interface's address; load_extension runs a library's code.
constexpr const char *RefusedFunctions[] = {"fts3_tokenizer", "fts5", "load_extension"};

const QString RefusedFunctionPrefix = QStringLiteral("not authorized to use function: ");

bool isRefusedFunction(const char *name)
{
    for (const char *refused : RefusedFunctions) {
        if (sqlite3_stricmp(name, refused) == 0)
            return true;
    }
    return false;
}

// Asked for each function, attachment and pragma of a statement as it is prepared (VACUUM
// prepares its own statements as it runs); a cached statement runs again without asking.
int authorize(void *, int action, const char *first, const char *second, const char *, const char *)
{
    switch (action) {
    case SQLITE_FUNCTION:
        return second && isRefusedFunction(second) ? SQLITE_DENY : SQLITE_OK;
    case SQLITE_ATTACH:
        // VACUUM attaches a private temporary database, named by an empty text; any other name
        // is a file, one that ATTACH or VACUUM INTO would create.
        return first && *first == '\0' ? SQLITE_OK : SQLITE_DENY;
    case SQLITE_PRAGMA:
        return sqlite3_stricmp(first, "temp_store_directory") == 0 ? SQLITE_DENY : SQLITE_OK;
    default:
        return SQLITE_OK;
    }
}

} // namespace

bool defendConnection(sqlite3 *db)
{
    struct Setting {
        int option;
        int value;
    };
    constexpr Setting settings[] = {
        {SQLITE_DBCONFIG_DEFENSIVE, 1},
        {SQLITE_DBCONFIG_ENABLE_FTS3_TOKENIZER, 0},
        {SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0},
    };
    for (const Setting &setting : settings) {
        if (sqlite3_db_config(db, setting.option, setting.value, nullptr) != SQLITE_OK)
            return false;
    }
    return sqlite3_set_authorizer(db, &authorize, nullptr) == SQLITE_OK;
}

std::optional<Error> refusalError(int code, const QString &message)
{
    if (message.startsWith(RefusedFunctionPrefix))
        return providerError(AdoPermissionDenied, 229, QStringLiteral("42000"),
                             QStringLiteral("The function '%1' is not allowed: it reaches files or memory outside "
                                            "the database.")
                                 .arg(message.mid(RefusedFunctionPrefix.size())));
    if ((code & 0xff) == SQLITE_AUTH)
        return providerError(AdoPermissionDenied, 229, QStringLiteral("42000"),
                             QStringLiteral("The statement is not allowed: it names a file or folder outside the "
                                            "database."));
    return std::nullopt;
}

} // namespace ado::sqlite
