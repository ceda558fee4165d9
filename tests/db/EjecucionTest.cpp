#include "db/PruebaDb.h"
#include "session/Sesion.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

using support::BoxMatch;

const QString Vendedores = "V_TA_VENDEDORES";

// gBaseDatos opened on a fresh embedded database, as a user who is not an administrator.
class DemoDatabase : public support::ProgramTest {
protected:
    ~DemoDatabase() override { gBaseDatos.reset(); }

    void SetUp() override
    {
        database.execute(
            "INSERT INTO V_TA_VENDEDORES (IdVendedor, Nombre) VALUES ('0001', 'PEREZ'), ('0002', 'D''ANGELO')");
        database.execute("INSERT INTO MA_CUENTAS (Codigo, Descripcion) VALUES ('1.1.01', 'CAJA')");
        gBaseDatos->gLogErr = logDir.filePath("QVERR.LOG");
        gBaseDatos->gDBName = "DEMO";
        gBaseDatos->OpenServerADODB(false, 3, TestDatabase::connectionString(), false, false);
        ASSERT_TRUE(gBaseDatos->gOpenFlag);
        gBaseDatos->gEsAdmin = false;
    }

    int errors() const { return gBaseDatos->gCnn.Errors().Count(); }

    QTemporaryDir logDir;
    TestDatabase database;
    support::ScriptedDialogs dialogs;
};

TEST_F(DemoDatabase, WritesValuesWithApostrophesThroughSQLValue)
{
    const QString nombre = "O'Brien'); DELETE FROM V_TA_VENDEDORES; --";
    QString sql = "INSERT INTO @admin_V_TA_VENDEDORES (IdVendedor, Nombre) VALUES (" + gBaseDatos->SQLValue("0003", "'")
                  + ", " + gBaseDatos->SQLValue(nombre, "'") + ")";
    long affected = 0;
    gBaseDatos->EjecutaConsultaSQL(sql, affected);
    EXPECT_EQ(errors(), 0);
    EXPECT_EQ(affected, 1);
    EXPECT_EQ(database.value("SELECT COUNT(*) FROM V_TA_VENDEDORES"), rt::Variant(3));
    EXPECT_EQ(database.value("SELECT Nombre FROM V_TA_VENDEDORES WHERE IdVendedor = '0003'"), rt::Variant(nombre));
}

TEST_F(DemoDatabase, AFailedStatementLeavesItsErrorForTheCallerOnly)
{
    gBaseDatos->EjecutaConsultaSQL("DELETE FROM NO_EXISTE WHERE 1 = 1");
    EXPECT_GE(errors(), 1);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(DemoDatabase, EveryCallStartsWithAnEmptyErrorList)
{
    const std::function<void()> calls[] = {
        [] { gBaseDatos->EjecutaConsultaSQL("UPDATE V_TA_VENDEDORES SET Nombre = Nombre"); },
        [] {
            ado::Recordset rs;
            gBaseDatos->AbrirRecordset("SELECT * FROM V_TA_VENDEDORES", rs);
        },
        [] { gBaseDatos->ExisteTablaDB(Vendedores); },
        [] {
            gBaseDatos->gCnn.Close();
            gBaseDatos->OpenServerADODB(false, 3, TestDatabase::connectionString(), false, false);
        },
        [] { gBaseDatos->ExisteEnTabla(Vendedores, "0001", "IdVendedor"); },
    };
    for (const auto &call : calls) {
        gBaseDatos->gCnn.Errors().Append(ado::Error{1, "old", {}, {}, 0});
        call();
        EXPECT_EQ(errors(), 0);
    }
}

TEST_F(DemoDatabase, OpensRecordsetsThroughTheConfidentialityViews)
{
    QString sql = "SELECT * FROM MA_CUENTAS WHERE Codigo = '1.1.01'";
    ado::Recordset rs;
    gBaseDatos->AbrirRecordset(sql, rs);
    EXPECT_EQ(sql, "SELECT * FROM SS_MA_CUENTAS WHERE Codigo = '1.1.01'");
    ASSERT_EQ(rs.State(), ado::adStateOpen);
    EXPECT_EQ(rs.RecordCount(), 1);

    gBaseDatos->AbrirRecordset("SELECT * FROM V_TA_VENDEDORES ORDER BY IdVendedor", rs);
    ASSERT_EQ(rs.State(), ado::adStateOpen);
    EXPECT_EQ(rs.RecordCount(), 2);
    EXPECT_EQ(rs("nombre"), rt::Variant("PEREZ"));
}

TEST_F(DemoDatabase, AFailingQueryIsReportedAndLogged)
{
    dialogs.expectMsgBox(BoxMatch::textContaining("Ha ocurrido el Siguiente Error ("), ui::vbAbort);
    ado::Recordset rs;
    gBaseDatos->AbrirRecordset("SELECT * FROM NO_EXISTE", rs);
    EXPECT_EQ(rs.State(), ado::adStateClosed);
    EXPECT_TRUE(dialogs.shown().front().title.endsWith(" - AbrirRecordset Aviso al operador!!! - 5 "));
    EXPECT_TRUE(fileText(gBaseDatos->gLogErr).contains(" Rutina: - AbrirRecordset Mensaje Ha ocurrido"));
}

TEST_F(DemoDatabase, DatosTablaReadsOneColumnOfTheRowFound)
{
    EXPECT_EQ(gBaseDatos->DatosTabla(Vendedores, " 0001 ", "Nombre", "IdVendedor"), rt::Variant("PEREZ"));
    EXPECT_EQ(gBaseDatos->DatosTabla(Vendedores, "D'ANGELO", "IdVendedor", "Nombre"), rt::Variant("0002"));
    EXPECT_EQ(gBaseDatos->DatosTabla(Vendedores, "9999", "Nombre", "IdVendedor"), rt::Variant(QString()));
    rt::Variant type = "'";
    EXPECT_EQ(gBaseDatos->DatosTabla(Vendedores, "0002", "Nombre", "IdVendedor", type), rt::Variant("D'ANGELO"));
    EXPECT_EQ(type, rt::Variant(8));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(DemoDatabase, DatosTablaReportsAnUnknownColumnUnlessErrorsAreIgnored)
{
    EXPECT_EQ(gBaseDatos->DatosTabla(Vendedores, "0001", "NoHay", "IdVendedor", 8, {}, true, true),
              rt::Variant(QString()));
    EXPECT_TRUE(dialogs.shown().empty());
    dialogs.expectMsgBox(BoxMatch::title("Aviso al Operador"), ui::vbAbort);
    EXPECT_TRUE(gBaseDatos->DatosTabla(Vendedores, "0001", "NoHay", "IdVendedor").isEmpty());
    dialogs.verify();
    gBaseDatos->gOpenFlag = false;
    EXPECT_TRUE(gBaseDatos->DatosTabla(Vendedores, "0001", "Nombre", "IdVendedor").isEmpty())
        << "a connection that is not usable gives empty";
}

TEST_F(DemoDatabase, ExisteEnTablaLeavesTheRowOpenForTheCaller)
{
    ado::Recordset rs;
    EXPECT_TRUE(gBaseDatos->ExisteEnTabla(Vendedores, " D'ANGELO ", "Nombre", &rs));
    ASSERT_EQ(rs.State(), ado::adStateOpen);
    EXPECT_EQ(rs("IdVendedor"), rt::Variant("0002"));
    EXPECT_FALSE(gBaseDatos->ExisteEnTabla(Vendedores, "0009", "IdVendedor", &rs));
    EXPECT_TRUE(gBaseDatos->ExisteEnTabla(Vendedores, {}, {}, nullptr, 8, "Nombre LIKE 'PE%'"));
    EXPECT_TRUE(gBaseDatos->ExisteEnTablaST(Vendedores, "0001", "IdVendedor"));
    EXPECT_FALSE(gBaseDatos->ExisteEnTablaST(Vendedores, " 0001", "IdVendedor")) << "ST compares the key as given";
}

TEST_F(DemoDatabase, ExisteEnTablaReadsConfidentialTablesThroughTheirViews)
{
    EXPECT_TRUE(gBaseDatos->ExisteEnTabla("MA_CUENTAS", "1.1.01"));
    database.execute("DROP VIEW SS_MA_CUENTAS");
    dialogs.expectMsgBox(BoxMatch::title("Aviso al Operador"), ui::vbAbort);
    EXPECT_FALSE(gBaseDatos->ExisteEnTabla("MA_CUENTAS", "1.1.01"));
    EXPECT_TRUE(gBaseDatos->ExisteEnTabla("@Admin_MA_CUENTAS", "1.1.01"));
}

TEST_F(DemoDatabase, ClosingARecordsetWithAPendingRowDropsTheRow)
{
    ado::Recordset rs;
    gBaseDatos->AbrirRecordset("SELECT * FROM V_TA_VENDEDORES", rs, nullptr, 2, 3);
    rs.AddNew();
    rs.Fields("IdVendedor").setValue("0009");
    gBaseDatos->CierraRecordset(rs);
    EXPECT_EQ(rs.State(), ado::adStateClosed);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(database.value("SELECT COUNT(*) FROM V_TA_VENDEDORES"), rt::Variant(2));
    gBaseDatos->CierraRecordset(rs);
}

TEST_F(DemoDatabase, SchemaHelpersFindTablesAndColumnsAndAddColumns)
{
    EXPECT_TRUE(gBaseDatos->ExisteTablaDB(" ta_usuarios "));
    EXPECT_FALSE(gBaseDatos->ExisteTablaDB("TA_NADA"));
    EXPECT_TRUE(gBaseDatos->ExisteCampoDB("TA_USUARIOS", " administrador"));
    EXPECT_FALSE(gBaseDatos->ExisteCampoDB("TA_USUARIOS", "Nuevo"));
    EXPECT_TRUE(gBaseDatos->VerCampoDB("TA_USUARIOS", "Nuevo", true, "int", true));
    EXPECT_TRUE(gBaseDatos->ExisteCampoDB("TA_USUARIOS", "Nuevo"));
    EXPECT_TRUE(gBaseDatos->VerCampoDB("TA_NADA", "Nuevo", true, "int", true));
}

TEST_F(DemoDatabase, OnOracleEveryColumnIsTakenAsPresent)
{
    const QString oracle = "Provider=OraOLEDB.Oracle.1;Data Source=DEMO;User Id=DEMO;Password=DEMO;";
    const QString sqlServer = gBaseDatos->gCnn.ConnectionString();
    struct Caso {
        const char *nombre;
        QString proveedor;
        QString texto;
        bool presente;
    };
    const Caso casos[] = {
        {"chosen as Oracle in the dialog", "OraOLEDB.Oracle.1", oracle, true},
        {"opened as Oracle from a \"#server\" on the command line", "SQLOLEDB", oracle, true},
        {"a SQL Server text under a provider left at Oracle", "OraOLEDB.Oracle.1", sqlServer, false},
    };
    for (const Caso &caso : casos) {
        gBaseDatos->gProveedor = caso.proveedor;
        gBaseDatos->gCnn.setConnectionString(caso.texto);
        EXPECT_EQ(gBaseDatos->ExisteCampoDB("TA_USUARIOS", "NoExiste"), caso.presente) << caso.nombre;
    }
}

TEST_F(DemoDatabase, HighestAndLowestValues)
{
    database.execute("INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion) VALUES ('0999', 'A'), (' 500', 'B')");
    EXPECT_EQ(gBaseDatos->BuscaMaximo("V_MA_ARTICULOS", "IDARTICULO"), rt::Variant(500.0));
    QString condicion = "Descripcion <> 'Z'";
    EXPECT_EQ(gBaseDatos->BuscaMaximo("V_MA_ARTICULOS", "IDARTICULO", {}, condicion), rt::Variant(500.0));
    EXPECT_EQ(condicion, "Descripcion <> 'Z' and substring(ltrim(idarticulo),1,1)<>'0'");
    EXPECT_EQ(gBaseDatos->BuscaMaximo(Vendedores, "IdVendedor"), rt::Variant(2.0));
    QString none = "IdVendedor = 'X'";
    EXPECT_EQ(gBaseDatos->BuscaMaximo(Vendedores, "IdVendedor", 7, none), rt::Variant(QString()));
    EXPECT_EQ(gBaseDatos->BuscaMinimo(Vendedores, "IdVendedor"), rt::Variant(1.0));
    EXPECT_EQ(gBaseDatos->BuscaUltimoCodigo(Vendedores, "IdVendedor", {}, "IdVendedor = 'X'"), rt::Variant(0.0));
}

} // namespace
