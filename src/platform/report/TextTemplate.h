#pragma once

#include "platform/report/Expression.h"

#include <QList>
#include <QString>

namespace report {

// A piece of a report text: literal text or one of the values in braces.
struct TemplatePart {
    enum class Kind { Literal, Field, Formula, Sum, PageNumber, TotalPages, PrintDate };
    Kind kind = Kind::Literal;
    QString text; // Literal: the text; Formula and Sum: the name
    FieldName field; // Field
};

// Splits a report text into literal pieces and {TABLE.FIELD}, {@Formula}, {#Sum}, {PageNumber},
// {TotalPages} and {PrintDate} (the last three in any letter case).
// Throws rt::RuntimeError err::Formula for an unclosed brace or an unknown name in braces.
QList<TemplatePart> parseTemplate(const QString &text);

} // namespace report
