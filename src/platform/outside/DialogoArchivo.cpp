#include "platform/outside/DialogoArchivo.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace outside {

namespace {

QString bothCases(const QString &patterns)
{
    QStringList result;
    for (const QString &pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        result << trimmed;
        if (trimmed.toLower() != trimmed)
            result << trimmed.toLower();
        if (trimmed.toUpper() != trimmed)
            result << trimmed.toUpper();
    }
    result.removeDuplicates();
    return result.join(QLatin1Char(' '));
}

} // namespace

QString DialogoArchivo::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries << parts[i].trimmed() + QStringLiteral(" (") + bothCases(parts[i + 1]) + QLatin1Char(')');
    return entries.join(QStringLiteral(";;"));
}

void DialogoArchivo::ShowOpen()
{
    // Qt's own dialog, so it behaves the same on every desktop and under the tests.
    const QString folder = QFileInfo(m_fileName).absolutePath();
    QFileDialog dialog(QApplication::activeWindow(), m_title, QDir(folder).exists() ? folder : QString(),
                       qtFilter(m_filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    m_cancelled = dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty();
    if (!m_cancelled)
        m_fileName = dialog.selectedFiles().constFirst();
}

} // namespace outside
