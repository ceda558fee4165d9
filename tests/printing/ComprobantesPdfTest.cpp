#include "PruebaPdfDemo.h"

#include "platform/qr/PyQR.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Text.h"
#include "session/Sesion.h"
#include "support/TestHelpers.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

class ComprobantesPdfTest : public PruebaPdfDemo {
protected:
    ComprobantesPdfTest()
        : PruebaPdfDemo(30)
    {
    }
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
    salidaDe(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("200"), QStringLiteral("-png"),
                                          QStringLiteral("-singlefile"), pdf, imagen});
    const QString qr = salidaDe(QStringLiteral("zbarimg"),
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

TEST_F(ComprobantesPdfTest, AnInvoiceSaysInWordsTheTotalItPrints)
{
    // A stored total of more than two decimals, its figure and its words on the form.
    static const QRegularExpression total(QStringLiteral(R"(TOTAL \$\s+(\S+))"));
    static const QRegularExpression letras(QStringLiteral(R"(Son: (.*)$)"), QRegularExpression::MultilineOption);
    const struct {
        const char *importe, *cifra, *palabras;
    } casos[] = {{"1.005", "1,01", "un Pesos con 01/100"},
                 {"1234.565", "1.234,57", "un mil doscientos treinta y cuatro Pesos con 57/100"},
                 {"0.025", "0,03", "cero Pesos con 03/100"},
                 {"-0.005", "-0,01", "menos cero Pesos con 01/100"},
                 {"-0.004", "0,00", "cero Pesos"},
                 {"1234.5", "1.234,50", "un mil doscientos treinta y cuatro Pesos con 50/100"}};
    for (const auto &caso : casos) {
        SCOPED_TRACE(caso.importe);
        db.execute(QStringLiteral("UPDATE V_MV_CPTE SET Importe = %1 WHERE TC = 'FC' AND IdComprobante = "
                                  "'000100000001B'")
                       .arg(QLatin1String(caso.importe)));
        const QString texto = ver(QStringLiteral("FC"), QStringLiteral("000100000001B"));
        EXPECT_EQ(total.match(texto).captured(1), caso.cifra) << texto.toStdString();
        EXPECT_EQ(letras.match(texto).captured(1).trimmed(), caso.palabras) << texto.toStdString();
    }
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
