// Deleting a stored settlement from its four tables, on the fixture settlements.

#include "PruebaComandos.h"

#include "db/Conexiones.h"
#include "settlements/BorradoLiquidacion.h"

#include <gtest/gtest.h>

namespace {

const QStringList Tablas = {"V_COMISIONES_VENDEDOR_CAB", "V_COMISIONES_VENDEDOR_COB", "V_COMISIONES_VENDEDOR_APL",
                            "V_COMISIONES_VENDEDOR_DET"};

class BorradoLiquidacionPrueba : public PruebaComandos {
protected:
    // Rows of settlement `numero` in each of the four tables, header first.
    QList<int> filas(int numero)
    {
        QList<int> cuentas;
        for (const QString &tabla : Tablas)
            cuentas << filasDeLiquidacion(tabla, numero);
        return cuentas;
    }
};

TEST_F(BorradoLiquidacionPrueba, EveryTableLosesTheSettlementAndOnlyIt)
{
    const QList<int> otra = filas(7);
    ASSERT_EQ(filas(12), (QList<int>{1, 6, 5, 7}));
    QString error;
    EXPECT_TRUE(BorradoLiquidacion(*gBaseDatos).borrar("12", error)) << error.toStdString();
    EXPECT_EQ(filas(12), (QList<int>{0, 0, 0, 0}));
    EXPECT_EQ(filas(7), otra);
    EXPECT_EQ(filas(13), (QList<int>{1, 0, 0, 0}));
}

TEST_F(BorradoLiquidacionPrueba, AFailedStatementDeletesNothing)
{
    // Each table in turn refuses: whatever was deleted before it comes back.
    for (const QString &tabla : Tablas) {
        const std::string disparador = "CREATE TRIGGER bloqueo BEFORE DELETE ON " + tabla.toStdString()
                                       + " BEGIN SELECT RAISE(ABORT, 'tabla bloqueada'); END";
        ejecutarSQLite(disparador.c_str());
        QString error;
        EXPECT_FALSE(BorradoLiquidacion(*gBaseDatos).borrar("12", error)) << tabla.toStdString();
        EXPECT_TRUE(error.contains("tabla bloqueada")) << error.toStdString();
        EXPECT_EQ(filas(12), (QList<int>{1, 6, 5, 7})) << tabla.toStdString();
        EXPECT_EQ(gBaseDatos->gCnn.transactionDepth(), 0) << tabla.toStdString();
        ejecutarSQLite("DROP TRIGGER bloqueo");
    }
}

} // namespace
