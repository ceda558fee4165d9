#pragma once

#include <QString>

// A desktop shortcut to a program: a freedesktop launcher file "<name>.desktop", executable,
// named after the program's file name without its extension.
class AccesoDirecto {
public:
    // Writes the launcher of `programa` (its full path) into the folder `escritorio` and returns
    // its path. Throws rt::RuntimeError 75 when the folder does not exist or cannot be written.
    static QString crear(const QString &escritorio, const QString &programa);

    // The launcher text for `programa`.
    static QString contenido(const QString &programa);
};
