#pragma once

#include "platform/report/ReportDocument.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace report {

// The report on the screen: a modeless window that shows one page at a time, with page
// navigation, zoom, "Imprimir" and "Exportar PDF". It keeps its own copy of the laid-out report,
// so it outlives the query and the caller's loop goes on while it is open.
class PreviewWindow : public QWidget {
    Q_OBJECT

public:
    // `printerName` is the printer "Imprimir" uses when it exists (else the default one).
    explicit PreviewWindow(ReportDocument document, const QString &printerName = {}, QWidget *parent = nullptr);

    int pageCount() const { return int(m_document.pages.size()); }
    int currentPage() const { return m_page; } // counted from 0
    int zoom() const { return m_zoom; } // percent

    // Shows the page of that index (kept within the report).
    void showPage(int index);
    // Shows the page at `percent` of its real size.
    void setZoom(int percent);
    // Writes the whole report to a PDF file. Throws as writePdf.
    void exportPdf(const QString &path);

    // The image of the current page as shown.
    QImage pageImage() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // The first showing opens at 100 %, or smaller where the page's whole width would not show.
    void showEvent(QShowEvent *event) override;

private:
    void buildToolbar();
    double screenDpi() const; // the page's dots per inch at 100 %
    int widthFittingZoom() const;
    void selectZoomItem(int percent);
    void refresh();
    void printReport();
    void askAndExportPdf();

    ReportDocument m_document;
    QString m_printerName;
    int m_page = 0;
    int m_zoom = 100;
    bool m_fitted = false;
    QPushButton *m_first = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_last = nullptr;
    QLabel *m_pageLabel = nullptr;
    QComboBox *m_zoomBox = nullptr;
    QScrollArea *m_scroll = nullptr;
    QLabel *m_view = nullptr;
};

} // namespace report
