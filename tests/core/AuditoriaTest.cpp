#include "core/Auditoria.h"

#include "support/PruebaCore.h"

#include "core/ServiciosVarios.h"
#include "db/Conexiones.h"
#include "platform/runtime/DateFunctions.h"
#include "platform/ui/Dialogs.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"
#include "support/ScriptedEngine.h"

#include <gtest/gtest.h>

namespace {

using support::BoxMatch;

class Auditoria : public PruebaCore {
protected:
    Auditoria()
    {
        abrirBaseDemo();
        gUsuarioLogeado = "ANA";
    }

    QList<QList<rt::Variant>> acciones()
    {
        return db.rows("SELECT TC, IdComprobante, IdComplemento, Tipo_accion, FECHAHORA, Usuario, PC, "
                       "SYSTEMUSER, Proceso, ProcesoLote, Cuenta FROM V_MV_CPTEACCIONES ORDER BY ID");
    }
};

TEST_F(Auditoria, WritesTheKindOfAction)
{
    // Insert, modify and error flags, and the kind written.
    const std::tuple<bool, bool, bool, const char *> casos[] = {
        {true, false, false, "A"},  {true, true, false, "A"}, {false, true, false, "M"},
        {false, false, false, "B"}, {true, true, true, "ER"},
    };
    for (const auto &[alta, modificacion, error, tipo] : casos) {
        db.execute("DELETE FROM V_MV_CPTEACCIONES");
        QString complemento = "7";
        GrabarAccionCpte("FC", "0001000012A", complemento, alta, modificacion, false, QString(), QString(), error);
        const auto filas = acciones();
        ASSERT_EQ(filas.size(), 1);
        EXPECT_EQ(filas[0][3].asString(), tipo);
    }
}

TEST_F(Auditoria, FailedLoginRowCarriesTheSessionAndTheServerTime)
{
    gParametroAdicional = "desde el menú";
    QString complemento;
    const rt::DateTime antes = FechaServidor();
    GrabarAccionCpte(QString(), QString(), complemento, true, false, false, "Intento de inicio de sesion fallido",
                     QString(), false);
    const rt::DateTime despues = FechaServidor();
    EXPECT_EQ(complemento, "0");
    const auto filas = acciones();
    ASSERT_EQ(filas.size(), 1);
    const auto &fila = filas[0];
    EXPECT_EQ(fila[0].asString().trimmed(), QString());
    EXPECT_EQ(fila[2].asLong(), 0);
    EXPECT_EQ(fila[3].asString(), "A");
    ASSERT_EQ(fila[4].type(), rt::VarType::Date);
    EXPECT_GE(fila[4].asDate(), antes);
    EXPECT_LE(fila[4].asDate(), despues);
    EXPECT_EQ(fila[5].asString(), "ANA");
    EXPECT_EQ(fila[6].asString(), gEquipo->NombreEquipo());
    EXPECT_EQ(fila[7].asString(), "Intento de inicio de sesion fallido");
    EXPECT_EQ(fila[8].asString().trimmed(), "comisiones desde el menú");
    EXPECT_EQ(fila[9].asString(), QString());
}

TEST_F(Auditoria, ApostrophesInTheVoucherKeyAndTextsAreStoredSafely)
{
    QString complemento = "3";
    GrabarAccionCpte("F'C", "0001'); DELETE FROM TA_USUARIOS; --", complemento, false, true, false, "it's", "1.1'2",
                     false);
    const auto filas = acciones();
    ASSERT_EQ(filas.size(), 1);
    EXPECT_EQ(filas[0][0].asString().trimmed(), "F'C");
    EXPECT_EQ(filas[0][1].asString(), "0001'); DELETE FROM TA_USUARIOS; --");
    EXPECT_EQ(filas[0][2].asLong(), 3);
    EXPECT_EQ(filas[0][7].asString(), "it´s");
    EXPECT_EQ(filas[0][10].asString(), "1.1´2");
}

class Script : public Auditoria {
protected:
    Script() { rt::setClockForTests(rt::DateTime::fromParts(2024, 3, 15, 14, 5, 9)); }

    QString insercion(const QString &clave) const
    {
        return QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('%1', 'v')").arg(clave);
    }
    rt::Variant cuenta() { return db.value("SELECT COUNT(*) FROM TA_CONFIGURACION"); }

    bool fallo = true;
    long numero = -1;
    QString script;
    QString mensaje;
};

TEST_F(Script, CommitsEveryStatementTogether)
{
    GActualizarDatoScript({QString(), insercion("A"), "   ", insercion("B")}, fallo, numero, false, false, script,
                          mensaje, true);
    EXPECT_FALSE(fallo);
    EXPECT_EQ(numero, 0);
    EXPECT_EQ(script, "BEGIN TRANSACTION \r\r\r" + insercion("A") + "\r" + insercion("B") + "\r");
    EXPECT_EQ(cuenta().asLong(), 2);
    EXPECT_TRUE(dialogos.shown().empty());
}

TEST_F(Script, BlankStatementsRunNothing)
{
    GActualizarDatoScript({QString(), "  "}, fallo, numero, false, false, script, mensaje, true);
    EXPECT_FALSE(fallo);
    EXPECT_EQ(numero, -1);
    EXPECT_TRUE(script.isEmpty());
    EXPECT_EQ(db.value("SELECT COUNT(*) FROM AUX_ERR").asLong(), 0);
}

TEST_F(Script, AFailureRollsBackRecordsTheErrorAndTellsTheOperator)
{
    db.execute(insercion("B"));
    dialogos.expectMsgBox(BoxMatch::textContaining("2627 : ").withTitle("Aviso al Operador!"), ui::vbOK);
    GActualizarDatoScript({insercion("A"), insercion("B")}, fallo, numero, false, false, script, mensaje, true);
    EXPECT_TRUE(fallo);
    EXPECT_EQ(numero, 2627);
    EXPECT_EQ(dialogos.shown().front().style, ui::vbCritical);
    // Only the first error reaches the operator: the last is the server's closing notice.
    EXPECT_EQ(mensaje.count("\r\n"), 1);
    EXPECT_EQ(cuenta().asLong(), 1) << "the first statement was not rolled back";

    const auto errores = db.rows("SELECT Proceso, Fecha, Error, Descripcion, sql, PC, Usuario FROM AUX_ERR");
    ASSERT_EQ(errores.size(), 1);
    EXPECT_EQ(errores[0][0].asString(), "comisiones");
    ASSERT_EQ(errores[0][1].type(), rt::VarType::Date);
    EXPECT_EQ(errores[0][1].asDate(), rt::DateTime::fromParts(2024, 3, 15, 14, 5, 9));
    EXPECT_EQ(errores[0][2].asLong(), 2627);
    // The description is made safe as every text of the error rows: apostrophes become acute accents.
    EXPECT_EQ(errores[0][3].asString(), QString(mensaje).replace(QLatin1Char('\''), QChar(0x00B4)));
    EXPECT_EQ(errores[0][4].asString(), script);
    EXPECT_EQ(errores[0][6].asString(), "ANA");

    // The connection is usable afterwards, outside any transaction.
    db.execute(insercion("C"));
    GActualizarDatoScript({insercion("D")}, fallo, numero, false, false, script, mensaje, true);
    EXPECT_FALSE(fallo);
    EXPECT_EQ(cuenta().asLong(), 3);
}

TEST_F(Script, ToleratedDuplicateIsRecordedWithoutTellingTheOperator)
{
    db.execute(insercion("B"));
    GActualizarDatoScript({insercion("B")}, fallo, numero, true, false, script, mensaje, true);
    EXPECT_TRUE(fallo);
    EXPECT_EQ(numero, 2627);
    EXPECT_TRUE(mensaje.startsWith("Violation of PRIMARY KEY constraint"));
    EXPECT_TRUE(dialogos.shown().empty());
    EXPECT_EQ(db.value("SELECT Descripcion FROM AUX_ERR").asString().trimmed(), QString());
}

TEST_F(Script, SilentCallerIsNotToldEither)
{
    GActualizarDatoScript({"INSERT INTO NO_HAY_TABLA (A) VALUES (1)"}, fallo, numero, false, false, script, mensaje,
                          false);
    EXPECT_TRUE(fallo);
    EXPECT_NE(numero, 0);
    EXPECT_FALSE(mensaje.isEmpty());
    EXPECT_TRUE(dialogos.shown().empty());
    EXPECT_EQ(db.value("SELECT COUNT(*) FROM AUX_ERR").asLong(), 1);
}

// A script that another program's lock held back past the time-out.
class ScriptBloqueado : public PruebaCore {
protected:
    ScriptBloqueado()
    {
        abrirBaseDemo();
        servidor.answerError("BEGIN TRANSACTION",
                             {ScriptedServer::providerError(1222, "HYT00", "Lock request time out period exceeded.")});
    }
    // The program's connections close while the scripted server they talk to is still there.
    ~ScriptBloqueado() override { reiniciarCore(); }

    ScriptedServer servidor;
};

TEST_F(ScriptBloqueado, TellsTheOperatorWithoutWaitingForTheSameLockToWriteItsErrorRow)
{
    dialogos.expectMsgBox(
        BoxMatch::text("1222 : Lock request time out period exceeded.\r\n").withTitle("Aviso al Operador!"));
    bool fallo = false;
    long numero = 0;
    QString script;
    QString mensaje;
    GActualizarDatoScript({"INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('A', 'v')"}, fallo, numero, false,
                          false, script, mensaje, true);
    EXPECT_TRUE(fallo);
    EXPECT_EQ(numero, 1222);
    EXPECT_EQ(servidor.count(ScriptedCall::Kind::Insert), 0);
    EXPECT_FALSE(servidor.statements().join(" ").contains("AUX_ERR", Qt::CaseInsensitive));
    EXPECT_TRUE(servidor.statements().contains("ROLLBACK TRANSACTION"));
}

TEST_F(Auditoria, ErrorRowTakesTheProgramNameForAnEmptyProcess)
{
    QString proceso;
    GrabarAuxErr("SELECT 1", proceso, 8152, "String or binary data would be truncated.");
    EXPECT_EQ(proceso, "comisiones");
    const auto errores = db.rows("SELECT Proceso, Error, Descripcion, sql FROM AUX_ERR");
    ASSERT_EQ(errores.size(), 1);
    EXPECT_EQ(errores[0][1].asLong(), 8152);
    EXPECT_EQ(errores[0][2].asString(), "String or binary data would be truncated.");
    EXPECT_EQ(errores[0][3].asString(), "SELECT 1");
}

} // namespace
