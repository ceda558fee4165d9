#pragma once

#include <QString>

namespace outside {

// Reads keys of INI files ("[Seccion]" lines and "Clave=Valor" lines; ";" starts a comment line).
// Section and key names ignore letter case; the value is the text after the first "=", without
// the blanks around it.
class LectorIni {
public:
    // The value of `clave` in `seccion` of `archivo` into `valor`, or `defecto` when the file,
    // the section or the key is missing. A file name with a folder is read where it says; a
    // bare name is looked for in the application folder, then in the user's data folder. The
    // file name's letter case does not matter.
    void LeerIni(const QString &archivo, const QString &seccion, const QString &clave, const QString &defecto,
                 QString &valor) const;
};

} // namespace outside
