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
#include <QRegularExpression>
#include <QSet>
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

// An amount as the forms print it ("20.212,60") in cents.
qint64 centavos(QString importe)
{
    importe.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
    return qRound64(importe.toDouble() * 100);
}

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

TEST_F(ComprobantesPdfTest, LetterAVouchersShowNetTaxedVatByRateAndUntaxedThatMakeTheirTotal)
{
    static const QRegularExpression renglon(
        QStringLiteral(R"((Neto gravado:|IVA [0-9,]+ %:|No gravado:|TOTAL \$)\s+(-?[0-9.]+,[0-9]{2}))"));
    // A line's subtotal, the last figure of its printed line (written without thousands separators).
    static const QRegularExpression subtotal(QStringLiteral(R"(\s(-?[0-9]+,[0-9]{2})$)"),
                                             QRegularExpression::MultilineOption);
    const auto comprobantes = db.rows("SELECT TC, IdComprobante, Importe, NetoGravado, NetoNoGravado FROM V_MV_CPTE "
                                      "WHERE TC IN ('FC', 'FCE', 'NC', 'ND') AND IdComprobante LIKE '%A' ORDER BY ID");
    ASSERT_GE(comprobantes.size(), 3);
    QSet<QString> alicuotas;
    for (const auto &comprobante : comprobantes) {
        const QString id = rt::CStr(comprobante[1]);
        const QString texto = ver(rt::Trim(rt::CStr(comprobante[0])), id);
        QHash<QString, qint64> cifras;
        int lineasIva = 0;
        for (auto it = renglon.globalMatch(texto); it.hasNext();) {
            const auto hallado = it.next();
            QString etiqueta = hallado.captured(1);
            if (etiqueta.startsWith(QLatin1String("IVA"))) {
                ++lineasIva;
                alicuotas << etiqueta;
                etiqueta = QStringLiteral("IVA");
            }
            cifras[etiqueta] += centavos(hallado.captured(2));
        }
        qint64 lineas = 0;
        const QString detalle = texto.left(texto.indexOf(QLatin1String("Neto gravado:")));
        for (auto it = subtotal.globalMatch(detalle.mid(detalle.indexOf(QLatin1String("Subtotal s/IVA"))));
             it.hasNext();)
            lineas += centavos(it.next().captured(1));
        const auto importe = [&](int columna) { return qRound64(rt::CDbl(comprobante[columna]) * 100); };
        const std::string cual = id.toStdString() + "\n" + texto.toStdString();
        EXPECT_EQ(cifras.value(QStringLiteral("TOTAL $")), importe(2)) << cual;
        EXPECT_EQ(cifras.value(QStringLiteral("Neto gravado:")), importe(3)) << cual;
        EXPECT_EQ(cifras.value(QStringLiteral("No gravado:")), importe(4)) << cual;
        EXPECT_EQ(cifras.value(QStringLiteral("IVA")), importe(2) - importe(3) - importe(4)) << cual;
        EXPECT_EQ(lineas, importe(3)) << cual;
        EXPECT_GE(lineasIva, 1) << id.toStdString();
    }
    EXPECT_TRUE(alicuotas.contains(QStringLiteral("IVA 21 %:")));
    EXPECT_TRUE(alicuotas.contains(QStringLiteral("IVA 10,5 %:")));
}

TEST_F(ComprobantesPdfTest, ReceiptsSpellTheCentsOfTheirTotalEvenWhenWhole)
{
    static const QRegularExpression total(QStringLiteral(R"(TOTAL \$\s+-?[0-9]+,([0-9]{2}))"));
    static const QRegularExpression letras(QStringLiteral(R"(Son pesos: .* Con ([0-9]{2})/100)"));
    const auto recibos = db.rows("SELECT TC, SUCURSAL || NUMERO || LETRA FROM MV_ASIENTOS WHERE SECUENCIA = 1 AND "
                                 "UPPER(TRIM(TC)) IN ('CB', 'CBCT', 'CBFP', 'PG', 'PGFP', 'OPG') ORDER BY TC, NUMERO");
    int enteros = 0;
    for (const auto &recibo : recibos) {
        const QString id = rt::CStr(recibo[1]);
        const QString texto = ver(rt::Trim(rt::CStr(recibo[0])), id);
        const auto cifra = total.match(texto);
        ASSERT_TRUE(cifra.hasMatch()) << id.toStdString() << texto.toStdString();
        EXPECT_EQ(letras.match(texto).captured(1), cifra.captured(1)) << id.toStdString() << texto.toStdString();
        enteros += cifra.captured(1) == QLatin1String("00") ? 1 : 0;
    }
    EXPECT_GE(enteros, 1) << "a receipt of a whole total";
}

} // namespace
