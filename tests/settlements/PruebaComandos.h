#pragma once

#include "PruebaLiquidacion.h"

// The stored settlements of PruebaLiquidacion with their applied vouchers, article lines, the
// vouchers themselves and the articles, figures worked out by hand:
//
// Settlement 12, salesperson "0001":
//   CB 000100000010X paid FC 000100000103A (28/02/2024, CLIENTE UNO SA, net 1.240,08, total
//     1.500,50, commission 75,25): one line of article "   A005" with a 2,5 % collection
//     discount;
//   CB 000100000011X paid FC 000100000101A (01/03/2024, CLIENTE DOS SRL, net 1.000 + 200,
//     total 1.410, commission 85: A001 2 x 250 at 10 %, A002 1 x 700 at 5 %) and
//     FC 000100000102A (15/02/2024, net 500, total 605, commission 15: A003 3 x 100 at 5 %,
//     A004 1 x 200 without rate and without an article row);
//   the credit note NC 000200000003A (20/03/2024, net 247,93, total 300) applied to itself,
//     its line A001 cancelled.
// Settlement 12, salesperson "0002": CBCT 000100000020X paid FC 000100000104A (O'HARA SA).
// Settlement 12, salesperson "0003": a collection that paid nothing.
// Settlement 7, salesperson "0001": CB 000100000001X paid FC 000100000090A (one line of A001).
class PruebaComandos : public PruebaLiquidacion {
protected:
    PruebaComandos();

    // Runs SQLite's own text on the database file, beside the program's connection (to set up
    // what T-SQL cannot say, such as a trigger that makes a statement fail).
    void ejecutarSQLite(const char *sql);

    // Rows of one of the settlement tables for one settlement.
    int filasDeLiquidacion(const QString &tabla, int numero);
};
