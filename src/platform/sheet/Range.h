#pragma once

#include "platform/sheet/CellStyle.h"

#include <QColor>
#include <QString>

namespace sheet {

class Worksheet;

// A rectangle of cells, 1-based and inclusive, as Excel's Range object.
struct CellArea {
    int firstRow = 1;
    int firstColumn = 1;
    int lastRow = 1;
    int lastColumn = 1;
};

// The formatting side of a range of a worksheet: what a setter sets reaches every cell of the
// range. On whole columns and on the whole sheet it also reaches the cells written afterwards,
// as a column or sheet format does. A Range must not outlive its worksheet.
class Range {
public:
    Range(Worksheet &sheet, CellArea area);

    const CellArea &area() const { return m_area; }

    // NumberFormat, in the invariant syntax ("#,##0.00", "dd/mm/yyyy", "hh:mm:ss", "@").
    Range &setNumberFormat(const QString &format);
    // Font.Bold (Font.FontStyle "Negrita" is the same thing).
    Range &setBold(bool bold);
    // Font.Size in points.
    Range &setFontSize(double points);
    // Font.Color.
    Range &setFontColor(const QColor &color);
    // Interior.ColorIndex; 0 or -4142 clears the fill. Throws RuntimeError 1004 for an index
    // outside the palette.
    Range &setInteriorColorIndex(int colorIndex);
    // Borders.LineStyle, on every edge of every cell.
    Range &setBorders(LineStyle style);

private:
    Range &apply(const CellStyle &patch);

    Worksheet *m_sheet;
    CellArea m_area;
};

} // namespace sheet
