#pragma once

#include <QByteArray>
#include <QString>

// Image files named by the settings, read into the binary columns of the QR row.

// The existing file that `ruta` names, its folders and name matched without regard to letter
// case and "\" read as a folder separator; "" when there is none.
QString BuscarArchivo(const QString &ruta);

// The bytes of the file `ruta` names (found as BuscarArchivo finds it); empty when it is
// missing, empty or unreadable.
QByteArray LeerImagen(const QString &ruta);
