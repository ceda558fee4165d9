#pragma once

#include "platform/report/FormulaCache.h"
#include "platform/report/Paginator.h"
#include "platform/report/RowScope.h"

#include <memory>

namespace report {

// Gives the rows of a sub-report for the main report's row in `mainScope`.
class SubreportSource {
public:
    virtual ~SubreportSource() = default;
    // Throws what reading the rows throws.
    virtual std::unique_ptr<BodyData> rowsFor(const Subreport &subreport, const ValueScope &mainScope) = 0;
};

// The first pass: walks the rows of the main report (and of its sub-reports, where their items
// stand) through groups, running sums and bands, and lays them out on pages.
// Throws rt::RuntimeError err::Formula for a formula or text it cannot read, and whatever the
// sub-report source throws.
ReportDocument layoutReport(const ReportDefinition &definition, const BodyData &main, SubreportSource &subreports,
                            FormulaCache &cache, const QString &printDate);

} // namespace report
