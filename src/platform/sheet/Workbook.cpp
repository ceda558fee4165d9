#include "platform/sheet/Workbook.h"

#include "platform/runtime/WholeFile.h"
#include "platform/sheet/Desktop.h"
#include "platform/sheet/SheetError.h"
#include "platform/sheet/XlsxWriter.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace sheet {

namespace {

constexpr int MaxSheets = 255;

rt::RuntimeError accessError(const QString &path)
{
    return sheetError(rt::err::PathFileAccess, QStringLiteral("Error de acceso a la ruta o el archivo: %1").arg(path));
}

// Puts the finished file in place in one step, so a failure leaves any older file whole.
void replaceFile(const QFileInfo &target, const QString &built)
{
    QFile source(built);
    if (!source.open(QIODevice::ReadOnly))
        throw accessError(built);
    const rt::WholeFileWrite written = rt::writeWholeFile(target.absoluteFilePath(), source.readAll());
    if (written == rt::WholeFileWrite::Refused)
        throw sheetError(rt::err::PermissionDenied, QStringLiteral("Permiso denegado: %1").arg(target.filePath()));
    if (written != rt::WholeFileWrite::Written)
        throw accessError(target.filePath());
}

// A file name without the characters file systems refuse.
QString safeFileName(const QString &name)
{
    QString safe = name.trimmed();
    for (QChar &c : safe)
        if (c.category() == QChar::Other_Control || QStringView(u"/\\:*?\"<>|").contains(c))
            c = u'_';
    return safe.isEmpty() ? QStringLiteral("Libro") : safe;
}

QString freeFileName(const QDir &folder, const QString &listName)
{
    const QString base = safeFileName(listName) + u' ' + QDateTime::currentDateTime().toString(u"yyyy-MM-dd HH.mm.ss");
    QString candidate = folder.filePath(base + QStringLiteral(".xlsx"));
    for (int copy = 2; QFileInfo::exists(candidate); ++copy)
        candidate = folder.filePath(QStringLiteral("%1 (%2).xlsx").arg(base).arg(copy));
    return candidate;
}

} // namespace

Workbook::Workbook(int sheetCount)
{
    if (sheetCount < 1 || sheetCount > MaxSheets)
        throw sheetError(err::ApplicationDefined,
                         QStringLiteral("Un libro lleva de 1 a %1 hojas, no %2").arg(MaxSheets).arg(sheetCount));
    for (int index = 1; index <= sheetCount; ++index)
        m_sheets.push_back(std::make_unique<Worksheet>(QStringLiteral("Hoja%1").arg(index)));
}

Worksheet &Workbook::sheet(int index)
{
    return const_cast<Worksheet &>(std::as_const(*this).sheet(index));
}

const Worksheet &Workbook::sheet(int index) const
{
    if (index < 1 || index > sheetCount())
        throw sheetError(err::SubscriptOutOfRange, QStringLiteral("El subíndice está fuera del intervalo"));
    return *m_sheets[static_cast<std::size_t>(index - 1)];
}

void Workbook::saveAs(const QString &path) const
{
    if (path.isEmpty())
        throw accessError(path);
    const QFileInfo target(path);
    if (!target.absoluteDir().exists())
        throw sheetError(rt::err::PathNotFound,
                         QStringLiteral("No se encontró la ruta de acceso: %1").arg(target.absolutePath()));
    QTemporaryDir scratch;
    if (!scratch.isValid())
        throw accessError(scratch.path());
    const QString built = scratch.filePath(QStringLiteral("libro.xlsx"));
    XlsxWriter::write(*this, built, scratch.path());
    replaceFile(target, built);
}

ShownWorkbook Workbook::show(const QString &listName) const
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty() || !QDir().mkpath(documents))
        throw sheetError(rt::err::PathNotFound, QStringLiteral("No se encontró la ruta de acceso: %1").arg(documents));
    ShownWorkbook shown;
    shown.path = freeFileName(QDir(documents), listName);
    saveAs(shown.path);
    shown.opened = openOnDesktop(shown.path);
    return shown;
}

} // namespace sheet
