#pragma once

#include <QString>

namespace outside {

// The open-file dialog of the connection class: a title, a filter in the form its callers
// write ("Descripcion |*.EXT", pairs joined by "|"), the chosen file and whether the user cancelled.
class DialogoArchivo {
public:
    void setDialogTitle(const QString &title) { m_title = title; }
    QString DialogTitle() const { return m_title; }
    void setFilter(const QString &filter) { m_filter = filter; }
    QString Filter() const { return m_filter; }

    // Shows the open-file dialog modally. Afterwards FileName() is the chosen file (unchanged
    // when cancelled) and Cancelled() tells whether the user cancelled.
    void ShowOpen();
    QString FileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }
    bool Cancelled() const { return m_cancelled; }

    // The filter in the dialog's own form: "Descripcion (*.EXT);;...". Extensions match in
    // either letter case: the files come from the suite's Windows workstations, whose names ignore it.
    static QString qtFilter(const QString &filter);

private:
    QString m_title;
    QString m_filter;
    QString m_fileName;
    bool m_cancelled = false;
};

} // namespace outside
