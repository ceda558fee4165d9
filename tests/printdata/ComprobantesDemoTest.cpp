// Every voucher type of the demo database builds its print rows and its QR row without a failure.
#include "PruebaComprobantes.h"

#include "db/Conexiones.h"
#include "demo/DemoDatabase.h"
#include "platform/runtime/Conversions.h"

#include <gtest/gtest.h>

namespace {

class ComprobantesDemo : public PruebaComprobantes {
protected:
    ComprobantesDemo()
    {
        // The demo brings its own settings.
        db.execute("DELETE FROM TA_CONFIGURACION");
        db.fillDemo(demo::MinimumCollections);
    }

    long contar(const QString &condicion)
    {
        return rt::CLng(db.value(QStringLiteral("SELECT COUNT(*) FROM AUX_MV_CPTE WHERE ") + condicion));
    }
};

TEST_F(ComprobantesDemo, EveryVoucherTypeBuildsItsRowsAndItsQRRow)
{
    // The first voucher of each type, and every print-only voucher.
    const auto comprobantes =
        db.rows("SELECT TC, IdComprobante FROM V_MV_CPTE WHERE TC NOT IN ('CB','CBCT','CBFP','PG','PGFP','OPG') AND "
                "(ID IN (SELECT MIN(ID) FROM V_MV_CPTE GROUP BY TC) OR IdComprobante LIKE '0009%') ORDER BY ID");
    QStringList tipos;
    for (const auto &fila : comprobantes) {
        const QString tc = rt::CStr(fila[0]);
        const QString id = rt::CStr(fila[1]);
        tipos << tc;
        AuxiliarComprobantes::Pedido pedido;
        pedido.ListaIdComprobante = QLatin1Char('\'') + id + QLatin1Char('\'');
        AuxiliarComprobantes auxiliar(*gBaseDatos);
        QString TC = tc;
        auxiliar.generar(TC, pedido);
        EXPECT_EQ(auxiliar.fallos(), 0) << tc.toStdString() << " " << id.toStdString();
        EXPECT_EQ(contar(QStringLiteral("TIPO = '' AND PieDePagina IS NULL AND IMPORTEENLETRAS LIKE ' %'")), 1)
            << tc.toStdString();
        const auto qr = db.rows(QStringLiteral("SELECT QR_AFIP, IMG_AFIP FROM AUX_MV_CPTEQR WHERE TC = '%1' AND "
                                               "IdComprobante = '%2'")
                                    .arg(tc, id));
        ASSERT_EQ(qr.size(), 1) << tc.toStdString();
        const bool electronico =
            !db.rows(QStringLiteral("SELECT 1 FROM V_MV_CPTE_ELECTRONICOS WHERE TC = '%1' AND IDCOMPROBANTE = '%2'")
                         .arg(tc, id))
                 .isEmpty();
        EXPECT_EQ(qr[0][0].isNull(), !electronico) << tc.toStdString() << " " << id.toStdString();
    }
    for (const char *tipo : {"FC", "FCE", "NC", "ND", "FP", "NCFP", "RM", "OT", "NP", "PR"})
        EXPECT_TRUE(tipos.contains(QLatin1String(tipo))) << tipo;
}

TEST_F(ComprobantesDemo, PrintOnlyVouchersFillTheirSections)
{
    struct Caso {
        const char *tc;
        const char *id;
        const char *condicion;
        long filas;
    };
    const Caso casos[] = {
        {"FCE", "000900000001A", "TIPO = 'ZZ' AND Seccion = 'L-2401 L-2402'", 1},
        {"FCE", "000900000001A", "TIPO = 'XX' AND Seccion LIKE 'D-0315 - 24001IC04000123X Orig.Rep%'", 1},
        {"FCE", "000900000001A", "TIPO = 'OC' AND COLUMNA2 LIKE 'Mercader%'", 1},
        {"FCE", "000900000001A", "Encabezado = 'Entrega en obra de Av. O''Higgins 450'", 13},
        {"OT", "000900000001X", "TIPO = 'TA' AND COLUMNA2 LIKE '%revisó el tablero%térmica del baño%'", 1},
        {"OT", "000900000001X", "TIPO = 'TA'", 3},
        {"RM", "000900000001R", "TIPO = 'IN' AND COLUMNA4 = '0' AND CANTIDAD_ORIGEN = 3", 1},
        {"PR", "000900000001X", "FormaDePago = 'Cuenta corriente a 30 días de la fecha de factura'", 10},
    };
    for (const Caso &c : casos) {
        generar(c.tc, c.id);
        EXPECT_EQ(contar(QString::fromUtf8(c.condicion)), c.filas) << c.tc << " " << c.condicion;
    }
    // A task run of a task without task rows prints its diary, one of whose entries holds apostrophes.
    generar("OT", "000900000001X", "T-03");
    EXPECT_EQ(contar("TIPO = 'TA' AND COLUMNA2 LIKE '%pendiente la ''puesta a tierra''%'"), 1);
}

} // namespace
