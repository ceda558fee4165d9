#include "PruebaComandos.h"

#include "platform/runtime/Conversions.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

const char *const Comprobantes = R"(
INSERT INTO V_MV_CPTE (TC, IdComprobante, Fecha, Nombre, NetoGravado, NetoNoGravado, Importe)
    VALUES ('FC', '000100000101A', '01/03/2024', 'CLIENTE DOS SRL', 1000, 200, 1410);
INSERT INTO V_MV_CPTE (TC, IdComprobante, Fecha, Nombre, NetoGravado, NetoNoGravado, Importe)
    VALUES ('FC', '000100000102A', '15/02/2024', 'CLIENTE DOS SRL', 500, 0, 605);
INSERT INTO V_MV_CPTE (TC, IdComprobante, Fecha, Nombre, NetoGravado, NetoNoGravado, Importe)
    VALUES ('FC', '000100000103A', '28/02/2024', 'CLIENTE UNO SA', 1240.08, 0, 1500.50);
INSERT INTO V_MV_CPTE (TC, IdComprobante, Fecha, Nombre, NetoGravado, NetoNoGravado, Importe)
    VALUES ('NC', '000200000003A', '20/03/2024', 'CLIENTE UNO SA', 247.93, 0, 300);
INSERT INTO V_MV_CPTE (TC, IdComprobante, Fecha, Nombre, NetoGravado, NetoNoGravado, Importe)
    VALUES ('FC', '000100000104A', '09/03/2024', 'O''HARA SA', 1020304.04, 0, 1234567.89);
INSERT INTO V_MV_CPTE (TC, IdComprobante, Fecha, Nombre, NetoGravado, NetoNoGravado, Importe)
    VALUES ('FC', '000100000090A', '10/01/2024', 'CLIENTE UNO SA', 900, 0, 999);
INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion) VALUES ('A001', 'ARTICULO UNO');
INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion) VALUES ('A002', 'ARTICULO DOS');
INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion) VALUES ('A003', 'ARTICULO TRES');
INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion) VALUES ('   A005', 'ARTICULO CINCO');
)";

const char *const Aplicaciones = R"(
INSERT INTO V_COMISIONES_VENDEDOR_APL VALUES (12, 'CB', '000100000011X', 'FC', '000100000102A', 15, '');
INSERT INTO V_COMISIONES_VENDEDOR_APL VALUES (12, 'CB', '000100000011X', 'FC', '000100000101A', 85, '');
INSERT INTO V_COMISIONES_VENDEDOR_APL VALUES (12, 'CB', '000100000010X', 'FC', '000100000103A', 75.25, '');
INSERT INTO V_COMISIONES_VENDEDOR_APL (IdLiquidacion, CbTc, IdCobranza, Tc, idComprobante)
    VALUES (12, 'NC', '000200000003A', 'NC', '000200000003A');
INSERT INTO V_COMISIONES_VENDEDOR_APL VALUES (12, 'CBCT', '000100000020X', 'FC', '000100000104A', 61728.39, '');
INSERT INTO V_COMISIONES_VENDEDOR_APL VALUES (7, 'CB', '000100000001X', 'FC', '000100000090A', 9, '');
)";

// Columns: settlement, type, number, article, quantity, sale with VAT, VAT rate, sale, discount
// %, net, commission, commission %, list, collection type, collection number.
const char *const Detalle = R"(
INSERT INTO V_COMISIONES_VENDEDOR_DET (IdLiquidacion, Tc, IdComprobante, IdArticulo, Cantidad, ValorVtaConIVA, AlicuotaIVA,
    ValorVenta, PorcDescuentoCobranza, ImporteNeto, ImporteComision, Comision, IdLista, cbtc, idcobranza) VALUES
    (12, 'FC', '000100000101A', 'A001', 2, 605, 21, 500, 0, 500, 50, 10, '0001', 'CB', '000100000011X'),
    (12, 'FC', '000100000101A', 'A002', 1, 847, 21, 700, 0, 700, 35, 5, '0001', 'CB', '000100000011X'),
    (12, 'FC', '000100000102A', 'A003', 3, 363, 21, 300, 0, 300, 15, 5, '0001', 'CB', '000100000011X'),
    (12, 'FC', '000100000102A', 'A004', 1, 242, 21, 200, 0, 200, 0, 0, '0001', 'CB', '000100000011X'),
    (12, 'FC', '000100000103A', '   A005', 1, 1500.50, 21, 1240.08, 2.5, 1209.08, 75.25, 6.22, '0001', 'CB', '000100000010X'),
    (12, 'NC', '000200000003A', 'A001', 1, -300, 21, -247.93, 0, -247.93, 0, 0, '0001', 'NC', '000200000003A'),
    (12, 'FC', '000100000104A', 'A002', 1, 1234567.89, 21, 1020304.04, 0, 1020304.04, 61728.39, 6.05, '0001', 'CBCT', '000100000020X'),
    (7, 'FC', '000100000090A', 'A001', 1, 999, 21, 900, 0, 900, 9, 1, '0001', 'CB', '000100000001X');
)";

} // namespace

PruebaComandos::PruebaComandos()
{
    for (const char *texto : {Comprobantes, Aplicaciones, Detalle})
        db.execute(QString::fromUtf8(texto));
}

int PruebaComandos::filasDeLiquidacion(const QString &tabla, int numero)
{
    return rt::CLng(
        db.value(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE IdLiquidacion = %2").arg(tabla).arg(numero)));
}

void PruebaComandos::ejecutarSQLite(const char *sql)
{
    sqlite3 *base = nullptr;
    ASSERT_EQ(sqlite3_open(db.path().toUtf8().constData(), &base), SQLITE_OK);
    char *mensaje = nullptr;
    const int resultado = sqlite3_exec(base, sql, nullptr, nullptr, &mensaje);
    EXPECT_EQ(resultado, SQLITE_OK) << (mensaje ? mensaje : "");
    sqlite3_free(mensaje);
    sqlite3_close(base);
}
