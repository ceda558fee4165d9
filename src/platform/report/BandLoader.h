#pragma once

#include "platform/report/ReportDefinition.h"

#include <QJsonValue>
#include <QString>

namespace report {

// Reads the bands of a report definition file. A band slot holds one band or a list of bands:
//   {"height": 6, "suppress": "formula", "items": [ ... ]}
// Items, all lengths in millimetres, "at" being [x, y, width, height] inside the band:
//   {"text": "Total {#Cobrado}", "at": [...], "font": {"size": 9, "bold": true},
//    "align": "left|center|right", "format": "money|date|mask", "color": "#rrggbb", "fill": "#rrggbb"}
//   {"field": "{TABLE.FIELD}", ...the same keys as a text}
//   {"line": [x1, y1, x2, y2], "width": 0.3}
//   {"box": [x, y, width, height], "width": 0.2, "fill": "#rrggbb"}
//   {"image": [x, y, width, height], "field": "{TABLE.FIELD}"} or with "file": "logo.png"
//   {"subreport": "Name", "x": 10}
// Any item may carry "suppress". Fonts not given take `baseFont`.
// Throws rt::RuntimeError err::ReportFile naming `where` for anything malformed.
QList<Band> loadBands(const QJsonValue &slot, const FontSpec &baseFont, const QString &where);

// Reads a font object over `base`: "family", "size", "bold", "italic".
FontSpec loadFont(const QJsonValue &value, const FontSpec &base);

} // namespace report
