#include "core/SentenciasSQL.h"

#include "support/PruebaCore.h"

#include "db/Conexiones.h"

#include <gtest/gtest.h>

namespace {

class SentenciasSQL : public PruebaCore { };

TEST_F(SentenciasSQL, BuildsAnInsertFromThePairs)
{
    QString nombre = "D'Angelo";
    QString nulo = "null";
    QString vacio;
    AgregarCampoValor("Usuario", nombre, "'", true);
    AgregarCampoValor("Tarea", nulo, "'", false);
    AgregarCampoValor("Ingreso", vacio, "'", false);
    EXPECT_EQ(nombre, "DAngelo") << "the caller's text loses its apostrophes too";

    QStringList sentencias{QString()};
    QString condicion;
    ArmarInsertUpdate(gParesCampoValor, sentencias, "Control_Acceso", false, condicion, false);
    EXPECT_EQ(sentencias, (QStringList{QString(),
                                       "INSERT INTO Control_Acceso (Usuario,Tarea,Ingreso) VALUES "
                                       "('DAngelo',Null,'')",
                                       QString()}));
    ASSERT_EQ(gParesCampoValor.size(), 1) << "the list starts afresh with one empty pair";
    EXPECT_TRUE(gParesCampoValor.front().Campo.isEmpty());
}

TEST_F(SentenciasSQL, BuildsAnUpdateAndKeepsThePairsWhenAsked)
{
    QString valor = "7";
    AgregarCampoValor("Cantidad", valor, "@", true);
    QString otro = "x";
    AgregarCampoValor("Nombre", otro, "'", false);
    QStringList sentencias;
    QString condicion = "Id = 3";
    ArmarInsertUpdate(gParesCampoValor, sentencias, "T", true, condicion, true);
    EXPECT_EQ(condicion, " WHERE Id = 3");
    EXPECT_EQ(sentencias.front(), "UPDATE T SET Cantidad = 7,Nombre = 'x'  WHERE Id = 3");
    EXPECT_EQ(gParesCampoValor.size(), 2);

    QString conWhere = "where Id = 4";
    ArmarInsertUpdate(gParesCampoValor, sentencias, "T", true, conWhere, false);
    EXPECT_EQ(sentencias.at(2), "UPDATE T SET Cantidad = 7,Nombre = 'x' where Id = 4");
}

TEST_F(SentenciasSQL, ArmarInsertAppendsToThePrefixAndEmptiesOnRequest)
{
    ParesCampoValor fila{{"TC", "'FC'"}};
    QString sentencia = "INSERT INTO AUX_MV_CPTE ";
    ArmarInsert(sentencia, fila, false);
    EXPECT_EQ(sentencia, "INSERT INTO AUX_MV_CPTE (TC) VALUES ('FC')");
    EXPECT_EQ(fila.size(), 1);
    ArmarInsert(sentencia, fila, true);
    EXPECT_TRUE(fila.isEmpty());
}

TEST_F(SentenciasSQL, AdaptarSQLMotorRewritesOnlyForOracle)
{
    const QString oracle = "Provider=OraOLEDB.Oracle.1;Data Source=VENTAS";
    const QString sqlServer = "PROVIDER=SQLOLEDB;Server=sqlite;Database =DEMO;";
    // The connection, the statement and what is run.
    const std::tuple<QString, const char *, const char *> casos[] = {
        {oracle, "Select TOP 1 * from Control_Acceso  with(nolock) ",
         "Select  *  from Control_Acceso  with(nolock)  WHERE ROWNUM <=  1 "},
        {oracle, "len", "LENGTH"},
        {oracle, "ltrim", "ltrim"},
        {oracle, "Select * from T", "Select * from T"},
        {sqlServer, "Select TOP 1 * from T", "Select TOP 1 * from T"},
        {sqlServer, "len", "len"}};
    for (const auto &[conexion, sentencia, resultado] : casos) {
        gBaseDatos->gCnn.setConnectionString(conexion);
        EXPECT_EQ(AdaptarSQLMotor(sentencia), resultado) << sentencia;
    }
    gBaseDatos->gCnn.setConnectionString(oracle);
    EXPECT_EQ(errorNumber([] { AdaptarSQLMotor("Select top 5 Nombre from T"); }), rt::err::InvalidProcedureCall)
        << "an Oracle TOP without an asterisk";
}

} // namespace
