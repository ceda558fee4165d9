#pragma once

#include "platform/ado/Error.h"

#include <QString>
#include <optional>

struct sqlite3;

namespace ado::sqlite {

// The ADO number of a statement the provider refuses to run (DB_SEC_E_PERMISSIONDENIED), with
// which SQL Server's provider reports a permission denied (native 229).
inline constexpr long AdoPermissionDenied = -2147217911;

// Keeps typed SQL inside the database file on `db`: SQLite's defensive mode, no tokenizer
// pointers, no extensions, and statements refused when they call a function that hands out or
// takes a native pointer or loads a library, attach a file, or move the temporary files.
// False when SQLite refuses a setting.
[[nodiscard]] bool defendConnection(sqlite3 *db);

// The error SQL Server's provider would give for a statement refused by defendConnection's
// guard, which SQLite reported with result code `code` and `message`; none for another fault.
std::optional<Error> refusalError(int code, const QString &message);

} // namespace ado::sqlite
