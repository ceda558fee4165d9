#include "core/SentenciasSQL.h"

#include "PruebaCore.h"

#include "db/Conexiones.h"
#include "platform/runtime/RuntimeError.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

class SentenciasSQL : public PruebaCore {};

TEST_F(SentenciasSQL, BuildsAnInsertFromThePairs)
{
    QString nombre = QStringLiteral("D'Angelo");
    QString nulo = QStringLiteral("null");
    QString vacio;
    AgregarCampoValor(QStringLiteral("Usuario"), nombre, QStringLiteral("'"), true);
    AgregarCampoValor(QStringLiteral("Tarea"), nulo, QStringLiteral("'"), false);
    AgregarCampoValor(QStringLiteral("Ingreso"), vacio, QStringLiteral("'"), false);
    EXPECT_EQ(nombre, QStringLiteral("DAngelo")) << "the caller's text loses its apostrophes too";

    QStringList sentencias{QString()};
    QString condicion;
    ArmarInsertUpdate(gParesCampoValor, sentencias, QStringLiteral("Control_Acceso"), false, condicion, false);
    EXPECT_EQ(sentencias, (QStringList{QString(),
                                       QStringLiteral("INSERT INTO Control_Acceso (Usuario,Tarea,Ingreso) VALUES "
                                                      "('DAngelo',Null,'')"),
                                       QString()}));
    ASSERT_EQ(gParesCampoValor.size(), 1) << "the list starts afresh with one empty pair";
    EXPECT_TRUE(gParesCampoValor.front().Campo.isEmpty());
}

TEST_F(SentenciasSQL, BuildsAnUpdateAndKeepsThePairsWhenAsked)
{
    QString valor = QStringLiteral("7");
    AgregarCampoValor(QStringLiteral("Cantidad"), valor, QStringLiteral("@"), true);
    QString otro = QStringLiteral("x");
    AgregarCampoValor(QStringLiteral("Nombre"), otro, QStringLiteral("'"), false);
    QStringList sentencias;
    QString condicion = QStringLiteral("Id = 3");
    ArmarInsertUpdate(gParesCampoValor, sentencias, QStringLiteral("T"), true, condicion, true);
    EXPECT_EQ(condicion, QStringLiteral(" WHERE Id = 3"));
    EXPECT_EQ(sentencias.front(), QStringLiteral("UPDATE T SET Cantidad = 7,Nombre = 'x'  WHERE Id = 3"));
    EXPECT_EQ(gParesCampoValor.size(), 2);

    QString conWhere = QStringLiteral("where Id = 4");
    ArmarInsertUpdate(gParesCampoValor, sentencias, QStringLiteral("T"), true, conWhere, false);
    EXPECT_EQ(sentencias.at(2), QStringLiteral("UPDATE T SET Cantidad = 7,Nombre = 'x' where Id = 4"));
}

TEST_F(SentenciasSQL, ArmarInsertAppendsToThePrefixAndEmptiesOnRequest)
{
    ParesCampoValor fila{{QStringLiteral("TC"), QStringLiteral("'FC'")}};
    QString sentencia = QStringLiteral("INSERT INTO AUX_MV_CPTE ");
    ArmarInsert(sentencia, fila, false);
    EXPECT_EQ(sentencia, QStringLiteral("INSERT INTO AUX_MV_CPTE (TC) VALUES ('FC')"));
    EXPECT_EQ(fila.size(), 1);
    ArmarInsert(sentencia, fila, true);
    EXPECT_TRUE(fila.isEmpty());
}

struct CasoMotor {
    const char *conexion;
    const char *sentencia;
    const char *resultado;
};

// The case as the test names show it.
void PrintTo(const CasoMotor &c, std::ostream *os)
{
    *os << c.sentencia;
}

class AdaptarSQLMotorTabla : public SentenciasSQL, public ::testing::WithParamInterface<CasoMotor> {};

TEST_P(AdaptarSQLMotorTabla, RewritesOnlyForOracle)
{
    gBaseDatos->gCnn.setConnectionString(QString::fromUtf8(GetParam().conexion));
    EXPECT_EQ(AdaptarSQLMotor(QString::fromUtf8(GetParam().sentencia)), QString::fromUtf8(GetParam().resultado));
}

INSTANTIATE_TEST_SUITE_P(
    Motores, AdaptarSQLMotorTabla,
    ::testing::Values(
        CasoMotor{"Provider=OraOLEDB.Oracle.1;Data Source=VENTAS", "Select TOP 1 * from Control_Acceso  with(nolock) ",
                  "Select  *  from Control_Acceso  with(nolock)  WHERE ROWNUM <=  1 "},
        CasoMotor{"Provider=OraOLEDB.Oracle.1;Data Source=VENTAS", "len", "LENGTH"},
        CasoMotor{"Provider=OraOLEDB.Oracle.1;Data Source=VENTAS", "ltrim", "ltrim"},
        CasoMotor{"Provider=OraOLEDB.Oracle.1;Data Source=VENTAS", "Select * from T", "Select * from T"},
        CasoMotor{"PROVIDER=SQLOLEDB;Server=sqlite;Database =DEMO;", "Select TOP 1 * from T",
                  "Select TOP 1 * from T"},
        CasoMotor{"PROVIDER=SQLOLEDB;Server=sqlite;Database =DEMO;", "len", "len"}));

TEST_F(SentenciasSQL, OracleTopWithoutAnAsteriskIsAnError)
{
    gBaseDatos->gCnn.setConnectionString(QStringLiteral("Provider=OraOLEDB.Oracle.1;"));
    try {
        AdaptarSQLMotor(QStringLiteral("Select top 5 Nombre from T"));
        FAIL() << "no error raised";
    } catch (const rt::RuntimeError &error) {
        EXPECT_EQ(error.Number, rt::err::InvalidProcedureCall);
    }
}

} // namespace
