#include "platform/report/ReportLayout.h"

#include "platform/report/ReportError.h"
#include "platform/runtime/VariantMath.h"

#include <algorithm>

namespace report {

namespace {

// Per running sum, its value at each row of a body; filled only for the sums marked whole.
using WholeSums = QList<QList<rt::Variant>>;

class BodyWalker {
public:
    BodyWalker(const ReportDefinition &definition, Paginator &paginator, SubreportSource &source)
        : m_definition(definition)
        , m_paginator(paginator)
        , m_source(source)
    {
        m_paginator.setSubreportHook(
            [this](const ReportItem &item, const ValueScope &scope, double x) { runSubreport(item, scope, x); });
    }

    // Walks every row of the body, `x` mm right of the left margin.
    void walk(const BodyData &data, double x, SumValues &sums)
    {
        const ReportBody &body = data.body;
        resetSums(body, sums, QString(), true);
        const int rows = data.rows.count();
        const WholeSums whole = wholeSums(data);
        if (rows > 0)
            setWholeSums(body, whole, 0, sums);
        const RowScope first(data, rows > 0 ? 0 : -1, sums);
        m_paginator.place(body.reportHeader, first, x);
        QList<rt::Variant> previous;
        for (int row = 0; row < rows; ++row) {
            const RowScope scope(data, row, sums);
            QList<rt::Variant> values = groupValues(data, scope);
            const int changed = row == 0 ? 0 : firstChange(previous, values);
            if (row > 0)
                closeGroups(data, RowScope(data, row - 1, sums), changed, x);
            setWholeSums(body, whole, row, sums);
            openGroups(data, row, sums, changed, x);
            accumulate(data, scope, sums);
            m_paginator.place(body.detail, scope, x);
            previous = std::move(values);
        }
        const RowScope last(data, rows - 1, sums);
        if (rows > 0)
            closeGroups(data, last, 0, x);
        m_paginator.place(body.reportFooter, last, x);
    }

private:
    QList<rt::Variant> groupValues(const BodyData &data, const RowScope &scope)
    {
        QList<rt::Variant> values;
        for (const Group &group : data.body.groups)
            values << scope.field(parseFieldReference(group.field));
        return values;
    }

    static bool same(const rt::Variant &a, const rt::Variant &b)
    {
        if (a.isNull() || b.isNull())
            return a.isNull() && b.isNull();
        return compareValues(a, b) == 0;
    }

    static int firstChange(const QList<rt::Variant> &previous, const QList<rt::Variant> &values)
    {
        for (int level = 0; level < values.size(); ++level) {
            if (!same(previous[level], values[level]))
                return level;
        }
        return int(values.size());
    }

    // Footers of the groups from the innermost out to `level`, which end before the next row.
    void closeGroups(const BodyData &data, const RowScope &scope, int level, double x)
    {
        for (int g = int(data.body.groups.size()) - 1; g >= level; --g) {
            const Group &group = data.body.groups[g];
            if (group.repeatHeader)
                m_paginator.popRepeatedHeader();
            m_paginator.place(group.footer, scope, x);
        }
    }

    void openGroups(const BodyData &data, int row, SumValues &sums, int level, double x)
    {
        const RowScope scope(data, row, sums);
        const double detailHeight = data.body.detail.isEmpty() ? 0 : data.body.detail.first().height;
        for (int g = level; g < data.body.groups.size(); ++g) {
            const Group &group = data.body.groups[g];
            resetSums(data.body, sums, group.name, false);
            if (group.newPage && row > 0)
                m_paginator.newPage(scope);
            m_paginator.place(group.header, scope, x, detailHeight);
            if (group.repeatHeader)
                m_paginator.pushRepeatedHeader(group.header, std::make_shared<RowScope>(data, row, sums), x);
        }
    }

    static void resetSums(const ReportBody &body, SumValues &sums, const QString &group, bool all)
    {
        for (const RunningSum &sum : body.sums) {
            if (all || (!sum.whole && sum.resetGroup.compare(group, Qt::CaseInsensitive) == 0))
                sums.insert(sum.name.toLower(), rt::Variant(0));
        }
    }

    static void add(const BodyData &data, qsizetype sum, const RowScope &scope, rt::Variant &total)
    {
        if (data.body.sums.at(sum).kind == RunningSum::Kind::Count) {
            total = rt::Add(total, rt::Variant(1));
            return;
        }
        const rt::Variant value = evaluate(*data.sumFields.at(sum), scope);
        if (!value.isNull() && !value.isEmpty())
            total = rt::Add(total, value);
    }

    static void accumulate(const BodyData &data, const RowScope &scope, SumValues &sums)
    {
        for (qsizetype i = 0; i < data.body.sums.size(); ++i) {
            const RunningSum &sum = data.body.sums.at(i);
            if (!sum.whole)
                add(data, i, scope, sums[sum.name.toLower()]);
        }
    }

    // Per sum marked whole, its value at each row: the total of the row's run of the reset group.
    // Its field is read without sums, before any band is placed.
    WholeSums wholeSums(const BodyData &data)
    {
        const ReportBody &body = data.body;
        WholeSums whole(body.sums.size());
        if (std::none_of(body.sums.begin(), body.sums.end(), [](const RunningSum &sum) { return sum.whole; }))
            return whole;
        const int rows = data.rows.count();
        const SumValues none;
        QList<QList<rt::Variant>> groups;
        for (int row = 0; row < rows; ++row)
            groups << groupValues(data, RowScope(data, row, none));
        for (qsizetype i = 0; i < body.sums.size(); ++i) {
            const RunningSum &sum = body.sums.at(i);
            if (!sum.whole)
                continue;
            const auto reset = std::find_if(body.groups.begin(), body.groups.end(), [&](const Group &g) {
                return !sum.resetGroup.isEmpty() && g.name.compare(sum.resetGroup, Qt::CaseInsensitive) == 0;
            });
            const int level = reset == body.groups.end() ? -1 : int(reset - body.groups.begin());
            rt::Variant total(0);
            for (int row = 0; row <= rows; ++row) {
                if (row == rows || (row > 0 && firstChange(groups[row - 1], groups[row]) <= level)) {
                    while (whole[i].size() < row)
                        whole[i] << total;
                    total = rt::Variant(0);
                }
                if (row < rows)
                    add(data, i, RowScope(data, row, none), total);
            }
        }
        return whole;
    }

    static void setWholeSums(const ReportBody &body, const WholeSums &whole, int row, SumValues &sums)
    {
        for (qsizetype i = 0; i < body.sums.size(); ++i) {
            if (body.sums.at(i).whole)
                sums.insert(body.sums.at(i).name.toLower(), whole[i][row]);
        }
    }

    void runSubreport(const ReportItem &item, const ValueScope &scope, double x)
    {
        const Subreport *sub = m_definition.subreport(item.subreport);
        if (!sub)
            raiseReportFileError(
                QStringLiteral("El reporte %1 no tiene el subreporte %2").arg(m_definition.title, item.subreport));
        const std::unique_ptr<BodyData> data = m_source.rowsFor(*sub, scope);
        SumValues sums;
        walk(*data, x, sums);
    }

    const ReportDefinition &m_definition;
    Paginator &m_paginator;
    SubreportSource &m_source;
};

} // namespace

ReportDocument layoutReport(const ReportDefinition &definition, const BodyData &main, SubreportSource &subreports,
                            FormulaCache &cache, const QString &printDate)
{
    ItemPlacer placer(cache, definition.folder, printDate);
    Paginator paginator(definition, placer);
    BodyWalker walker(definition, paginator, subreports);
    SumValues sums;
    walker.walk(main, 0, sums);
    return paginator.finish(RowScope(main, main.rows.count() - 1, sums));
}

} // namespace report
