#pragma once

#include <QString>

namespace sheet {

class Workbook;

// Turns a workbook held in memory into an .xlsx file through libxlsxwriter.
class XlsxWriter {
public:
    // Writes `book` as a new file at `filePath`, keeping the library's scratch files in
    // `tempDir`. Throws RuntimeError 75 when the library cannot build or write the file.
    static void write(const Workbook &book, const QString &filePath, const QString &tempDir);
};

} // namespace sheet
