#include "platform/report/BandLoader.h"

#include "platform/report/ReportError.h"

#include <QJsonArray>
#include <QJsonObject>

namespace report {

namespace {

[[noreturn]] void malformed(const QString &where, const QString &detail)
{
    raiseReportFileError(QStringLiteral("Definición de reporte no válida (%1): %2").arg(where, detail));
}

QList<double> numbers(const QJsonValue &value, int count, const QString &where)
{
    const QJsonArray array = value.toArray();
    if (array.size() != count)
        malformed(where, QStringLiteral("se esperaban %1 números").arg(count));
    QList<double> result;
    for (const QJsonValue &n : array) {
        if (!n.isDouble())
            malformed(where, QStringLiteral("se esperaban %1 números").arg(count));
        result << n.toDouble();
    }
    return result;
}

QRectF rectOf(const QJsonValue &value, const QString &where)
{
    const QList<double> n = numbers(value, 4, where);
    return {n[0], n[1], n[2], n[3]};
}

QColor colorOf(const QJsonObject &item, const char *key, const QString &where)
{
    if (!item.contains(QLatin1String(key)))
        return {};
    const QColor color = QColor::fromString(item.value(QLatin1String(key)).toString());
    if (!color.isValid())
        malformed(where, QStringLiteral("color no válido en \"%1\"").arg(QLatin1String(key)));
    return color;
}

TextAlign alignOf(const QJsonObject &item, const QString &where)
{
    const QString align = item.value(QLatin1String("align")).toString(QStringLiteral("left")).toLower();
    if (align == QLatin1String("left"))
        return TextAlign::Left;
    if (align == QLatin1String("center"))
        return TextAlign::Center;
    if (align == QLatin1String("right"))
        return TextAlign::Right;
    malformed(where, QStringLiteral("alineación desconocida \"%1\"").arg(align));
}

void loadText(ReportItem &item, const QJsonObject &object, const FontSpec &baseFont, const QString &where)
{
    item.kind = ReportItem::Kind::Text;
    item.text = object.contains(QLatin1String("field")) ? object.value(QLatin1String("field")).toString()
                                                        : object.value(QLatin1String("text")).toString();
    item.rect = rectOf(object.value(QLatin1String("at")), where);
    item.format = object.value(QLatin1String("format")).toString();
    item.font = loadFont(object.value(QLatin1String("font")), baseFont);
    item.align = alignOf(object, where);
    if (object.contains(QLatin1String("color")))
        item.color = colorOf(object, "color", where);
    item.fill = colorOf(object, "fill", where);
}

ReportItem loadItem(const QJsonValue &value, const FontSpec &baseFont, const QString &where)
{
    const QJsonObject object = value.toObject();
    ReportItem item;
    item.suppress = object.value(QLatin1String("suppress")).toString();
    item.penWidth = object.value(QLatin1String("width")).toDouble(item.penWidth);
    if (object.contains(QLatin1String("line"))) {
        item.kind = ReportItem::Kind::Line;
        const QList<double> n = numbers(object.value(QLatin1String("line")), 4, where);
        item.line = QLineF(n[0], n[1], n[2], n[3]);
        item.color = object.contains(QLatin1String("color")) ? colorOf(object, "color", where) : item.color;
    } else if (object.contains(QLatin1String("box"))) {
        item.kind = ReportItem::Kind::Box;
        item.rect = rectOf(object.value(QLatin1String("box")), where);
        item.fill = colorOf(object, "fill", where);
        item.color = object.contains(QLatin1String("color")) ? colorOf(object, "color", where) : item.color;
    } else if (object.contains(QLatin1String("image"))) {
        item.kind = ReportItem::Kind::Image;
        item.rect = rectOf(object.value(QLatin1String("image")), where);
        item.imageField = object.value(QLatin1String("field")).toString();
        item.imageFile = object.value(QLatin1String("file")).toString();
        if (item.imageField.isEmpty() == item.imageFile.isEmpty())
            malformed(where, QStringLiteral("una imagen lleva \"field\" o \"file\""));
    } else if (object.contains(QLatin1String("subreport"))) {
        item.kind = ReportItem::Kind::Subreport;
        item.subreport = object.value(QLatin1String("subreport")).toString();
        item.rect = QRectF(object.value(QLatin1String("x")).toDouble(), 0, 0, 0);
    } else if (object.contains(QLatin1String("text")) || object.contains(QLatin1String("field"))) {
        loadText(item, object, baseFont, where);
    } else {
        malformed(where, QStringLiteral("elemento sin tipo"));
    }
    return item;
}

Band loadBand(const QJsonValue &value, const FontSpec &baseFont, const QString &where)
{
    if (!value.isObject())
        malformed(where, QStringLiteral("se esperaba una sección"));
    const QJsonObject object = value.toObject();
    Band band;
    band.height = object.value(QLatin1String("height")).toDouble();
    band.suppress = object.value(QLatin1String("suppress")).toString();
    for (const QJsonValue &item : object.value(QLatin1String("items")).toArray())
        band.items << loadItem(item, baseFont, where);
    return band;
}

} // namespace

FontSpec loadFont(const QJsonValue &value, const FontSpec &base)
{
    const QJsonObject object = value.toObject();
    FontSpec font = base;
    font.family = object.value(QLatin1String("family")).toString(font.family);
    font.size = object.value(QLatin1String("size")).toDouble(font.size);
    font.bold = object.value(QLatin1String("bold")).toBool(font.bold);
    font.italic = object.value(QLatin1String("italic")).toBool(font.italic);
    return font;
}

QList<Band> loadBands(const QJsonValue &slot, const FontSpec &baseFont, const QString &where)
{
    QList<Band> bands;
    if (slot.isUndefined() || slot.isNull())
        return bands;
    if (slot.isArray()) {
        for (const QJsonValue &band : slot.toArray())
            bands << loadBand(band, baseFont, where);
    } else {
        bands << loadBand(slot, baseFont, where);
    }
    return bands;
}

} // namespace report
