#include "PruebaImpresion.h"

#include "db/Conexiones.h"
#include "platform/qr/PyQR.h"
#include "platform/report/ImpresionReportes.h"
#include "platform/report/PreviewWindow.h"
#include "platform/report/ReportOutput.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Text.h"
#include "printing/DatosImpresionPrograma.h"
#include "printing/ImprimirComprobante.h"
#include "session/Sesion.h"
#include "support/TestHelpers.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

QString salida(const QString &programa, const QStringList &argumentos)
{
    QProcess proceso;
    proceso.start(programa, argumentos);
    if (!proceso.waitForFinished(60000)) {
        ADD_FAILURE() << programa.toStdString() << " did not finish";
        return {};
    }
    return QString::fromUtf8(proceso.readAllStandardOutput());
}

// The demo database, shown through the program's whole print road; each print laid out to the
// screen and written to a PDF file to be read back.
class ComprobantesPdfTest : public PruebaImpresion {
protected:
    ComprobantesPdfTest()
    {
        db.fillDemo(30, 1);
        impresion.setConexion(&gBaseDatos->gCnn);
    }

    ~ComprobantesPdfTest() override
    {
        for (QWidget *ventana : QApplication::topLevelWidgets()) {
            if (qobject_cast<report::PreviewWindow *>(ventana))
                delete ventana;
        }
    }

    // The PDF text of voucher `tc` `id` as "Ver  Comprobante" shows it.
    QString ver(const QString &tc, const QString &id)
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
        pdf = temporal.filePath(tc + QStringLiteral(".pdf"));
        report::writePdf(impresion.ultimoDocumento(), pdf);
        return salida(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    }

    report::ImpresionReportes impresion;
    QString pdf;
};

TEST_F(ComprobantesPdfTest, AReceiptShowsItsDocumentsMeansOfPaymentTotalsAndAmountInWords)
{
    const auto clave = db.rows("SELECT TC, SUCURSAL || NUMERO || LETRA FROM MV_ASIENTOS WHERE TC = 'CB' "
                               "AND SECUENCIA = 1 ORDER BY NUMERO LIMIT 1");
    ASSERT_EQ(clave.size(), 1);
    const QString id = rt::CStr(clave[0][1]);
    const QString texto = ver(QStringLiteral("CB"), id);
    EXPECT_TRUE(texto.contains(QStringLiteral("RECIBO"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(id.left(4) + QLatin1Char('-') + id.mid(4, 8)));
    const auto filas = db.rows(QStringLiteral("SELECT COLUMNA2, COLUMNA3, COLUMNA8 FROM AUX_MV_CPTE WHERE USUARIO = "
                                              "'%1' AND TC = 'CB' ORDER BY ID")
                                   .arg(gEquipoUsuario));
    ASSERT_FALSE(filas.isEmpty());
    for (const auto &fila : filas) {
        for (const rt::Variant &valor : fila) {
            const QString escrito = rt::Trim(valor.isNull() ? QString() : rt::CStr(valor));
            EXPECT_TRUE(escrito.isEmpty() || texto.contains(escrito)) << escrito.toStdString();
        }
    }
    EXPECT_TRUE(texto.contains(QStringLiteral("Son pesos:"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("/100")));
}

TEST_F(ComprobantesPdfTest, AnElectronicInvoiceShowsItsCaeAndAQrOfTheAgencysAddress)
{
    const auto clave = db.rows("SELECT TC, IDCOMPROBANTE, CAE FROM V_MV_CPTE_ELECTRONICOS WHERE TC = 'FC' "
                               "ORDER BY IDCOMPROBANTE LIMIT 1");
    ASSERT_EQ(clave.size(), 1);
    const QString texto = ver(QStringLiteral("FC"), rt::CStr(clave[0][1]));
    EXPECT_TRUE(texto.contains(QStringLiteral("FACTURA"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("CAE N°: ") + rt::CStr(clave[0][2]))) << texto.toStdString();
    const QString imagen = temporal.filePath(QStringLiteral("pagina"));
    salida(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("200"), QStringLiteral("-png"),
                                        QStringLiteral("-singlefile"), pdf, imagen});
    const QString qr = salida(QStringLiteral("zbarimg"),
                              {QStringLiteral("-q"), QStringLiteral("--raw"), imagen + QStringLiteral(".png")})
                           .trimmed();
    EXPECT_TRUE(qr.startsWith(QLatin1String(qr::DireccionQR))) << qr.toStdString();
}

} // namespace
