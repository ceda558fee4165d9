#include "PruebaImpresion.h"

#include "db/Conexiones.h"
#include "printing/ImprimirComprobante.h"
#include "printing/TurnoImpresion.h"
#include "session/Sesion.h"

#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <thread>

namespace {

class ImprimirComprobanteTest : public PruebaImpresion {
protected:
    ImprimirComprobanteTest()
    {
        configurar({{"CobranzasItems", "12"}, {"CONDIVAEMPRESA", "1"}});
        db.execute("INSERT INTO TA_CONFIG_IMP_CPTE (TC, LETRA, Impresora, CantCopias, DestinoDefault) VALUES "
                   "('CB', 'X', 'HP|USB', 2, 'Impresora'), ('FC', 'A', 'HP|USB', 1, 'Impresora')");
        db.execute("INSERT INTO V_TA_CPTE (Codigo, Descripcion, SISTEMA) VALUES ('AS', 'Asiento', 'CONTABLE')");
        db.execute("INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, Fecha, Importe, PERIODO, MES_OPERATIVO, "
                   "\"NUMERO ASIENTO\") VALUES ('AS', '0001', '00000009', 'X', '2024-03-01', 1, 2024, 3, 40)");
        for (const char *nombre : {"CB.rpt", "LiqOPG.rpt", "OPG-X.rpt", "FC-A.rpt"})
            archivo(QString::fromLatin1(nombre));
        datos.formulasRecibo = {QStringLiteral("Prm_ImporteMP = '150,00'")};
    }

    void ver(const char *tc, const char *numero)
    {
        QString tipo = QString::fromLatin1(tc);
        QString id = QString::fromLatin1(numero);
        QString cuenta;
        const ServiciosImpresion servicios{*gBaseDatos, datos, objeto, nullptr, carpeta(), QStringLiteral("DSN=DEMO")};
        ImprimirComprobanteGenerico(servicios, tipo, id, cuenta);
        tipos << tipo;
    }

    QStringList impresos() const
    {
        QStringList archivos;
        for (const LlamadaReporte &l : objeto.llamadas)
            archivos << QString(l.reporte).remove(carpeta());
        return archivos;
    }

    DatosRegistrados datos;
    ObjetoRegistrado objeto;
    QStringList tipos;
};

TEST_F(ImprimirComprobanteTest, ReceiptsAreBuiltWithOneCopyAndShownWithTheirFormulasOnTheScreen)
{
    ver(" cb ", "000100000010X");
    EXPECT_EQ(tipos, QStringList{"cb"}) << "the caller's type comes back trimmed";
    EXPECT_EQ(datos.llamadas, QStringList{"Recibo|cb|0001|00000010|X||1|1|12"});
    EXPECT_EQ(impresos(), (QStringList{"CB.rpt"})) << "the second copy repeats the form on the screen";
    EXPECT_EQ(objeto.destino, 0);
    EXPECT_TRUE(objeto.formulas.contains(QStringLiteral("Prm_ImporteMP = '150,00'")));
}

TEST_F(ImprimirComprobanteTest, PaymentOrdersPrintTheSettlementFormAndOrdersTheirOwn)
{
    ver("PG", "000100000011X");
    ver("pgfp", "000100000012X");
    ver("OPG", "000100000013X");
    EXPECT_EQ(impresos(), (QStringList{"LiqOPG.rpt", "LiqOPG.rpt", "OPG-X.rpt"}));
    EXPECT_EQ(datos.llamadas.size(), 3);
}

TEST_F(ImprimirComprobanteTest, OtherVouchersAreBuiltByTheVoucherBuilderReplacingTheRows)
{
    datos.tipoNormalizado = QStringLiteral("FC");
    ver("fc", "000100000123A");
    EXPECT_EQ(datos.llamadas, QStringList{"Comprobantes|fc|0001|00000123|A|0|3||reemplaza"});
    EXPECT_EQ(tipos, QStringList{"FC"});
    EXPECT_EQ(impresos(), QStringList{"FC-A.rpt"});
    EXPECT_EQ(objeto.destino, 0);
}

TEST_F(ImprimirComprobanteTest, APrintWaitsWhileAnotherOfThisWorkstationHoldsItsRows)
{
    // Another window of this workstation has built its rows and its report is reading them.
    std::promise<void> tomado;
    int reconstruidas = -1;
    std::thread otra([&] {
        const TurnoImpresion turno(gEquipoUsuario);
        tomado.set_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        reconstruidas = datos.construcciones;
    });
    tomado.get_future().wait();
    ver("FC", "000100000123A");
    otra.join();
    EXPECT_EQ(reconstruidas, 0) << "the rows were rebuilt while the other print was reading them";
    EXPECT_EQ(datos.construcciones, 1);
    EXPECT_EQ(impresos(), QStringList{"FC-A.rpt"});
}

TEST_F(ImprimirComprobanteTest, ASecondClickDuringAPrintOfThisWindowStartsNothing)
{
    // The event pump of the first print let a second "Ver  Comprobante" in: it must neither wait
    // for the print under it (that one cannot end first) nor rebuild its rows.
    const TurnoImpresion primera(gEquipoUsuario);
    ver("FC", "000100000123A");
    EXPECT_EQ(datos.construcciones, 0);
    EXPECT_TRUE(impresos().isEmpty());
}

TEST_F(ImprimirComprobanteTest, AccountingVouchersShowTheirEntries)
{
    ver("AS", "000100000009X");
    EXPECT_EQ(datos.llamadas.last(), QStringLiteral("Asiento|AS|0001|00000009|X|3|40|2024||pantalla|"));
    EXPECT_TRUE(objeto.llamadas.empty());
}

} // namespace
