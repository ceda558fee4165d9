// The means-of-payment side of a receipt's rows: how each entry line is classified, what a
// listed line prints and with which sign, and what the summed lines add up to.

#include "PruebaRecibos.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

struct Listado {
    const char *nombre;
    const char *tc;
    const char *lado;
    const char *cuenta;
    QStringList otras; // further columns of the line
    const char *fila; // COLUMNA4|5|6|7|8|10
    const char *ajuste = nullptr; // SQL run first
};

void PrintTo(const Listado &caso, std::ostream *os)
{
    *os << caso.nombre;
}

class ListadoMedio : public PruebaRecibos, public ::testing::WithParamInterface<Listado> { };

TEST_P(ListadoMedio, PrintsItsColumns)
{
    const Listado &caso = GetParam();
    if (caso.ajuste)
        db.execute(QString::fromUtf8(caso.ajuste));
    const QString tc = QString::fromLatin1(caso.tc);
    linea(tc, 1, 1, QString::fromLatin1(caso.lado), QString::fromLatin1(caso.cuenta), QStringLiteral("150"),
          caso.otras);
    const QStringList formulas = generar(tc, 1);
    EXPECT_EQ(filas(QStringLiteral("COLUMNA4, COLUMNA5, COLUMNA6, COLUMNA7, COLUMNA8, COLUMNA10")),
              QStringList{QString::fromUtf8(caso.fila)});
    const QString listado = QString::fromUtf8(caso.fila).section(QLatin1Char('|'), 4, 4);
    EXPECT_EQ(formulas.value(5), QStringLiteral("Prm_ImporteMP = '%1'").arg(listado == u"~" ? "0,00" : listado));
}

const QStringList Cheque = {QStringLiteral("ChPropio=1"), QStringLiteral("NROCOMPROBANTEBANCARIO='ab123'"),
                            QStringLiteral("tj_observaciones=' 20-12345678-9 '"), QStringLiteral("IdBanco='0007'"),
                            QStringLiteral("Vencimiento='10/04/2024'")};
const QStringList Tarjeta = {QStringLiteral("TJ_NroCupon='c-1'"), QStringLiteral("TJ_NroSocio='4455'"),
                             QStringLiteral("TJ_cuotas=3")};

const Listado Listados[] = {
    {"CashOfAReceipt", "CB", "D", "EF1", {}, "Caja|~|~|~|150,00|   1"},
    {"CashDebitOfAPGIsNegated", "PG", "D", "EF1", {}, "Caja|~|~|~|-150,00|   1"},
    {"CashCreditOfAPG", "PG", "H", "EF1", {}, "Caja|~|~|~|150,00|   1"},
    {"EveryCashLineOfAnOPGIsNegated", "OPG", "H", "EF1", {}, "Caja|~|~|~|-150,00|   1"},
    {"EveryCashLineOfAPGFPIsNegated", "pgfp", "H", "EF1", {}, "Caja|~|~|~|-150,00|   1"},
    {"RetentionOfAReceiptIsNotListed", "CB", "D", "RI1", {}, "~|~|~|~|~|~"},
    {"OwnChequeOfAnOPGKeepsItsSign", "OPG", "H", "CH1", Cheque,
     "Valores a depositar(Propio)|AB123 (20/12345678/9)|0007-BANCO EJEMPLO|10/04/2024|150,00|   1"},
    {"ChequeWithoutTheDrawerSetting", "CB", "D", "CH1", Cheque,
     "Valores a depositar(Propio)|AB123|0007-BANCO EJEMPLO|10/04/2024|150,00|   1",
     "UPDATE TA_CONFIGURACION SET VALOR = 'NO' WHERE CLAVE = 'IncluirCuitLibrador'"},
    {"DebitOfAnUnknownBank",
     "CB",
     "D",
     "BC1",
     {QStringLiteral("NROCOMPROBANTEBANCARIO='t-9'"), QStringLiteral("IdBanco='0099'"), QStringLiteral("ChPropio=0")},
     "BANCO NACION|T-9|0099-||150,00|   1"},
    {"CardIsAlwaysOwn", "CB", "D", "TJ1", Tarjeta, "TARJETAS(Propio)|C-1|Socio: 4455| Nº Cuotas 3|150,00|   1"},
    {"CardWithoutMember",
     "CB",
     "D",
     "TJ1",
     {QStringLiteral("TJ_NroCupon='c-2'"), QStringLiteral("TJ_cuotas=1")},
     "TARJETAS(Propio)|C-2|~| Nº Cuotas 1|150,00|   1"},
    {"DiscountAccountWinsOverItsMeans", "PG", "H", "DTP", {}, "~|~|~|~|~|~"},
    {"TheSameAccountListsOnAReceipt", "CB", "D", "DTP", {}, "DESCUENTOS OBTENIDOS|~|~|~|150,00|   1"},
};

INSTANTIATE_TEST_SUITE_P(Recibo, ListadoMedio, ::testing::ValuesIn(Listados),
                         [](const ::testing::TestParamInfo<Listado> &caso) { return std::string(caso.param.nombre); });

class Clasificacion : public PruebaRecibos { };

// Retentions and discounts are summed in their order of precedence, each taking a row of its own;
// lines of an unknown account, of no account or of a means without class are passed over. The
// concept is the first Detalle that is not blank.
TEST_F(Clasificacion, SumsRetentionsAndDiscountsAndPassesOverTheRest)
{
    const char *lineas[][3] = {{"RO1", "10", "NULL"}, {"RO2", "20", "'   '"}, {"RI1", "30", "'Pago ''total'''"},
                               {"RB1", "40", "'x'"},  {"RG1", "50", "NULL"},  {"DTO", "60", "NULL"},
                               {"ZZ1", "70", "NULL"}, {"", "80", "NULL"},     {"NOEXISTE", "90", "NULL"},
                               {"EF1", "5", "NULL"}};
    int secuencia = 0;
    for (const auto &l : lineas)
        linea(QStringLiteral("CB"), 1, ++secuencia, QStringLiteral("D"), QLatin1String(l[0]), QLatin1String(l[1]),
              {QStringLiteral("Detalle=") + QLatin1String(l[2])});
    const QStringList formulas = generar(QStringLiteral("CB"), 1);
    EXPECT_EQ(filas(QStringLiteral("COLUMNA4, COLUMNA8")),
              (QStringList(6, QStringLiteral("~|~")) << QStringLiteral("Caja|5,00")));
    EXPECT_EQ(formulas.mid(5),
              (QStringList{QStringLiteral("Prm_ImporteMP = '5,00'"), QStringLiteral("Prm_RetGanancias = '50,00'"),
                           QStringLiteral("Prm_RetIVA = '50,00'"), QStringLiteral("Prm_RetIBrtos = '40,00'"),
                           QStringLiteral("Prm_RetSUSS = '10,00'"), QStringLiteral("Prm_DescuentosOtorgados = '60,00'"),
                           QStringLiteral("Prm_Concepto = 'Pago ''total'''")}));
}

// With an account argument, a cash line of that account is not listed, and a discount account
// equal to it stops counting as the discount.
TEST_F(Clasificacion, TheAccountArgumentHoldsBackItsOwnLines)
{
    linea(QStringLiteral("CB"), 1, 1, QStringLiteral("D"), QStringLiteral("EF1"), QStringLiteral("100"));
    linea(QStringLiteral("CB"), 1, 2, QStringLiteral("D"), QStringLiteral("DTO"), QStringLiteral("7"));
    linea(QStringLiteral("CB"), 1, 3, QStringLiteral("D"), QStringLiteral("CH1"), QStringLiteral("3"));
    for (const auto &[cuenta, filasEsperadas, mp, descuentos] :
         {std::tuple{"", QStringList{"Caja|100,00", "~|~", "Valores a depositar|3,00"}, "103,00", "7,00"},
          std::tuple{" ef1", QStringList{"~|~", "Valores a depositar|3,00"}, "3,00", "7,00"},
          std::tuple{"DTO ", QStringList{"Caja|100,00", "Valores a depositar|3,00"}, "103,00", "0,00"}}) {
        const QStringList formulas = generar(QStringLiteral("CB"), 1, QLatin1String(cuenta));
        EXPECT_EQ(filas(QStringLiteral("COLUMNA4, COLUMNA8")), filasEsperadas) << cuenta;
        EXPECT_EQ(formulas.value(5), QStringLiteral("Prm_ImporteMP = '%1'").arg(QLatin1String(mp))) << cuenta;
        EXPECT_EQ(formulas.value(10), QStringLiteral("Prm_DescuentosOtorgados = '%1'").arg(QLatin1String(descuentos)))
            << cuenta;
    }
}

// The business's own entry table has no identity column: its lines are numbered by SECUENCIA
// alone and may be stored in any order.
TEST_F(Clasificacion, TheLinesOfTheBusinessEntryTableListInTheirSequence)
{
    db.execute(QStringLiteral("DROP TABLE MV_ASIENTOS"));
    db.execute(QStringLiteral(
        "CREATE TABLE MV_ASIENTOS (TC TEXT(4) COLLATE TSQLCI, SUCURSAL TEXT(4) COLLATE TSQLCI, NUMERO TEXT(8) COLLATE "
        "TSQLCI, LETRA TEXT(1) COLLATE TSQLCI, SECUENCIA INTEGER, \"DEBE-HABER\" TEXT(1) COLLATE TSQLCI, Fecha "
        "DATETIME, Importe MONEY NOT NULL, idVendedor TEXT(4) COLLATE TSQLCI, Cuenta TEXT(15) COLLATE TSQLCI, Detalle "
        "TEXT(100) COLLATE TSQLCI, CABIMPORTE MONEY, FECHASUBDIARIO DATETIME, ChPropio INTEGER, NROCOMPROBANTEBANCARIO "
        "TEXT(30) COLLATE TSQLCI, tj_observaciones TEXT(100) COLLATE TSQLCI, IdBanco TEXT(4) COLLATE TSQLCI, "
        "Vencimiento DATETIME, TJ_NroCupon TEXT(20) COLLATE TSQLCI, TJ_NroSocio TEXT(20) COLLATE TSQLCI, TJ_cuotas "
        "INTEGER, PERIODO INTEGER, MES_OPERATIVO INTEGER, \"NUMERO ASIENTO\" INTEGER)"));
    for (const auto &[secuencia, cuenta, importe] :
         {std::tuple{3, "TJ1", "30"}, std::tuple{1, "EF1", "10"}, std::tuple{2, "CH1", "20"}})
        linea(QStringLiteral("CB"), 1, secuencia, QStringLiteral("D"), QLatin1String(cuenta), QLatin1String(importe));
    generar(QStringLiteral("CB"), 1);
    EXPECT_EQ(filas(QStringLiteral("COLUMNA4, COLUMNA8")),
              (QStringList{"Caja|10,00", "Valores a depositar|20,00", "TARJETAS(Propio)|30,00"}));
}

} // namespace
