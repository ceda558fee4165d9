// Failed writes and run-time errors during a build, on a scripted server: what is shown, what
// is still sent, and where the build ends.

#include "PruebaGenerador.h"

#include <gtest/gtest.h>

namespace {

using support::BoxMatch;

const QString Desde = QStringLiteral("01/03/2024");
const QString Hasta = QStringLiteral("31/03/2024");

class GeneradorFallos : public PruebaGeneradorGuionado {
protected:
    GeneradorComisiones::Fin construir()
    {
        QString desde = Desde;
        QString hasta = Hasta;
        QString vendedor;
        QString borrar;
        const auto fin = generador().GeneraComisionesNew(desde, hasta, vendedor, borrar);
        dialogos.verify();
        return fin;
    }

    // The settlement's collections as the split loop reads them.
    void guionarCobranzas(const QStringList &claves)
    {
        QList<QList<rt::Variant>> filas;
        for (const QString &clave : claves)
            filas.append({1, QStringLiteral("CB"), clave});
        servidor.answerRows(QStringLiteral("SELECT * FROM V_COMISIONES_VENDEDOR_COB WHERE IDLIQUIDACION = 1"),
                            ScriptedServer::rows(QStringList{"IdLiquidacion", "CbTc", "IdCobranza"}, filas));
    }

    // The build ran in one transaction that was rolled back, never committed.
    bool descartada() const
    {
        return servidor.count(ScriptedCall::Kind::BeginTrans) == 1
               && servidor.count(ScriptedCall::Kind::CommitTrans) == 0
               && servidor.count(ScriptedCall::Kind::RollbackTrans) == 1;
    }

    bool terminoConCierre() const
    {
        return ventana.llamadas.mid(ventana.llamadas.size() - 2)
               == QStringList{QStringLiteral("Detalleon(1)"), QStringLiteral("Inicializa")};
    }
};

TEST_F(GeneradorFallos, AFailedSplitUpdateIsShownAndTheNextCollectionStillSplit)
{
    guionarCobranzas({QStringLiteral("000100000001A"), QStringLiteral("000100000002A")});
    servidor.answerError(QStringLiteral("idcobranza = '000100000001A'"),
                         {errorDeEscritura(QStringLiteral("Sin espacio"))}, 1);
    dialogos.expectMsgBox(BoxMatch::text(QStringLiteral("Sin espacio")));
    esperarFinal();

    EXPECT_EQ(construir(), GeneradorComisiones::Fin::Cerrada);
    EXPECT_EQ(dialogos.shown().front().style, 0);
    EXPECT_EQ(dialogos.shown().front().title, ui::applicationTitle());
    const QStringList imputaciones = enviadas(QStringLiteral("UPDATE V_COMISIONES_VENDEDOR_COB SET Descuentos"));
    ASSERT_EQ(imputaciones.size(), 2);
    EXPECT_EQ(imputaciones[1],
              QStringLiteral("UPDATE V_COMISIONES_VENDEDOR_COB SET Descuentos = 0, Efectivo = 0,  Cheque = 0, "
                             "Tarjeta = 0, Banco = 0, Retenciones = 0, Otros = 0 where cbtc = 'CB' and "
                             "idcobranza = '000100000002A'"));
    // The build went on to the credit notes and the applied vouchers.
    EXPECT_EQ(enviadas(QStringLiteral("(tc = 'NC' or tc = 'NCFP' )")).size(), 1);
    EXPECT_EQ(enviadas(QStringLiteral("0 AS PagoParcial")).size(), 1);
    EXPECT_TRUE(ventana.estados.contains(QStringLiteral("Cargando cobranzas 2 de 2")));
    EXPECT_TRUE(terminoConCierre());
}

TEST_F(GeneradorFallos, AFailedApplicationInsertEndsTheBuildAfterItsMessage)
{
    const auto aplicacion = [](const char *cobranza, const char *comprobante) {
        return QList<rt::Variant>{1, "CB", cobranza, "FC", comprobante, 0, 0, ""};
    };
    servidor.answerRows(
        QStringLiteral("0 AS PagoParcial"),
        ScriptedServer::rows(
            QStringList{"1", "CbTc", "IdCobranza", "TC", "IdComprobante", "Comision", "PagoParcial", "Observaciones"},
            {aplicacion("000100000001A", "000100000101A"), aplicacion("000100000002A", "000100000102A")}));
    servidor.answerError(QStringLiteral(" INSERT INTO V_COMISIONES_VENDEDOR_APL ( IdLiquidacion"),
                         {errorDeEscritura(QStringLiteral("Clave duplicada"))});
    dialogos.expectMsgBox(BoxMatch::text(QStringLiteral("Clave duplicada")));
    esperarNadaGuardado();
    esperarFinal();

    EXPECT_EQ(construir(), GeneradorComisiones::Fin::Cerrada);
    EXPECT_EQ(enviadas(QStringLiteral(" delete V_COMISIONES_VENDEDOR_APL where idliquidacion = 1")).size(), 1);
    EXPECT_EQ(
        enviadas(QStringLiteral("INSERT INTO V_COMISIONES_VENDEDOR_APL")),
        QStringList{QStringLiteral(" INSERT INTO V_COMISIONES_VENDEDOR_APL ( IdLiquidacion, CbTc, IdCobranza, Tc, "
                                   "idComprobante, Comision, Observaciones )  values ( 1, 'CB', '000100000001A', 'FC', "
                                   "'000100000101A', 0, ''  )")});
    // Nothing of the later stages ran.
    EXPECT_TRUE(enviadas(QStringLiteral("VT_COMISIONES_LISTA_CB_DESCUENTO")).isEmpty());
    EXPECT_TRUE(enviadas(QStringLiteral("update V_COMISIONES_VENDEDOR_APL")).isEmpty());
    EXPECT_TRUE(descartada());
    EXPECT_TRUE(terminoConCierre());
}

TEST_F(GeneradorFallos, AFailedHeaderInsertEndsTheBuildBeforeAnyCollectionIsWritten)
{
    servidor.answerError(QStringLiteral(" INSERT INTO V_COMISIONES_VENDEDOR_CAB"),
                         {errorDeEscritura(QStringLiteral("Sin permiso"))});
    dialogos.expectMsgBox(BoxMatch::text(QStringLiteral("Sin permiso")));
    esperarNadaGuardado();
    esperarFinal();

    EXPECT_EQ(construir(), GeneradorComisiones::Fin::Cerrada);
    EXPECT_EQ(enviadas(QStringLiteral("INSERT INTO V_COMISIONES_VENDEDOR_CAB")),
              QStringList{QStringLiteral(
                  " INSERT INTO V_COMISIONES_VENDEDOR_CAB (IdLiquidacion,FECHA_DESDE,FECHA_HASTA,USUARIO ) "
                  "VALUES (1,'01/03/2024','31/03/2024','ADMIN')")});
    EXPECT_TRUE(enviadas(QStringLiteral("INSERT INTO V_COMISIONES_VENDEDOR_COB")).isEmpty());
    EXPECT_TRUE(descartada());
    EXPECT_TRUE(terminoConCierre());
}

// A connection lost half way takes the build's transaction with it: the build must not reconnect
// and store its rest on a new connection, but end as a failed write does, with nothing stored.
TEST_F(GeneradorFallos, ALostConnectionEndsTheBuildWithoutReconnecting)
{
    servidor.answerError(QStringLiteral(" INSERT INTO V_COMISIONES_VENDEDOR_COB"), {ScriptedServer::lostConnection()});
    const int aperturas = servidor.count(ScriptedCall::Kind::Open);
    dialogos.expectMsgBox(BoxMatch::text(ScriptedServer::lostConnection().Description));
    esperarNadaGuardado();
    esperarFinal();

    EXPECT_EQ(construir(), GeneradorComisiones::Fin::Cerrada);
    EXPECT_EQ(servidor.count(ScriptedCall::Kind::Open), aperturas);
    EXPECT_EQ(enviadas(QStringLiteral("INSERT INTO V_COMISIONES_VENDEDOR_COB")).size(), 1);
    // Nothing after the lost statement reached the server but the rollback.
    const QList<ScriptedCall> &llamadas = servidor.calls();
    qsizetype perdida = -1;
    for (qsizetype i = 0; i < llamadas.size(); ++i) {
        if (llamadas.at(i).text.contains(QStringLiteral("INSERT INTO V_COMISIONES_VENDEDOR_COB")))
            perdida = i;
    }
    ASSERT_GE(perdida, 0);
    for (qsizetype i = perdida + 1; i < llamadas.size(); ++i)
        EXPECT_EQ(llamadas.at(i).kind, ScriptedCall::Kind::RollbackTrans) << llamadas.at(i).text.toStdString();
    EXPECT_EQ(servidor.count(ScriptedCall::Kind::CommitTrans), 0);
    EXPECT_TRUE(terminoConCierre());
}

// A query that does not open is reported by the connection; reading it then raises error 3704,
// which the build's error dialog answers.
class GeneradorErrorDeLectura : public GeneradorFallos {
protected:
    void SetUp() override
    {
        servidor.answerError(QStringLiteral("from VT_COMISIONES_LISTA_CB_DESCUENTO"),
                             {ScriptedServer::providerError(208, QStringLiteral("42S02"),
                                                            QStringLiteral("Invalid object name"), -2147217865)});
        dialogos.expectMsgBox(BoxMatch::textContaining(QStringLiteral("Invalid object name")), ui::vbIgnore);
        dialogos.expectMsgBox(BoxMatch::textContaining(QStringLiteral("Ha ocurrido el Siguiente Error (3704)")),
                              ui::vbRetry);
    }
};

TEST_F(GeneradorErrorDeLectura, LeavingThroughTheDialogSkipsTheClosingStep)
{
    dialogos.expectMsgBox(BoxMatch::textContaining(QStringLiteral("(3704)")), ui::vbAbort);
    esperarNadaGuardado();

    EXPECT_EQ(construir(), GeneradorComisiones::Fin::Abandonada);
    EXPECT_EQ(ventana.veces(QStringLiteral("Detalleon(1)")), 0);
    EXPECT_TRUE(enviadas(QStringLiteral("ABS(A.TOTALCOBRADO)")).isEmpty());
    EXPECT_EQ(ventana.estados.last(), QStringLiteral("Cargando detalle 0"));
    EXPECT_TRUE(descartada());
}

TEST_F(GeneradorErrorDeLectura, IgnoringGoesOnWithTheNextStatement)
{
    dialogos.expectMsgBox(BoxMatch::textContaining(QStringLiteral("(3704)")), ui::vbIgnore);
    esperarFinal();

    EXPECT_EQ(construir(), GeneradorComisiones::Fin::Cerrada);
    EXPECT_EQ(enviadas(QStringLiteral("from VT_COMISIONES_LISTA_CB_DESCUENTO")).size(), 1);
    EXPECT_TRUE(enviadas(QStringLiteral(" delete V_COMISIONES_VENDEDOR_DET")).isEmpty());
    EXPECT_EQ(enviadas(QStringLiteral("GROUP BY CbTc,IdCobranza")).size(), 1);
    EXPECT_TRUE(terminoConCierre());
}

} // namespace
