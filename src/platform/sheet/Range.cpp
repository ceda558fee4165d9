#include "platform/sheet/Range.h"

#include "platform/sheet/Worksheet.h"

namespace sheet {

Range::Range(Worksheet &sheet, CellArea area)
    : m_sheet(&sheet)
    , m_area(area)
{
}

Range &Range::setNumberFormat(const QString &format)
{
    CellStyle patch;
    patch.numberFormat = format;
    return apply(patch);
}

Range &Range::setBold(bool bold)
{
    CellStyle patch;
    patch.bold = bold;
    return apply(patch);
}

Range &Range::setFontSize(double points)
{
    CellStyle patch;
    patch.fontSize = points;
    return apply(patch);
}

Range &Range::setFontColor(const QColor &color)
{
    CellStyle patch;
    patch.fontColor = color;
    return apply(patch);
}

Range &Range::setInteriorColorIndex(int colorIndex)
{
    paletteColor(colorIndex); // refuses an index outside the palette before anything changes
    CellStyle patch;
    patch.interiorColorIndex = colorIndex;
    return apply(patch);
}

Range &Range::setBorders(LineStyle style)
{
    CellStyle patch;
    patch.borders = style;
    return apply(patch);
}

Range &Range::apply(const CellStyle &patch)
{
    m_sheet->applyStyle(m_area, patch);
    return *this;
}

} // namespace sheet
