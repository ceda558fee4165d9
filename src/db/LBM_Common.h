#pragma once

#include <QString>

// Appends a registered connection to "BASES.TXT" (ArchivoBases::rutaPorDefecto): the key, the
// database, the user, the stored form of the password (CodificarClave) and the server, preceded
// by "#" for Oracle and followed by "/" Sufijo ":" when Sufijo is not empty.
// Throws rt::RuntimeError 75 when the file cannot be written.
void AgregarBaseArchivo(const QString &Clave, const QString &Base, const QString &Usuario, const QString &Password,
                        const QString &Servidor, const QString &Sufijo, bool Oracle);
