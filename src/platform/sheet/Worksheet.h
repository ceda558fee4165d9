#pragma once

#include "platform/runtime/Variant.h"
#include "platform/sheet/CellStyle.h"
#include "platform/sheet/Range.h"

#include <QString>
#include <compare>
#include <map>

namespace sheet {

// One stored cell: its value (or a formula's computed result), its formula and its look.
struct Cell {
    rt::Variant value;
    QString formula;
    CellStyle style;
};

// Where a cell stands, 1-based; ordered row by row.
struct CellPosition {
    int row = 1;
    int column = 1;
    auto operator<=>(const CellPosition &) const = default;
};

// One sheet of a workbook, held in memory until the workbook is saved. Rows and columns are
// 1-based; every function taking a position throws RuntimeError 1004 when it lies outside the
// sheet (rows 1..1048576, columns 1..16384), as Cells(0, 1) does in the spreadsheet.
class Worksheet {
public:
    static constexpr int MaxRows = 1048576;
    static constexpr int MaxColumns = 16384;
    static constexpr double MaxColumnWidth = 255.0;
    static constexpr double DefaultColumnWidth = 8.43;
    static constexpr int MaxTextLength = 32767;

    explicit Worksheet(QString name);
    Worksheet(const Worksheet &) = delete;
    Worksheet &operator=(const Worksheet &) = delete;

    const QString &name() const { return m_name; }

    // Cells(row, column).Value = value. Empty, Null and "" leave the cell blank (keeping its
    // look); a text longer than the spreadsheet's 32,767 characters keeps only those. Numbers,
    // Currency and Booleans are stored as such; a Date is a real date cell, shown "dd/mm/yyyy"
    // (with the time when it has one) unless a number format says otherwise. Throws 1004 off the
    // sheet, 13 for a byte array.
    void setValue(int row, int column, const rt::Variant &value);
    // What the cell holds: Empty when never written; for a formula, its stored result.
    rt::Variant value(int row, int column) const;
    // Cells(row, column).Formula = formula ("=SUM(B2:B9)"), storing `result` as the value the
    // spreadsheet shows until it recalculates. Throws 1004 off the sheet, 13 for a byte array.
    void setFormula(int row, int column, const QString &formula, const rt::Variant &result);
    // The cell's formula text, empty when it holds a plain value.
    QString formula(int row, int column) const;
    // The look of the cell, its column's or the sheet's when it has none of its own.
    CellStyle style(int row, int column) const;

    // Cells(row, column).
    Range cell(int row, int column);
    // Range(Cells(row1, column1), Cells(row2, column2)); the corners may come in any order.
    Range range(int row1, int column1, int row2, int column2);
    // Columns(column): the whole column.
    Range column(int column);
    // Cells: the whole sheet.
    Range cells();

    // Columns(column).ColumnWidth = width, in characters, clamped to 0..255 as the spreadsheet
    // allows.
    void setColumnWidth(int column, double width);
    // The column's width; DefaultColumnWidth when never set.
    double columnWidth(int column) const;
    // Cells.EntireColumn.AutoFit: every column holding shown text gets the width of its widest
    // text, estimated from the characters, font size and boldness; empty columns keep theirs.
    void autoFitColumns();

    // PageSetup.Orientation: landscape (2) or portrait (1).
    void setLandscape(bool landscape);
    bool isLandscape() const { return m_landscape; }

    // What the workbook writer reads.
    const std::map<CellPosition, Cell> &storedCells() const { return m_cells; }
    const std::map<int, CellStyle> &columnStyles() const { return m_columnStyles; }
    const std::map<int, double> &columnWidths() const { return m_widths; }

private:
    friend class Range;
    void applyStyle(const CellArea &area, const CellStyle &patch);
    Cell &cellAt(int row, int column);
    CellStyle inheritedStyle(int column) const;
    const Cell *findCell(int row, int column) const;

    QString m_name;
    std::map<CellPosition, Cell> m_cells;
    std::map<int, CellStyle> m_columnStyles;
    std::map<int, double> m_widths;
    CellStyle m_sheetStyle;
    bool m_landscape = false;
};

} // namespace sheet
