#include "platform/report/ItemPlacer.h"

#include "platform/report/ReportError.h"
#include "platform/report/TableResolver.h"
#include "platform/report/ValueFormatter.h"

#include <QDir>

namespace report {

ItemPlacer::ItemPlacer(FormulaCache &cache, const QString &folder, const QString &printDate)
    : m_cache(cache)
    , m_folder(folder)
    , m_printDate(printDate)
{
}

bool ItemPlacer::suppressed(const QString &formula, const ValueScope &scope)
{
    return isTrue(m_cache.expression(formula), scope);
}

QList<TextPiece> ItemPlacer::text(const ReportItem &item, const ValueScope &scope)
{
    QList<TextPiece> pieces;
    QString literal;
    for (const TemplatePart &part : m_cache.textTemplate(item.text)) {
        switch (part.kind) {
        case TemplatePart::Kind::Literal:
            literal += part.text;
            break;
        case TemplatePart::Kind::Field:
            literal += formatReportValue(scope.field(part.field), item.format);
            break;
        case TemplatePart::Kind::Formula:
            literal += formatReportValue(scope.formula(part.text), item.format);
            break;
        case TemplatePart::Kind::Sum:
            literal += formatReportValue(scope.sum(part.text), item.format);
            break;
        case TemplatePart::Kind::PrintDate:
            literal += m_printDate;
            break;
        case TemplatePart::Kind::PageNumber:
        case TemplatePart::Kind::TotalPages:
            if (!literal.isEmpty())
                pieces << TextPiece{TextPiece::Kind::Literal, literal};
            literal.clear();
            pieces << TextPiece{part.kind == TemplatePart::Kind::PageNumber ? TextPiece::Kind::PageNumber
                                                                            : TextPiece::Kind::TotalPages,
                                {}};
            break;
        }
    }
    if (!literal.isEmpty())
        pieces << TextPiece{TextPiece::Kind::Literal, literal};
    return pieces;
}

QImage ItemPlacer::image(const ReportItem &item, const ValueScope &scope)
{
    if (!item.imageField.isEmpty()) {
        const rt::Variant value = scope.field(parseFieldReference(item.imageField));
        return value.type() == rt::VarType::ByteArray ? QImage::fromData(value.asBytes()) : QImage();
    }
    auto it = m_files.constFind(item.imageFile);
    if (it == m_files.cend()) {
        const QString path = QDir(m_folder).filePath(item.imageFile);
        QImage loaded(path);
        if (loaded.isNull())
            raiseReportFileError(QStringLiteral("No se puede leer la imagen %1 del reporte").arg(path));
        it = m_files.insert(item.imageFile, loaded);
    }
    return *it;
}

QList<PageItem> ItemPlacer::place(const Band &band, const ValueScope &scope, QPointF origin)
{
    QList<PageItem> placed;
    for (const ReportItem &item : band.items) {
        if (item.kind == ReportItem::Kind::Subreport || suppressed(item.suppress, scope))
            continue;
        PageItem page;
        page.rect = item.rect.translated(origin);
        page.line = item.line.translated(origin);
        page.font = item.font;
        page.align = item.align;
        page.color = item.color;
        page.fill = item.fill;
        page.penWidth = item.penWidth;
        switch (item.kind) {
        case ReportItem::Kind::Text:
            page.kind = PageItem::Kind::Text;
            page.text = text(item, scope);
            break;
        case ReportItem::Kind::Line:
            page.kind = PageItem::Kind::Line;
            break;
        case ReportItem::Kind::Box:
            page.kind = PageItem::Kind::Box;
            break;
        case ReportItem::Kind::Image:
            page.kind = PageItem::Kind::Image;
            page.image = image(item, scope);
            if (page.image.isNull())
                continue;
            break;
        case ReportItem::Kind::Subreport:
            break;
        }
        placed << page;
    }
    return placed;
}

} // namespace report
