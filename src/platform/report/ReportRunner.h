#pragma once

#include "platform/report/ReportDefinition.h"
#include "platform/report/ReportDocument.h"

#include <QString>
#include <QStringList>

namespace ado {
class Connection;
}

namespace report {

// What a caller asks of one print of a report.
struct ReportRequest {
    // "+{TABLE.FIELD}" (ascending) or "-{TABLE.FIELD}"; when any is given they replace the
    // report's own record order (its groups always come first). Blank elements are skipped.
    QStringList sortFields;
    // The record selection formula; blank selects every row.
    QString selection;
    // "Name = 'value'" formulas, in order: a later one wins over an earlier one of the same name.
    QStringList formulas;
    // Sub-reports that take the formulas too (the others keep their own defaults).
    QStringList subreports;
    // What {PrintDate} shows.
    QString printDate;
};

// Reads the report's rows (and its sub-reports' rows) through the connection and lays the
// report out on pages.
// Throws rt::RuntimeError err::Formula for a selection, sort or formula it cannot read or a
// division by zero in the selection, err::ReportFile for a sub-report the report does not have,
// and the connection's errors.
ReportDocument runReport(const ReportDefinition &definition, ado::Connection &connection, const ReportRequest &request);

} // namespace report
