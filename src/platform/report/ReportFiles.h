#pragma once

#include <QString>
#include <QStringList>

namespace report {

// The file of a report. `name` is a bare report name ("RP_ComisionesCobLiq") or a path, with or
// without the ".rpt" extension, "\" or "/" between folders. The file is looked for, without
// regard to letter case, in the folder the name gives (when it gives one), then in each of
// `folders` in order.
// Throws rt::RuntimeError err::ReportFile when no such file is found.
QString findReportFile(const QString &name, const QStringList &folders);

} // namespace report
