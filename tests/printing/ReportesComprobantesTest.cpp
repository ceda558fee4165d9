#include "PruebaImpresion.h"

#include "platform/report/ReportLoader.h"
#include "platform/report/ReportRunner.h"
#include "printdata/vouchers/GeneraAuxiliarComprobantes.h"
#include "session/Sesion.h"
#include "support/TestHelpers.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class ReportesComprobantesTest : public PruebaImpresion { };

TEST_F(ReportesComprobantesTest, EveryFormLoadsAndRunsWithItsSubReportsOnTheSchema)
{
    QStringList formularios;
    QDirIterator it(sourceReportsFolder(), {QStringLiteral("*.rpt"), QStringLiteral("*.RPT")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString ruta = it.next();
        SCOPED_TRACE(ruta.toStdString());
        const report::ReportDefinition definicion = report::loadReport(ruta);
        report::ReportRequest pedido;
        pedido.formulas = {QStringLiteral("NombreEmpresa = 'Sur'")};
        for (const report::Subreport &sub : definicion.subreports)
            pedido.subreports << sub.name;
        EXPECT_NO_THROW(report::runReport(definicion, db.connection(), pedido));
        formularios << QFileInfo(ruta).fileName();
    }
    // The forms the printing of the demo's vouchers, receipts and orders reaches.
    for (const char *nombre :
         {"CB.rpt",     "CBCT.rpt",        "CBFP.rpt",   "LiqOPG.rpt", "OPG-X.rpt", "CpteCompras.rpt",
          "FC-A.rpt",   "FC-B.rpt",        "NC-A.rpt",   "NC-B.rpt",   "ND-A.rpt",  "FP-X.rpt",
          "NCFP-X.rpt", "RM-R.rpt",        "NP-X.rpt",   "OT-X.rpt",   "PR-X.rpt",  "FCE-A.rpt",
          "eFC-A.RPT",  "eFC-B_SINQR.RPT", "eFCE-A.RPT", "eNC-A.RPT",  "eND-A.RPT", "Asientos.rpt"})
        EXPECT_TRUE(formularios.contains(QString::fromLatin1(nombre))) << nombre;
}

// Letter A: 2 x 100,00 less 10 % is 217,80 with VAT; two lines of 1,00 with VAT net 0,83 each on
// their own, one cent more than the voucher's net of 2,00 with VAT.
TEST_F(ReportesComprobantesTest, LetterAFormsNetEachLineOnceFromItsAmountWithVatAndAddUpToTheVouchersNet)
{
    db.execute(QStringLiteral(
        "INSERT INTO V_MV_CPTE (TC, IdComprobante, IdComplemento, Fecha, Importe, NetoGravado, NetoNoGravado, Moneda) "
        "VALUES ('FC', '000800000001A', 0, '2024-03-05 00:00:00', 219.80, 181.65, 0, '1');"
        "INSERT INTO V_MV_CPTEINSUMOS (ID, TC, IdComprobante, IdComplemento, IdArticulo, Descripcion, Cantidad, "
        "Importe, Total, Importe_S_IVA, alicIva, PorcDto) VALUES "
        "(1, 'FC', '000800000001A', 0, 'BON', 'Bonificado', 2, 121, 217.80, 100, 21, 10),"
        "(2, 'FC', '000800000001A', 0, 'UNO', 'Primero', 1, 1, 1, 0.83, 21, 0),"
        "(3, 'FC', '000800000001A', 0, 'DOS', 'Segundo', 1, 1, 1, 0.83, 21, 0);"));
    gCantidadDecimales = QStringLiteral("2");
    QString tc = QStringLiteral("FC"), sucursal = QStringLiteral("0008"), numero = QStringLiteral("00000001"),
            letra = QStringLiteral("A"), complemento = QStringLiteral("0"), vacio[7];
    qint16 alto = 3;
    rt::Variant conservar(false);
    GeneraAuxiliarComprobantes(tc, sucursal, numero, letra, complemento, alto, vacio[0], vacio[1], vacio[2], vacio[3],
                               vacio[4], vacio[5], vacio[6], conservar);
    report::ReportRequest pedido;
    pedido.selection = QStringLiteral("{V_MV_CPTE.IDCOMPROBANTE} = '000800000001A' AND {Aux_MV_CPte.USUARIO} = '%1'")
                           .arg(claveEquipo());
    // From a label on: the label and the texts that follow it on the page.
    const QStringList esperado = {"BON|Bonificado|2|100,00|10|21|180,00", "UNO|Primero|1|0,83|0|21|0,83",
                                  "DOS|Segundo|1|0,82|0|21|0,82", "Neto gravado:|181,65", "IVA 21 %:|38,15"};
    for (const char *formulario :
         {"FC-A.rpt", "NC-A.rpt", "ND-A.rpt", "FCE-A.rpt", "eFactura/eFC-A.RPT", "eFactura/eFC-A_SINQR.RPT",
          "eFactura/eNC-A.RPT", "eFactura/eNC-A_SINQR.RPT", "eFactura/eND-A.RPT", "eFactura/eND-A_SINQR.RPT",
          "eFactura/eFCE-A.RPT", "eFactura/eFCE-A_SINQR.RPT"}) {
        SCOPED_TRACE(formulario);
        const report::ReportDocument documento =
            report::runReport(report::loadReport(QDir(sourceReportsFolder()).filePath(QString::fromLatin1(formulario))),
                              db.connection(), pedido);
        ASSERT_EQ(documento.pages.size(), 1);
        QStringList textos;
        for (const report::PageItem &item : documento.pages[0].items) {
            if (item.kind == report::PageItem::Kind::Text)
                textos << documento.textOf(item, 0).trimmed();
        }
        for (const QString &renglon : esperado) {
            const qsizetype partes = renglon.count(QLatin1Char('|')) + 1;
            const qsizetype desde = textos.indexOf(renglon.section(QLatin1Char('|'), 0, 0));
            EXPECT_EQ(textos.mid(desde, partes).join(QLatin1Char('|')), renglon)
                << textos.join(QLatin1Char('|')).toStdString();
        }
    }
}

} // namespace
