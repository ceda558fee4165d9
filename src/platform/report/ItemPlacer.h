#pragma once

#include "platform/report/ExpressionEvaluator.h"
#include "platform/report/FormulaCache.h"
#include "platform/report/ReportDocument.h"

#include <QHash>
#include <QImage>
#include <QPointF>
#include <QString>

namespace report {

// Turns the items of a band into page items for one row: texts filled in, suppressed items left
// out, images read.
class ItemPlacer {
public:
    // `folder` is where image files are found; `printDate` is what {PrintDate} shows.
    ItemPlacer(FormulaCache &cache, const QString &folder, const QString &printDate);

    // True when the formula (a band's or an item's "suppress") is true for the scope.
    // Throws rt::RuntimeError err::Formula for a formula it cannot read.
    bool suppressed(const QString &formula, const ValueScope &scope);

    // The band's items (sub-reports aside) placed with the band's corner at `origin` (mm).
    // Throws rt::RuntimeError err::Formula for a text it cannot read, err::ReportFile for an
    // image file that cannot be read.
    QList<PageItem> place(const Band &band, const ValueScope &scope, QPointF origin);

private:
    QList<TextPiece> text(const ReportItem &item, const ValueScope &scope);
    QImage image(const ReportItem &item, const ValueScope &scope);

    FormulaCache &m_cache;
    QString m_folder;
    QString m_printDate;
    QHash<QString, QImage> m_files;
};

} // namespace report
