#pragma once

#include "platform/report/ReportDefinition.h"

#include <QByteArray>
#include <QString>

namespace report {

// Reads a report definition file (JSON):
//   {"title": "...",
//    "page": {"size": "A4|Letter|Legal", "orientation": "portrait|landscape", "margins": [l, t, r, b]},
//    "font": {"family": "Arial", "size": 8},
//    "tables": [{"table": "T", "alias": "A"}, {"table": "U", "alias": "B", "join": "left|inner",
//                "on": [["{A.X}", "{B.X}"]]}],
//    "sort": ["+{A.F}", "-{A.G}"],
//    "groups": [{"name": "G", "field": "{A.F}", "repeatHeader": true, "newPage": false,
//                "header": band(s), "footer": band(s)}],
//    "formulas": {"Empresa": "default value"},
//    "computed": {"Neto": "Round({A.F} * {A.G}, 2)"}  (formulas worked out per row),
//    "sums": [{"name": "S", "field": "{A.F} or a formula", "kind": "sum|count", "reset": "G",
//              "whole": false}]  (whole: the total of the group's run on each of its rows),
//    "reportHeader", "pageHeader", "detail", "pageFooter", "reportFooter": band(s) (see BandLoader.h),
//    "subreports": [{"name": "N", "links": [{"field": "{X.F}", "main": "{A.F}"}], ...tables to
//                    reportFooter as above}]}
// Throws rt::RuntimeError err::ReportFile when the file cannot be read or is not a valid definition.
ReportDefinition loadReport(const QString &path);

// The same from the file's bytes; `folder` is where images are looked for, `name` names the
// report in error messages.
ReportDefinition parseReport(const QByteArray &json, const QString &folder, const QString &name);

} // namespace report
