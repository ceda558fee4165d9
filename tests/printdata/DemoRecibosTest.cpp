// Every collection and payment order of a demo month prints without a single error box, and its
// printed totals agree with its entry and its applications.

#include "PruebaRecibos.h"

#include "db/Conexiones.h"
#include "platform/runtime/Conversions.h"
#include "printdata/receipts/IMP_Recibos.h"
#include "session/Sesion.h"

#include <gtest/gtest.h>

namespace {

class DemoRecibos : public support::ProgramTest {
protected:
    static void SetUpTestSuite()
    {
        s_db = std::make_unique<TestDatabase>();
        s_db->fillDemo(40, 11);
    }
    static void TearDownTestSuite() { s_db.reset(); }

    DemoRecibos() { abrirConexionDePrueba(temporal); }
    ~DemoRecibos() override { gBaseDatos.reset(); }

    static double numero(const QString &consulta) { return rt::CDbl(s_db->value(consulta)); }
    // The amount of a formula "Nombre = '1234,56'" (or with a point).
    static double valor(const QString &formula)
    {
        return formula.section(QLatin1Char('\''), 1, 1).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    }

    static inline std::unique_ptr<TestDatabase> s_db;
    QTemporaryDir temporal;
    support::ScriptedDialogs dialogos;
};

TEST_F(DemoRecibos, EveryVoucherOfAMonthPrintsWithoutAnErrorBox)
{
    gEquipoUsuario = QStringLiteral("DEMO|PC");
    const auto vales = s_db->rows(QStringLiteral(
        "SELECT TC, SUCURSAL, NUMERO, LETRA, Importe FROM MV_ASIENTOS WHERE SECUENCIA = 1 AND TC IN ('CB', 'CBCT', "
        "'CBFP', 'PG', 'PGFP', 'OPG') AND Fecha BETWEEN '01/03/2024' AND '31/03/2024' ORDER BY TC, NUMERO"));
    QStringList tipos;
    for (const auto &vale : vales) {
        const QString tc = rt::CStr(vale[0]);
        const QString clave = rt::CStr(vale[1]) + rt::CStr(vale[2]) + rt::CStr(vale[3]);
        const QString donde = QStringLiteral(" TC_PRINT = '%1' AND IDCOMPROBANTE_PRINT = '%2'").arg(tc, clave);
        QStringList formulas = {QString()};
        IMP_Recibos(*gBaseDatos)
            .GeneraAuxiliarRecibo_PagoCobranza(tc, rt::CStr(vale[1]), rt::CStr(vale[2]), rt::CStr(vale[3]), QString(),
                                               formulas, 1, 10);
        ASSERT_EQ(formulas.size(), 12) << tc.toStdString() << clave.toStdString();
        tipos << tc.trimmed().toUpper();

        EXPECT_NEAR(valor(formulas[2]), numero(QStringLiteral("SELECT SUM(IMPORTE) FROM MV_APLICACION WHERE") + donde),
                    0.005)
            << clave.toStdString();
        EXPECT_EQ(numero(QStringLiteral("SELECT COUNT(*) FROM AUX_MV_CPTE WHERE COLUMNA2 IS NOT NULL")),
                  numero(QStringLiteral("SELECT COUNT(*) FROM (SELECT 1 FROM MV_APLICACION WHERE") + donde
                         + QStringLiteral(" GROUP BY CUENTA, TCO_ORIGEN, IDCOMPROBANTE_ORIGEN)")))
            << "every applied document has its row";
        EXPECT_GE(numero(QStringLiteral("SELECT COUNT(*) FROM AUX_MV_CPTE")), 10) << "a page at least";

        // Means of payment, retentions and discounts make up the voucher's total, but for lines of
        // an account of no known class; the cash that PGFP and OPG orders pay out is stored as a
        // negative debit, which their print negates.
        double suma = valor(formulas[5]);
        for (int k = 6; k <= 10; ++k)
            suma += valor(formulas[k]);
        const QString lineas =
            QStringLiteral("SELECT IFNULL(SUM(m.Importe), 0) FROM MV_ASIENTOS m LEFT JOIN MA_CUENTAS c "
                           "ON c.Codigo = m.Cuenta WHERE m.SECUENCIA > 1 AND m.TC = '%1' AND "
                           "m.SUCURSAL || m.NUMERO || m.LETRA = '%2' AND ")
                .arg(tc, clave);
        const double sinClase =
            numero(lineas
                   + QStringLiteral("IFNULL(c.MedioDePago, '') NOT IN ('EF', 'CH', 'TJ', 'DB', 'RI', 'RG', 'RB', 'RO') "
                                    "AND m.Cuenta NOT IN (SELECT CB_DESCUENTO FROM TA_CUENTASIVA UNION SELECT "
                                    "PG_DESCUENTO FROM TA_CUENTASIVA)"));
        EXPECT_NEAR(suma, rt::CDbl(vale[4]) - sinClase, 0.005) << clave.toStdString();
    }
    tipos.removeDuplicates();
    EXPECT_EQ(tipos, (QStringList{QStringLiteral("CB"), QStringLiteral("CBCT"), QStringLiteral("CBFP"),
                                  QStringLiteral("OPG"), QStringLiteral("PG"), QStringLiteral("PGFP")}));
}

// What the receipts of the demo show: every means of payment, every retention kind, discounts,
// and documents of sales and purchases, some left open.
TEST_F(DemoRecibos, TheDemoHoldsEveryCaseOfAReceipt)
{
    const auto lineasDe = [](const char *condicion) {
        return QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS m JOIN MA_CUENTAS c ON c.Codigo = m.Cuenta WHERE "
                              "m.SECUENCIA > 1 AND ")
               + QLatin1String(condicion);
    };
    const std::pair<const char *, QString> casos[] = {
        {"cash of a collection", lineasDe("m.TC LIKE 'CB%' AND c.MedioDePago = 'EF'")},
        {"cheque with bank and due date",
         lineasDe("c.MedioDePago = 'CH' AND m.IdBanco IS NOT NULL AND m.Vencimiento IS NOT NULL")},
        {"own cheque", lineasDe("m.ChPropio = 1")},
        {"card with coupon, member and instalments",
         lineasDe(
             "c.MedioDePago = 'TJ' AND m.TJ_NroCupon IS NOT NULL AND m.TJ_NroSocio IS NOT NULL AND m.TJ_cuotas > 1")},
        {"bank or debit", lineasDe("c.MedioDePago = 'DB'")},
        {"IVA retention of a collection", lineasDe("m.TC LIKE 'CB%' AND c.MedioDePago = 'RI'")},
        {"IVA retention of an order", lineasDe("m.TC LIKE '%PG%' AND c.MedioDePago = 'RI'")},
        {"income-tax retention", lineasDe("c.MedioDePago = 'RG'")},
        {"gross-income retention", lineasDe("c.MedioDePago = 'RB'")},
        {"other retention set as SUSS",
         lineasDe("c.MedioDePago = 'RO' AND EXISTS (SELECT 1 FROM TA_CONFIGURACION k WHERE k.CLAVE = 'CTA_RET_OTRA_' "
                  "|| c.Codigo AND k.VALOR = 'SU')")},
        {"other retention not set",
         lineasDe("c.MedioDePago = 'RO' AND NOT EXISTS (SELECT 1 FROM TA_CONFIGURACION k WHERE k.CLAVE = "
                  "'CTA_RET_OTRA_' || c.Codigo)")},
        {"discount of a collection", lineasDe("m.Cuenta = (SELECT CB_DESCUENTO FROM TA_CUENTASIVA)")},
        {"discount of an order", lineasDe("m.Cuenta = (SELECT PG_DESCUENTO FROM TA_CUENTASIVA)")},
        {"change back in cash on a PG", lineasDe("m.TC = 'PG' AND m.[DEBE-HABER] = 'D' AND c.MedioDePago = 'EF'")},
        {"sale left open",
         QStringLiteral("SELECT COUNT(*) FROM VE_SALDOAPLICACION s JOIN MV_APLICACION a ON "
                        "a.TCO_ORIGEN = s.TCO_ORIGEN AND a.IDCOMPROBANTE_ORIGEN = s.SUCURSAL_ORIGEN "
                        "|| s.NUMERO_ORIGEN || s.LETRA_ORIGEN WHERE a.TC LIKE 'CB%' AND s.SALDO > 0")},
        {"purchase left open", QStringLiteral("SELECT COUNT(*) FROM VE_SALDOAPLICACION s JOIN MV_APLICACION a ON "
                                              "a.TCO_ORIGEN = s.TCO_ORIGEN AND a.IDCOMPROBANTE_ORIGEN = "
                                              "s.SUCURSAL_ORIGEN || s.NUMERO_ORIGEN || s.LETRA_ORIGEN WHERE a.TC LIKE "
                                              "'%PG%' AND s.TCO_ORIGEN = 'FCC' AND s.SALDO > 0")},
        {"purchase with a sub-ledger date",
         QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE TC = 'FCC' AND FECHASUBDIARIO IS NOT NULL")},
    };
    for (const auto &[caso, consulta] : casos)
        EXPECT_GT(numero(consulta), 0) << caso;
}

} // namespace
