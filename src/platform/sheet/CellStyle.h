#pragma once

#include <QColor>
#include <QString>
#include <optional>

namespace sheet {

// Border line of a cell, as Borders.LineStyle knows it (1 continuous, -4142 none).
enum class LineStyle { None, Continuous };

// The look of a cell. An unset field means the spreadsheet's default: "General" number format,
// regular 11-point font in the automatic colour, no fill, no border.
struct CellStyle {
    std::optional<QString> numberFormat;
    std::optional<bool> bold;
    std::optional<double> fontSize;
    std::optional<QColor> fontColor;
    std::optional<int> interiorColorIndex; // 1..56 of the standard palette; 0 means no fill
    std::optional<LineStyle> borders;

    // Takes every field that `patch` sets, keeping the others.
    void overlay(const CellStyle &patch);

    bool operator==(const CellStyle &) const = default;
};

// The colour of an entry of the standard 56-colour palette (Interior.ColorIndex); an invalid
// QColor for 0 and -4142 (no fill). Throws RuntimeError 1004 for any other index.
QColor paletteColor(int colorIndex);

} // namespace sheet
