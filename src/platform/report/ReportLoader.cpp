#include "platform/report/ReportLoader.h"

#include "platform/report/BandLoader.h"
#include "platform/report/ReportError.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace report {

namespace {

[[noreturn]] void malformed(const QString &name, const QString &detail)
{
    raiseReportFileError(QStringLiteral("Definición de reporte no válida (%1): %2").arg(name, detail));
}

QString required(const QJsonObject &object, const char *key, const QString &name)
{
    const QString value = object.value(QLatin1String(key)).toString().trimmed();
    if (value.isEmpty())
        malformed(name, QStringLiteral("falta \"%1\"").arg(QLatin1String(key)));
    return value;
}

QList<TableRef> loadTables(const QJsonArray &array, const QString &name)
{
    QList<TableRef> tables;
    for (const QJsonValue &value : array) {
        const QJsonObject object = value.toObject();
        TableRef table;
        table.table = required(object, "table", name);
        table.alias = object.value(QLatin1String("alias")).toString(table.table).trimmed();
        const QString join = object.value(QLatin1String("join")).toString().toLower();
        if (!tables.isEmpty() || !join.isEmpty()) {
            if (join != QLatin1String("left") && join != QLatin1String("inner"))
                malformed(name, QStringLiteral("la tabla %1 necesita \"join\": \"left\" o \"inner\"").arg(table.table));
            table.join = join == QLatin1String("left") ? TableRef::Join::Left : TableRef::Join::Inner;
        }
        for (const QJsonValue &pair : object.value(QLatin1String("on")).toArray()) {
            const QJsonArray fields = pair.toArray();
            if (fields.size() != 2)
                malformed(name, QStringLiteral("cada condición de \"on\" une dos campos"));
            table.on.append({fields[0].toString(), fields[1].toString()});
        }
        if (table.join != TableRef::Join::From && table.on.isEmpty())
            malformed(name, QStringLiteral("la tabla %1 necesita \"on\"").arg(table.table));
        tables << table;
    }
    if (tables.isEmpty())
        malformed(name, QStringLiteral("no tiene tablas"));
    return tables;
}

QList<SortField> loadSort(const QJsonArray &array)
{
    QList<SortField> sort;
    for (const QJsonValue &value : array) {
        QString field = value.toString().trimmed();
        const bool descending = field.startsWith(QLatin1Char('-'));
        if (descending || field.startsWith(QLatin1Char('+')))
            field = field.mid(1).trimmed();
        sort << SortField{field, descending};
    }
    return sort;
}

QList<Group> loadGroups(const QJsonArray &array, const FontSpec &font, const QString &name)
{
    QList<Group> groups;
    for (const QJsonValue &value : array) {
        const QJsonObject object = value.toObject();
        Group group;
        group.name = required(object, "name", name);
        group.field = required(object, "field", name);
        group.repeatHeader = object.value(QLatin1String("repeatHeader")).toBool();
        group.newPage = object.value(QLatin1String("newPage")).toBool();
        group.header = loadBands(object.value(QLatin1String("header")), font, name);
        group.footer = loadBands(object.value(QLatin1String("footer")), font, name);
        groups << group;
    }
    return groups;
}

QList<RunningSum> loadSums(const QJsonArray &array, const QList<Group> &groups, const QString &name)
{
    QList<RunningSum> sums;
    for (const QJsonValue &value : array) {
        const QJsonObject object = value.toObject();
        RunningSum sum;
        sum.name = required(object, "name", name);
        sum.kind =
            object.value(QLatin1String("kind")).toString().compare(QLatin1String("count"), Qt::CaseInsensitive) == 0
                ? RunningSum::Kind::Count
                : RunningSum::Kind::Sum;
        sum.field = object.value(QLatin1String("field")).toString();
        if (sum.kind == RunningSum::Kind::Sum && sum.field.isEmpty())
            malformed(name, QStringLiteral("el total %1 no dice qué campo suma").arg(sum.name));
        sum.resetGroup = object.value(QLatin1String("reset")).toString().trimmed();
        sum.whole = object.value(QLatin1String("whole")).toBool();
        const bool known = std::any_of(groups.begin(), groups.end(), [&](const Group &g) {
            return g.name.compare(sum.resetGroup, Qt::CaseInsensitive) == 0;
        });
        if (!sum.resetGroup.isEmpty() && !known)
            malformed(name, QStringLiteral("el total %1 nombra un grupo que no existe").arg(sum.name));
        sums << sum;
    }
    return sums;
}

void loadBody(ReportBody &body, const QJsonObject &object, const FontSpec &font, const QString &name)
{
    body.tables = loadTables(object.value(QLatin1String("tables")).toArray(), name);
    body.sort = loadSort(object.value(QLatin1String("sort")).toArray());
    body.groups = loadGroups(object.value(QLatin1String("groups")).toArray(), font, name);
    const QJsonObject formulas = object.value(QLatin1String("formulas")).toObject();
    for (auto it = formulas.begin(); it != formulas.end(); ++it)
        body.formulas << FormulaSlot{it.key(), it.value().toString()};
    const QJsonObject computed = object.value(QLatin1String("computed")).toObject();
    for (auto it = computed.begin(); it != computed.end(); ++it)
        body.computed << FormulaSlot{it.key(), it.value().toString()};
    body.sums = loadSums(object.value(QLatin1String("sums")).toArray(), body.groups, name);
    body.reportHeader = loadBands(object.value(QLatin1String("reportHeader")), font, name);
    body.pageHeader = loadBands(object.value(QLatin1String("pageHeader")), font, name);
    body.detail = loadBands(object.value(QLatin1String("detail")), font, name);
    body.pageFooter = loadBands(object.value(QLatin1String("pageFooter")), font, name);
    body.reportFooter = loadBands(object.value(QLatin1String("reportFooter")), font, name);
}

PageSetup loadPage(const QJsonObject &object, const QString &name)
{
    PageSetup page;
    const QString written = object.value(QLatin1String("size")).toString(QStringLiteral("A4"));
    const QString size = written.toLower();
    if (size == QLatin1String("letter"))
        page.size = QPageSize::Letter;
    else if (size == QLatin1String("legal"))
        page.size = QPageSize::Legal;
    else if (size != QLatin1String("a4"))
        malformed(name, QStringLiteral("tamaño de página desconocido \"%1\"").arg(written));
    if (object.value(QLatin1String("orientation")).toString().compare(QLatin1String("landscape"), Qt::CaseInsensitive)
        == 0)
        page.orientation = QPageLayout::Landscape;
    const QJsonArray margins = object.value(QLatin1String("margins")).toArray();
    if (margins.size() == 4)
        page.margins =
            QMarginsF(margins[0].toDouble(), margins[1].toDouble(), margins[2].toDouble(), margins[3].toDouble());
    else if (!margins.isEmpty())
        malformed(name, QStringLiteral("\"margins\" lleva cuatro números"));
    return page;
}

} // namespace

ReportDefinition parseReport(const QByteArray &json, const QString &folder, const QString &name)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        malformed(name, error.errorString());
    const QJsonObject object = document.object();
    ReportDefinition definition;
    definition.title = object.value(QLatin1String("title")).toString(name);
    definition.folder = folder;
    definition.page = loadPage(object.value(QLatin1String("page")).toObject(), name);
    const FontSpec font = loadFont(object.value(QLatin1String("font")), FontSpec{});
    loadBody(definition, object, font, name);
    for (const QJsonValue &value : object.value(QLatin1String("subreports")).toArray()) {
        const QJsonObject subObject = value.toObject();
        Subreport sub;
        sub.name = required(subObject, "name", name);
        loadBody(sub, subObject, font, name + QLatin1Char('/') + sub.name);
        for (const QJsonValue &link : subObject.value(QLatin1String("links")).toArray()) {
            const QJsonObject linkObject = link.toObject();
            sub.links << SubreportLink{required(linkObject, "field", name), required(linkObject, "main", name)};
        }
        definition.subreports << sub;
    }
    return definition;
}

ReportDefinition loadReport(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        raiseReportFileError(QStringLiteral("No se puede leer el reporte %1: %2").arg(path, file.errorString()));
    const QFileInfo info(path);
    return parseReport(file.readAll(), info.absolutePath(), info.fileName());
}

} // namespace report
