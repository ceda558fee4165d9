#include "support/TestHelpers.h"

#include "platform/sheet/Workbook.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using rt::Variant;
using sheet::Worksheet;

class WorksheetTest : public ::testing::Test {
protected:
    sheet::Workbook book{2};
    Worksheet &ws = book.activeSheet();
};

TEST_F(WorksheetTest, NullAndEmptyTextLeaveTheCellBlankButKeepItsLook)
{
    EXPECT_TRUE(ws.value(9, 9).isEmpty());
    for (const Variant &blank : {Variant::null(), Variant(""), Variant()}) {
        ws.cell(2, 2).setBold(true);
        ws.setValue(2, 2, "antes");
        ws.setValue(2, 2, blank);
        EXPECT_TRUE(ws.value(2, 2).isEmpty());
        EXPECT_EQ(ws.style(2, 2).bold, true);
    }
}

TEST_F(WorksheetTest, AValueReplacesAFormulaAndAFormulaKeepsItsResult)
{
    ws.setFormula(5, 2, "=SUM(B2:B4)", 60.0);
    EXPECT_EQ(ws.formula(5, 2), "=SUM(B2:B4)");
    EXPECT_TRUE(ws.value(5, 2) == Variant(60.0));
    ws.setValue(5, 2, "Total");
    EXPECT_TRUE(ws.formula(5, 2).isEmpty());
    EXPECT_TRUE(ws.value(5, 2) == Variant("Total"));
}

TEST_F(WorksheetTest, TextLongerThanACellHoldsIsCutAtTheLimit)
{
    ws.setValue(1, 1, QString(40000, u'x'));
    EXPECT_EQ(ws.value(1, 1).asString().size(), Worksheet::MaxTextLength);
}

TEST_F(WorksheetTest, RefusesPositionsOutsideTheSheet)
{
    const std::pair<int, int> outside[] = {
        {0, 1}, {1, 0}, {Worksheet::MaxRows + 1, 1}, {1, Worksheet::MaxColumns + 1}, {-3, -3}};
    for (const auto &[row, column] : outside) {
        EXPECT_EQ(errorNumber([&] { ws.setValue(row, column, 1); }), 1004) << row << "," << column;
        EXPECT_EQ(errorNumber([&] { ws.setFormula(row, column, "=1", 1); }), 1004);
        EXPECT_EQ(errorNumber([&] { ws.cell(row, column); }), 1004);
        EXPECT_EQ(errorNumber([&] { ws.value(row, column); }), 1004);
    }
    EXPECT_EQ(errorNumber([&] { ws.column(0); }), 1004);
    EXPECT_EQ(errorNumber([&] { ws.setColumnWidth(0, 10); }), 1004);
    EXPECT_TRUE(ws.storedCells().empty());
}

TEST_F(WorksheetTest, RefusesBinaryValuesWithoutTouchingTheCell)
{
    ws.setValue(1, 1, "queda");
    EXPECT_EQ(errorNumber([&] { ws.setValue(1, 1, QByteArray("\x01\x02", 2)); }), 13);
    EXPECT_TRUE(ws.value(1, 1) == Variant("queda"));
}

TEST_F(WorksheetTest, AColumnFormatReachesCellsWrittenBeforeAndAfter)
{
    ws.setValue(2, 3, rt::DateTime::fromParts(2024, 1, 2));
    ws.column(3).setNumberFormat("dd/mm/yyyy");
    ws.setValue(3, 3, rt::DateTime::fromParts(2024, 1, 3));
    ws.setValue(3, 4, 5);
    EXPECT_EQ(ws.style(2, 3).numberFormat, "dd/mm/yyyy");
    EXPECT_EQ(ws.style(3, 3).numberFormat, "dd/mm/yyyy");
    EXPECT_EQ(ws.style(99, 3).numberFormat, "dd/mm/yyyy");
    EXPECT_FALSE(ws.style(3, 4).numberFormat.has_value());

    ws.cell(4, 3).setNumberFormat("#,##0.00");
    EXPECT_EQ(ws.style(4, 3).numberFormat, "#,##0.00");
}

// The title that keeps its colour and boldness at the new size is checked in the written file.
TEST_F(WorksheetTest, AWholeSheetFontSizeReachesLaterCellsAndKeepsTheirColumnsFormat)
{
    ws.column(5).setNumberFormat("@");
    ws.cells().setFontSize(11);
    ws.setValue(3, 5, "texto");
    ws.setValue(3, 6, 1);
    EXPECT_EQ(ws.style(3, 5).fontSize, 11.0);
    EXPECT_EQ(ws.style(3, 5).numberFormat, "@");
    EXPECT_EQ(ws.style(3, 6).fontSize, 11.0);
}

TEST_F(WorksheetTest, ARangeCoversItsCellsWhicheverCornersAreGiven)
{
    ws.range(3, 4, 1, 2).setBorders(sheet::LineStyle::Continuous).setInteriorColorIndex(5);
    for (int row = 1; row <= 4; ++row)
        for (int column = 1; column <= 5; ++column) {
            const bool inside = row <= 3 && column >= 2 && column <= 4;
            EXPECT_EQ(ws.style(row, column).interiorColorIndex == 5, inside) << row << "," << column;
            EXPECT_EQ(ws.style(row, column).borders == sheet::LineStyle::Continuous, inside);
        }
}

TEST_F(WorksheetTest, RefusesAColourIndexOutsideThePaletteAndChangesNothing)
{
    ws.cell(1, 1).setInteriorColorIndex(15);
    for (const int index : {57, -1, 100})
        EXPECT_EQ(errorNumber([&] { ws.cell(1, 1).setInteriorColorIndex(index); }), 1004) << index;
    EXPECT_EQ(ws.style(1, 1).interiorColorIndex, 15);
    for (const int none : {0, -4142})
        EXPECT_EQ(errorNumber([&] { ws.cell(1, 1).setInteriorColorIndex(none); }), 0) << none;
}

TEST_F(WorksheetTest, ColumnWidthsStayWithinWhatTheSpreadsheetAllows)
{
    const std::pair<double, double> widths[] = {{500.0 / 90, 500.0 / 90}, {300, 255}, {255, 255}, {-5, 0}, {0, 0}};
    for (const auto &[asked, kept] : widths) {
        ws.setColumnWidth(2, asked);
        EXPECT_DOUBLE_EQ(ws.columnWidth(2), kept) << asked;
    }
    EXPECT_DOUBLE_EQ(ws.columnWidth(3), Worksheet::DefaultColumnWidth);
}

TEST_F(WorksheetTest, AutoFitFollowsTheWidestShownText)
{
    ws.setColumnWidth(1, 30);
    ws.setColumnWidth(5, 40);
    ws.setValue(1, 1, "ab");
    ws.setValue(2, 1, "abcdefghij");
    ws.setValue(1, 2, "abcdefghij");
    ws.cell(1, 2).setBold(true);
    ws.setValue(1, 3, 1234567.5);
    ws.cell(1, 3).setNumberFormat("#,##0.00");
    ws.setValue(1, 4, QString(1000, u'x'));
    ws.cell(1, 5).setBold(true);
    ws.autoFitColumns();

    EXPECT_GE(ws.columnWidth(1), 10.0);
    EXPECT_LT(ws.columnWidth(1), 13.0);
    EXPECT_GT(ws.columnWidth(2), ws.columnWidth(1));
    EXPECT_GE(ws.columnWidth(3), 12.0); // "1,234,567.50"
    EXPECT_DOUBLE_EQ(ws.columnWidth(4), Worksheet::MaxColumnWidth);
    EXPECT_DOUBLE_EQ(ws.columnWidth(5), 40.0); // nothing shown there
}

TEST(Workbook, HasTheSheetsAskedForNamedAsANewWorkbookDoes)
{
    sheet::Workbook book(3);
    ASSERT_EQ(book.sheetCount(), 3);
    EXPECT_EQ(book.sheet(1).name(), "Hoja1");
    EXPECT_EQ(book.sheet(3).name(), "Hoja3");
    EXPECT_EQ(&book.activeSheet(), &book.sheet(1));
    for (const int index : {0, 4})
        EXPECT_EQ(errorNumber([&] { book.sheet(index); }), 9) << index;
    for (const int count : {0, -1, 256})
        EXPECT_EQ(errorNumber([&] { sheet::Workbook{count}; }), 1004) << count;
}

TEST(Workbook, SheetsStayPutWhenTheWorkbookMoves)
{
    sheet::Workbook first(2);
    Worksheet *active = &first.activeSheet();
    active->setValue(1, 1, "dato");
    sheet::Workbook moved = std::move(first);
    EXPECT_EQ(&moved.activeSheet(), active);
    EXPECT_TRUE(moved.activeSheet().value(1, 1) == Variant("dato"));
}

} // namespace
