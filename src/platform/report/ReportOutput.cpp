#include "platform/report/ReportOutput.h"

#include "platform/report/PagePainter.h"
#include "platform/report/ReportError.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/WholeFile.h"
#include "platform/ui/Dialogs.h"

#include <QBuffer>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>

namespace report {

namespace {

const QString kSource = QStringLiteral("ImpresionReportes");

QPageLayout layoutOf(const ReportDocument &document)
{
    return QPageLayout(QPageSize(document.page.size), document.page.orientation, QMarginsF(0, 0, 0, 0));
}

void paintAll(QPainter &painter, const ReportDocument &document, QPagedPaintDevice &device)
{
    for (int i = 0; i < document.pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        paintPage(painter, document, i);
    }
}

// The document as the bytes of a PDF; empty when it cannot be drawn. The PDF writer stops at the
// first short write to its device (a full disk) without telling, so it writes to memory and the
// caller writes the whole PDF at once, where a short write shows in the count written.
QByteArray pdfOf(const ReportDocument &document)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("comisiones"));
        writer.setResolution(600);
        writer.setPageLayout(layoutOf(document));
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        paintAll(painter, document, writer);
        if (!painter.end())
            return {};
    }
    return pdf.data();
}

QPrinterInfo findPrinter(const QString &name)
{
    const QString wanted = name.trimmed();
    if (!wanted.isEmpty()) {
        for (const QPrinterInfo &info : QPrinterInfo::availablePrinters()) {
            if (info.printerName().compare(wanted, Qt::CaseInsensitive) == 0
                || info.description().compare(wanted, Qt::CaseInsensitive) == 0)
                return info;
        }
    }
    return QPrinterInfo::defaultPrinter();
}

bool hasDisplay()
{
    const QString platform = QGuiApplication::platformName();
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) && platform != QLatin1String("offscreen")
           && platform != QLatin1String("minimal");
}

} // namespace

void writePdf(const ReportDocument &document, const QString &path)
{
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        throw rt::RuntimeError(rt::err::PathNotFound, QStringLiteral("No se encontró la ruta de acceso: %1").arg(path),
                               kSource);
    // A failed write keeps the older file; a link keeps its place and its file gets the new PDF.
    const QByteArray pdf = pdfOf(document);
    if (pdf.isEmpty() || rt::writeWholeFile(path, pdf) != rt::WholeFileWrite::Written)
        throw rt::RuntimeError(rt::err::PermissionDenied,
                               QStringLiteral("No se puede escribir el archivo %1").arg(path), kSource);
}

QString documentsPdfPath(const QString &title)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    QDir().mkpath(folder);
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|]"));
    QString name = QString(title).replace(unsafe, QStringLiteral("_")).trimmed();
    if (name.isEmpty())
        name = QStringLiteral("Reporte");
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    return QDir(folder).filePath(QStringLiteral("%1 %2.pdf").arg(name, stamp));
}

QString printDocument(const ReportDocument &document, const QString &printerName)
{
    const QPrinterInfo info = findPrinter(printerName);
    if (info.isNull()) {
        const QString path = documentsPdfPath(document.title);
        writePdf(document, path);
        ui::MsgBox(QStringLiteral("No hay ninguna impresora instalada. El reporte se guardó en ") + path,
                   ui::vbInformation, QStringLiteral("Aviso"));
        return path;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setDocName(document.title);
    printer.setPageLayout(layoutOf(document));
    QPainter painter;
    if (!painter.begin(&printer))
        throw rt::RuntimeError(err::Printer,
                               QStringLiteral("La impresora %1 no aceptó el reporte").arg(info.printerName()), kSource);
    paintAll(painter, document, printer);
    painter.end();
    return info.printerName();
}

QString mailDocument(const ReportDocument &document)
{
    const QString path = documentsPdfPath(document.title);
    writePdf(document, path);
    if (hasDisplay()) {
        QUrl mail(QStringLiteral("mailto:"));
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("subject"), document.title);
        query.addQueryItem(QStringLiteral("body"), QStringLiteral("Se adjunta el reporte: ") + path);
        mail.setQuery(query);
        QDesktopServices::openUrl(mail);
    }
    return path;
}

} // namespace report
