#include "core/Auditoria.h"

#include "PruebaCore.h"

#include "core/ObjetosExternos.h"
#include "core/ServiciosVarios.h"
#include "core/Sesion.h"
#include "db/Conexiones.h"
#include "platform/runtime/DateFunctions.h"
#include "platform/ui/Dialogs.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

using support::BoxMatch;

class Auditoria : public PruebaCore {
protected:
    Auditoria()
    {
        abrirBaseDatos();
        gUsuarioLogeado = QStringLiteral("ANA");
    }

    QList<QList<rt::Variant>> acciones()
    {
        return db.rows(QStringLiteral("SELECT TC, IdComprobante, IdComplemento, Tipo_accion, FECHAHORA, Usuario, PC, "
                                      "SYSTEMUSER, Proceso, ProcesoLote, Cuenta FROM V_MV_CPTEACCIONES ORDER BY ID"));
    }
};

struct CasoAccion {
    bool alta;
    bool modificacion;
    bool error;
    const char *tipo;
};

// The case as the test names show it.
void PrintTo(const CasoAccion &c, std::ostream *os)
{
    *os << c.tipo;
}

class TipoDeAccion : public Auditoria, public ::testing::WithParamInterface<CasoAccion> {};

TEST_P(TipoDeAccion, WritesTheKindOfAction)
{
    QString complemento = QStringLiteral("7");
    GrabarAccionCpte(QStringLiteral("FC"), QStringLiteral("0001000012A"), complemento, GetParam().alta,
                     GetParam().modificacion, false, QString(), QString(), GetParam().error);
    const auto filas = acciones();
    ASSERT_EQ(filas.size(), 1);
    EXPECT_EQ(filas[0][3].asString(), QString::fromUtf8(GetParam().tipo));
}

INSTANTIATE_TEST_SUITE_P(Acciones, TipoDeAccion,
                         ::testing::Values(CasoAccion{true, false, false, "A"}, CasoAccion{true, true, false, "A"},
                                           CasoAccion{false, true, false, "M"}, CasoAccion{false, false, false, "B"},
                                           CasoAccion{true, true, true, "ER"}));

TEST_F(Auditoria, FailedLoginRowCarriesTheSessionAndTheServerTime)
{
    gParametroAdicional = QStringLiteral("desde el menú");
    QString complemento;
    const rt::DateTime antes = FechaServidor();
    GrabarAccionCpte(QString(), QString(), complemento, true, false, false,
                     QStringLiteral("Intento de inicio de sesion fallido"), QString(), false);
    const rt::DateTime despues = FechaServidor();
    EXPECT_EQ(complemento, QStringLiteral("0"));
    const auto filas = acciones();
    ASSERT_EQ(filas.size(), 1);
    const auto &fila = filas[0];
    EXPECT_EQ(fila[0].asString().trimmed(), QString());
    EXPECT_EQ(fila[2].asLong(), 0);
    EXPECT_EQ(fila[3].asString(), QStringLiteral("A"));
    ASSERT_EQ(fila[4].type(), rt::VarType::Date);
    EXPECT_GE(fila[4].asDate(), antes);
    EXPECT_LE(fila[4].asDate(), despues);
    EXPECT_EQ(fila[5].asString(), QStringLiteral("ANA"));
    EXPECT_EQ(fila[6].asString(), gEquipo->NombreEquipo());
    EXPECT_EQ(fila[7].asString(), QStringLiteral("Intento de inicio de sesion fallido"));
    EXPECT_EQ(fila[8].asString().trimmed(), QStringLiteral("comisiones desde el menú"));
    EXPECT_EQ(fila[9].asString(), QString());
}

TEST_F(Auditoria, ApostrophesInTheVoucherKeyAndTextsAreStoredSafely)
{
    QString complemento = QStringLiteral("3");
    GrabarAccionCpte(QStringLiteral("F'C"), QStringLiteral("0001'); DELETE FROM TA_USUARIOS; --"), complemento, false,
                     true, false, QStringLiteral("it's"), QStringLiteral("1.1'2"), false);
    const auto filas = acciones();
    ASSERT_EQ(filas.size(), 1);
    EXPECT_EQ(filas[0][0].asString().trimmed(), QStringLiteral("F'C"));
    EXPECT_EQ(filas[0][1].asString(), QStringLiteral("0001'); DELETE FROM TA_USUARIOS; --"));
    EXPECT_EQ(filas[0][2].asLong(), 3);
    EXPECT_EQ(filas[0][7].asString(), QStringLiteral("it´s"));
    EXPECT_EQ(filas[0][10].asString(), QStringLiteral("1.1´2"));
}

class Script : public Auditoria {
protected:
    Script() { rt::setClockForTests(rt::DateTime::fromParts(2024, 3, 15, 14, 5, 9)); }

    QString insercion(const QString &clave) const
    {
        return QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('%1', 'v')").arg(clave);
    }
    rt::Variant cuenta() { return db.value(QStringLiteral("SELECT COUNT(*) FROM TA_CONFIGURACION")); }

    bool fallo = true;
    long numero = -1;
    QString script;
    QString mensaje;
};

TEST_F(Script, CommitsEveryStatementTogether)
{
    GActualizarDatoScript({QString(), insercion(QStringLiteral("A")), QStringLiteral("   "), insercion(QStringLiteral("B"))},
                          fallo, numero, false, false, script, mensaje, true);
    EXPECT_FALSE(fallo);
    EXPECT_EQ(numero, 0);
    EXPECT_EQ(script, QStringLiteral("BEGIN TRANSACTION \r\r\r") + insercion(QStringLiteral("A")) + QStringLiteral("\r")
                          + insercion(QStringLiteral("B")) + QStringLiteral("\r"));
    EXPECT_EQ(cuenta().asLong(), 2);
    EXPECT_TRUE(dialogos.shown().empty());
}

TEST_F(Script, BlankStatementsRunNothing)
{
    GActualizarDatoScript({QString(), QStringLiteral("  ")}, fallo, numero, false, false, script, mensaje, true);
    EXPECT_FALSE(fallo);
    EXPECT_EQ(numero, -1);
    EXPECT_TRUE(script.isEmpty());
    EXPECT_EQ(db.value(QStringLiteral("SELECT COUNT(*) FROM AUX_ERR")).asLong(), 0);
}

TEST_F(Script, AFailureRollsBackRecordsTheErrorAndTellsTheOperator)
{
    db.execute(insercion(QStringLiteral("B")));
    dialogos.expectMsgBox(BoxMatch::textContaining(QStringLiteral("2627 : ")).withTitle(QStringLiteral("Aviso al Operador!")),
                          ui::vbOK);
    GActualizarDatoScript({insercion(QStringLiteral("A")), insercion(QStringLiteral("B"))}, fallo, numero, false, false,
                          script, mensaje, true);
    EXPECT_TRUE(fallo);
    EXPECT_EQ(numero, 2627);
    EXPECT_EQ(dialogos.shown().front().style, ui::vbCritical);
    // Only the first error reaches the operator: the last is the server's closing notice.
    EXPECT_EQ(mensaje.count(QStringLiteral("\r\n")), 1);
    EXPECT_EQ(cuenta().asLong(), 1) << "the first statement was not rolled back";

    const auto errores = db.rows(QStringLiteral("SELECT Proceso, Fecha, Error, Descripcion, sql, PC, Usuario FROM AUX_ERR"));
    ASSERT_EQ(errores.size(), 1);
    EXPECT_EQ(errores[0][0].asString(), QStringLiteral("comisiones"));
    ASSERT_EQ(errores[0][1].type(), rt::VarType::Date);
    EXPECT_EQ(errores[0][1].asDate(), rt::DateTime::fromParts(2024, 3, 15, 14, 5, 9));
    EXPECT_EQ(errores[0][2].asLong(), 2627);
    // The description is made safe as every text of the error rows: apostrophes become acute accents.
    EXPECT_EQ(errores[0][3].asString(), QString(mensaje).replace(QLatin1Char('\''), QChar(0x00B4)));
    EXPECT_EQ(errores[0][4].asString(), script);
    EXPECT_EQ(errores[0][6].asString(), QStringLiteral("ANA"));

    // The connection is usable afterwards, outside any transaction.
    db.execute(insercion(QStringLiteral("C")));
    GActualizarDatoScript({insercion(QStringLiteral("D"))}, fallo, numero, false, false, script, mensaje, true);
    EXPECT_FALSE(fallo);
    EXPECT_EQ(cuenta().asLong(), 3);
}

TEST_F(Script, ToleratedDuplicateIsRecordedWithoutTellingTheOperator)
{
    db.execute(insercion(QStringLiteral("B")));
    GActualizarDatoScript({insercion(QStringLiteral("B"))}, fallo, numero, true, false, script, mensaje, true);
    EXPECT_TRUE(fallo);
    EXPECT_EQ(numero, 2627);
    EXPECT_TRUE(mensaje.startsWith(QStringLiteral("Violation of PRIMARY KEY constraint")));
    EXPECT_TRUE(dialogos.shown().empty());
    EXPECT_EQ(db.value(QStringLiteral("SELECT Descripcion FROM AUX_ERR")).asString().trimmed(), QString());
}

TEST_F(Script, SilentCallerIsNotToldEither)
{
    GActualizarDatoScript({QStringLiteral("INSERT INTO NO_HAY_TABLA (A) VALUES (1)")}, fallo, numero, false, false, script,
                          mensaje, false);
    EXPECT_TRUE(fallo);
    EXPECT_NE(numero, 0);
    EXPECT_FALSE(mensaje.isEmpty());
    EXPECT_TRUE(dialogos.shown().empty());
    EXPECT_EQ(db.value(QStringLiteral("SELECT COUNT(*) FROM AUX_ERR")).asLong(), 1);
}

TEST_F(Auditoria, ErrorRowTakesTheProgramNameForAnEmptyProcess)
{
    QString proceso;
    GrabarAuxErr(QStringLiteral("SELECT 1"), proceso, 8152, QStringLiteral("String or binary data would be truncated."));
    EXPECT_EQ(proceso, QStringLiteral("comisiones"));
    const auto errores = db.rows(QStringLiteral("SELECT Proceso, Error, Descripcion, sql FROM AUX_ERR"));
    ASSERT_EQ(errores.size(), 1);
    EXPECT_EQ(errores[0][1].asLong(), 8152);
    EXPECT_EQ(errores[0][2].asString(), QStringLiteral("String or binary data would be truncated."));
    EXPECT_EQ(errores[0][3].asString(), QStringLiteral("SELECT 1"));
}

} // namespace
