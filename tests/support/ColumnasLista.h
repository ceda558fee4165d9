#pragma once

#include <QString>
#include <vector>

class QFont;
class QTreeWidget;

// A list column as the user sees it: header, width in "X" letters, right alignment.
struct Columna {
    QString titulo;
    int letras;
    bool derecha;
};

// Checks the list's headers, widths and the alignment of headers and cells.
void comprobarColumnas(const QTreeWidget &lista, const QFont &fuente, const std::vector<Columna> &esperadas);
