#include "PruebaImpresion.h"

#include "db/Conexiones.h"
#include "platform/runtime/Conversions.h"
#include "printing/ImpresoraComprobante.h"
#include "printing/MediosDePagoRecibo.h"
#include "printing/PeriodoAsiento.h"

#include <gtest/gtest.h>

namespace {

class ImpresoraComprobanteTest : public PruebaImpresion {
protected:
    ImpresoraComprobanteTest()
    {
        db.execute(QStringLiteral("INSERT INTO TA_CONFIG_IMP_CPTE (TC, LETRA, USUARIO, Impresora, CantCopias, "
                                  "CantLineas, DestinoDefault) VALUES "
                                  "('FC', 'A', '%1', '  Epson FX|LPT1:  ', 2, 40, ' Impresora '), "
                                  "('FC', 'A', NULL, 'HP', 3, 60, 'Pantalla'), "
                                  "('NC', 'B', NULL, 'HP', NULL, NULL, 'Ninguno')")
                       .arg(claveEquipo()));
    }

    struct Lectura {
        QString impresora;
        qint16 copias = -1;
        qint16 lineas = -1;
        QString destino = QStringLiteral("sin tocar");
        QString usuario;
    };

    Lectura leer(const QString &tc, const QString &letra, const QString &usuario = {})
    {
        Lectura l;
        l.usuario = usuario;
        ObtieneImpresoraComprobante(*gBaseDatos, tc, letra, l.impresora, l.copias, l.lineas, l.destino, l.usuario);
        return l;
    }
};

TEST_F(ImpresoraComprobanteTest, TheWorkstationsRowWinsOverTheRowForEveryWorkstation)
{
    const Lectura propia = leer(QStringLiteral("FC"), QStringLiteral("A"));
    EXPECT_EQ(propia.impresora, QStringLiteral("Epson FX|LPT1:"));
    EXPECT_EQ(propia.copias, 2);
    EXPECT_EQ(propia.lineas, 40);
    EXPECT_EQ(propia.destino, QStringLiteral("Impresora"));
    EXPECT_EQ(propia.usuario, claveEquipo()) << "the key it built is given back";

    const Lectura otra = leer(QStringLiteral("FC"), QStringLiteral("A"), QStringLiteral("CAJA2|ANA"));
    EXPECT_EQ(otra.impresora, QStringLiteral("HP"));
    EXPECT_EQ(otra.copias, 3);
    EXPECT_EQ(otra.destino, QStringLiteral("Pantalla"));
    EXPECT_EQ(otra.usuario, QStringLiteral("CAJA2|ANA"));
}

TEST_F(ImpresoraComprobanteTest, EmptyCountsAreZeroAndWithoutARowTheLinesAndDestinationStay)
{
    const Lectura vacia = leer(QStringLiteral("NC"), QStringLiteral("B"));
    EXPECT_EQ(vacia.copias, 0);
    EXPECT_EQ(vacia.lineas, 0);
    const Lectura ninguna = leer(QStringLiteral("ND"), QStringLiteral("A"));
    EXPECT_TRUE(ninguna.impresora.isEmpty());
    EXPECT_EQ(ninguna.copias, 0);
    EXPECT_EQ(ninguna.lineas, -1);
    EXPECT_EQ(ninguna.destino, QStringLiteral("sin tocar"));
}

// A counter receipt 0001-00000010 of each kind paid invoice FC 0001 00000123 A (or pro-forma FP).
class MediosDePagoTest : public PruebaImpresion {
protected:
    MediosDePagoTest()
    {
        db.execute(
            QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, Descripcion, MedioDePago) VALUES ('1.1.01', 'Caja', 'EF'), "
                           "('1.1.02', 'Caja chica', 'EF'), ('1.1.05', 'Visa', 'TJ'), ('1.1.06', 'Valores', 'CH'), "
                           "('1.1.09', 'Transferencia', 'DB'), ('4.1.01', 'Ventas', NULL)"));
    }

    void recibo(const QString &tc, const QString &origen, const QStringList &lineas)
    {
        db.execute(QStringLiteral("INSERT INTO MV_APLICACION (TC, Sucursal, Numero, letra, TCO_ORIGEN, "
                                  "SUCURSAL_ORIGEN, NUMERO_ORIGEN, LETRA_ORIGEN, IMPORTE) VALUES ('%1', '0001', "
                                  "'00000010', 'X', '%2', '0001', '00000123', 'A', 100)")
                       .arg(tc, origen));
        int secuencia = 0;
        for (const QString &linea : lineas) {
            const QStringList partes = linea.split(QLatin1Char(' '));
            db.execute(QStringLiteral("INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA, "
                                      "\"DEBE-HABER\", Importe, Cuenta) VALUES ('%1', '0001', '00000010', 'X', %2, "
                                      "'%3', %4, '%5')")
                           .arg(tc)
                           .arg(++secuencia)
                           .arg(partes[0], partes[1], partes[2]));
        }
    }

    // "label amount" of cash, card, cheque and others.
    QStringList medios(const QString &tc)
    {
        rt::Currency efectivo, tarjeta, otros, cheque;
        QString tEfectivo, tTarjeta, tOtros, tCheque;
        ObtenerMediosDePagoRecibo(*gBaseDatos, tc, QStringLiteral("000100000123A"), efectivo, tarjeta, tEfectivo,
                                  tTarjeta, tOtros, otros, tCheque, cheque);
        const auto par = [](const QString &texto, const rt::Currency &importe) {
            return texto + QLatin1Char(' ') + rt::CStr(rt::Variant(importe));
        };
        return {par(tEfectivo, efectivo), par(tTarjeta, tarjeta), par(tCheque, cheque), par(tOtros, otros)};
    }
};

TEST_F(MediosDePagoTest, SumsTheCounterReceiptsLinesByMeansOfPayment)
{
    recibo(QStringLiteral("CBCT"), QStringLiteral("FC"),
           {"D 100 1.1.01", "D 50 1.1.01", "D 30 1.1.05", "D 20 1.1.06", "D 10 1.1.09", "H 210 4.1.01"});
    EXPECT_EQ(medios(QStringLiteral("FC")), (QStringList{"Caja 150", "Visa 30", "Valores 20", "Transferencia 10"}));
}

TEST_F(MediosDePagoTest, TwoCashAccountsGiveTheGenericWordAndChangeGivenBackIsSubtracted)
{
    recibo(QStringLiteral("CBCT"), QStringLiteral("FC"), {"D 100 1.1.01", "D 50 1.1.02", "H 20.5 1.1.01"});
    EXPECT_EQ(medios(QStringLiteral("FC")).first(), QStringLiteral("Caja 129,5"))
        << "the last cash line's account decides the label";
    db.execute(QStringLiteral("DELETE FROM MV_ASIENTOS WHERE SECUENCIA = 3"));
    EXPECT_EQ(medios(QStringLiteral("FC")).first(), QStringLiteral("EFECTIVO 150"));
}

TEST_F(MediosDePagoTest, ProFormasAreLookedUpAmongTheirOwnReceiptsAndOrdinaryCollectionsGiveNothing)
{
    recibo(QStringLiteral("CBFP"), QStringLiteral("FP"), {"D 80 1.1.01"});
    EXPECT_EQ(medios(QStringLiteral("FP")).first(), QStringLiteral("Caja 80"));
    EXPECT_EQ(medios(QStringLiteral("FC")), (QStringList{" 0", " 0", " 0", " 0"}));
    db.execute(QStringLiteral("DELETE FROM MV_APLICACION"));
    recibo(QStringLiteral("CB"), QStringLiteral("FC"), {"D 80 1.1.01"});
    EXPECT_EQ(medios(QStringLiteral("FC")), (QStringList{" 0", " 0", " 0", " 0"}));
}

class PeriodoAsientoTest : public PruebaImpresion {
protected:
    PeriodoAsientoTest()
    {
        db.execute(QStringLiteral(
            "INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA, \"DEBE-HABER\", Fecha, Importe, Cuenta, "
            "PERIODO, MES_OPERATIVO, \"NUMERO ASIENTO\") VALUES "
            "('AS', '0001', '00000077', 'X', 1, 'D', '2024-03-05', 10, '1', 2024, 3, 501), "
            "('AS', '0001', '00000077', 'X', 2, 'H', '2024-03-05', 10, '2', 2024, 3, 501), "
            "('AS', '0001', '00000077', 'X', 3, 'D', '2024-03-05', 7, '1', 2024, 3, 502), "
            "('AS', '0001', '00000077', 'X', 4, 'D', '2024-03-09', 4, '1', 2024, 3, 503)"));
    }

    QStringList entradas(const QString &fecha, bool centroCosto = false)
    {
        DatosRegistrados datos;
        ObtenerPeriodoAsiento(*gBaseDatos, datos, QStringLiteral("AS"), QStringLiteral("000100000077X"), fecha,
                              centroCosto);
        return datos.llamadas;
    }
};

TEST_F(PeriodoAsientoTest, EachEntryOfTheDateIsShownOnceOnTheScreen)
{
    EXPECT_EQ(entradas(QStringLiteral("05/03/2024")),
              (QStringList{"Asiento|AS|0001|00000077|X|3|501|2024||pantalla|",
                           "Asiento|AS|0001|00000077|X|3|502|2024||pantalla|"}));
    EXPECT_EQ(entradas(QStringLiteral("09/03/2024"), true),
              (QStringList{"Asiento|AS|0001|00000077|X|3|503|2024|CC|pantalla|"}));
    EXPECT_TRUE(entradas(QStringLiteral("06/03/2024")).isEmpty());
}

TEST_F(PeriodoAsientoTest, WithoutADateEveryEntryOfTheVoucherIsShown)
{
    EXPECT_EQ(entradas(QString()).size(), 3);
}

} // namespace
