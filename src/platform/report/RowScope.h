#pragma once

#include "platform/report/ExpressionEvaluator.h"
#include "platform/report/FormulaValues.h"
#include "platform/report/ReportQuery.h"
#include "platform/report/TableResolver.h"

#include <QHash>
#include <memory>

namespace report {

// A report body with what it prints: its rows, its formulas' values, and its computed formulas
// and running sums parsed. Throws rt::RuntimeError err::Formula for a formula it cannot read.
struct BodyData {
    BodyData(const ReportBody &reportBody, ReportRows reportRows, FormulaValues values);

    const ReportBody &body;
    TableResolver tables;
    ReportRows rows;
    FormulaValues formulas;
    QHash<QString, ExpressionPtr> computed; // by name in lower case
    QList<ExpressionPtr> sumFields; // one per running sum, null to count
};

// Running sums by name (in lower case).
using SumValues = QHash<QString, rt::Variant>;

// The values one row of a body shows: its fields, the body's formulas and the running sums as
// they stand. Row -1 (no rows) gives Null fields.
class RowScope : public ValueScope {
public:
    RowScope(const BodyData &data, int row, const SumValues &sums)
        : m_data(data)
        , m_row(row)
        , m_sums(sums)
    {
    }

    rt::Variant field(const FieldName &field) const override;
    // A computed formula's value in this row, else the value the caller gave.
    // Throws rt::RuntimeError err::Formula for a computed formula that names itself, directly or
    // through others.
    rt::Variant formula(const QString &name) const override;
    // Throws rt::RuntimeError err::Formula for a sum the body does not define.
    rt::Variant sum(const QString &name) const override;

private:
    const BodyData &m_data;
    int m_row;
    const SumValues &m_sums;
    mutable qsizetype m_reading = 0; // computed formulas being read, one inside another
};

} // namespace report
