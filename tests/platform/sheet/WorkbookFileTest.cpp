#include "support/FolderContents.h"
#include "support/TestHelpers.h"
#include "support/Unprivileged.h"
#include "support/XlsxReader.h"

#include "platform/sheet/ColumnLetters.h"
#include "platform/sheet/Workbook.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

using rt::DateTime;
using rt::Variant;

class WorkbookFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    XlsxReader saved(const QString &name = "libro.xlsx")
    {
        const QString path = folder.filePath(name);
        book.saveAs(path);
        return XlsxReader(path);
    }

    QTemporaryDir folder;
    sheet::Workbook book{2};
    sheet::Worksheet &ws = book.activeSheet();
};

TEST_F(WorkbookFileTest, WritesEachKindOfValueAsItsOwnCellType)
{
    ws.setValue(1, 1, QString::fromUtf8("Ñandú <y> & \"cía\""));
    ws.setValue(1, 2, 42);
    ws.setValue(1, 3, -1234.5);
    ws.setValue(1, 4, rt::Currency::fromRaw(-15000));
    ws.setValue(1, 5, true);
    ws.setValue(1, 6, Variant::null());
    ws.cell(1, 6).setBold(true);
    const XlsxReader file = saved();

    EXPECT_EQ(file.cell("A1").type, "s");
    EXPECT_EQ(file.text("A1"), QString::fromUtf8("Ñandú <y> & \"cía\""));
    const std::pair<const char *, const char *> numbers[] = {{"B1", "42"}, {"C1", "-1234.5"}, {"D1", "-1.5"}};
    for (const auto &[reference, value] : numbers) {
        EXPECT_EQ(file.cell(reference).type, "") << reference;
        EXPECT_EQ(file.cell(reference).value, value) << reference;
    }
    EXPECT_EQ(file.cell("E1").type, "b");
    EXPECT_EQ(file.cell("E1").value, "1");
    EXPECT_TRUE(file.cell("F1").present);
    EXPECT_TRUE(file.cell("F1").value.isEmpty());
    EXPECT_TRUE(file.style("F1").bold);
    EXPECT_FALSE(file.cell("G1").present);
    EXPECT_EQ(file.sheetNames(), QStringList({"Hoja1", "Hoja2"}));
}

// Dates are real date cells: the serial day number under a date format, never text.
TEST_F(WorkbookFileTest, WritesDatesAsDateCells)
{
    struct DateCase {
        const char *reference;
        DateTime value;
        const char *serial;
        const char *format;
    };
    const DateCase dates[] = {
        {"A1", DateTime::fromParts(2024, 3, 15), "45366", "dd/mm/yyyy"},
        {"A2", DateTime::fromParts(2024, 3, 15, 10, 30), "45366.4375", "dd/mm/yyyy hh:mm:ss"},
        {"A3", DateTime(0.4375), "0.4375", "hh:mm:ss"},
        {"A4", DateTime::fromParts(1900, 1, 1), "1", "dd/mm/yyyy"},
        {"A5", DateTime::fromParts(1900, 3, 1), "61", "dd/mm/yyyy"},
    };
    int row = 1;
    for (const auto &d : dates)
        ws.setValue(row++, 1, d.value);
    ws.column(2).setNumberFormat("yyyy-mm-dd");
    ws.setValue(1, 2, DateTime::fromParts(2024, 3, 15, 10, 30));
    const XlsxReader file = saved();

    for (const auto &d : dates) {
        EXPECT_EQ(file.cell(d.reference).type, "") << d.reference;
        EXPECT_EQ(file.cell(d.reference).value, d.serial) << d.reference;
        EXPECT_EQ(file.style(d.reference).numberFormat, d.format) << d.reference;
    }
    EXPECT_EQ(file.style("B1").numberFormat, "yyyy-mm-dd");
}

TEST_F(WorkbookFileTest, KeepsNumberFormatsCellByCellAndByColumn)
{
    ws.column(2).setNumberFormat("dd/mm/yyyy");
    const std::pair<const char *, QString> formats[] = {
        {"A1", "#,##0.00"}, {"A2", "@"}, {"A3", "hh:mm:ss"}, {"A4", "\"$\" #,##0.00;[Red]-\"$\" #,##0.00"}};
    int row = 1;
    for (const auto &[reference, format] : formats) {
        ws.cell(row, 1).setNumberFormat(format);
        ws.setValue(row++, 1, 1500.25);
    }
    ws.setValue(1, 2, DateTime::fromParts(2023, 12, 31));
    ws.setValue(1, 3, 1500.25);
    const XlsxReader file = saved();

    for (const auto &[reference, format] : formats)
        EXPECT_EQ(file.style(reference).numberFormat, format) << reference;
    EXPECT_EQ(file.style("B1").numberFormat, "dd/mm/yyyy");
    EXPECT_EQ(file.style("C1").numberFormat, "General");
}

// A heading row as the exports lay it out: bordered, blue, white bold text, one empty cell more
// than there are headings, widths from the source, a red title kept bold at 11 points.
TEST_F(WorkbookFileTest, KeepsTheLookOfAHeadingBlock)
{
    ws.setValue(1, 2, "Liquidaciones");
    ws.cell(1, 2).setFontColor(QColor(255, 0, 0)).setFontSize(16).setBold(true);
    ws.cells().setFontSize(11);
    ws.range(2, 1, 2, 3)
        .setBorders(sheet::LineStyle::Continuous)
        .setInteriorColorIndex(5)
        .setFontColor(Qt::white)
        .setBold(true);
    ws.setValue(2, 1, "Vendedor");
    ws.setValue(2, 2, "Importe");
    ws.setColumnWidth(1, 1800.0 / 90);
    ws.setColumnWidth(2, 500.0 / 90);
    ws.setColumnWidth(4, 1000);
    ws.setValue(3, 2, 10);
    ws.setValue(4, 2, 20);
    ws.cell(3, 1).setInteriorColorIndex(15);
    const XlsxReader file = saved();

    for (const char *reference : {"A2", "B2", "C2"}) {
        const auto style = file.style(reference);
        EXPECT_TRUE(style.bold) << reference;
        EXPECT_TRUE(style.border) << reference;
        EXPECT_EQ(style.fill, "FF0000FF") << reference;
        EXPECT_EQ(style.fontColor, "FFFFFFFF") << reference;
    }
    EXPECT_TRUE(file.cell("C2").present);
    EXPECT_FALSE(file.style("D2").bold);
    const auto title = file.style("B1");
    EXPECT_TRUE(title.bold);
    EXPECT_EQ(title.fontColor, "FFFF0000");
    EXPECT_DOUBLE_EQ(title.fontSize, 11.0);
    EXPECT_EQ(file.style("A3").fill, "FFC0C0C0");
    EXPECT_TRUE(file.style("B3").fill.isEmpty());

    // The file stores widths with the few pixels of cell margin the spreadsheet adds.
    const std::pair<int, double> widths[] = {{1, 20.0}, {2, 500.0 / 90}, {4, 255.0}};
    for (const auto &[column, width] : widths) {
        EXPECT_GE(file.columnWidth(column), width) << column;
        EXPECT_LT(file.columnWidth(column), width + 1) << column;
    }
    EXPECT_EQ(file.columnWidth(3), -1.0);
}

TEST_F(WorkbookFileTest, StoresTotalsFormulasWithTheirComputedValue)
{
    const int amounts = 54; // a column past AZ
    ws.setValue(2, amounts, 10.5);
    ws.setValue(3, amounts, 20.25);
    const QString letters = sheet::columnLetters(amounts);
    ws.setFormula(4, amounts, "=SUM(" + letters + "2:" + letters + "3)", 30.75);
    ws.cell(4, amounts).setBold(true);
    ws.setFormula(4, 1, "=\"Total \"&\"general\"", "Total general");
    const XlsxReader file = saved();

    const auto total = file.cell("BB4");
    EXPECT_EQ(total.formula, "SUM(BB2:BB3)");
    EXPECT_EQ(total.value, "30.75");
    EXPECT_TRUE(file.style("BB4").bold);
    EXPECT_EQ(file.cell("A4").formula, "\"Total \"&\"general\"");
    EXPECT_EQ(file.cell("A4").type, "str");
    EXPECT_EQ(file.cell("A4").value, "Total general");
}

TEST_F(WorkbookFileTest, TurnsOnlyTheSheetsAskedForToLandscape)
{
    ws.setValue(1, 1, "x");
    ws.setLandscape(true);
    book.sheet(2).setValue(1, 1, "y");
    const XlsxReader file = saved();
    EXPECT_TRUE(file.landscape(1));
    EXPECT_FALSE(file.landscape(2));
}

TEST_F(WorkbookFileTest, SavingAgainReplacesTheFile)
{
    ws.setValue(1, 1, "primero");
    saved();
    ws.setValue(1, 1, "segundo");
    EXPECT_EQ(saved().text("A1"), "segundo");
}

// A socket bound at `path`, left there when it is closed.
bool plantSocket(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (name.size() >= static_cast<int>(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = ::bind(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(socket);
    return bound;
}

TEST_F(WorkbookFileTest, ReportsPathsThatCannotBeWritten)
{
    QFile plain(folder.filePath("archivo.txt"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    QDir(folder.path()).mkdir("carpeta");
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath("tuberia.xlsx")).constData(), 0600), 0);
    ASSERT_TRUE(plantSocket(folder.filePath("enchufe.xlsx")));
    const std::pair<const char *, const char *> links[] = {{"enlace-tuberia.xlsx", "tuberia.xlsx"},
                                                           {"enlace-carpeta.xlsx", "carpeta"},
                                                           {"vuelta-a.xlsx", "vuelta-b.xlsx"},
                                                           {"vuelta-b.xlsx", "vuelta-a.xlsx"}};
    for (const auto &[link, target] : links)
        ASSERT_TRUE(QFile::link(QString::fromLatin1(target), folder.filePath(link))) << link;
    std::vector<std::pair<QString, long>> paths = {
        {folder.filePath("no-existe/libro.xlsx"), 76},
        {folder.filePath("archivo.txt/libro.xlsx"), 76},
        {folder.filePath("carpeta"), 75},
        {QString(), 75},
        {folder.filePath("tuberia.xlsx"), 75},
        {folder.filePath("enchufe.xlsx"), 75},
        {folder.filePath("enlace-tuberia.xlsx"), 75},
        {folder.filePath("enlace-carpeta.xlsx"), 75},
        {folder.filePath("vuelta-a.xlsx"), 75},
    };
    // A device of the test's own (a null one), never the system's: a save that took its place
    // would put a file where the system's device was. Only root makes one.
    const QString device = folder.filePath("dispositivo.xlsx");
    if (::geteuid() == 0) {
        ASSERT_EQ(::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0600, makedev(1, 3)), 0);
        paths.emplace_back(device, 75);
    }
    const QStringList before = support::folderContents(folder.path());
    for (const auto &[path, number] : paths) {
        EXPECT_EQ(errorNumber([&] { book.saveAs(path); }), number) << path.toStdString();
        EXPECT_EQ(support::folderContents(folder.path()), before) << path.toStdString();
    }
}

TEST_F(WorkbookFileTest, RefusedPermissionRaises70AndLeavesTheOldFileWhole)
{
    // The workbook is saved by a user who may not override permissions, and that user makes the
    // files; a file of another user only root can leave.
    ASSERT_TRUE(support::handToUnprivileged(folder.path()));
    ws.setValue(1, 1, "viejo");
    const bool othersFile = support::runsAsAnotherUser();
    if (othersFile)
        book.saveAs(folder.filePath("ajeno.xlsx"));
    EXPECT_TRUE(support::runUnprivileged([&] {
        const QString locked = folder.filePath("bloqueada");
        ASSERT_TRUE(QDir(folder.path()).mkdir("bloqueada"));
        const QFileDevice::Permissions readOnly =
            QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
        for (const QString &path : {locked + "/libro.xlsx", folder.filePath("solo-lectura.xlsx")}) {
            book.saveAs(path);
            QFile::setPermissions(path, readOnly);
        }
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QStringList refused = {locked + "/libro.xlsx", locked + "/otro.xlsx", folder.filePath("solo-lectura.xlsx")};
        if (othersFile)
            refused << folder.filePath("ajeno.xlsx");
        const auto contents = [&] { return support::folderContents(folder.path()) + support::folderContents(locked); };
        ws.setValue(1, 1, "nuevo");
        for (const QString &path : refused) {
            SCOPED_TRACE(path.toStdString());
            const QStringList before = contents();
            const rt::RuntimeError error = errorOf([&] { book.saveAs(path); });
            EXPECT_EQ(error.Number, 70);
            EXPECT_EQ(error.Description, "Permiso denegado: " + path);
            EXPECT_EQ(contents(), before);
        }
        EXPECT_EQ(XlsxReader(locked + "/libro.xlsx").text("A1"), "viejo");
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }));
}

// Shows a workbook with the documents folder pointed into a scratch home.
class ShowTest : public WorkbookFileTest {
protected:
    void SetUp() override
    {
        WorkbookFileTest::SetUp();
        m_home = qgetenv("HOME");
        m_config = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(folder.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.filePath(".config")));
    }
    void TearDown() override
    {
        qputenv("HOME", m_home);
        qputenv("XDG_CONFIG_HOME", m_config);
    }

private:
    QByteArray m_home;
    QByteArray m_config;
};

TEST_F(ShowTest, SavesUnderTheDocumentsFolderByListNameAndTime)
{
    ws.setValue(1, 1, "dato");
    const sheet::ShownWorkbook first = book.show("Exp Excel Cobranza");
    const sheet::ShownWorkbook second = book.show("Exp Excel Cobranza");
    const sheet::ShownWorkbook odd = book.show(" a/b:c* ");

    const QFileInfo shown(first.path);
    EXPECT_EQ(shown.absolutePath(), QDir(folder.filePath("Documents")).absolutePath());
    EXPECT_TRUE(QRegularExpression(R"(^Exp Excel Cobranza \d{4}-\d\d-\d\d \d\d\.\d\d\.\d\d\.xlsx$)")
                    .match(shown.fileName())
                    .hasMatch())
        << shown.fileName().toStdString();
    EXPECT_NE(second.path, first.path);
    EXPECT_TRUE(QFileInfo::exists(second.path));
    EXPECT_TRUE(QFileInfo(odd.path).fileName().startsWith("a_b_c_ ")) << odd.path.toStdString();
    EXPECT_EQ(XlsxReader(first.path).text("A1"), "dato");
    // No desktop under the offscreen platform: nothing is launched.
    EXPECT_FALSE(first.opened);
}

} // namespace
