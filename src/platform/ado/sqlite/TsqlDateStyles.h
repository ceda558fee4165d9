#pragma once

#include "platform/ado/sqlite/TsqlDates.h"

#include <QString>
#include <optional>

namespace ado::sqlite {

// A date written as CONVERT writes it with a style number: 0/100, 1/101, 3/103, 4/104, 5/105,
// 8/108, 10/110, 11/111, 12/112, 20/120, 21/121, 23, 126. Nothing for another style.
std::optional<QString> dateWithStyle(const TsqlDateTime &value, int style);

} // namespace ado::sqlite
