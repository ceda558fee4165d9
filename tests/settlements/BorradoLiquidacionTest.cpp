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

TEST_F(BorradoLiquidacionPrueba, AFailedStatementStopsTheRestAndKeepsTheHeader)
{
    ejecutarSQLite("CREATE TRIGGER bloqueo BEFORE DELETE ON V_COMISIONES_VENDEDOR_APL "
                   "BEGIN SELECT RAISE(ABORT, 'aplicaciones bloqueadas'); END");
    QString error;
    EXPECT_FALSE(BorradoLiquidacion(*gBaseDatos).borrar("12", error));
    EXPECT_TRUE(error.contains("aplicaciones bloqueadas")) << error.toStdString();
    EXPECT_EQ(filas(12), (QList<int>{1, 6, 5, 0})) << "the lines went first; the rest stays deletable";
}

} // namespace
