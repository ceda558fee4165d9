#include "ReportFixture.h"

#include "platform/report/ImpresionReportes.h"
#include "support/ProgramGlobals.h"
#include "support/TestDatabase.h"
#include "support/TestHelpers.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kCompany = QStringLiteral("Empresa = 'Distribuidora O'Higgins S.R.L.'");

// Settlement 7 of March 2024 for two salespersons, and settlement 8 that no print of 7 may show.
void insertSettlement(TestDatabase &db)
{
    db.execute(QStringLiteral(
        "INSERT INTO V_COMISIONES_VENDEDOR_CAB (IdLiquidacion, FECHA_DESDE, FECHA_HASTA, USUARIO) "
        "VALUES (7, '01/03/2024', '31/03/2024', 'ADMIN'), (8, '01/04/2024', '30/04/2024', 'ADMIN');"
        "INSERT INTO V_TA_VENDEDORES (IdVendedor, Nombre) VALUES ('0001', 'Juan Pérez'), ('0002', 'María Gómez');"
        "INSERT INTO V_MV_CPTE (TC, IdComprobante, Fecha, Nombre) VALUES ('CB', '000100000101A', '05/03/2024', "
        "'O''Higgins Hnos. S.A.'), ('CB', '000100000102A', '12/03/2024', 'Ferretería del Sur'), "
        "('NC', '000200000050A', '20/03/2024', 'Ferretería del Sur'), ('CB', '000100000103A', '15/03/2024', 'Almacén Central');"
        "INSERT INTO V_COMISIONES_VENDEDOR_COB (IdLiquidacion, CbTc, IdCobranza, FechaCob, TotalCobrado, Comision, "
        "idVendedor, Descuentos, Efectivo, Cheque) "
        "VALUES (7, 'CB', '000100000101A', '05/03/2024', 150000, 7500.5, '0001', 5000, 100000, 45000);"
        "INSERT INTO V_COMISIONES_VENDEDOR_COB (IdLiquidacion, CbTc, IdCobranza, FechaCob, TotalCobrado, Comision, "
        "idVendedor, Banco) VALUES (7, 'CB', '000100000102A', '12/03/2024', 1234567.89, 61728.39, '0001', 1234567.89);"
        "INSERT INTO V_COMISIONES_VENDEDOR_COB (IdLiquidacion, CbTc, IdCobranza, FechaCob, TotalCobrado, Comision, "
        "idVendedor, Observaciones) VALUES (7, 'NC', '000200000050A', '20/03/2024', -20000, -1000, '0001', "
        "'Cancelacion total comprobante');"
        "INSERT INTO V_COMISIONES_VENDEDOR_COB (IdLiquidacion, CbTc, IdCobranza, FechaCob, TotalCobrado, Comision, "
        "idVendedor, Tarjeta) VALUES (7, 'CB', '000100000103A', '15/03/2024', 80000, 4000, '0002', 80000);"
        "INSERT INTO V_COMISIONES_VENDEDOR_COB (IdLiquidacion, CbTc, IdCobranza, FechaCob, TotalCobrado, Comision, "
        "idVendedor, Efectivo) VALUES (8, 'CB', '000100000999A', '02/04/2024', 999999, 99999, '0001', 999999);"
        "INSERT INTO V_COMISIONES_VENDEDOR_APL (IdLiquidacion, CbTc, IdCobranza, Tc, idComprobante, Comision) "
        "VALUES (7, 'CB', '000100000101A', 'FC', '000100004567A', 7500.5);"
        "INSERT INTO V_COMISIONES_VENDEDOR_DET (IdLiquidacion, Tc, IdComprobante, IdArticulo, Cantidad, ImporteNeto, "
        "ImporteComision, Comision, cbtc, idcobranza) "
        "VALUES (7, 'FC', '000100004567A', 'ART-1', 2, 150010, 7500.5, 5, 'CB', '000100000101A');"));
}

class SettlementReportTest : public support::ProgramTest {
protected:
    SettlementReportTest()
    {
        insertSettlement(m_db);
        m_impresion.setCarpetaAplicacion(sourceReportsFolder());
        m_impresion.setDestino(m_impresion.DestinoArchivo());
    }

    // Prints as "Listar Liquidacion" does, to a PDF, and reads it back.
    QString print(const QString &selection, const QString &company = kCompany)
    {
        const QString path = QDir(m_out.path()).filePath(QStringLiteral("liquidacion.pdf"));
        m_impresion.setArchivoDestino(path);
        m_impresion.setEnProceso(true);
        m_impresion.ImprimirReporte(QStringLiteral("RP_ComisionesCobLiq"), {QString()}, selection,
                                    TestDatabase::connectionString(), company, QString(), QString(), {}, {}, QString(),
                                    QString(), QString());
        m_impresion.setEnProceso(false);
        return reporttest::pdfText(path);
    }

    TestDatabase m_db;
    QTemporaryDir m_out;
    report::ImpresionReportes m_impresion;
};

TEST_F(SettlementReportTest, OneSalespersonAsListarLiquidacionAsksForIt)
{
    const QString text = print(QStringLiteral("{V_COMISIONES_VENDEDOR_COB.IdLiquidacion}=7   and "
                                              "{V_COMISIONES_VENDEDOR_COB.IdVendedor}= '0001'"));
    EXPECT_TRUE(text.contains(QStringLiteral("Distribuidora O'Higgins S.R.L."))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Liquidación N° 7")));
    EXPECT_TRUE(text.contains(QStringLiteral("Período: 01/03/2024 al 31/03/2024")));
    EXPECT_TRUE(text.contains(QStringLiteral("Vendedor: 0001 - Juan Pérez")));
    EXPECT_FALSE(text.contains(QStringLiteral("María Gómez")));
    EXPECT_FALSE(text.contains(QStringLiteral("999.999,00"))) << "a row of another settlement was printed";
    // One line per collection: date, type and number, customer, total, split amounts, commission.
    const QRegularExpression firstLine(QStringLiteral(
        "05/03/2024 +CB 000100000101A +O'Higgins Hnos. S.A. +150.000,00 +5.000,00 +100.000,00 +45.000,00 +7.500,50"));
    EXPECT_TRUE(firstLine.match(text).hasMatch()) << text.toStdString();
    EXPECT_TRUE(
        QRegularExpression(
            QStringLiteral("12/03/2024 +CB 000100000102A +Ferretería del Sur +1.234.567,89 +1.234.567,89 +61.728,39"))
            .match(text)
            .hasMatch());
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("20/03/2024 +NC 000200000050A +Ferretería del Sur +-20.000,00 +-1.000,00"))
            .match(text)
            .hasMatch());
    EXPECT_TRUE(text.contains(QStringLiteral("Observaciones: Cancelacion total comprobante")));
    const QRegularExpression subtotal(QStringLiteral(
        "Total Juan Pérez \\(3 cobranzas\\) +1.364.567,89 +5.000,00 +100.000,00 +45.000,00 +0,00 +1.234.567,89 +0,00 +0,00 +68.228,89"));
    EXPECT_TRUE(subtotal.match(text).hasMatch()) << text.toStdString();
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("TOTAL GENERAL \\(3 cobranzas\\) +1.364.567,89")).match(text).hasMatch());
    EXPECT_TRUE(text.contains(QStringLiteral("Página 1 de 1")));
}

TEST_F(SettlementReportTest, WholeSettlementGroupsEachSalespersonWithSubtotalsAndGrandTotal)
{
    const QString text = print(QStringLiteral("{v_comisiones_vendedor_cob.IDLIQUIDACION} = 7"));
    const qsizetype juan = text.indexOf(QStringLiteral("Vendedor: 0001 - Juan Pérez"));
    const qsizetype juanTotal = text.indexOf(QStringLiteral("Total Juan Pérez (3 cobranzas)"));
    const qsizetype maria = text.indexOf(QStringLiteral("Vendedor: 0002 - María Gómez"));
    const qsizetype mariaTotal = text.indexOf(QStringLiteral("Total María Gómez (1 cobranzas)"));
    const qsizetype grand = text.indexOf(QStringLiteral("TOTAL GENERAL (4 cobranzas)"));
    ASSERT_GE(juan, 0) << text.toStdString();
    EXPECT_LT(juan, juanTotal);
    EXPECT_LT(juanTotal, maria);
    EXPECT_LT(maria, mariaTotal);
    EXPECT_LT(mariaTotal, grand);
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("Total María Gómez \\(1 cobranzas\\) +80.000,00 +0,00 +0,00 +0,00 +80.000,00 "
                                          "+0,00 +0,00 +0,00 +4.000,00"))
            .match(text)
            .hasMatch())
        << text.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("TOTAL GENERAL \\(4 cobranzas\\) +1.444.567,89 +5.000,00 +100.000,00 "
                                                  "+45.000,00 +80.000,00 +1.234.567,89 +0,00 +0,00 +72.228,89"))
                    .match(text)
                    .hasMatch())
        << text.toStdString();
}

TEST_F(SettlementReportTest, LongSettlementNumbersItsPagesAndRepeatsTheSalespersonOnEach)
{
    QString rows;
    for (int i = 1; i <= 40; ++i) {
        rows +=
            QStringLiteral("INSERT INTO V_COMISIONES_VENDEDOR_COB (IdLiquidacion, CbTc, IdCobranza, FechaCob, "
                           "TotalCobrado, Comision, idVendedor, Efectivo) VALUES (9, 'CB', '0003%1A', '10/05/2024', "
                           "1000, 50, '0003', 1000);")
                .arg(i, 8, 10, QLatin1Char('0'));
    }
    m_db.execute(QStringLiteral("INSERT INTO V_TA_VENDEDORES (IdVendedor, Nombre) VALUES ('0003', 'Ana Ruiz');")
                 + rows);
    const QStringList pages = print(QStringLiteral("{V_COMISIONES_VENDEDOR_COB.IdLiquidacion}=9"))
                                  .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Página 1 de 2")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Página 2 de 2")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Vendedor: 0003 - Ana Ruiz")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Comprobante")));
    EXPECT_FALSE(pages[0].contains(QStringLiteral("TOTAL GENERAL")));
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("TOTAL GENERAL \\(40 cobranzas\\) +40.000,00")).match(pages[1]).hasMatch());
}

} // namespace
