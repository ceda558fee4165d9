#include "PruebaImpresion.h"

#include "platform/report/ReportLoader.h"
#include "platform/report/ReportRunner.h"
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

} // namespace
