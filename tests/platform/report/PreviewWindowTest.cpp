#include "ReportFixture.h"

#include "platform/report/PreviewWindow.h"
#include "support/FolderContents.h"
#include "support/ProgramGlobals.h"
#include "support/TestHelpers.h"
#include "support/Unprivileged.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

namespace {

report::ReportDocument threePages()
{
    report::ReportDocument document;
    document.title = QStringLiteral("Prueba");
    for (int i = 1; i <= 3; ++i) {
        report::PageItem item;
        item.rect = QRectF(10, 10, 100, 8);
        item.font.size = 12;
        item.text = {{report::TextPiece::Kind::Literal, QStringLiteral("Hoja %1, página ").arg(i)},
                     {report::TextPiece::Kind::PageNumber, {}},
                     {report::TextPiece::Kind::Literal, QStringLiteral(" de ")},
                     {report::TextPiece::Kind::TotalPages, {}}};
        document.pages << report::Page{{item}};
    }
    return document;
}

// While it lives, a file of this process takes at most `bytes`: a write past them fails, as on a
// full disk, instead of ending the process.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes)
        : signal(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &before);
        const rlimit limit{bytes, before.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, signal);
    }
    void (*signal)(int);
    rlimit before{};
};

class PreviewWindowTest : public support::ProgramTest {
protected:
    PreviewWindowTest()
        : m_window(new report::PreviewWindow(threePages()))
    {
        m_window->show();
    }
    ~PreviewWindowTest() override { delete m_window.data(); }

    QString pageLabel() const { return m_window->findChild<QLabel *>(QStringLiteral("pageLabel"))->text(); }
    QPushButton *button(const char *name) const { return m_window->findChild<QPushButton *>(QLatin1String(name)); }

    QPointer<report::PreviewWindow> m_window;
};

TEST_F(PreviewWindowTest, NavigatesThePages)
{
    EXPECT_EQ(pageLabel(), QStringLiteral("Página 1 de 3"));
    EXPECT_FALSE(button("firstPage")->isEnabled());
    EXPECT_FALSE(button("previousPage")->isEnabled());
    QTest::mouseClick(button("nextPage"), Qt::LeftButton);
    EXPECT_EQ(pageLabel(), QStringLiteral("Página 2 de 3"));
    QTest::mouseClick(button("lastPage"), Qt::LeftButton);
    EXPECT_EQ(m_window->currentPage(), 2);
    EXPECT_FALSE(button("nextPage")->isEnabled());
    EXPECT_FALSE(button("lastPage")->isEnabled());
    QTest::keyClick(m_window, Qt::Key_PageUp);
    EXPECT_EQ(pageLabel(), QStringLiteral("Página 2 de 3"));
    QTest::mouseClick(button("firstPage"), Qt::LeftButton);
    EXPECT_EQ(m_window->currentPage(), 0);
    m_window->showPage(99);
    EXPECT_EQ(m_window->currentPage(), 2);
}

TEST_F(PreviewWindowTest, ZoomScalesThePage)
{
    const QSize normal = m_window->pageImage().size();
    auto *zoom = m_window->findChild<QComboBox *>(QStringLiteral("zoom"));
    zoom->setCurrentIndex(zoom->findText(QStringLiteral("200%")));
    zoom->activated(zoom->currentIndex());
    EXPECT_EQ(m_window->zoom(), 200);
    const QSize doubled = m_window->pageImage().size();
    EXPECT_NEAR(doubled.width(), 2 * normal.width(), 2);
    EXPECT_NEAR(doubled.height(), 2 * normal.height(), 2);
}

TEST_F(PreviewWindowTest, OpensShowingThePagesWholeWidth)
{
    // A portrait A4 page shows whole at 100 %; a landscape one opens as wide as the window.
    for (const auto orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
        SCOPED_TRACE(orientation == QPageLayout::Portrait ? "portrait" : "landscape");
        report::ReportDocument document = threePages();
        document.page.orientation = orientation;
        report::PreviewWindow window(document);
        window.show();
        const int room = window.findChild<QScrollArea *>(QStringLiteral("pageArea"))->viewport()->width();
        const int shown = window.findChild<QLabel *>(QStringLiteral("pageView"))->width();
        EXPECT_LE(shown, room);
        if (orientation == QPageLayout::Portrait)
            EXPECT_EQ(window.zoom(), 100);
        else
            EXPECT_GT(shown, room * 9 / 10);
        EXPECT_EQ(window.findChild<QComboBox *>(QStringLiteral("zoom"))->currentText().toStdString(),
                  std::to_string(window.zoom()) + "%");
    }
}

TEST_F(PreviewWindowTest, ExportsEveryPageToPdf)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("vista.pdf"));
    m_window->exportPdf(path);
    const QStringList pages = reporttest::pdfText(path).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 3);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Hoja 1, página 1 de 3")));
    EXPECT_TRUE(pages[2].contains(QStringLiteral("Hoja 3, página 3 de 3")));
}

TEST_F(PreviewWindowTest, AnExportNotWrittenWholeLeavesWhatWasAtThePath)
{
    // A photo of noise, which the PDF writer writes in one piece larger than the room left.
    report::ReportDocument document = threePages();
    report::PageItem photo;
    photo.kind = report::PageItem::Kind::Image;
    photo.rect = QRectF(10, 30, 80, 80);
    photo.image = QImage(400, 400, QImage::Format_RGB32);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(photo.image.bits()), photo.image.sizeInBytes() / 4);
    document.pages[0].items << photo;
    report::PreviewWindow window(document);
    QTemporaryDir folder;
    const auto at = [&](const QString &name) { return folder.filePath(name); };
    // The export runs as a user who may not override permissions, and that user makes the files;
    // a file of another user only root can leave.
    ASSERT_TRUE(support::handToUnprivileged(folder.path()));
    const bool othersFile = support::runsAsAnotherUser();
    if (othersFile)
        reporttest::writeFile(folder.path(), QStringLiteral("others.pdf"), "%PDF-1.4 another user's report\n");
    const auto modeOf = [&](const QString &name) {
        struct stat status { };
        ::stat(QFile::encodeName(at(name)).constData(), &status);
        return status.st_mode & 07777;
    };
    EXPECT_TRUE(support::runUnprivileged([&] {
        const mode_t mask = 027;
        ::umask(mask);
        // Names as long as a name can be, and the shortest that a name lengthened for the file
        // written beside it took past that.
        const QString longest = QString(251, u'l') + QStringLiteral(".pdf");
        const QString longer = QString(245, u'm') + QStringLiteral(".pdf");
        for (const QString &name : {QStringLiteral("older.pdf"), QStringLiteral("target.pdf"), longest, longer,
                                    QStringLiteral("readonly.pdf"), QStringLiteral("mode.pdf")})
            reporttest::writeFile(folder.path(), name, "%PDF-1.4 an older report\n");
        ::chmod(QFile::encodeName(at(QStringLiteral("readonly.pdf"))).constData(), 0444);
        ::chmod(QFile::encodeName(at(QStringLiteral("mode.pdf"))).constData(), 0604);
        const std::pair<const char *, const char *> links[] = {{"link.pdf", "target.pdf"},
                                                               {"chain.pdf", "link.pdf"},
                                                               {"loop-a.pdf", "loop-b.pdf"},
                                                               {"loop-b.pdf", "loop-a.pdf"}};
        for (const auto &[link, target] : links)
            ASSERT_TRUE(QFile::link(QString::fromLatin1(target), at(QString::fromLatin1(link)))) << link;
        ASSERT_EQ(mkfifo(QFile::encodeName(at(QStringLiteral("pipe.pdf"))).constData(), 0600), 0);
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder.pdf")));
        struct Case {
            QString name;
            bool photo; // else the three pages of text, a PDF the file keeps in its buffer
            rlim_t room; // bytes a file may take; none: the path is refused before anything is written,
                         // or the PDF is written whole
            QString writtenTo; // the file that takes the PDF; none: the export is refused
            mode_t mode; // the permissions it is left with
        };
        std::vector<Case> cases = {{QStringLiteral("older.pdf"), true, 64 * 1024, {}, 0},
                                   {QStringLiteral("older.pdf"), false, 1024, {}, 0},
                                   {QStringLiteral("link.pdf"), true, 64 * 1024, {}, 0},
                                   {QStringLiteral("pipe.pdf"), false, 0, {}, 0},
                                   {QStringLiteral("folder.pdf"), false, 0, {}, 0},
                                   {QStringLiteral("readonly.pdf"), false, 0, {}, 0},
                                   {QStringLiteral("loop-a.pdf"), false, 0, {}, 0},
                                   {longest, true, 64 * 1024, {}, 0},
                                   {longest, false, 0, longest, 0640},
                                   {longer, false, 0, longer, 0640},
                                   {QStringLiteral("mode.pdf"), false, 0, QStringLiteral("mode.pdf"), 0604},
                                   {QStringLiteral("new.pdf"), false, 0, QStringLiteral("new.pdf"), 0666 & ~mask},
                                   {QStringLiteral("chain.pdf"), false, 0, QStringLiteral("target.pdf"), 0640}};
        if (othersFile)
            cases.push_back({QStringLiteral("others.pdf"), false, 0, {}, 0});
        for (const Case &c : cases) {
            const QString shown = c.name.size() > 40 ? QStringLiteral("%1 bytes").arg(c.name.size()) : c.name;
            SCOPED_TRACE((shown + (c.photo ? QStringLiteral(" with the photo") : QString())).toStdString());
            // The folder's entries, but the file written whole.
            const auto unwritten = [&] {
                QStringList entries = support::folderContents(folder.path());
                entries.removeIf([&](const QString &entry) {
                    return !c.writtenTo.isEmpty() && entry.startsWith(c.writtenTo + u':');
                });
                return entries;
            };
            const QStringList before = unwritten();
            std::optional<FileSizeLimit> limit;
            if (c.room > 0)
                limit.emplace(c.room);
            report::PreviewWindow &exporting = c.photo ? window : *m_window;
            const rt::RuntimeError error = errorOf([&] { exporting.exportPdf(at(c.name)); });
            limit.reset();
            EXPECT_EQ(error.Number, c.writtenTo.isEmpty() ? rt::err::PermissionDenied : 0);
            if (c.writtenTo.isEmpty()) {
                EXPECT_EQ(error.Description, QStringLiteral("No se puede escribir el archivo ") + at(c.name));
            }
            EXPECT_EQ(::umask(mask), mask) << "the process's mask as it was";
            EXPECT_EQ(unwritten(), before) << "kept as it was, and no half-written file beside it";
            if (!c.writtenTo.isEmpty()) {
                EXPECT_TRUE(reporttest::pdfText(at(c.writtenTo)).contains(QStringLiteral("Hoja 3, página 3 de 3")));
                EXPECT_EQ(modeOf(c.writtenTo), c.mode);
            }
        }
        window.exportPdf(at(QStringLiteral("link.pdf")));
        EXPECT_EQ(QFileInfo(at(QStringLiteral("link.pdf"))).symLinkTarget(), at(QStringLiteral("target.pdf")));
        EXPECT_TRUE(
            reporttest::pdfText(at(QStringLiteral("target.pdf"))).contains(QStringLiteral("Hoja 3, página 3 de 3")));
    }));
}

} // namespace
