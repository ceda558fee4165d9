// The report printer after the start-up: it reads through the program's own connection.

#include "PruebaArranque.h"

#include "db/Conexiones.h"
#include "platform/report/ImpresionReportes.h"
#include "session/ObjetosExternos.h"

#include <gtest/gtest.h>

namespace {

TEST_F(PruebaArranque, TheReportPrinterIsGivenTheOpenConnection)
{
    iniciar(QStringLiteral("@Server=sqlite;@DbName=DEMO;@Usuario=ADMIN;@Password=admin;"));
    ASSERT_TRUE(gBaseDatos->gOpenFlag);
    EXPECT_EQ(gImpresion->Conexion(), &gBaseDatos->gCnn);
}

} // namespace
