#include "core/Sesion.h"
#include "db/DbFixtures.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

using support::BoxMatch;

// gBaseDatos opened on a fresh embedded database, as a user who is not an administrator.
class DemoDatabase : public support::ProgramTest {
protected:
    ~DemoDatabase() override { gBaseDatos.reset(); }

    void SetUp() override
    {
        database.execute(QStringLiteral("INSERT INTO V_TA_VENDEDORES (IdVendedor, Nombre) VALUES ('0001', 'PEREZ')"));
        database.execute(QStringLiteral("INSERT INTO V_TA_VENDEDORES (IdVendedor, Nombre) VALUES ('0002', 'D''ANGELO')"));
        database.execute(QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, Descripcion) VALUES ('1.1.01', 'CAJA')"));
        gBaseDatos->gLogErr = logDir.filePath(QStringLiteral("QVERR.LOG"));
        gBaseDatos->gDBName = QStringLiteral("DEMO");
        gBaseDatos->OpenServerADODB(false, 3, TestDatabase::connectionString(), false, false);
        ASSERT_TRUE(gBaseDatos->gOpenFlag);
        gBaseDatos->gEsAdmin = false;
    }

    QTemporaryDir logDir;
    TestDatabase database;
    support::ScriptedDialogs dialogs;
};

TEST_F(DemoDatabase, WritesValuesWithApostrophesThroughSQLValue)
{
    QString sql = QStringLiteral("INSERT INTO @admin_V_TA_VENDEDORES (IdVendedor, Nombre) VALUES (")
                  + gBaseDatos->SQLValue(QStringLiteral("0003"), QStringLiteral("'")) + QStringLiteral(", ")
                  + gBaseDatos->SQLValue(QStringLiteral("O'Brien'); DELETE FROM V_TA_VENDEDORES; --"), QStringLiteral("'"))
                  + QStringLiteral(")");
    long affected = 0;
    gBaseDatos->EjecutaConsultaSQL(sql, affected);
    EXPECT_EQ(gBaseDatos->gCnn.Errors().Count(), 0);
    EXPECT_EQ(affected, 1);
    EXPECT_FALSE(sql.contains(QStringLiteral("@admin_"), Qt::CaseInsensitive));
    EXPECT_EQ(database.value(QStringLiteral("SELECT COUNT(*) FROM V_TA_VENDEDORES")), rt::Variant(3));
    EXPECT_EQ(database.value(QStringLiteral("SELECT Nombre FROM V_TA_VENDEDORES WHERE IdVendedor = '0003'")),
              rt::Variant(QStringLiteral("O'Brien'); DELETE FROM V_TA_VENDEDORES; --")));
}

TEST_F(DemoDatabase, AFailedStatementLeavesItsErrorForTheCallerOnly)
{
    gBaseDatos->EjecutaConsultaSQL(QStringLiteral("DELETE FROM NO_EXISTE WHERE 1 = 1"));
    EXPECT_GE(gBaseDatos->gCnn.Errors().Count(), 1);
    EXPECT_TRUE(dialogs.shown().empty());
    gBaseDatos->EjecutaConsultaSQL(QStringLiteral("DELETE FROM V_TA_VENDEDORES WHERE IdVendedor = '0001'"));
    EXPECT_EQ(gBaseDatos->gCnn.Errors().Count(), 0);
}

TEST_F(DemoDatabase, EveryCallStartsWithAnEmptyErrorList)
{
    const std::function<void()> calls[] = {
        [] { gBaseDatos->EjecutaConsultaSQL(QStringLiteral("UPDATE V_TA_VENDEDORES SET Nombre = Nombre")); },
        [] {
            ado::Recordset rs;
            gBaseDatos->AbrirRecordset(QStringLiteral("SELECT * FROM V_TA_VENDEDORES"), rs);
        },
        [] { gBaseDatos->ExisteTablaDB(QStringLiteral("V_TA_VENDEDORES")); },
        [] {
            gBaseDatos->gCnn.Close();
            gBaseDatos->OpenServerADODB(false, 3, TestDatabase::connectionString(), false, false);
        },
        [] { gBaseDatos->ExisteEnTabla(QStringLiteral("V_TA_VENDEDORES"), QStringLiteral("0001"), QStringLiteral("IdVendedor")); },
    };
    for (const auto &call : calls) {
        gBaseDatos->gCnn.Errors().Append(ado::Error{1, QStringLiteral("old"), {}, {}, 0});
        call();
        EXPECT_EQ(gBaseDatos->gCnn.Errors().Count(), 0);
    }
}

TEST_F(DemoDatabase, OpensRecordsetsThroughTheConfidentialityViews)
{
    QString sql = QStringLiteral("SELECT * FROM MA_CUENTAS WHERE Codigo = '1.1.01'");
    ado::Recordset rs;
    gBaseDatos->AbrirRecordset(sql, rs);
    EXPECT_EQ(sql, QStringLiteral("SELECT * FROM SS_MA_CUENTAS WHERE Codigo = '1.1.01'"));
    ASSERT_EQ(rs.State(), ado::adStateOpen);
    EXPECT_EQ(rs.RecordCount(), 1);

    gBaseDatos->AbrirRecordset(QStringLiteral("SELECT * FROM V_TA_VENDEDORES ORDER BY IdVendedor"), rs);
    ASSERT_EQ(rs.State(), ado::adStateOpen);
    EXPECT_EQ(rs.RecordCount(), 2);
    EXPECT_EQ(rs(QStringLiteral("nombre")), rt::Variant(QStringLiteral("PEREZ")));
}

TEST_F(DemoDatabase, AFailingQueryIsReportedAndLogged)
{
    dialogs.expectMsgBox(BoxMatch::textContaining(QStringLiteral("Ha ocurrido el Siguiente Error (")), ui::vbAbort);
    ado::Recordset rs;
    gBaseDatos->AbrirRecordset(QStringLiteral("SELECT * FROM NO_EXISTE"), rs);
    EXPECT_EQ(rs.State(), ado::adStateClosed);
    EXPECT_TRUE(dialogs.shown().front().title.endsWith(QStringLiteral(" - AbrirRecordset Aviso al operador!!! - 5 ")));
    QFile log(gBaseDatos->gLogErr);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(log.readAll()).contains(QStringLiteral(" Rutina: - AbrirRecordset Mensaje Ha ocurrido")));
}

TEST_F(DemoDatabase, DatosTablaReadsOneColumnOfTheRowFound)
{
    const QString table = QStringLiteral("V_TA_VENDEDORES");
    EXPECT_EQ(gBaseDatos->DatosTabla(table, QStringLiteral(" 0001 "), QStringLiteral("Nombre"), QStringLiteral("IdVendedor")),
              rt::Variant(QStringLiteral("PEREZ")));
    EXPECT_EQ(gBaseDatos->DatosTabla(table, QStringLiteral("D'ANGELO"), QStringLiteral("IdVendedor"), QStringLiteral("Nombre")),
              rt::Variant(QStringLiteral("0002")));
    EXPECT_EQ(gBaseDatos->DatosTabla(table, QStringLiteral("9999"), QStringLiteral("Nombre"), QStringLiteral("IdVendedor")),
              rt::Variant(QString()));
    rt::Variant type = QStringLiteral("'");
    EXPECT_EQ(gBaseDatos->DatosTabla(table, QStringLiteral("0002"), QStringLiteral("Nombre"), QStringLiteral("IdVendedor"), type),
              rt::Variant(QStringLiteral("D'ANGELO")));
    EXPECT_EQ(type, rt::Variant(8));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(DemoDatabase, DatosTablaReportsAnUnknownColumnUnlessErrorsAreIgnored)
{
    const QString table = QStringLiteral("V_TA_VENDEDORES");
    EXPECT_EQ(gBaseDatos->DatosTabla(table, QStringLiteral("0001"), QStringLiteral("NoHay"), QStringLiteral("IdVendedor"), 8, {},
                                     true, true),
              rt::Variant(QString()));
    EXPECT_TRUE(dialogs.shown().empty());
    dialogs.expectMsgBox(BoxMatch::title(QStringLiteral("Aviso al Operador")), ui::vbAbort);
    EXPECT_TRUE(gBaseDatos->DatosTabla(table, QStringLiteral("0001"), QStringLiteral("NoHay"), QStringLiteral("IdVendedor"))
                    .isEmpty());
}

TEST_F(DemoDatabase, DatosTablaOnAConnectionThatIsNotUsableGivesEmpty)
{
    gBaseDatos->gOpenFlag = false;
    EXPECT_TRUE(gBaseDatos->DatosTabla(QStringLiteral("V_TA_VENDEDORES"), QStringLiteral("0001"), QStringLiteral("Nombre"),
                                       QStringLiteral("IdVendedor"))
                    .isEmpty());
}

TEST_F(DemoDatabase, ExisteEnTablaLeavesTheRowOpenForTheCaller)
{
    ado::Recordset rs;
    EXPECT_TRUE(gBaseDatos->ExisteEnTabla(QStringLiteral("V_TA_VENDEDORES"), QStringLiteral(" D'ANGELO "),
                                          QStringLiteral("Nombre"), &rs));
    ASSERT_EQ(rs.State(), ado::adStateOpen);
    EXPECT_EQ(rs(QStringLiteral("IdVendedor")), rt::Variant(QStringLiteral("0002")));
    EXPECT_FALSE(gBaseDatos->ExisteEnTabla(QStringLiteral("V_TA_VENDEDORES"), QStringLiteral("0009"),
                                           QStringLiteral("IdVendedor"), &rs));
    EXPECT_TRUE(gBaseDatos->ExisteEnTabla(QStringLiteral("V_TA_VENDEDORES"), {}, {}, nullptr, 8,
                                          QStringLiteral("Nombre LIKE 'PE%'")));
}

TEST_F(DemoDatabase, ExisteEnTablaSTComparesTheKeyAsGiven)
{
    EXPECT_TRUE(gBaseDatos->ExisteEnTablaST(QStringLiteral("V_TA_VENDEDORES"), QStringLiteral("0001"), QStringLiteral("IdVendedor")));
    EXPECT_FALSE(gBaseDatos->ExisteEnTablaST(QStringLiteral("V_TA_VENDEDORES"), QStringLiteral(" 0001"),
                                             QStringLiteral("IdVendedor")));
}

TEST_F(DemoDatabase, ExisteEnTablaReadsConfidentialTablesThroughTheirViews)
{
    EXPECT_TRUE(gBaseDatos->ExisteEnTabla(QStringLiteral("MA_CUENTAS"), QStringLiteral("1.1.01")));
    database.execute(QStringLiteral("DROP VIEW SS_MA_CUENTAS"));
    dialogs.expectMsgBox(BoxMatch::title(QStringLiteral("Aviso al Operador")), ui::vbAbort);
    EXPECT_FALSE(gBaseDatos->ExisteEnTabla(QStringLiteral("MA_CUENTAS"), QStringLiteral("1.1.01")));
    EXPECT_TRUE(gBaseDatos->ExisteEnTabla(QStringLiteral("@Admin_MA_CUENTAS"), QStringLiteral("1.1.01")));
}

TEST_F(DemoDatabase, ClosingARecordsetWithAPendingRowDropsTheRow)
{
    ado::Recordset rs;
    gBaseDatos->AbrirRecordset(QStringLiteral("SELECT * FROM V_TA_VENDEDORES"), rs, nullptr, 2, 3);
    rs.AddNew();
    rs.Fields(QStringLiteral("IdVendedor")).setValue(QStringLiteral("0009"));
    gBaseDatos->CierraRecordset(rs);
    EXPECT_EQ(rs.State(), ado::adStateClosed);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(database.value(QStringLiteral("SELECT COUNT(*) FROM V_TA_VENDEDORES")), rt::Variant(2));
    gBaseDatos->CierraRecordset(rs);
}

TEST_F(DemoDatabase, SchemaHelpersFindTablesAndColumnsAndAddColumns)
{
    EXPECT_TRUE(gBaseDatos->ExisteTablaDB(QStringLiteral(" ta_usuarios ")));
    EXPECT_FALSE(gBaseDatos->ExisteTablaDB(QStringLiteral("TA_NADA")));
    EXPECT_TRUE(gBaseDatos->ExisteCampoDB(QStringLiteral("TA_USUARIOS"), QStringLiteral(" administrador")));
    EXPECT_FALSE(gBaseDatos->ExisteCampoDB(QStringLiteral("TA_USUARIOS"), QStringLiteral("Nuevo")));
    EXPECT_TRUE(gBaseDatos->VerCampoDB(QStringLiteral("TA_USUARIOS"), QStringLiteral("Nuevo"), true, QStringLiteral("int"),
                                       true));
    EXPECT_TRUE(gBaseDatos->ExisteCampoDB(QStringLiteral("TA_USUARIOS"), QStringLiteral("Nuevo")));
    EXPECT_TRUE(gBaseDatos->VerCampoDB(QStringLiteral("TA_NADA"), QStringLiteral("Nuevo"), true, QStringLiteral("int"), true));
    gBaseDatos->gProveedor = QStringLiteral("OraOLEDB.Oracle.1");
    EXPECT_TRUE(gBaseDatos->ExisteCampoDB(QStringLiteral("TA_USUARIOS"), QStringLiteral("NoExiste")));
}

TEST_F(DemoDatabase, HighestAndLowestValues)
{
    database.execute(QStringLiteral("INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion) VALUES ('0999', 'A')"));
    database.execute(QStringLiteral("INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion) VALUES (' 500', 'B')"));
    EXPECT_EQ(gBaseDatos->BuscaMaximo(QStringLiteral("V_MA_ARTICULOS"), QStringLiteral("IDARTICULO")), rt::Variant(500.0));
    QString condicion = QStringLiteral("Descripcion <> 'Z'");
    EXPECT_EQ(gBaseDatos->BuscaMaximo(QStringLiteral("V_MA_ARTICULOS"), QStringLiteral("IDARTICULO"), {}, condicion),
              rt::Variant(500.0));
    EXPECT_EQ(condicion, QStringLiteral("Descripcion <> 'Z' and substring(ltrim(idarticulo),1,1)<>'0'"));
    EXPECT_EQ(gBaseDatos->BuscaMaximo(QStringLiteral("V_TA_VENDEDORES"), QStringLiteral("IdVendedor")), rt::Variant(2.0));
    QString none = QStringLiteral("IdVendedor = 'X'");
    EXPECT_EQ(gBaseDatos->BuscaMaximo(QStringLiteral("V_TA_VENDEDORES"), QStringLiteral("IdVendedor"), 7, none),
              rt::Variant(QString()));
    EXPECT_EQ(gBaseDatos->BuscaMinimo(QStringLiteral("V_TA_VENDEDORES"), QStringLiteral("IdVendedor")), rt::Variant(1.0));
    EXPECT_EQ(gBaseDatos->BuscaUltimoCodigo(QStringLiteral("V_TA_VENDEDORES"), QStringLiteral("IdVendedor"), {},
                                            QStringLiteral("IdVendedor = 'X'")),
              rt::Variant(0.0));
}

} // namespace
