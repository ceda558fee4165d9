#include "platform/report/PagePainter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

namespace report {

namespace {

const double kSmallestShrink = 0.7; // of the text's own size

class Scale {
public:
    explicit Scale(const QPaintDevice &device)
        : m_x(device.logicalDpiX() / 25.4)
        , m_y(device.logicalDpiY() / 25.4)
    {
    }

    QPointF point(QPointF mm) const { return {mm.x() * m_x, mm.y() * m_y}; }
    QRectF rect(const QRectF &mm) const { return {point(mm.topLeft()), point(mm.bottomRight())}; }
    double width(double mm) const { return mm * m_x; }

private:
    double m_x;
    double m_y;
};

QFont fontOf(const FontSpec &spec, QPaintDevice *device)
{
    QFont font(spec.family);
    font.setPointSizeF(spec.size);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    return QFont(font, device);
}

Qt::Alignment alignmentOf(TextAlign align)
{
    switch (align) {
    case TextAlign::Center:
        return Qt::AlignHCenter;
    case TextAlign::Right:
        return Qt::AlignRight;
    case TextAlign::Left:
        break;
    }
    return Qt::AlignLeft;
}

QPen penOf(const PageItem &item, const Scale &scale)
{
    if (item.penWidth <= 0)
        return Qt::NoPen;
    QPen pen(item.color);
    pen.setWidthF(scale.width(item.penWidth));
    return pen;
}

void paintText(QPainter &painter, const ReportDocument &document, const PageItem &item, int pageIndex,
               const Scale &scale)
{
    const QRectF rect = scale.rect(item.rect);
    if (item.fill.isValid())
        painter.fillRect(rect, item.fill);
    const QString full = document.textOf(item, pageIndex);
    // A text wider than its box is first set smaller, so an amount is never cut, and only then
    // cut with an ellipsis rather than run over its neighbour.
    FontSpec spec = item.font;
    QFont font = fontOf(spec, painter.device());
    const double smallest = item.font.size * kSmallestShrink;
    while (QFontMetricsF(font).horizontalAdvance(full) > rect.width() && spec.size > smallest) {
        spec.size = std::max(smallest, spec.size - 0.25);
        font = fontOf(spec, painter.device());
    }
    painter.setFont(font);
    painter.setPen(item.color);
    const QString text = QFontMetricsF(font).elidedText(full, Qt::ElideRight, rect.width());
    painter.drawText(rect, int(alignmentOf(item.align) | Qt::AlignVCenter | Qt::TextSingleLine), text);
}

void paintImage(QPainter &painter, const PageItem &item, const Scale &scale)
{
    const QRectF box = scale.rect(item.rect);
    QSizeF size = QSizeF(item.image.size()).scaled(box.size(), Qt::KeepAspectRatio);
    QRectF target(box.topLeft(), size);
    if (item.align == TextAlign::Center)
        target.moveLeft(box.left() + (box.width() - size.width()) / 2);
    else if (item.align == TextAlign::Right)
        target.moveRight(box.right());
    painter.drawImage(target, item.image);
}

} // namespace

void paintPage(QPainter &painter, const ReportDocument &document, int pageIndex)
{
    const Scale scale(*painter.device());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const PageItem &item : document.pages.at(pageIndex).items) {
        switch (item.kind) {
        case PageItem::Kind::Text:
            paintText(painter, document, item, pageIndex, scale);
            break;
        case PageItem::Kind::Line:
            painter.setPen(penOf(item, scale));
            painter.drawLine(QLineF(scale.point(item.line.p1()), scale.point(item.line.p2())));
            break;
        case PageItem::Kind::Box:
            painter.setPen(penOf(item, scale));
            painter.setBrush(item.fill.isValid() ? QBrush(item.fill) : QBrush(Qt::NoBrush));
            painter.drawRect(scale.rect(item.rect));
            painter.setBrush(Qt::NoBrush);
            break;
        case PageItem::Kind::Image:
            paintImage(painter, item, scale);
            break;
        }
    }
    painter.restore();
}

} // namespace report
