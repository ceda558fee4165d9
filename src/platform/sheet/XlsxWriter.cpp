#include "platform/sheet/XlsxWriter.h"

#include "platform/sheet/NumberFormat.h"
#include "platform/sheet/SheetError.h"
#include "platform/sheet/Workbook.h"

#include <QFile>
#include <QHash>
#include <set>
#include <utility>
#include <xlsxwriter.h>

namespace sheet {

namespace {

void check(lxw_error error)
{
    if (error != LXW_NO_ERROR)
        throw sheetError(
            rt::err::PathFileAccess,
            QStringLiteral("No se pudo escribir el libro: %1").arg(QString::fromUtf8(lxw_strerror(error))));
}

// The library takes 0 as "no colour", so black has a code of its own.
lxw_color_t libraryColor(const QColor &color)
{
    const lxw_color_t rgb = color.rgb() & LXW_COLOR_MASK;
    return rgb == 0 ? static_cast<lxw_color_t>(LXW_COLOR_BLACK) : rgb;
}

// The spreadsheet counts a 29 February 1900 that never was, so its serials below 61 (1 March
// 1900) run one day ahead of ours.
double spreadsheetSerial(const rt::DateTime &date)
{
    const double serial = date.serial();
    return serial >= 1.0 && serial < 61.0 ? serial - 1.0 : serial;
}

// The library's format objects belong to its workbook; one is made per distinct look.
class FormatCache {
public:
    explicit FormatCache(lxw_workbook *book)
        : m_book(book)
    {
    }

    lxw_format *get(const CellStyle &style, const QString &numberFormat)
    {
        if (style == CellStyle{} && isGeneralFormat(numberFormat))
            return nullptr;
        const QString key = keyOf(style, numberFormat);
        if (lxw_format *known = m_formats.value(key))
            return known;
        lxw_format *made = make(style, numberFormat);
        m_formats.insert(key, made);
        return made;
    }

private:
    static QString keyOf(const CellStyle &style, const QString &numberFormat)
    {
        return QStringLiteral("%1|%2|%3|%4|%5|%6")
            .arg(numberFormat)
            .arg(style.bold.value_or(false))
            .arg(style.fontSize.value_or(0.0))
            .arg(style.fontColor ? style.fontColor->name() : QString())
            .arg(style.interiorColorIndex.value_or(0))
            .arg(style.borders == LineStyle::Continuous);
    }

    lxw_format *make(const CellStyle &style, const QString &numberFormat)
    {
        lxw_format *format = workbook_add_format(m_book);
        if (!isGeneralFormat(numberFormat))
            format_set_num_format(format, numberFormat.toUtf8().constData());
        if (style.bold.value_or(false))
            format_set_bold(format);
        if (style.fontSize)
            format_set_font_size(format, *style.fontSize);
        if (style.fontColor && style.fontColor->isValid())
            format_set_font_color(format, libraryColor(*style.fontColor));
        if (const QColor fill = paletteColor(style.interiorColorIndex.value_or(0)); fill.isValid()) {
            format_set_pattern(format, LXW_PATTERN_SOLID);
            format_set_bg_color(format, libraryColor(fill));
        }
        if (style.borders == LineStyle::Continuous)
            format_set_border(format, LXW_BORDER_THIN);
        return format;
    }

    lxw_workbook *m_book;
    QHash<QString, lxw_format *> m_formats;
};

// Owns the library's workbook until close() hands it back to the library to be written.
class LibraryBook {
public:
    LibraryBook(const QString &filePath, const QString &tempDir)
        : m_path(QFile::encodeName(filePath))
        , m_tempDir(QFile::encodeName(tempDir))
    {
        lxw_workbook_options options{};
        options.tmpdir = m_tempDir.data();
        m_book = workbook_new_opt(m_path.constData(), &options);
        if (!m_book)
            throw sheetError(rt::err::PathFileAccess, QStringLiteral("No se pudo crear el libro %1").arg(filePath));
    }
    LibraryBook(const LibraryBook &) = delete;
    LibraryBook &operator=(const LibraryBook &) = delete;
    ~LibraryBook()
    {
        if (m_book)
            lxw_workbook_free(m_book);
    }

    lxw_workbook *get() const { return m_book; }

    void close() { check(workbook_close(std::exchange(m_book, nullptr))); }

private:
    QByteArray m_path;
    QByteArray m_tempDir;
    lxw_workbook *m_book = nullptr;
};

void writeFormula(lxw_worksheet *target, lxw_row_t row, lxw_col_t column, const Cell &cell, lxw_format *format)
{
    const QByteArray formula = cell.formula.toUtf8();
    switch (cell.value.type()) {
    case rt::VarType::Empty:
        check(worksheet_write_formula(target, row, column, formula.constData(), format));
        break;
    case rt::VarType::String:
        check(worksheet_write_formula_str(target, row, column, formula.constData(), format,
                                          cell.value.asString().toUtf8().constData()));
        break;
    case rt::VarType::Boolean:
        check(worksheet_write_formula_num(target, row, column, formula.constData(), format,
                                          cell.value.asBoolean() ? 1 : 0));
        break;
    case rt::VarType::Date:
        check(worksheet_write_formula_num(target, row, column, formula.constData(), format,
                                          spreadsheetSerial(cell.value.asDate())));
        break;
    default:
        check(worksheet_write_formula_num(target, row, column, formula.constData(), format, numberOf(cell.value)));
    }
}

void writeCell(lxw_worksheet *target, const CellPosition &position, const Cell &cell, FormatCache &formats)
{
    const auto row = static_cast<lxw_row_t>(position.row - 1);
    const auto column = static_cast<lxw_col_t>(position.column - 1);
    lxw_format *format =
        formats.get(cell.style, effectiveNumberFormat(cell.value, cell.style.numberFormat.value_or(QString())));
    if (!cell.formula.isEmpty()) {
        writeFormula(target, row, column, cell, format);
        return;
    }
    switch (cell.value.type()) {
    case rt::VarType::Empty:
        if (format)
            check(worksheet_write_blank(target, row, column, format));
        break;
    case rt::VarType::String:
        check(worksheet_write_string(target, row, column, cell.value.asString().toUtf8().constData(), format));
        break;
    case rt::VarType::Boolean:
        check(worksheet_write_boolean(target, row, column, cell.value.asBoolean(), format));
        break;
    case rt::VarType::Date:
        check(worksheet_write_number(target, row, column, spreadsheetSerial(cell.value.asDate()), format));
        break;
    default:
        check(worksheet_write_number(target, row, column, numberOf(cell.value), format));
    }
}

void writeColumns(lxw_worksheet *target, const Worksheet &sheet, FormatCache &formats)
{
    std::set<int> columns;
    for (const auto &[column, style] : sheet.columnStyles())
        columns.insert(column);
    for (const auto &[column, width] : sheet.columnWidths())
        columns.insert(column);
    for (const int column : columns) {
        const auto own = sheet.columnStyles().find(column);
        const CellStyle style = own != sheet.columnStyles().end() ? own->second : CellStyle{};
        const auto index = static_cast<lxw_col_t>(column - 1);
        check(worksheet_set_column(target, index, index, sheet.columnWidth(column),
                                   formats.get(style, style.numberFormat.value_or(QString()))));
    }
}

void writeSheet(lxw_workbook *book, const Worksheet &sheet, FormatCache &formats)
{
    lxw_worksheet *target = workbook_add_worksheet(book, sheet.name().toUtf8().constData());
    if (!target)
        throw sheetError(rt::err::PathFileAccess, QStringLiteral("Nombre de hoja no válido: %1").arg(sheet.name()));
    writeColumns(target, sheet, formats);
    for (const auto &[position, cell] : sheet.storedCells())
        writeCell(target, position, cell, formats);
    if (sheet.isLandscape())
        worksheet_set_landscape(target);
}

} // namespace

void XlsxWriter::write(const Workbook &book, const QString &filePath, const QString &tempDir)
{
    LibraryBook library(filePath, tempDir);
    FormatCache formats(library.get());
    for (int index = 1; index <= book.sheetCount(); ++index)
        writeSheet(library.get(), book.sheet(index), formats);
    library.close();
}

} // namespace sheet
