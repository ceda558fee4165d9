#pragma once

#include <QString>
#include <QtGlobal>

class DB_Dll;

// The printer settings of voucher type TC and letter `Letra` from TA_CONFIG_IMP_CPTE: the row
// of workstation `Usuario` (this workstation, whose key is written back into `Usuario`, when it
// is blank), else the row for every workstation. With a row: the trimmed printer text and
// default destination and the copies and lines as whole numbers; without any: an empty printer
// and 0 copies, lines and destination left as they were. Errors go to MostrarError: Retry
// repeats the step, Ignore goes on, any other answer returns what was read so far.
void ObtieneImpresoraComprobante(DB_Dll &base, const QString &TC, const QString &Letra, QString &Impresora,
                                 qint16 &CantCopias, qint16 &CantLineas, QString &DestinoDefault, QString &Usuario);
