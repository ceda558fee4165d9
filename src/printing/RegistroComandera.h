#pragma once

#include <QByteArray>
#include <QString>

// One record of "Comanderas.cfg", the workstation's kitchen printers: 910 bytes of fixed-width
// single-byte text fields (Windows-1252), each padded on the right with blanks or NUL bytes.
// The fields the tickets do not read (the reserved ones) are not kept.
struct RegistroComandera {
    static constexpr qsizetype Largo = 910;

    // The fields of `bytes` (a record of Largo bytes): key, printer name and the three texts
    // without their padding, the three texts also trimmed; the port as stored, its NUL padding
    // shown as blanks; each switch true when it holds "S" or "s".
    static RegistroComandera desdeBytes(const QByteArray &bytes);

    QString ClaveEquipo; // machine name "|" second identity text
    QString NombreComandera;
    QString Puerto; // "COM3 ", all five characters
    bool ImprimeEmpresa = false;
    QString Empresa;
    bool ImprimeDomicilio = false;
    QString Domicilio;
    bool ImprimeComprobante = false;
    bool ImprimeCliente = false;
    bool ImprimePie = false;
    QString Pie;
    bool DetalleEnDosLineas = false;
};
