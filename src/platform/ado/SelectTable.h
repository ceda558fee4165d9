#pragma once

#include <QString>

namespace ado {

// The table a one-table SELECT reads ("SELECT * FROM dbo.[AUX_MV_CPTE] with(nolock) WHERE ..." gives
// AUX_MV_CPTE), without owner or brackets; empty when the text is not a SELECT of one table
// (joins, several tables, a subquery or UNION in FROM).
QString singleSelectTable(const QString &select);

} // namespace ado
