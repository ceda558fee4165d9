#include "PruebaImpresion.h"

#include "platform/report/ReportLoader.h"
#include "platform/report/ReportRunner.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QString carpetaReportes()
{
    const QString raiz = qEnvironmentVariable(
        "COMISIONES_SOURCE_DIR", QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath(QStringLiteral("../..")));
    return QDir(raiz).filePath(QStringLiteral("reports"));
}

class ReportesComprobantesTest : public PruebaImpresion { };

TEST_F(ReportesComprobantesTest, EveryFormLoadsAndRunsWithItsSubReportsOnTheSchema)
{
    int formularios = 0;
    QDirIterator it(carpetaReportes(), {QStringLiteral("*.rpt"), QStringLiteral("*.RPT")}, QDir::Files,
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
        ++formularios;
    }
    EXPECT_EQ(formularios, 47);
}

} // namespace
