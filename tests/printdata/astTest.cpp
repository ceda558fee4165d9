// The ledger-account look-ups of receipts and payment orders.

#include "PruebaRecibos.h"

#include "db/Conexiones.h"
#include "platform/ado/Recordset.h"
#include "printdata/receipts/ast.h"

#include <gtest/gtest.h>

namespace {

struct CuentasIva {
    const char *nombre;
    const char *fila; // VALUES of (CB_RETIVA, CB_RETGAN, CB_RETIB, CB_DESCUENTO, PG_..., CFI_RETPERC, CFI_RETIGAN,
                      // CFI_RETIBTOS); nullptr: no settings row
    bool esRecibo;
    const char *esperadas; // IVA|income tax|gross income|discount
    const char *ajuste = nullptr;
};

void PrintTo(const CuentasIva &caso, std::ostream *os)
{
    *os << caso.nombre;
}

class CuentaIVADF : public PruebaRecibos, public ::testing::WithParamInterface<CuentasIva> { };

TEST_P(CuentaIVADF, ReadsTheAccountsOfReceiptsOrOrders)
{
    const CuentasIva &caso = GetParam();
    db.execute(QStringLiteral("DELETE FROM TA_CUENTASIVA; INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES "
                              "('CuentaDesCuentosOtorgados', 'OTG'), ('CuentaDesCuentosObtenidos', 'OBT')"));
    if (caso.fila)
        db.execute(QStringLiteral("INSERT INTO TA_CUENTASIVA (CB_RETIVA, CB_RETGAN, CB_RETIB, CB_DESCUENTO, PG_RETIVA, "
                                  "PG_RETGAN, PG_RETIB, PG_DESCUENTO, CFI_RETPERC, CFI_RETIGAN, CFI_RETIBTOS) VALUES ")
                   + QLatin1String(caso.fila));
    if (caso.ajuste)
        db.execute(QLatin1String(caso.ajuste));
    QString iva, ganancias, brutos, descuento;
    ast(*gBaseDatos).CuentaIVADF(iva, ganancias, brutos, descuento, caso.esRecibo);
    EXPECT_EQ(QStringList({iva, ganancias, brutos, descuento}).join(QLatin1Char('|')), QLatin1String(caso.esperadas));
}

const char *const Completa = "(' I1 ', 'G1', 'B1', 'D1', 'I2', 'G2', 'B2', 'D2', 'PF', 'GF', 'BF')";
const char *const Vacia = "('', NULL, ' ', NULL, NULL, '', NULL, '  ', 'PF', 'GF', 'BF')";

const CuentasIva Casos[] = {
    {"Receipts", Completa, true, "I1|G1|B1|D1"},
    {"PaymentOrders", Completa, false, "I2|G2|B2|D2"},
    {"EmptyReceiptColumnsTakeTheFallBacks", Vacia, true, "PF|GF|BF|OTG"},
    {"EmptyOrderColumnsTakeTheFallBacks", Vacia, false, "PF|GF|BF|OBT"},
    {"NoSettingsRowGivesTheObtainedDiscounts", nullptr, true, "|||OBT"},
    {"AMissingDiscountKeyIsOneBlank", nullptr, true, "||| ",
     "DELETE FROM TA_CONFIGURACION WHERE CLAVE = 'CuentaDesCuentosObtenidos'"},
};

INSTANTIATE_TEST_SUITE_P(Cuentas, CuentaIVADF, ::testing::ValuesIn(Casos),
                         [](const ::testing::TestParamInfo<CuentasIva> &caso) {
                             return std::string(caso.param.nombre);
                         });

class Cuentas : public PruebaRecibos { };

TEST_F(Cuentas, ExisteCuentaTriesTheOtherKey)
{
    struct Caso {
        const char *codigo;
        bool porOpcional;
        bool existe;
        const char *codigoFinal;
        bool porOpcionalFinal;
    };
    const Caso casos[] = {
        {"CH1", false, true, "CH1", false},    {"OPC-CH", false, true, "CH1", true},
        {"CH1", true, true, "CH1", true},      {"OPC-CH", true, true, "CH1", true},
        {"NADA", false, false, "NADA", false}, {"O'Neil", true, false, "O'Neil", true},
    };
    for (const Caso &caso : casos) {
        QString codigo = QLatin1String(caso.codigo);
        bool porOpcional = caso.porOpcional;
        ado::Recordset registro;
        EXPECT_EQ(ast(*gBaseDatos).ExisteCuenta(codigo, &registro, true, porOpcional), caso.existe) << caso.codigo;
        EXPECT_EQ(codigo, QLatin1String(caso.codigoFinal)) << caso.codigo;
        EXPECT_EQ(porOpcional, caso.porOpcionalFinal) << caso.codigo;
        EXPECT_EQ(registro.State(), ado::adStateOpen) << caso.codigo;
    }
}

// Each look-up's answer, the description it hands back and, for banks and debits, the code.
TEST_F(Cuentas, MeansOfPaymentLookUps)
{
    ast cuentas(*gBaseDatos);
    using Consulta = std::function<bool(QString & descripcion, QString & codigo)>;
    struct Caso {
        const char *nombre;
        Consulta consulta;
        const char *codigo;
        bool resultado;
        const char *descripcion;
        const char *codigoFinal;
    };
    const auto efectivo = [&](const QString &cuenta, const QString &codigo) -> Consulta {
        return [&, cuenta, codigo](QString &d, QString &) {
            return cuentas.CuentasEfectivoRetenciones(cuenta, d, codigo);
        };
    };
    const Caso casos[] = {
        {"CashByCode", efectivo({}, QStringLiteral(" EF1 ")), "", true, "Caja", ""},
        {"RetentionIsCashType", efectivo({}, QStringLiteral("RO2")), "", true, "RET MUNICIPAL", ""},
        {"ByAccountTheOptionalCodeFirst", efectivo(QStringLiteral("OPC-CH"), {}), "", false, "Valores a depositar", ""},
        {"BothKeysEmpty", efectivo(QStringLiteral("  "), {}), "", false, "", ""},
        {"BankViewOfCheques", [&](QString &d, QString &c) { return cuentas.CuentasBancos({}, c, d); }, " ch1", true,
         "Valores a depositar", "CH1"},
        {"BankViewOfCash", [&](QString &d, QString &c) { return cuentas.CuentasBancos({}, c, d); }, "BCE", false,
         "CAJA EN BANCO", "BCE"},
        {"BankByOptionalCode",
         [&](QString &d, QString &c) { return cuentas.CuentasBancos(QStringLiteral("OPC-CH"), c, d); }, "", true,
         "Valores a depositar", "CH1"},
        {"Debit", [&](QString &d, QString &c) { return cuentas.CuentasDebito({}, c, d); }, "BC1", true, "BANCO NACION",
         "BC1"},
        {"UnknownDebit", [&](QString &d, QString &c) { return cuentas.CuentasDebito({}, c, d); }, "XX", false, "",
         "XX"},
        {"Cheques", [&](QString &d, QString &c) { return cuentas.CuentasCheques({}, d, c); }, "CH1", true,
         "Valores a depositar", "CH1"},
        {"ChequesByOptionalCode",
         [&](QString &d, QString &) { return cuentas.CuentasCheques(QStringLiteral(" OPC-CH"), d, {}); }, "", true,
         "Valores a depositar", ""},
        {"Cards", [&](QString &d, QString &c) { return cuentas.CuentasTarjetas({}, d, c); }, "TJ1", true, "TARJETAS",
         "TJ1"},
        {"NotACard", [&](QString &d, QString &c) { return cuentas.CuentasTarjetas({}, d, c); }, "EF1", false, "Caja",
         "EF1"},
    };
    for (const Caso &caso : casos) {
        QString descripcion = QStringLiteral("antes");
        QString codigo = QLatin1String(caso.codigo);
        EXPECT_EQ(caso.consulta(descripcion, codigo), caso.resultado) << caso.nombre;
        EXPECT_EQ(descripcion, QLatin1String(caso.descripcion)) << caso.nombre;
        EXPECT_EQ(codigo, QLatin1String(caso.codigoFinal)) << caso.nombre;
    }
}

TEST_F(Cuentas, RetentionKindLookUpsAnswerTheCodeOfTheirKindOnly)
{
    ast cuentas(*gBaseDatos);
    using Consulta = QString (ast::*)(const QString &);
    const std::tuple<Consulta, const char *, const char *> casos[] = {
        {&ast::CuentaRetIVA, "RI1", "RI1"},    {&ast::CuentaRetIVA, " ri1 ", " ri1 "},
        {&ast::CuentaRetGanancias, "RI1", ""}, {&ast::CuentaRetGanancias, "RG1", "RG1"},
        {&ast::CuentaRetIBrtos, "RB1", "RB1"}, {&ast::CuentaRetOtra, "RO2", "RO2"},
        {&ast::CuentaRetOtra, "", ""},         {&ast::CuentaRetOtra, "O'Neil", ""},
    };
    for (const auto &[consulta, codigo, esperado] : casos)
        EXPECT_EQ((cuentas.*consulta)(QLatin1String(codigo)), QLatin1String(esperado)) << codigo;
}

} // namespace
