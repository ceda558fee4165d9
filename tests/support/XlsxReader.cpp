#include "support/XlsxReader.h"

#include <QProcess>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

// The number formats a package may name by id alone.
QString builtInFormat(int id)
{
    static const QMap<int, QString> formats = {
        {0, "General"}, {1, "0"}, {2, "0.00"}, {3, "#,##0"}, {4, "#,##0.00"}, {9, "0%"}, {10, "0.00%"}, {49, "@"},
    };
    return formats.value(id, QStringLiteral("builtin:%1").arg(id));
}

QString attribute(const QXmlStreamReader &xml, const char *name)
{
    return xml.attributes().value(QString::fromLatin1(name)).toString();
}

int intAttribute(const QXmlStreamReader &xml, const char *name)
{
    return attribute(xml, name).toInt();
}

} // namespace

XlsxReader::XlsxReader(const QString &path)
    : m_path(path)
{
    readSharedStrings();
    readStyles();
    for (int sheet = 1; sheet <= sheetNames().size(); ++sheet)
        readSheet(sheet);
}

QString XlsxReader::part(const QString &name) const
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), m_path, name});
    if (!unzip.waitForFinished(30000) || unzip.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "unzip did not run on " << m_path.toStdString();
        return {};
    }
    return QString::fromUtf8(unzip.readAllStandardOutput());
}

QStringList XlsxReader::sheetNames() const
{
    QStringList names;
    QXmlStreamReader xml(part(QStringLiteral("xl/workbook.xml")));
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"sheet")
            names << attribute(xml, "name");
    return names;
}

void XlsxReader::readSharedStrings()
{
    QXmlStreamReader xml(part(QStringLiteral("xl/sharedStrings.xml")));
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"si")
            m_sharedStrings << QString();
        else if (xml.isStartElement() && xml.name() == u"t" && !m_sharedStrings.isEmpty())
            m_sharedStrings.last() += xml.readElementText();
    }
}

void XlsxReader::readStyles()
{
    QMap<int, QString> numberFormats;
    QVector<Style> fonts;
    QVector<QString> fills;
    QVector<bool> borders;
    QString section;
    QXmlStreamReader xml(part(QStringLiteral("xl/styles.xml")));
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == u"numFmts" || name == u"fonts" || name == u"fills" || name == u"borders" || name == u"cellXfs"
            || name == u"cellStyleXfs")
            section = name.toString();
        else if (name == u"numFmt")
            numberFormats[intAttribute(xml, "numFmtId")] = attribute(xml, "formatCode");
        else if (section == u"fonts" && name == u"font")
            fonts.append(Style{});
        else if (section == u"fonts" && name == u"b")
            fonts.last().bold = true;
        else if (section == u"fonts" && name == u"sz")
            fonts.last().fontSize = attribute(xml, "val").toDouble();
        else if (section == u"fonts" && name == u"color")
            fonts.last().fontColor = attribute(xml, "rgb");
        else if (section == u"fills" && name == u"fill")
            fills.append(QString());
        else if (section == u"fills" && name == u"fgColor")
            fills.last() = attribute(xml, "rgb");
        else if (section == u"borders" && name == u"border")
            borders.append(false);
        else if (section == u"borders" && (name == u"left" || name == u"top")
                 && xml.attributes().hasAttribute(QStringLiteral("style")))
            borders.last() = true;
        else if (section == u"cellXfs" && name == u"xf") {
            const int numFmtId = intAttribute(xml, "numFmtId");
            Style style = fonts.value(intAttribute(xml, "fontId"));
            style.numberFormat = numberFormats.contains(numFmtId) ? numberFormats[numFmtId] : builtInFormat(numFmtId);
            style.fill = fills.value(intAttribute(xml, "fillId"));
            style.border = borders.value(intAttribute(xml, "borderId"));
            m_styles.append(style);
        }
    }
}

void XlsxReader::readSheet(int sheet)
{
    Sheet &target = m_sheets[sheet];
    QXmlStreamReader xml(part(QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheet)));
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"col") {
            const double width = attribute(xml, "width").toDouble();
            for (int column = intAttribute(xml, "min"); column <= intAttribute(xml, "max"); ++column)
                target.widths[column] = width;
        } else if (xml.name() == u"pageSetup") {
            target.landscape = attribute(xml, "orientation") == u"landscape";
        } else if (xml.name() == u"c") {
            Cell cell;
            cell.present = true;
            cell.type = attribute(xml, "t");
            cell.styleIndex = intAttribute(xml, "s");
            const QString reference = attribute(xml, "r");
            while (!xml.atEnd() && !(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == u"c")) {
                if (xml.isStartElement() && xml.name() == u"f")
                    cell.formula = xml.readElementText();
                else if (xml.isStartElement() && xml.name() == u"v")
                    cell.value = xml.readElementText();
            }
            target.cells[reference] = cell;
        }
    }
}

const XlsxReader::Sheet &XlsxReader::sheetAt(int sheet) const
{
    static const Sheet none;
    const auto found = m_sheets.find(sheet);
    return found != m_sheets.end() ? *found : none;
}

XlsxReader::Cell XlsxReader::cell(const QString &reference, int sheet) const
{
    return sheetAt(sheet).cells.value(reference);
}

QString XlsxReader::text(const QString &reference, int sheet) const
{
    const Cell found = cell(reference, sheet);
    return found.type == u"s" ? m_sharedStrings.value(found.value.toInt()) : QString();
}

XlsxReader::Style XlsxReader::style(const QString &reference, int sheet) const
{
    return m_styles.value(cell(reference, sheet).styleIndex);
}

double XlsxReader::columnWidth(int column, int sheet) const
{
    return sheetAt(sheet).widths.value(column, -1.0);
}

bool XlsxReader::landscape(int sheet) const
{
    return sheetAt(sheet).landscape;
}
