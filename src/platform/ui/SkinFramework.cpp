#include "platform/ui/SkinFramework.h"

#include "platform/runtime/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

namespace ui {

namespace {

QString withStyleSheetSuffix(const QString &path)
{
    const QFileInfo info(path);
    return QDir(info.path()).filePath(info.completeBaseName() + QStringLiteral(".qss"));
}

} // namespace

SkinFramework::SkinFramework(QObject *parent)
    : QObject(parent)
{
}

QString SkinFramework::styleSheetFile(const QString &skinFile, const QString &iniFileName)
{
    if (QFileInfo(skinFile).isDir())
        return withStyleSheetSuffix(
            QDir(skinFile).filePath(iniFileName.isEmpty() ? QFileInfo(skinFile).fileName() : iniFileName));
    return withStyleSheetSuffix(skinFile);
}

void SkinFramework::LoadSkin(const QString &skinFile, const QString &iniFileName)
{
    const QString path = styleSheetFile(skinFile, iniFileName);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw rt::RuntimeError(rt::err::FileNotFound, QStringLiteral("File not found"), path);
    m_styleSheet = QString::fromUtf8(file.readAll());
}

void SkinFramework::ApplyWindow(QWidget *window) const
{
    if (window && !m_styleSheet.isEmpty())
        window->setStyleSheet(m_styleSheet);
}

} // namespace ui
