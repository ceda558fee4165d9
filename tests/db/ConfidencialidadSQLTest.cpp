#include "db/ConfidencialidadSQL.h"

#include <gtest/gtest.h>

namespace {

struct RewriteCase {
    const char *name;
    bool esAdmin;
    bool confidencialidad;
    const char *sql;
    const char *expected;
};

const RewriteCase rewriteCases[] = {
    {"an administrator only loses @Admin_", true, true,
     "SELECT * FROM MA_CUENTAS WHERE x IN (SELECT y FROM @admin_V_TA_CAJAS )",
     "SELECT * FROM MA_CUENTAS WHERE x IN (SELECT y FROM V_TA_CAJAS )"},
    {"a table followed by a blank", false, false, "SELECT * FROM MA_CUENTAS WHERE Codigo = '1'",
     "SELECT * FROM SS_MA_CUENTAS WHERE Codigo = '1'"},
    {"lower case names are found and written in upper case", false, false, "select * from ma_cuentas where 1=1",
     "select * from SS_MA_CUENTAS where 1=1"},
    {"the name at the end, before a comma or a line break stays", false, false,
     "SELECT * FROM MA_CUENTAS\r\nJOIN X, MA_CUENTAS,Y FROM\nMA_CUENTAS",
     "SELECT * FROM MA_CUENTAS\r\nJOIN X, MA_CUENTAS,Y FROM\nMA_CUENTAS"},
    {"qualified columns after a blank, a parenthesis and a comma", false, false,
     "SELECT MA_CUENTAS.Codigo,MA_CUENTAS.Descripcion, ISNULL(MA_CUENTAS.MedioDePago,'') FROM (MA_CUENTAS )",
     "SELECT SS_MA_CUENTAS.Codigo,SS_MA_CUENTAS.Descripcion, ISNULL(SS_MA_CUENTAS.MedioDePago,'') FROM (SS_MA_CUENTAS )"},
    {"report fields in braces for accounts only", false, false,
     "{MA_CUENTAS.Codigo} = '1' AND {V_TA_CAJAS.IdCajas} = '2'",
     "{SS_MA_CUENTAS.Codigo} = '1' AND {V_TA_CAJAS.IdCajas} = '2'"},
    {"@Admin_ reaches the real table", false, false, "SELECT * FROM @Admin_MA_CUENTAS JOIN @ADMIN_V_TA_CAJAS ON 1=1",
     "SELECT * FROM MA_CUENTAS JOIN V_TA_CAJAS ON 1=1"},
    {"texts naming MV_ASIENTOS stay while confidentiality is off", false, false,
     "SELECT * FROM MV_ASIENTOS JOIN MA_CUENTAS ON 1=1 JOIN @Admin_X ON 1=1",
     "SELECT * FROM MV_ASIENTOS JOIN MA_CUENTAS ON 1=1 JOIN X ON 1=1"},
    {"texts naming MV_ASIENTOS are rewritten in full when it is on", false, true,
     "SELECT * FROM MV_ASIENTOS JOIN MA_CUENTAS ON 1=1", "SELECT * FROM SS_MV_ASIENTOS JOIN SS_MA_CUENTAS ON 1=1"},
    {"every object in its order", false, false,
     "SELECT 1 FROM V_TA_DEPOSITO , V_TA_FAMILIAS , V_TA_CAJAS , AC_CUENTASDIARIO , AC_CUENTASDIARIO_CCOSTO ",
     "SELECT 1 FROM SS_V_TA_DEPOSITO , SS_V_TA_FAMILIAS , SS_V_TA_CAJAS , SS_AC_CUENTASDIARIO , SS_AC_CUENTAS_DIARIO_CCOSTO "},
    {"the cost-centre table is not taken for the journal one", false, false,
     "SELECT 1 FROM AC_CUENTASDIARIO_CCOSTO WHERE 1=1", "SELECT 1 FROM SS_AC_CUENTAS_DIARIO_CCOSTO WHERE 1=1"},
    {"names that only begin like a confidential one stay", false, false, "SELECT * FROM MA_CUENTASX WHERE 1=1",
     "SELECT * FROM MA_CUENTASX WHERE 1=1"},
};

TEST(ConfidencialidadSQL, RewritesConfidentialNamesForUsersWhoAreNotAdministrators)
{
    for (const RewriteCase &c : rewriteCases) {
        EXPECT_EQ(ConfidencialidadSQL::reescribir(QString::fromUtf8(c.sql), c.esAdmin, c.confidencialidad),
                  QString::fromUtf8(c.expected))
            << c.name;
    }
}

} // namespace
