#pragma once

#include <QString>

struct RegistroComandera;

// The workstation's kitchen-printer file: "Comanderas.cfg" in the folder of the files the
// program keeps beside itself. Another program writes it; this one only reads it.
QString ArchivoComanderas();

// ExisteComandera: whether `archivo` holds a record of workstation `claveEquipo` whose printer
// name is not blank and equals `ComanderaBuscada` (or is any name, when that is empty); key and
// name compare without regard to letter case. The first such record in file order wins.
// `registro` receives every record read: the one found, or else the file's last record. A
// file that is missing, cannot be read or is not a regular file (a pipe) holds no record, and
// it is never created; bytes past the last whole record are ignored.
bool ExisteComandera(const QString &archivo, const QString &claveEquipo, const QString &ComanderaBuscada,
                     RegistroComandera &registro);

// The same on ArchivoComanderas() for this workstation: the outside Equipo object's machine
// name, "|" and second identity text, trimmed.
bool ExisteComandera(const QString &ComanderaBuscada, RegistroComandera &registro);
