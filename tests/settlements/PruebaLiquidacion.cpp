#include "PruebaLiquidacion.h"

#include "db/Conexiones.h"
#include "session/CarpetasPrograma.h"
#include "support/PruebaCore.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const char *const Vendedores = R"(
INSERT INTO V_TA_VENDEDORES (IdVendedor, Nombre) VALUES ('0001', 'ALVAREZ ANA');
INSERT INTO V_TA_VENDEDORES (IdVendedor, Nombre) VALUES ('0002', 'BENITEZ BRUNO');
INSERT INTO V_TA_VENDEDORES (IdVendedor, Nombre) VALUES ('0003', 'CASTRO CARLA');
INSERT INTO V_TA_VENDEDORES (IdVendedor, Nombre) VALUES ('0004', 'DIAZ DARIO');
)";

const char *const Cabeceras = R"(
INSERT INTO V_COMISIONES_VENDEDOR_CAB (IdLiquidacion, FECHA_DESDE, FECHA_HASTA, USUARIO) VALUES (7, '01/01/2024', '31/01/2024', 'DEMO');
INSERT INTO V_COMISIONES_VENDEDOR_CAB (IdLiquidacion, FECHA_DESDE, FECHA_HASTA, USUARIO) VALUES (12, '01/03/2024', '31/03/2024', 'DEMO');
INSERT INTO V_COMISIONES_VENDEDOR_CAB (IdLiquidacion, FECHA_DESDE, FECHA_HASTA, USUARIO) VALUES (13, '01/04/2024', '30/04/2024', 'DEMO');
)";

// Columns: settlement, type, number, date, collected, commission, salesperson, discounts, cash,
// cheque, card, bank, retentions, others, remarks.
const char *const Cobranzas = R"(
INSERT INTO V_COMISIONES_VENDEDOR_COB VALUES (12, 'CB', '000100000010X', '05/03/2024', 1500.50, 75.25, '0001', 0, 1000.50, 500, 0, 0, 0, 0, '');
INSERT INTO V_COMISIONES_VENDEDOR_COB VALUES (12, 'CB', '000100000011X', '02/03/2024', 2000, 100, '0001', 10, 0, 0, 1990, 0, 0, 0, NULL);
INSERT INTO V_COMISIONES_VENDEDOR_COB (IdLiquidacion, CbTc, IdCobranza, FechaCob, TotalCobrado, Comision, idVendedor, Observaciones)
    VALUES (12, 'NC', '000200000003A', '20/03/2024', -300, 0, '0001', 'Cancelacion total comprobante   ');
INSERT INTO V_COMISIONES_VENDEDOR_COB VALUES (12, 'CBCT', '000100000020X', '10/03/2024', 1234567.89, 61728.39, '0002', 0, 0, 0, 0, 1234567.89, 0, 0, '');
INSERT INTO V_COMISIONES_VENDEDOR_COB VALUES (12, 'CB', '000100000030X', '11/03/2024', 50, 2.5, '0003', 0, 40, 0, 0, 0, 7.5, 2.5, '');
INSERT INTO V_COMISIONES_VENDEDOR_COB VALUES (12, 'CB', '000100000040X', '12/03/2024', 80, 4, '0099', 0, 80, 0, 0, 0, 0, 0, '');
INSERT INTO V_COMISIONES_VENDEDOR_COB VALUES (7, 'CB', '000100000001X', '15/01/2024', 999, 9, '0001', 0, 999, 0, 0, 0, 0, 0, '');
)";

// The first line of each collection's entry names the customer; its other lines do not count.
const char *const Asientos = R"(
INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA, "DEBE-HABER", Fecha, Importe, idVendedor, Detalle)
    VALUES ('CB', '0001', '00000010', 'X', 1, 'H', '05/03/2024', 1500.50, '0001', 'CLIENTE UNO SA');
INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA, "DEBE-HABER", Fecha, Importe, idVendedor, Detalle)
    VALUES ('CB', '0001', '00000010', 'X', 2, 'D', '05/03/2024', 1000.50, '0001', 'EFECTIVO');
INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA, "DEBE-HABER", Fecha, Importe, idVendedor, Detalle)
    VALUES ('CB', '0001', '00000011', 'X', 1, 'H', '02/03/2024', 2000, '0001', 'CLIENTE DOS SRL');
)";

} // namespace

QList<QStringList> filasDe(const QTreeWidget &lista)
{
    QList<QStringList> filas;
    for (int i = 0; i < lista.topLevelItemCount(); ++i) {
        QStringList textos;
        for (int c = 0; c < lista.columnCount(); ++c)
            textos << lista.topLevelItem(i)->text(c);
        filas << textos;
    }
    return filas;
}

QStringList encabezadosDe(const QTreeWidget &lista)
{
    QStringList textos;
    for (int c = 0; c < lista.columnCount(); ++c)
        textos << lista.headerItem()->text(c);
    return textos;
}

PruebaLiquidacion::PruebaLiquidacion()
{
    for (const char *texto : {Vendedores, Cabeceras, Cobranzas, Asientos})
        db.execute(QString::fromUtf8(texto));
    setCarpetaEscritura(temporal.path());
    abrirBaseDemo(temporal.filePath(QStringLiteral("QVERR.LOG")));
}

PruebaLiquidacion::~PruebaLiquidacion()
{
    gBaseDatos.reset();
    gBaseEstadisticas.reset();
    setCarpetaEscritura(QString());
}
