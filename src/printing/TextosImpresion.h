#pragma once

#include <QString>
#include <initializer_list>

// Small text tests of voucher printing.
namespace TextosImpresion {

// Whether the trimmed text is one of the list, letter case aside (voucher types, settings).
bool es(const QString &texto, std::initializer_list<const char *> lista);

// Whether a path names a folder only: nothing, or only the extension ".rpt", after its last
// separator.
bool sinNombreDeArchivo(const QString &ruta);

// A path of its own: absolute, with a drive letter, or a share.
bool absoluta(const QString &ruta);

} // namespace TextosImpresion
