#include "support/TestHelpers.h"
#include "support/XlsxReader.h"

#include "platform/sheet/ColumnLetters.h"
#include "platform/sheet/Workbook.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct LetterCase {
    int column;
    const char *letters;
};

const LetterCase Letters[] = {
    {1, "A"},   {2, "B"},   {26, "Z"},   {27, "AA"},   {52, "AZ"},   {53, "BA"},     {54, "BB"},
    {78, "BZ"}, {79, "CA"}, {702, "ZZ"}, {703, "AAA"}, {728, "AAZ"}, {16384, "XFD"},
};

// The file writer names cells on its own; a formula built with our letters must point at the
// same cells it writes.
TEST(ColumnLetters, NameEveryColumnAsFormulasAndTheWrittenFileDo)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    sheet::Workbook book(1);
    for (const auto &c : Letters)
        book.activeSheet().setValue(2, c.column, c.column);
    const QString path = folder.filePath("letras.xlsx");
    book.saveAs(path);

    const XlsxReader file(path);
    for (const auto &c : Letters) {
        EXPECT_EQ(sheet::columnLetters(c.column), QString::fromLatin1(c.letters)) << "column " << c.column;
        const auto cell = file.cell(sheet::columnLetters(c.column) + "2");
        EXPECT_TRUE(cell.present) << "column " << c.column;
        EXPECT_EQ(cell.value, QString::number(c.column));
    }
}

TEST(ColumnLetters, RefusesColumnsOutsideTheSheet)
{
    for (const int column : {0, -1, 16385})
        EXPECT_EQ(errorNumber([&] { sheet::columnLetters(column); }), 5) << "column " << column;
}

} // namespace
