// The demo's edge cases settled month by month, at the smallest scale and at a larger one with
// another seed: their figures, worked out by hand from the catalogue, never change.
//
// Prices are list 0001's unless said; VAT 21 % (A006, A008, A010, A001, A013, A015, A016) or
// 10.5 % (A002, A003); a rate is 2 % + 0.5 % per step of the article's place modulo 7, 0.5 % less
// on list 0002; a line earns its rate on its net amount, no collection having a discount.
// - "cb" of KIOSCO SAN JOSE (0005) pays "fc": A002 5 x 980 (net 4,900, VAT 514.50, 2.5 %: 122.50)
//   and A006 3 x 640 (1,920 + 403.20, 4.5 %: 86.40): 7,737.70, in petty cash 5,000 (class "ef")
//   and by wallet 2,737.70 (class "BV": Otros). Commission 208.90.
// - "CB  " of ALMACEN LA ESQUINA (0001) pays "FC  ": A003 2 x 760 twice (1,520 + 159.60 each,
//   3 %: 45.60 each), A008 1 x 1,780 (+ 373.80, 2 %: 35.60) and A008 3 x 1,780 (5,340 + 1,121.40,
//   2 %: 106.80): 11,974.40, by bank 10,000 (class "Db") and 1,974.40 on an account missing from
//   the chart, which the split does not read. One A003 line is zeroed: commission 188.
// - CB 8,000 cash and CBCT 6,353.02 bank, the same day, of PANADERIA O'HIGGINS (0007, D'ANGELO
//   LUCIA, list 0002) pay A001 2 x 2,565 (5,130 + 1,077.30, 1.5 %: 76.95) and A013 4 x 1,683
//   (6,732 + 1,413.72, 4 %: 269.28): 14,353.02, commission 346.23, recorded with the CB.
// - March: NC of FERRETERIA LOS ALAMOS (0002) returns one A016 (4,380 + 919.80 = 5,299.80, 2.5 %:
//   -109.50) and is applied for half, 2,649.90, to the invoice A015 1 x 12,490 (+ 2,622.90, 2 %:
//   249.80) and A016 2 x 4,380 (8,760 + 1,839.60, 2.5 %: 219) of 25,712.50; a CB pays the rest,
//   23,062.60 cash, and earns 468.80. The note keeps its total and commission, negated.
// - April: a CB without salesperson of LIBRERIA LA ESQUINA pays A010 1 x 3,560 (+ 747.60, 3 %:
//   106.80) with 4,307.60 cash.

#include "DemoSettlement.h"

#include "demo/DemoDatabase.h"
#include "platform/runtime/Conversions.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

// The rows of a query, values joined by "|", numbers with a point and no trailing zeros.
QStringList textRows(TestDatabase &db, const QString &query)
{
    QStringList texts;
    for (const auto &row : db.rows(query)) {
        QStringList values;
        for (const rt::Variant &value : row)
            values.append(value.isNumber() ? QString::number(rt::CDbl(value), 'g', 15) : rt::CStr(value));
        texts.append(values.join(QLatin1Char('|')));
    }
    return texts;
}

// The settlement rows of the cases' collections and credit notes, by date and type: the type as
// stored, customer, salesperson, collected, discounts, cash, cheque, card, bank, retentions,
// others, commission, remarks.
const char *const Collections =
    "SELECT c.CbTc, m.Detalle, c.idVendedor, c.TotalCobrado, c.Descuentos, c.Efectivo, c.Cheque, c.Tarjeta, c.Banco, "
    "c.Retenciones, c.Otros, c.Comision, c.Observaciones FROM V_COMISIONES_VENDEDOR_COB c JOIN MV_ASIENTOS m ON m.TC = "
    "c.CbTc AND m.SUCURSAL + m.NUMERO + m.LETRA = c.IdCobranza AND m.SECUENCIA = 1 WHERE m.Detalle + '|' + "
    "CONVERT(varchar(10), m.Fecha, 103) IN ('KIOSCO SAN JOSE|07/03/2024', 'ALMACEN LA ESQUINA|14/03/2024', "
    "'FERRETERIA LOS ALAMOS|17/03/2024', 'FERRETERIA LOS ALAMOS|24/03/2024', 'PANADERIA O''HIGGINS|21/03/2024', "
    "'KIOSCO SAN JOSE|07/04/2024', 'LIBRERIA LA ESQUINA|10/04/2024', 'ALMACEN LA ESQUINA|14/04/2024', "
    "'PANADERIA O''HIGGINS|21/04/2024') ORDER BY c.FechaCob, c.CbTc";

TEST(DemoEdgeCases, SettleToTheFiguresWorkedOutByHandAtEveryScale)
{
    // "*": see below.
    const QStringList esperadas = {
        "cb|KIOSCO SAN JOSE|0005|7737.7|0|5000|0|0|0|0|2737.7|208.9|",
        "CB  |ALMACEN LA ESQUINA|0001|11974.4|0|0|0|0|10000|0|0|188|",
        "NC|FERRETERIA LOS ALAMOS|0002|-5299.8|0|0|0|0|0|0|0|-109.5|",
        "CB|PANADERIA O'HIGGINS|0007|8000|0|8000|0|0|0|0|0|*|",
        "CBCT|PANADERIA O'HIGGINS|0007|6353.02|0|0|0|0|6353.02|0|0|*|",
        "CB|FERRETERIA LOS ALAMOS|0002|23062.6|0|23062.6|0|0|0|0|0|468.8|",
        "cb|KIOSCO SAN JOSE|0005|7737.7|0|5000|0|0|0|0|2737.7|208.9|",
        "CB|LIBRERIA LA ESQUINA||4307.6|0|4307.6|0|0|0|0|0|106.8|",
        "CB  |ALMACEN LA ESQUINA|0001|11974.4|0|0|0|0|10000|0|0|188|",
        "CB|PANADERIA O'HIGGINS|0007|8000|0|8000|0|0|0|0|0|*|",
        "CBCT|PANADERIA O'HIGGINS|0007|6353.02|0|0|0|0|6353.02|0|0|*|",
    };
    for (const auto &[collections, seed] :
         {std::pair{demo::MinimumCollections, quint64{1}}, std::pair{80, quint64{9}}}) {
        TestDatabase db;
        db.fillDemo(collections, seed);
        buildSettlement(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
        buildSettlement(QStringLiteral("01/04/2024"), QStringLiteral("30/04/2024"));
        QStringList filas = textRows(db, QString::fromLatin1(Collections));
        ASSERT_EQ(filas.size(), esperadas.size()) << filas.join(QLatin1Char('\n')).toStdString();
        // Which of the two collections of one day keeps the invoice's lines is the detail's
        // insertion order; together they earn its 346.23.
        for (const int par : {3, 9}) {
            const auto comision = [&](int fila) { return filas[fila].section(QLatin1Char('|'), 11, 11).toDouble(); };
            EXPECT_NEAR(comision(par) + comision(par + 1), 346.23, 0.001) << collections;
            for (const int fila : {par, par + 1})
                filas[fila] = filas[fila].section(QLatin1Char('|'), 0, 10) + QStringLiteral("|*|");
        }
        EXPECT_EQ(filas, esperadas) << collections;

        // The invoice of the two collections of one day is recorded once, with the CB.
        EXPECT_EQ(
            textRows(db, QStringLiteral("SELECT a.CbTc, a.Comision FROM V_COMISIONES_VENDEDOR_APL a JOIN V_MV_CPTE "
                                        "h ON h.TC = a.Tc AND h.IdComprobante = a.idComprobante WHERE h.Nombre = "
                                        "'PANADERIA O''HIGGINS' AND h.Fecha IN ('15/03/2024', '15/04/2024')")),
            (QStringList{"CB|346.23", "CB|346.23"}))
            << collections;
        // March's repeated A003 line keeps its commission once; the lines equal but for the
        // quantity keep theirs.
        EXPECT_EQ(textRows(db, QStringLiteral("SELECT d.Tc, d.IdArticulo, d.Cantidad, d.Comision, d.ImporteComision "
                                              "FROM V_COMISIONES_VENDEDOR_DET d JOIN V_MV_CPTE h ON h.TC = d.Tc AND "
                                              "h.IdComprobante = d.IdComprobante WHERE h.Nombre = 'ALMACEN LA "
                                              "ESQUINA' AND h.Fecha = '11/03/2024' ORDER BY d.IdArticulo, "
                                              "d.Cantidad, d.Id")),
                  (QStringList{"FC  |A003|2|0|0", "FC  |A003|2|3|45.6", "FC  |A008|1|2|35.6", "FC  |A008|3|2|106.8"}))
            << collections;
    }
}

} // namespace
