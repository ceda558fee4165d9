#pragma once

#include "PruebaImpresion.h"

#include "platform/report/ImpresionReportes.h"

#include <QString>
#include <QStringList>

// The demo database of `cobranzas` collections, shown through the program's whole print road;
// each print laid out to the screen and written to a PDF file to be read back.
class PruebaPdfDemo : public PruebaImpresion {
protected:
    explicit PruebaPdfDemo(int cobranzas);
    ~PruebaPdfDemo() override;

    // The PDF text of voucher `tc` `id` as "Ver  Comprobante" shows it; the file stays in `pdf`.
    QString ver(const QString &tc, const QString &id);

    report::ImpresionReportes impresion;
    QString pdf;
};

// What `programa` writes on its standard output; a failure when it does not end in a minute.
QString salidaDe(const QString &programa, const QStringList &argumentos);

// An amount as the forms print it ("20.212,60", "-27,56") in cents.
qint64 centavos(QString importe);
