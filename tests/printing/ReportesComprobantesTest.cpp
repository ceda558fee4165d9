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

// Letter A. The first voucher: 2 x 100,00 less 10 % is 217,80 with VAT; two lines of 1,00 with
// VAT net 0,83 each on their own, a cent more than the voucher's net of 2,00 with VAT. The second:
// an untaxed other concept of 50,00, which no line may take for a rounding.
TEST_F(ReportesComprobantesTest, LetterAFormsNetEachLineOnceFromItsAmountWithVatAndAddUpToTheVouchersNet)
{
    db.execute(QStringLiteral(
        "INSERT INTO V_MV_CPTE (TC, IdComprobante, IdComplemento, Fecha, Importe, NetoGravado, NetoNoGravado, Moneda) "
        "VALUES ('FC', '000800000001A', 0, '2024-03-05', 219.80, 181.65, 0, '1'),"
        "('FC', '000800000002A', 0, '2024-03-05', 171, 100, 50, '1');"
        "INSERT INTO V_MV_CPTEINSUMOS (ID, TC, IdComprobante, IdComplemento, IdArticulo, Descripcion, Cantidad, "
        "Importe, Total, Importe_S_IVA, alicIva, PorcDto) VALUES "
        "(1, 'FC', '000800000001A', 0, 'BON', 'Bonificado', 2, 121, 217.80, 100, 21, 10),"
        "(2, 'FC', '000800000001A', 0, 'UNO', 'Primero', 1, 1, 1, 0.83, 21, 0),"
        "(3, 'FC', '000800000001A', 0, 'DOS', 'Segundo', 1, 1, 1, 0.83, 21, 0),"
        "(4, 'FC', '000800000002A', 0, 'OTR', 'Otro', 1, 121, 121, 100, 21, 0);"
        "INSERT INTO V_MV_CPTE_Observ (TC, IdComprobante, IdComplemento, Tipo_Obs, Observacion, Importe, "
        "Importe_S_IVA) VALUES ('FC', '000800000002A', 0, 'OC', 'Flete', 50, 50);"));
    gCantidadDecimales = QStringLiteral("2");
    QString tc = QStringLiteral("FC"), numeros = QStringLiteral("'000800000001A', '000800000002A'"), vacio[11];
    qint16 alto = 3;
    rt::Variant conservar(false);
    GeneraAuxiliarComprobantes(tc, vacio[0], vacio[1], vacio[2], vacio[3], alto, vacio[4], vacio[5], vacio[6], vacio[7],
                               vacio[8], numeros, vacio[9], conservar);
    // Each text from a label on: the label and the texts that follow it on the page.
    const struct {
        const char *numero;
        QStringList esperado;
    } comprobantes[] = {
        {"000800000001A",
         {"BON|Bonificado|2|100,00|10|21|180,00", "UNO|Primero|1|0,83|0|21|0,83", "DOS|Segundo|1|0,82|0|21|0,82",
          "Neto gravado:|181,65", "IVA 21 %:|38,15", "No gravado:|0,00"}},
        {"000800000002A",
         {"OTR|Otro|1|100,00|0|21|100,00", "Neto gravado:|100,00", "IVA 21 %:|21,00", "No gravado:|50,00"}},
    };
    for (const char *formulario :
         {"FC-A.rpt", "NC-A.rpt", "ND-A.rpt", "FCE-A.rpt", "eFactura/eFC-A.RPT", "eFactura/eFC-A_SINQR.RPT",
          "eFactura/eNC-A.RPT", "eFactura/eNC-A_SINQR.RPT", "eFactura/eND-A.RPT", "eFactura/eND-A_SINQR.RPT",
          "eFactura/eFCE-A.RPT", "eFactura/eFCE-A_SINQR.RPT"}) {
        const report::ReportDefinition definicion =
            report::loadReport(QDir(sourceReportsFolder()).filePath(QString::fromLatin1(formulario)));
        for (const auto &comprobante : comprobantes) {
            SCOPED_TRACE(std::string(formulario) + " " + comprobante.numero);
            report::ReportRequest pedido;
            pedido.selection = QStringLiteral("{V_MV_CPTE.IDCOMPROBANTE} = '%1' AND {Aux_MV_CPte.USUARIO} = '%2'")
                                   .arg(QLatin1String(comprobante.numero), claveEquipo());
            const report::ReportDocument documento = report::runReport(definicion, db.connection(), pedido);
            ASSERT_EQ(documento.pages.size(), 1);
            QStringList textos;
            for (const report::PageItem &item : documento.pages[0].items) {
                if (item.kind == report::PageItem::Kind::Text)
                    textos << documento.textOf(item, 0).trimmed();
            }
            for (const QString &renglon : comprobante.esperado) {
                const qsizetype desde = textos.indexOf(renglon.section(QLatin1Char('|'), 0, 0));
                EXPECT_EQ(textos.mid(desde, renglon.count(QLatin1Char('|')) + 1).join(QLatin1Char('|')), renglon)
                    << textos.join(QLatin1Char('|')).toStdString();
            }
        }
    }
}

} // namespace
