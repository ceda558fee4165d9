#include "platform/report/ReportDefinition.h"

namespace report {

QSizeF PageSetup::sizeMm() const
{
    const QSizeF portrait = QPageSize(size).size(QPageSize::Millimeter);
    return orientation == QPageLayout::Landscape ? portrait.transposed() : portrait;
}

const Subreport *ReportDefinition::subreport(const QString &name) const
{
    for (const Subreport &sub : subreports) {
        if (sub.name.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return &sub;
    }
    return nullptr;
}

} // namespace report
