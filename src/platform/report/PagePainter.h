#pragma once

#include "platform/report/ReportDocument.h"

class QPainter;

namespace report {

// The second pass: draws one laid-out page, page numbers filled in, on any paint device
// (preview image, printer, PDF). Millimetres become device pixels at the device's resolution,
// and fonts take their point sizes from it, so every device shows the same page.
void paintPage(QPainter &painter, const ReportDocument &document, int pageIndex);

} // namespace report
