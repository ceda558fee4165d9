#pragma once

#include "platform/runtime/Variant.h"

#include <QList>
#include <QString>

namespace report {

// A WHERE condition whose values are kept apart from its text: each "?" of the text stands for
// the next value. Values never come from formula text spliced into SQL, so a quote inside a
// value cannot end its literal.
struct SqlCondition {
    QString text;
    QList<rt::Variant> values;
    // The text divides: a divisor that the database works out (a field, a sum of values) is known
    // to be zero only when the rows are read.
    bool divides = false;

    bool isEmpty() const { return text.isEmpty(); }

    // The text with each "?" (outside brackets) replaced by its value as an SQL literal: texts
    // quoted with inner apostrophes doubled, numbers with a decimal point, True and False as 1
    // and 0, Null as NULL, dates as 'yyyy-mm-dd hh:mm:ss'.
    QString bound() const;

    // One value as an SQL literal, as bound() writes it.
    static QString literal(const rt::Variant &value);
};

} // namespace report
