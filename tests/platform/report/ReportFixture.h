#pragma once

#include "platform/report/ReportDocument.h"

#include <QString>
#include <QStringList>
#include <ostream>

namespace reporttest {

// A row of a table of texts to read and what each should give.
struct TextCase {
    const char *text;
    const char *expected;
};

// Failures of a parameterised test name the text under test.
void PrintTo(const TextCase &c, std::ostream *os);

// The text of a PDF as `pdftotext -layout` reads it back; fails the test when it cannot.
QString pdfText(const QString &pdfPath);

// The texts of each page of a laid-out report, one line per text item, in placing order.
QStringList pageTexts(const report::ReportDocument &document);

// Writes `json` as <folder>/<name> and gives its path.
QString writeFile(const QString &folder, const QString &name, const QByteArray &json);

} // namespace reporttest
