// The discount account of the collection split comes from the first of three places that
// names one, on the fixture's CBCT 2 (see PruebaGenerador.h): card 650, bank 200, 100 on
// account 4.1.9 (no means of payment) and 50 on 5.1.1 (code "ZZ", outside the list).

#include "PruebaGenerador.h"

#include "db/Conexiones.h"
#include "settlements/ImputacionCobranza.h"

#include <gtest/gtest.h>

namespace {

class ImputacionDescuentos : public PruebaGenerador {
protected:
    void SetUp() override
    {
        cargarMarzo();
        db.execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('CuentaDesCuentosObtenidos', "
                                  "' 5.1.1 ')"));
    }

    // The split of CBCT 2 (or `tc` `numero`) as "discounts|cash|cheque|card|bank|retentions|others",
    // by a split of its own or by `imputacion`.
    QString dividir(ImputacionCobranza *imputacion = nullptr, const char *tc = "CBCT", const char *numero = "00000002")
    {
        ImportesImputacion importes;
        importes.Ef = rt::Currency::fromDouble(99);
        ImputacionCobranza propia(*gBaseDatos);
        (imputacion ? *imputacion : propia)
            .ImputacionCob(QLatin1String(tc), QStringLiteral("0001"), QLatin1String(numero), QStringLiteral("A"),
                           importes);
        QStringList textos;
        for (const rt::Currency &importe :
             {importes.Dto, importes.Ef, importes.Ch, importes.Tj, importes.DB, importes.Ret, importes.otros})
            textos.append(QString::number(importe.toDouble()));
        return textos.join(QLatin1Char('|'));
    }
};

TEST_F(ImputacionDescuentos, TheSettingFirstThenTheTaxAccountsTableThenTheDiscountsObtained)
{
    struct Caso {
        const char *otorgados; // the setting "CuentaDesCuentosOtorgados"
        const char *tablaIva; // CB_DESCUENTO of the one TA_CUENTASIVA row; nullptr: no row
        const char *division;
    };
    const Caso casos[] = {
        {"4.1.9", "5.1.1", "100|0|0|650|200|0|50"},
        {"5.1.1", "4.1.9", "50|0|0|650|200|0|100"},
        {"  ", " 4.1.9 ", "100|0|0|650|200|0|50"},
        {"", "4.1.9", "100|0|0|650|200|0|50"},
        {"  ", nullptr, "50|0|0|650|200|0|100"},
        // A row without an account names none: nothing counts as a discount.
        {"", "", "0|0|0|650|200|0|150"},
    };
    for (const Caso &caso : casos) {
        db.execute(QStringLiteral("UPDATE TA_CONFIGURACION SET VALOR = '%1' WHERE CLAVE = 'CuentaDesCuentosOtorgados'")
                       .arg(QLatin1String(caso.otorgados)));
        db.execute(QStringLiteral("DELETE FROM TA_CUENTASIVA"));
        if (caso.tablaIva)
            db.execute(QStringLiteral("INSERT INTO TA_CUENTASIVA (cb_cta, CB_DESCUENTO) VALUES ('1.3.1', '%1')")
                           .arg(QLatin1String(caso.tablaIva)));
        EXPECT_EQ(dividir(), QLatin1String(caso.division))
            << '"' << caso.otorgados << "\" " << (caso.tablaIva ? caso.tablaIva : "(no row)");
    }
}

// One split serves a whole build: it reads the discount account when a line first needs one,
// and keeps it.
TEST_F(ImputacionDescuentos, OneSplitReadsTheDiscountAccountOnceWhenFirstNeeded)
{
    const auto otorgados = [&](const char *cuenta) {
        db.execute(QStringLiteral("UPDATE TA_CONFIGURACION SET VALOR = '%1' WHERE CLAVE = 'CuentaDesCuentosOtorgados'")
                       .arg(QLatin1String(cuenta)));
    };
    ImputacionCobranza imputacion(*gBaseDatos);
    otorgados("5.1.1");
    EXPECT_EQ(dividir(&imputacion, "CB", "00000001"), "0|600|400|0|0|210|0") << "every line has its means of payment";
    otorgados("4.1.9");
    EXPECT_EQ(dividir(&imputacion), "100|0|0|650|200|0|50");
    otorgados("5.1.1");
    EXPECT_EQ(dividir(&imputacion), "100|0|0|650|200|0|50");
    EXPECT_EQ(dividir(), "50|0|0|650|200|0|100");
}

} // namespace
