#include "platform/report/ReportRunner.h"

#include "platform/ado/Connection.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/SelectionTranslator.h"
#include "platform/runtime/RuntimeError.h"

namespace report {

namespace {

QList<SortField> orderOf(const ReportBody &body, const QList<SortField> &records)
{
    QList<SortField> order;
    for (const Group &group : body.groups)
        order << SortField{group.field, false};
    return order + records;
}

QList<SortField> callerSort(const QStringList &fields)
{
    QList<SortField> sort;
    for (QString field : fields) {
        field = field.trimmed();
        if (field.isEmpty())
            continue;
        const bool descending = field.startsWith(QLatin1Char('-'));
        if (descending || field.startsWith(QLatin1Char('+')))
            field = field.mid(1).trimmed();
        sort << SortField{field, descending};
    }
    return sort;
}

FormulaValues defaultsOf(const ReportBody &body)
{
    FormulaValues values;
    for (const FormulaSlot &slot : body.formulas)
        values.set(slot.name, slot.value);
    return values;
}

class Runner : public SubreportSource {
public:
    Runner(const ReportDefinition &definition, ado::Connection &connection, const ReportRequest &request)
        : m_definition(definition)
        , m_connection(connection)
        , m_request(request)
    {
        for (const QString &name : request.subreports) {
            if (!name.trimmed().isEmpty() && !definition.subreport(name))
                raiseReportFileError(
                    QStringLiteral("El reporte %1 no tiene el subreporte %2").arg(definition.title, name.trimmed()));
        }
    }

    ReportDocument run()
    {
        FormulaValues formulas = defaultsOf(m_definition);
        formulas.apply(m_request.formulas);
        const TableResolver tables(m_definition.tables);
        QList<FieldName> fields = m_cache.fieldsNamedBy(m_definition);
        for (const Subreport &sub : m_definition.subreports) {
            for (const SubreportLink &link : sub.links)
                fields << parseFieldReference(link.mainField);
        }
        const ReportQuery query(tables, fields);
        const SqlCondition where = translateSelection(m_request.selection, tables, formulas);
        const QList<SortField> requested = callerSort(m_request.sortFields);
        const QList<SortField> order = orderOf(m_definition, requested.isEmpty() ? m_definition.sort : requested);
        const BodyData main(m_definition, selectedRows(query, where, order), formulas);
        return layoutReport(m_definition, main, *this, m_cache, m_request.printDate);
    }

    std::unique_ptr<BodyData> rowsFor(const Subreport &sub, const ValueScope &mainScope) override
    {
        FormulaValues formulas = defaultsOf(sub);
        const bool named =
            std::any_of(m_request.subreports.begin(), m_request.subreports.end(), [&](const QString &name) {
                return name.trimmed().compare(sub.name, Qt::CaseInsensitive) == 0;
            });
        if (named)
            formulas.apply(m_request.formulas);
        const TableResolver tables(sub.tables);
        SqlCondition where;
        QStringList conditions;
        for (const SubreportLink &link : sub.links) {
            conditions << tables.sqlColumn(parseFieldReference(link.field), link.field) + QStringLiteral(" = ?");
            where.values << mainScope.field(parseFieldReference(link.mainField));
        }
        where.text = conditions.join(QStringLiteral(" AND "));
        const ReportQuery query(tables, m_cache.fieldsNamedBy(sub));
        return std::make_unique<BodyData>(sub, query.run(m_connection, where, orderOf(sub, sub.sort)), formulas);
    }

private:
    // The rows the selection picks. A division by zero that the database meets in the selection
    // while it reads them is the formula's error, as a zero written in the formula is.
    ReportRows selectedRows(const ReportQuery &query, const SqlCondition &where, const QList<SortField> &order) const
    {
        try {
            return query.run(m_connection, where, order);
        } catch (const rt::RuntimeError &) {
            const ado::Errors &errors = m_connection.Errors();
            if (where.divides && errors.Count() > 0 && errors(0).NativeError == rt::err::NativeDivideByZero)
                raiseDivisionByZero(m_request.selection);
            throw;
        }
    }

    const ReportDefinition &m_definition;
    ado::Connection &m_connection;
    const ReportRequest &m_request;
    FormulaCache m_cache;
};

} // namespace

ReportDocument runReport(const ReportDefinition &definition, ado::Connection &connection, const ReportRequest &request)
{
    return Runner(definition, connection, request).run();
}

} // namespace report
