#include "ReportFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace reporttest {

void PrintTo(const TextCase &c, std::ostream *os)
{
    *os << c.text;
}

QString pdfText(const QString &pdfPath)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdfPath, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext could not read " << pdfPath.toStdString() << ": "
                      << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList pageTexts(const report::ReportDocument &document)
{
    QStringList pages;
    for (int i = 0; i < document.pages.size(); ++i) {
        QStringList lines;
        for (const report::PageItem &item : document.pages[i].items) {
            if (item.kind == report::PageItem::Kind::Text)
                lines << document.textOf(item, i);
        }
        pages << lines.join(QLatin1Char('\n'));
    }
    return pages;
}

QString writeFile(const QString &folder, const QString &name, const QByteArray &json)
{
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(json);
    return path;
}

} // namespace reporttest
