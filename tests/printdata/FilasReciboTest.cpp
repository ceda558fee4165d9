// How a receipt pairs its applied documents with its means of payment row by row, and what the
// frame adds around them: other vouchers applied, blank rows, copies and header amounts.

#include "PruebaRecibos.h"

#include "session/Sesion.h"

#include <gtest/gtest.h>

namespace {

// An entry line as "account amount" (side D), or "H account amount".
struct Pareo {
    const char *nombre;
    int documentos; // applied invoices FC 101, 102 ... of 100,00 each
    std::vector<const char *> lineas;
    QStringList esperadas; // COLUMNA2|COLUMNA4|COLUMNA8 of each row
};

void PrintTo(const Pareo &caso, std::ostream *os)
{
    *os << caso.nombre;
}

class FilasRecibo : public PruebaRecibos, public ::testing::WithParamInterface<Pareo> { };

TEST_P(FilasRecibo, PairDocumentsWithMeansOfPayment)
{
    const Pareo &caso = GetParam();
    for (int i = 1; i <= caso.documentos; ++i) {
        cabecera(QStringLiteral("V_MV_CPTE"), QStringLiteral("FC"), 100 + i, QStringLiteral("01/03/2024"),
                 QStringLiteral("100"));
        aplicar(QStringLiteral("CB"), 1, QStringLiteral("FC"), 100 + i, QStringLiteral("100"));
    }
    int secuencia = 0;
    for (const char *texto : caso.lineas) {
        QStringList partes = QString::fromLatin1(texto).split(QLatin1Char(' '));
        const QString lado = partes.size() == 3 ? partes.takeFirst() : QStringLiteral("D");
        linea(QStringLiteral("CB"), 1, ++secuencia, lado, partes[0], partes[1]);
    }
    const QStringList formulas = generar(QStringLiteral("CB"), 1);
    EXPECT_EQ(filas(QStringLiteral("COLUMNA2, COLUMNA4, COLUMNA8")), caso.esperadas);
    EXPECT_EQ(formulas.size(), caso.esperadas.isEmpty() ? 1 : 12);
    if (formulas.size() == 12) {
        EXPECT_EQ(formulas[2], QStringLiteral("Prm_ImporteAplicado = '%1.00'").arg(caso.documentos * 100));
    }
}

const Pareo Pareos[] = {
    {"MoreDocumentsThanLines",
     3,
     {"H CLI 300", "EF1 200", "CH1 100"},
     {"FC-000100000101X|Caja|200,00", "FC-000100000102X|Valores a depositar|100,00", "FC-000100000103X|~|~"}},
    {"MoreLinesThanDocuments",
     1,
     {"EF1 100", "EF1 50", "TJ1 25"},
     {"FC-000100000101X|Caja|100,00", "~|Caja|50,00", "~|TARJETAS(Propio)|25,00"}},
    {"EqualCountsLeadByDocuments",
     2,
     {"EF1 150", "BC1 50"},
     {"FC-000100000101X|Caja|150,00", "FC-000100000102X|BANCO NACION|50,00"}},
    {"LinesOnly", 0, {"H CLI 80", "EF1 80"}, {"~|Caja|80,00"}},
    {"DocumentsOnly", 2, {}, {"FC-000100000101X|~|~", "FC-000100000102X|~|~"}},
    {"Neither", 0, {}, {}},
    // The two skipped lines used to end the rows before the third document.
    {"SkippedLinesKeepEveryDocument",
     3,
     {"H CLI 300", "ZZ1 10", "EF1 150", "EF1 140"},
     {"FC-000100000101X|Caja|150,00", "FC-000100000102X|Caja|140,00", "FC-000100000103X|~|~"}},
    {"ASummedLineTakesItsRow",
     1,
     {"EF1 100", "RI1 10", "EF1 50"},
     {"FC-000100000101X|Caja|100,00", "~|~|~", "~|Caja|50,00"}},
    {"ASkippedLastLineLeavesTheRowEmpty",
     1,
     {"EF1 100", "EF1 50", "H CLI 150"},
     {"FC-000100000101X|Caja|100,00", "~|Caja|50,00", "~|~|~"}},
};

INSTANTIATE_TEST_SUITE_P(Recibo, FilasRecibo, ::testing::ValuesIn(Pareos),
                         [](const ::testing::TestParamInfo<Pareo> &caso) { return std::string(caso.param.nombre); });

class MarcoRecibo : public PruebaRecibos {
protected:
    // CB 1: FC 101 and FC 102 applied, paid in cash.
    void reciboSimple()
    {
        for (int documento : {101, 102}) {
            cabecera(QStringLiteral("V_MV_CPTE"), QStringLiteral("FC"), documento, QStringLiteral("01/03/2024"),
                     QStringLiteral("100"));
            aplicar(QStringLiteral("CB"), 1, QStringLiteral("FC"), documento, QStringLiteral("100"));
        }
        linea(QStringLiteral("CB"), 1, 1, QStringLiteral("D"), QStringLiteral("EF1"), QStringLiteral("200"));
    }
};

// The other workstation's rows of the same voucher neither count for the padding nor get copied.
TEST_F(MarcoRecibo, PaddingAndCopiesTouchOnlyTheWorkstationsRows)
{
    reciboSimple();
    const QString otra = QStringLiteral("PC2|B");
    generar(QStringLiteral("CB"), 1, {}, 1, -1, otra);
    const QStringList ajenas = filas(QStringLiteral("TIPO, COLUMNA2"), otra);
    ASSERT_EQ(ajenas.size(), 2);

    generar(QStringLiteral("CB"), 1, {}, 2, 5);
    const QStringList propias = filas(QStringLiteral("TIPO, COLUMNA2, COLUMNA4"));
    EXPECT_EQ(propias.mid(0, 5),
              (QStringList{QStringLiteral("1|FC-000100000101X|Caja"), QStringLiteral("1|FC-000100000102X|~"),
                           QStringLiteral("1|~|  "), QStringLiteral("1|~|  "), QStringLiteral("1|~|  ")}));
    EXPECT_EQ(propias.mid(5),
              (QStringList{QStringLiteral("2|FC-000100000101X|Caja"), QStringLiteral("2|FC-000100000102X|~"),
                           QStringLiteral("2|~|  "), QStringLiteral("2|~|  "), QStringLiteral("2|~|  ")}));
    EXPECT_EQ(filas(QStringLiteral("TIPO, COLUMNA2"), otra), ajenas);
}

TEST_F(MarcoRecibo, PaddingOnlyBelowAPageOfRows)
{
    reciboSimple();
    for (const auto &[items, esperadas] : {std::pair{2L, 2}, std::pair{3L, 3}, std::pair{-1L, 2}}) {
        generar(QStringLiteral("CB"), 1, {}, 1, items);
        EXPECT_EQ(filas(QStringLiteral("COLUMNA4")).size(), esperadas) << items;
    }
}

// Credit notes printed under the receipt are listed with their amount (a Null one as 0); the
// receipt's own application, whatever the letter case of its stored type, is not.
TEST_F(MarcoRecibo, OtherVouchersAppliedUnderTheReceiptAreListed)
{
    reciboSimple();
    db.execute(QStringLiteral(
        "INSERT INTO MV_APLICACION (TC, IdComprobante, TCO_ORIGEN, SUCURSAL_ORIGEN, NUMERO_ORIGEN, LETRA_ORIGEN, "
        "IMPORTE, TC_PRINT, IDCOMPROBANTE_PRINT) VALUES "
        "('NC', '000100000007X', 'FC', '0001', '00000101', 'X', 30, 'CB', '000100000001X'),"
        "('NC', '000100000008X', 'FC', '0001', '00000101', 'X', NULL, 'CB', '000100000001X'),"
        "('cb ', '000100000001X', 'FC', '0001', '00000102', 'X', 99, 'CB', '000100000001X')"));
    const QStringList formulas = generar(QStringLiteral("CB"), 1);
    EXPECT_EQ(filas(QStringLiteral("COLUMNA4, COLUMNA6, COLUMNA8, COLUMNA10")).mid(4),
              (QStringList{QStringLiteral("NC|NC 000100000007X|30,00|   1"),
                           QStringLiteral("NC|NC 000100000008X|0,00|   1")}));
    EXPECT_EQ(formulas[5], QStringLiteral("Prm_ImporteMP = '230,00'"));
}

// Without entry lines the retentions and the discount come from the voucher header; the SUSS
// retention is read there whenever it is still 0.
TEST_F(MarcoRecibo, HeaderAmountsStandInForMissingEntryLines)
{
    db.execute(QStringLiteral("INSERT INTO V_MV_CPTE (TC, IdComprobante, RetGan_Importe, RetIVA_importe, "
                              "RETIBR_Importe, ImpDescuento1, retsuss_importe) VALUES ('CB', '000100000001X', 11, 12, "
                              "13, 14, 15), ('CB', '000100000002X', 21, 22, 23, 24, 25)"));
    cabecera(QStringLiteral("V_MV_CPTE"), QStringLiteral("FC"), 101, QStringLiteral("01/03/2024"),
             QStringLiteral("10"));
    aplicar(QStringLiteral("CB"), 1, QStringLiteral("FC"), 101, QStringLiteral("10"));
    QStringList formulas = generar(QStringLiteral("CB"), 1);
    EXPECT_EQ(formulas.mid(6, 5),
              (QStringList{QStringLiteral("Prm_RetGanancias = '11,00'"), QStringLiteral("Prm_RetIVA = '12,00'"),
                           QStringLiteral("Prm_RetIBrtos = '13,00'"), QStringLiteral("Prm_RetSUSS = '15,00'"),
                           QStringLiteral("Prm_DescuentosOtorgados = '14,00'")}));

    linea(QStringLiteral("CB"), 2, 1, QStringLiteral("D"), QStringLiteral("RI1"), QStringLiteral("5"));
    formulas = generar(QStringLiteral("CB"), 2);
    EXPECT_EQ(formulas.mid(6, 5),
              (QStringList{QStringLiteral("Prm_RetGanancias = '0,00'"), QStringLiteral("Prm_RetIVA = '5,00'"),
                           QStringLiteral("Prm_RetIBrtos = '0,00'"), QStringLiteral("Prm_RetSUSS = '25,00'"),
                           QStringLiteral("Prm_DescuentosOtorgados = '0,00'")}));
}

} // namespace

namespace {

// The formulas in the regional format: only the applied total shows a decimal point; the words
// say the very amount the figures show, also when the configured decimals round it.
TEST_F(MarcoRecibo, FormulasCarryTheTotalsInTheRegionalFormat)
{
    cabecera(QStringLiteral("V_MV_CPTE"), QStringLiteral("FC"), 101, QStringLiteral("01/03/2024"),
             QStringLiteral("1500.5"));
    aplicar(QStringLiteral("CB"), 1, QStringLiteral("FC"), 101, QStringLiteral("1234.56"));
    linea(QStringLiteral("CB"), 1, 1, QStringLiteral("H"), QStringLiteral("CLI"), QStringLiteral("1244.56"),
          {QStringLiteral("Detalle='O''Higgins'")});
    linea(QStringLiteral("CB"), 1, 2, QStringLiteral("D"), QStringLiteral("EF1"), QStringLiteral("1000"));
    linea(QStringLiteral("CB"), 1, 3, QStringLiteral("D"), QStringLiteral("CH1"), QStringLiteral("234.56"));
    linea(QStringLiteral("CB"), 1, 4, QStringLiteral("D"), QStringLiteral("RG1"), QStringLiteral("10"));
    EXPECT_EQ(
        generar(QStringLiteral("CB"), 1),
        (QStringList{QString(), QStringLiteral("Prm_ImporteCpte = '1500,50'"),
                     QStringLiteral("Prm_ImporteAplicado = '1234.56'"), QStringLiteral("Prm_ImporteSaldo = '265,94'"),
                     QStringLiteral("Prm_ImporteEnLetras = 'Un Mil Doscientos Treinta Y Cuatro Pesos Con 56/100'"),
                     QStringLiteral("Prm_ImporteMP = '1234,56'"), QStringLiteral("Prm_RetGanancias = '10,00'"),
                     QStringLiteral("Prm_RetIVA = '0,00'"), QStringLiteral("Prm_RetIBrtos = '0,00'"),
                     QStringLiteral("Prm_RetSUSS = '0,00'"), QStringLiteral("Prm_DescuentosOtorgados = '0,00'"),
                     QStringLiteral("Prm_Concepto = 'O''Higgins'")}));

    gCantidadDecimales = QStringLiteral("-2");
    const QStringList redondeadas = generar(QStringLiteral("CB"), 1);
    EXPECT_EQ(redondeadas.value(4),
              QStringLiteral("Prm_ImporteEnLetras = 'Un Mil Doscientos Treinta Y Cinco Pesos Con 00/100'"));
    EXPECT_EQ(redondeadas.value(5), QStringLiteral("Prm_ImporteMP = '1235'"));
}

} // namespace
