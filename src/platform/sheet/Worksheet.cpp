#include "platform/sheet/Worksheet.h"

#include "platform/sheet/NumberFormat.h"
#include "platform/sheet/SheetError.h"

#include <algorithm>
#include <cmath>

namespace sheet {

namespace {

constexpr double DefaultFontSize = 11.0;
// Bold glyphs run about a tenth wider than regular ones.
constexpr double BoldWidening = 1.1;
// Room the spreadsheet leaves beside the text of an auto-fitted column.
constexpr double FitPadding = 1.0;

void checkPosition(int row, int column)
{
    if (row < 1 || row > Worksheet::MaxRows || column < 1 || column > Worksheet::MaxColumns)
        throw sheetError(err::ApplicationDefined,
                         QStringLiteral("La celda (%1, %2) está fuera de la hoja").arg(row).arg(column));
}

// What a cell keeps of an assigned value: blanks for Null and "", texts cut to the cell limit.
rt::Variant storable(const rt::Variant &value)
{
    switch (value.type()) {
    case rt::VarType::ByteArray:
        throw sheetError(rt::err::TypeMismatch, QStringLiteral("No coinciden los tipos"));
    case rt::VarType::Null:
        return {};
    case rt::VarType::String:
        if (value.asString().isEmpty())
            return {};
        if (value.asString().size() > Worksheet::MaxTextLength)
            return rt::Variant(value.asString().left(Worksheet::MaxTextLength));
        return value;
    default:
        return value;
    }
}

double fittedWidth(const Cell &cell)
{
    const int length = displayLength(cell.value, cell.style.numberFormat.value_or(QString()));
    if (length == 0)
        return 0.0;
    const double scale = cell.style.fontSize.value_or(DefaultFontSize) / DefaultFontSize;
    return length * scale * (cell.style.bold.value_or(false) ? BoldWidening : 1.0) + FitPadding;
}

} // namespace

Worksheet::Worksheet(QString name)
    : m_name(std::move(name))
{
}

void Worksheet::setValue(int row, int column, const rt::Variant &value)
{
    checkPosition(row, column);
    rt::Variant stored = storable(value);
    Cell &target = cellAt(row, column);
    target.formula.clear();
    target.value = std::move(stored);
}

rt::Variant Worksheet::value(int row, int column) const
{
    const Cell *found = findCell(row, column);
    return found ? found->value : rt::Variant();
}

void Worksheet::setFormula(int row, int column, const QString &formula, const rt::Variant &result)
{
    checkPosition(row, column);
    rt::Variant stored = storable(result);
    Cell &target = cellAt(row, column);
    target.formula = formula;
    target.value = std::move(stored);
}

QString Worksheet::formula(int row, int column) const
{
    const Cell *found = findCell(row, column);
    return found ? found->formula : QString();
}

CellStyle Worksheet::style(int row, int column) const
{
    const Cell *found = findCell(row, column);
    return found ? found->style : inheritedStyle(column);
}

Range Worksheet::cell(int row, int column)
{
    return range(row, column, row, column);
}

Range Worksheet::range(int row1, int column1, int row2, int column2)
{
    checkPosition(row1, column1);
    checkPosition(row2, column2);
    return Range(*this,
                 {std::min(row1, row2), std::min(column1, column2), std::max(row1, row2), std::max(column1, column2)});
}

Range Worksheet::column(int column)
{
    return range(1, column, MaxRows, column);
}

Range Worksheet::cells()
{
    return range(1, 1, MaxRows, MaxColumns);
}

void Worksheet::setColumnWidth(int column, double width)
{
    checkPosition(1, column);
    if (std::isnan(width))
        throw sheetError(err::ApplicationDefined, QStringLiteral("Ancho de columna no válido"));
    m_widths[column] = std::clamp(width, 0.0, MaxColumnWidth);
}

double Worksheet::columnWidth(int column) const
{
    checkPosition(1, column);
    const auto found = m_widths.find(column);
    return found != m_widths.end() ? found->second : DefaultColumnWidth;
}

void Worksheet::autoFitColumns()
{
    std::map<int, double> fitted;
    for (const auto &[position, stored] : m_cells) {
        const double width = fittedWidth(stored);
        if (width > 0.0)
            fitted[position.column] = std::max(fitted[position.column], width);
    }
    for (const auto &[column, width] : fitted)
        setColumnWidth(column, width);
}

void Worksheet::setLandscape(bool landscape)
{
    m_landscape = landscape;
}

void Worksheet::applyStyle(const CellArea &area, const CellStyle &patch)
{
    const bool wholeColumns = area.firstRow == 1 && area.lastRow == MaxRows;
    if (!wholeColumns) {
        for (int row = area.firstRow; row <= area.lastRow; ++row)
            for (int column = area.firstColumn; column <= area.lastColumn; ++column)
                cellAt(row, column).style.overlay(patch);
        return;
    }
    // Whole columns keep the format for cells written later; cells not yet written stay absent.
    if (area.firstColumn == 1 && area.lastColumn == MaxColumns) {
        m_sheetStyle.overlay(patch);
        for (auto &[column, columnStyle] : m_columnStyles)
            columnStyle.overlay(patch);
    } else {
        for (int column = area.firstColumn; column <= area.lastColumn; ++column)
            m_columnStyles.try_emplace(column, m_sheetStyle).first->second.overlay(patch);
    }
    for (auto &[position, stored] : m_cells)
        if (position.column >= area.firstColumn && position.column <= area.lastColumn)
            stored.style.overlay(patch);
}

Cell &Worksheet::cellAt(int row, int column)
{
    const auto [found, inserted] = m_cells.try_emplace({row, column});
    if (inserted)
        found->second.style = inheritedStyle(column);
    return found->second;
}

CellStyle Worksheet::inheritedStyle(int column) const
{
    const auto columnStyle = m_columnStyles.find(column);
    return columnStyle != m_columnStyles.end() ? columnStyle->second : m_sheetStyle;
}

const Cell *Worksheet::findCell(int row, int column) const
{
    checkPosition(row, column);
    const auto found = m_cells.find({row, column});
    return found != m_cells.end() ? &found->second : nullptr;
}

} // namespace sheet
