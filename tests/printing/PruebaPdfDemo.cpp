#include "PruebaPdfDemo.h"

#include "db/Conexiones.h"
#include "platform/report/PreviewWindow.h"
#include "platform/report/ReportOutput.h"
#include "printing/DatosImpresionPrograma.h"
#include "printing/ImprimirComprobante.h"

#include <QApplication>
#include <QProcess>
#include <gtest/gtest.h>

PruebaPdfDemo::PruebaPdfDemo(int cobranzas)
{
    db.fillDemo(cobranzas, 1);
    impresion.setConexion(&gBaseDatos->gCnn);
}

PruebaPdfDemo::~PruebaPdfDemo()
{
    for (QWidget *ventana : QApplication::topLevelWidgets()) {
        if (qobject_cast<report::PreviewWindow *>(ventana))
            delete ventana;
    }
}

QString PruebaPdfDemo::ver(const QString &tc, const QString &id)
{
    DatosImpresionPrograma datos(*gBaseDatos);
    ObjetoImpresionReportes objeto(impresion);
    const ServiciosImpresion servicios{
        *gBaseDatos, datos, objeto, nullptr, sourceReportsFolder(), TestDatabase::connectionString()};
    QString tipo = tc;
    QString numero = id;
    QString cuenta;
    ImprimirComprobanteGenerico(servicios, tipo, numero, cuenta);
    EXPECT_NE(impresion.ultimaVistaPrevia(), nullptr) << "shown on the screen";
    pdf = temporal.filePath(tc + id + QStringLiteral(".pdf"));
    report::writePdf(impresion.ultimoDocumento(), pdf);
    return salidaDe(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

QString salidaDe(const QString &programa, const QStringList &argumentos)
{
    QProcess proceso;
    proceso.start(programa, argumentos);
    if (!proceso.waitForFinished(60000)) {
        ADD_FAILURE() << programa.toStdString() << " did not finish";
        return {};
    }
    return QString::fromUtf8(proceso.readAllStandardOutput());
}

qint64 centavos(QString importe)
{
    importe.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
    return qRound64(importe.toDouble() * 100);
}
