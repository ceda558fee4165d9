#pragma once

#include "platform/report/FormulaValues.h"
#include "platform/report/SqlCondition.h"
#include "platform/report/TableResolver.h"

#include <QString>

namespace report {

// Turns a record selection formula ("{T.F} = 'x' AND ({T.F} = 3 OR ...)") into a WHERE
// condition over the report's tables, its values bound apart from the text. {@Formula} stands
// for the formula's value (a text); sums, differences, products and quotients keep the
// formula's grouping, and a division marks the condition as dividing. A blank formula gives an
// empty condition.
// Throws rt::RuntimeError err::Formula for a formula it cannot read or one too deep, a table the
// report does not have, a running sum (not known before the rows are read), Round or IIf, or a division
// by a text, number or {@Formula} that is zero.
SqlCondition translateSelection(const QString &formula, const TableResolver &tables, const FormulaValues &formulas);

} // namespace report
