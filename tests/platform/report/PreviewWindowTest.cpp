#include "ReportFixture.h"

#include "platform/report/PreviewWindow.h"
#include "support/ProgramGlobals.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

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

} // namespace
