#pragma once

#include <QList>
#include <QString>
#include <optional>

// One registered connection of "BASES.TXT": key ("BASE / SERVIDOR"), database, database user,
// stored form of the password, and server (port part included).
struct RegistroBase {
    QString Clave;
    QString Base;
    QString Usuario;
    QString Password;
    QString Servidor;
};

// The file "BASES.TXT" of registered connections: text in UTF-8, five fields a record separated
// by "," (no quoting; a line end also separates fields), each field trimmed, one record written
// per line and lines only ever appended.
class ArchivoBases {
public:
    explicit ArchivoBases(QString ruta = rutaPorDefecto());

    // "BASES.TXT" in the program's writing folder (CarpetaEscritura).
    static QString rutaPorDefecto();

    const QString &ruta() const { return m_ruta; }
    // Whether the file can be opened for reading.
    bool existe() const;

    // Every complete record in file order; the fields of an incomplete last record are ignored.
    // A missing file has none. Throws rt::RuntimeError 75 when the file exists but cannot be read.
    QList<RegistroBase> registros() const;

    // The first record whose trimmed key equals the trimmed `clave` (letter case counts).
    // Throws as registros().
    std::optional<RegistroBase> buscar(const QString &clave) const;

    // Appends the record as one line ended by CR LF, each field trimmed; creates the file.
    // Throws rt::RuntimeError 75 when it cannot be written.
    void agregar(const RegistroBase &registro) const;

private:
    QString m_ruta;
};
