#pragma once

#include "platform/sheet/Worksheet.h"

#include <QString>
#include <memory>
#include <vector>

namespace sheet {

// Where show() left the workbook and whether the desktop was asked to open it.
struct ShownWorkbook {
    QString path;
    bool opened = false;
};

// A new workbook (Workbooks.Add), kept in memory and written as an .xlsx file on save. Its first
// sheet is the active one. Move-only; the sheets keep their addresses when it moves.
class Workbook {
public:
    // A workbook of `sheetCount` sheets named "Hoja1", "Hoja2"... Throws RuntimeError 1004 when
    // the count is outside 1..255, as SheetsInNewWorkbook does.
    explicit Workbook(int sheetCount = 2);
    Workbook(Workbook &&) noexcept = default;
    Workbook &operator=(Workbook &&) noexcept = default;

    int sheetCount() const { return static_cast<int>(m_sheets.size()); }
    // Worksheets(index), 1-based. Throws RuntimeError 9 for an index it does not have.
    Worksheet &sheet(int index);
    const Worksheet &sheet(int index) const;
    Worksheet &activeSheet() { return *m_sheets.front(); }
    const Worksheet &activeSheet() const { return *m_sheets.front(); }

    // SaveAs: writes the workbook at `path`, replacing a file of that name only once the new one
    // is complete. Throws RuntimeError 76 when the folder does not exist, 70 when the user may
    // not write it or the file (by the file's own permissions), 75 for any other failure to write
    // the file (the path is a pipe, a device, a socket or a folder, its links go round, the disk
    // is full...).
    void saveAs(const QString &path) const;

    // Hands the workbook to the user: saves it in the user's documents folder as
    // "<listName> <yyyy-MM-dd HH.mm.ss>.xlsx" (with " (2)", " (3)"... when that name is taken)
    // and, when a desktop session is there, opens it with the desktop's program for it.
    // Returns the path written. Throws as saveAs does.
    ShownWorkbook show(const QString &listName) const;

private:
    std::vector<std::unique_ptr<Worksheet>> m_sheets;
};

} // namespace sheet
