#include "platform/sheet/CellStyle.h"

#include "platform/sheet/SheetError.h"

#include <array>

namespace sheet {

namespace {

constexpr int NoFill = -4142;

// The spreadsheet's standard palette, entries 1 to 56.
constexpr std::array<QRgb, 56> Palette = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x800000, 0x008000,
    0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080, 0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF,
    0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF, 0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000,
    0x008080, 0x0000FF, 0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696, 0x003366, 0x339966,
    0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333,
};

template <typename T> void take(std::optional<T> &field, const std::optional<T> &patch)
{
    if (patch)
        field = patch;
}

} // namespace

void CellStyle::overlay(const CellStyle &patch)
{
    take(numberFormat, patch.numberFormat);
    take(bold, patch.bold);
    take(fontSize, patch.fontSize);
    take(fontColor, patch.fontColor);
    take(interiorColorIndex, patch.interiorColorIndex);
    take(borders, patch.borders);
}

QColor paletteColor(int colorIndex)
{
    if (colorIndex == 0 || colorIndex == NoFill)
        return {};
    if (colorIndex < 1 || colorIndex > static_cast<int>(Palette.size()))
        throw sheetError(err::ApplicationDefined,
                         QStringLiteral("No se puede asignar el color %1 al interior de la celda").arg(colorIndex));
    return QColor::fromRgb(Palette[static_cast<std::size_t>(colorIndex - 1)]);
}

} // namespace sheet
