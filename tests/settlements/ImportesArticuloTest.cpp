// The per-article commission figures, read from the commission view on the generator's fixture
// month, whose collections and vouchers are worked out in PruebaGenerador.h.

#include "PruebaGenerador.h"

#include "db/Conexiones.h"
#include "settlements/ImportesArticulo.h"

#include <gtest/gtest.h>

namespace {

class ImportesArticuloPrueba : public PruebaGenerador {
protected:
    ImportesArticuloPrueba() { cargarMarzo(); }

    ImportesArticulo obtener(const QString &articulo, const QString &tc, int comprobante, double totalFactura)
    {
        ImportesArticulo importes;
        importes.listaCB = QStringLiteral("resto de una llamada anterior");
        importes.ImporteNeto = rt::Currency::fromDouble(99);
        ObtenerImportesArticulo(*gBaseDatos, articulo, tc, clave(comprobante), rt::Currency::fromDouble(totalFactura),
                                importes);
        return importes;
    }

    static double d(rt::Currency importe) { return importe.toDouble(); }
};

TEST_F(ImportesArticuloPrueba, TwoCollectionsOfOneVoucherAddUpAndAreListed)
{
    const ImportesArticulo importes = obtener("A002", "FC", 103, 300);
    EXPECT_DOUBLE_EQ(d(importes.ImporteCobrado), 300);
    EXPECT_DOUBLE_EQ(d(importes.TotalCobradoCDto), 300);
    EXPECT_DOUBLE_EQ(d(importes.ImporteDescuento), 0);
    EXPECT_DOUBLE_EQ(d(importes.ImporteNeto), 600) << "each collection carries the whole line";
    EXPECT_DOUBLE_EQ(d(importes.importecomision), 30);
    EXPECT_FALSE(importes.PagoParcial) << "collected equals the voucher's total";
    EXPECT_DOUBLE_EQ(d(importes.PorcDtoTotal), 0);
    const QStringList entradas = importes.listaCB.split(QLatin1Char('|'));
    ASSERT_EQ(entradas.size(), 2) << importes.listaCB.toStdString();
    EXPECT_TRUE(entradas.contains("CB - 000100000003A,100,0,100,0,10/03/2024")) << importes.listaCB.toStdString();
    EXPECT_TRUE(entradas.contains("CB - 000100000004A,200,0,200,0,12/03/2024")) << importes.listaCB.toStdString();
}

TEST_F(ImportesArticuloPrueba, TheDiscountShareIsTakenOverWhatWasCollectedWithIt)
{
    const ImportesArticulo importes = obtener("A001", "FC", 102, 1000);
    EXPECT_DOUBLE_EQ(d(importes.TotalCobradoCDto), 3000) << "three lines of the article, one collection";
    EXPECT_DOUBLE_EQ(d(importes.ImporteDescuento), 300);
    EXPECT_DOUBLE_EQ(d(importes.ImporteCobrado), 2700);
    EXPECT_DOUBLE_EQ(d(importes.ImporteNeto), 1620);
    EXPECT_DOUBLE_EQ(d(importes.importecomision), 162);
    EXPECT_DOUBLE_EQ(d(importes.PorcDtoTotal), 10);
    EXPECT_EQ(importes.listaCB.count(QLatin1Char('|')), 2);
    EXPECT_FALSE(importes.listaCB.endsWith(QLatin1Char('|')));
}

TEST_F(ImportesArticuloPrueba, LessCollectedThanTheVoucherIsAPartialPayment)
{
    struct Caso {
        double totalFactura;
        bool parcial;
    };
    for (const Caso &caso : {Caso{500, true}, Caso{200.01, true}, Caso{200, false}, Caso{150, false}}) {
        SCOPED_TRACE(caso.totalFactura);
        const ImportesArticulo importes = obtener("A001", "FC", 104, caso.totalFactura);
        EXPECT_DOUBLE_EQ(d(importes.ImporteCobrado), 200);
        EXPECT_EQ(importes.PagoParcial, caso.parcial);
    }
}

TEST_F(ImportesArticuloPrueba, WithoutRowsEverythingIsZeroAndAnyTotalIsPartlyPaid)
{
    const ImportesArticulo importes = obtener("A999", "FC", 101, 100);
    for (rt::Currency importe : {importes.ImporteCobrado, importes.ImporteDescuento, importes.TotalCobradoCDto,
                                 importes.ImporteNeto, importes.importecomision, importes.PorcDtoTotal})
        EXPECT_DOUBLE_EQ(d(importe), 0);
    EXPECT_TRUE(importes.listaCB.isEmpty());
    EXPECT_TRUE(importes.PagoParcial);
}

TEST_F(ImportesArticuloPrueba, ANegativeCollectedTotalGivesNoDiscountShare)
{
    // Collection 3 now carries -400 with a 1 % discount (-4); collection 4 still 200: -200 in all.
    db.execute("UPDATE MV_APLICACION SET IMPORTE = -400 WHERE TC = 'CB' AND Numero = '00000003'");
    db.execute("INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA, [DEBE-HABER], Fecha, Importe, Cuenta) "
               "VALUES ('CB', '0001', '00000003', 'A', 3, 'D', '10/03/2024', 1, '4.1.9')");
    const ImportesArticulo importes = obtener("A002", "FC", 103, 300);
    EXPECT_DOUBLE_EQ(d(importes.TotalCobradoCDto), -200);
    EXPECT_DOUBLE_EQ(d(importes.ImporteDescuento), -4);
    EXPECT_DOUBLE_EQ(d(importes.PorcDtoTotal), 0);
}

TEST_F(ImportesArticuloPrueba, AnArticleOfDigitsIsBroughtToItsStoredWidthAndTheKeysAreTrimmed)
{
    db.execute(
        "INSERT INTO V_MV_CPTEINSUMOS (TC, IdComprobante, IdComplemento, IdArticulo, Cantidad, Importe_S_IVA, Total, "
        "alicIva, IdLista) VALUES ('FC', '"
        + clave(103) + "', 0, '" + QString(23, QLatin1Char('0')) + "12', 1, 40, 48.4, 21, '0001')");
    ImportesArticulo importes;
    ObtenerImportesArticulo(*gBaseDatos, "12", " FC ", " " + clave(103) + " ", rt::Currency::fromDouble(300), importes);
    EXPECT_DOUBLE_EQ(d(importes.ImporteNeto), 80) << "one line of 40, carried by two collections";
    EXPECT_DOUBLE_EQ(d(importes.importecomision), 0) << "the article has no rate";
}

TEST_F(ImportesArticuloPrueba, APercentageIsRoundedToTwoDecimals)
{
    db.execute("INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA, [DEBE-HABER], Fecha, Importe, Cuenta) "
               "VALUES ('CB', '0001', '00000003', 'A', 3, 'D', '10/03/2024', 1, '4.1.9')");
    const ImportesArticulo importes = obtener("A002", "FC", 103, 300);
    // One collection of 100 with a 1 % discount, the other of 200 without: 1 of 300.
    EXPECT_DOUBLE_EQ(d(importes.ImporteDescuento), 1);
    EXPECT_DOUBLE_EQ(d(importes.PorcDtoTotal), 0.33);
}

} // namespace
