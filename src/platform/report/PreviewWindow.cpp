#include "platform/report/PreviewWindow.h"

#include "platform/report/PagePainter.h"
#include "platform/report/ReportOutput.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/ui/Dialogs.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace report {

namespace {

const QList<int> kZooms = {50, 75, 100, 125, 150, 200};

QPushButton *button(const QString &text, const QString &name, const QString &tip, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setToolTip(tip);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

PreviewWindow::PreviewWindow(ReportDocument document, const QString &printerName, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_document(std::move(document))
    , m_printerName(printerName)
{
    setObjectName(QStringLiteral("PreviewWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(m_document.title);
    auto *layout = new QVBoxLayout(this);
    buildToolbar();
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("pageArea"));
    m_scroll->setAlignment(Qt::AlignHCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_view = new QLabel(m_scroll);
    m_view->setObjectName(QStringLiteral("pageView"));
    m_scroll->setWidget(m_view);
    layout->addWidget(m_scroll, 1);
    resize(1000, 760);
    refresh();
}

void PreviewWindow::buildToolbar()
{
    auto *bar = new QHBoxLayout;
    m_first = button(QStringLiteral("<<"), QStringLiteral("firstPage"), QStringLiteral("Primera página"), this);
    m_previous = button(QStringLiteral("<"), QStringLiteral("previousPage"), QStringLiteral("Página anterior"), this);
    m_next = button(QStringLiteral(">"), QStringLiteral("nextPage"), QStringLiteral("Página siguiente"), this);
    m_last = button(QStringLiteral(">>"), QStringLiteral("lastPage"), QStringLiteral("Última página"), this);
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("pageLabel"));
    m_zoomBox = new QComboBox(this);
    m_zoomBox->setObjectName(QStringLiteral("zoom"));
    for (int zoom : kZooms)
        m_zoomBox->addItem(QStringLiteral("%1%").arg(zoom), zoom);
    m_zoomBox->setCurrentIndex(int(kZooms.indexOf(m_zoom)));
    auto *print =
        button(QStringLiteral("Imprimir"), QStringLiteral("print"), QStringLiteral("Imprimir el reporte"), this);
    auto *pdf = button(QStringLiteral("Exportar PDF"), QStringLiteral("exportPdf"),
                       QStringLiteral("Guardar el reporte como PDF"), this);
    connect(m_first, &QPushButton::clicked, this, [this] { showPage(0); });
    connect(m_previous, &QPushButton::clicked, this, [this] { showPage(m_page - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { showPage(m_page + 1); });
    connect(m_last, &QPushButton::clicked, this, [this] { showPage(pageCount() - 1); });
    connect(m_zoomBox, &QComboBox::activated, this, [this](int index) { setZoom(m_zoomBox->itemData(index).toInt()); });
    connect(print, &QPushButton::clicked, this, &PreviewWindow::printReport);
    connect(pdf, &QPushButton::clicked, this, &PreviewWindow::askAndExportPdf);
    for (QWidget *w :
         {static_cast<QWidget *>(m_first), static_cast<QWidget *>(m_previous), static_cast<QWidget *>(m_pageLabel),
          static_cast<QWidget *>(m_next), static_cast<QWidget *>(m_last), static_cast<QWidget *>(m_zoomBox)})
        bar->addWidget(w);
    bar->addStretch(1);
    bar->addWidget(print);
    bar->addWidget(pdf);
    static_cast<QVBoxLayout *>(layout())->addLayout(bar);
}

void PreviewWindow::showPage(int index)
{
    m_page = std::clamp(index, 0, std::max(0, pageCount() - 1));
    refresh();
}

void PreviewWindow::setZoom(int percent)
{
    m_zoom = std::clamp(percent, 10, 400);
    selectZoomItem(m_zoom);
    refresh();
}

// The box shows the zoom in force: one not among its steps is put in its place among them.
void PreviewWindow::selectZoomItem(int percent)
{
    int index = m_zoomBox->findData(percent);
    if (index < 0) {
        index = 0;
        while (index < m_zoomBox->count() && m_zoomBox->itemData(index).toInt() < percent)
            ++index;
        m_zoomBox->insertItem(index, QStringLiteral("%1%").arg(percent), percent);
    }
    m_zoomBox->setCurrentIndex(index);
}

// The largest zoom up to 100 % at which the page's width shows whole beside a vertical scroll bar.
int PreviewWindow::widthFittingZoom() const
{
    const double pageWidth = m_document.page.sizeMm().width() * screenDpi() / 25.4;
    const int room = m_scroll->maximumViewportSize().width() - m_scroll->verticalScrollBar()->sizeHint().width();
    return std::min(100, int(100.0 * room / pageWidth));
}

double PreviewWindow::screenDpi() const
{
    const QScreen *screen = this->screen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

QImage PreviewWindow::pageImage() const
{
    const double dpi = screenDpi() * m_zoom / 100.0;
    const QSizeF mm = m_document.page.sizeMm();
    QImage image(qRound(mm.width() * dpi / 25.4), qRound(mm.height() * dpi / 25.4), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    if (!m_document.pages.isEmpty()) {
        QPainter painter(&image);
        paintPage(painter, m_document, m_page);
    }
    return image;
}

void PreviewWindow::refresh()
{
    m_view->setPixmap(QPixmap::fromImage(pageImage()));
    m_view->adjustSize();
    m_pageLabel->setText(QStringLiteral("Página %1 de %2").arg(m_page + 1).arg(pageCount()));
    m_first->setEnabled(m_page > 0);
    m_previous->setEnabled(m_page > 0);
    m_next->setEnabled(m_page < pageCount() - 1);
    m_last->setEnabled(m_page < pageCount() - 1);
}

void PreviewWindow::exportPdf(const QString &path)
{
    writePdf(m_document, path);
}

// A button of a modeless window has no caller to hand a failure to: the user is told instead.
void PreviewWindow::printReport()
{
    try {
        printDocument(m_document, m_printerName);
    } catch (const rt::RuntimeError &error) {
        ui::MsgBox(error.Description, ui::vbCritical, QStringLiteral("Aviso"));
    }
}

void PreviewWindow::askAndExportPdf()
{
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Exportar PDF"), documentsPdfPath(m_document.title),
                                     QStringLiteral("Documentos PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    try {
        exportPdf(path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? path : path + QStringLiteral(".pdf"));
    } catch (const rt::RuntimeError &error) {
        ui::MsgBox(error.Description, ui::vbCritical, QStringLiteral("Aviso"));
    }
}

void PreviewWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_fitted)
        return;
    m_fitted = true;
    layout()->activate();
    setZoom(widthFittingZoom());
}

void PreviewWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
        showPage(m_page + 1);
        break;
    case Qt::Key_PageUp:
        showPage(m_page - 1);
        break;
    case Qt::Key_Home:
        showPage(0);
        break;
    case Qt::Key_End:
        showPage(pageCount() - 1);
        break;
    case Qt::Key_Escape:
        close();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
}

} // namespace report
