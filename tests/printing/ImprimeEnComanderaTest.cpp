#include "PruebaImpresion.h"
#include "TicketEsperado.h"

#include "db/Conexiones.h"
#include "demo/KitchenOrders.h"
#include "printing/ExisteComandera.h"
#include "printing/FrmMvVentas.h"
#include "printing/ImpresionPrograma.h"
#include "printing/ImprimirComprobante.h"
#include "printing/ModImprimeEnComandera.h"
#include "session/Sesion.h"
#include "support/ParTerminales.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <termios.h>

namespace {

using support::BoxMatch;

// The demo order's kitchen ticket on the demo's printer COCINA, printed on 12/04/2024 at 21:07.
const char *const TicketCocinaDemo = "{AC}DISTRIBUIDORA PAMPEANA S.A.\n"
                                     "{NC}Av. San Martin 1234 - Santa Rosa\n"
                                     "{ND}\n12/04/24 21:07\nMESA:12  Mozo:PEREZ JUAN CARL\n"
                                     "{ND}PE 000900000001X\n"
                                     "2,00  Milanesa napolitana con pap\n      as fritas\n"
                                     "0,75  Lomo a la pimienta (por kg)\n"
                                     "1,00  Provoleta a la parrilla con\n"
                                     "       orégano, ají molido y acei\n"
                                     "      te de oliva\n"
                                     "\n\n{AD}\n\n** COCINA **\n\n\n\n\n\n{CORTE}";

// The user's data folder lies in a temporary folder, where the workstation's INI file maps its
// ports; the demo database and the demo's kitchen printers are this workstation's.
class ImprimeEnComanderaTest : public PruebaImpresion {
protected:
    ImprimeEnComanderaTest()
    {
        db.fillDemo();
        demo::writeKitchenPrintersFile(ArchivoComanderas(), claveEquipo());
    }

    void SetUp() override
    {
        ASSERT_TRUE(par.listo()) << par.error().toStdString();
        ASSERT_TRUE(par.abrir());
    }

    // CN000pr.INI with this workstation's section holding `lineas`.
    void puertos(const QString &lineas)
    {
        const QString carpeta = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        ASSERT_TRUE(carpeta.startsWith(datos.path()));
        ASSERT_TRUE(QDir().mkpath(carpeta));
        QFile ini(QDir(carpeta).filePath(QStringLiteral("CN000pr.INI")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(("[OTRO|EQUIPO]\nCOM1=/dev/null\n[" + gEquipoUsuario + "]\n" + lineas).toUtf8());
    }

    void imprimir(const char *impresora, bool cocina = false)
    {
        gModImprimeEnComandera->ImprimeEnComandera(QStringLiteral("PE"), QStringLiteral("000900000001X"),
                                                   QString::fromUtf8(impresora), cocina, false);
    }

    QTemporaryDir datos;
    const VariableEntorno xdg{"XDG_DATA_HOME", datos.path()};
    const PinnedClock reloj{at(2024, 4, 12, 21, 7, 30)};
    support::ParTerminales par;
};

TEST_F(ImprimeEnComanderaTest, AnOrderForTheKitchenReachesItsPrinterThroughTheVoucherPrinter)
{
    puertos("COM1=" + par.extremoPrograma() + "\n");
    // The voucher printer still chooses the order's form before it hands the order over.
    archivo(QStringLiteral("COMANDA_COCINA.rpt"));
    DatosRegistrados constructores;
    ObjetoRegistrado objeto;
    const ServiciosImpresion servicios{
        *gBaseDatos, constructores, objeto, &gModImprimeEnComandera.get(), carpeta(), QStringLiteral("DSN=DEMO")};
    QString tc = QStringLiteral("PECO");
    QString id = QStringLiteral("000900000001X");
    QString cuenta;
    ImprimirComprobanteGenerico(servicios, tc, id, cuenta);
    const QByteArray esperado = TicketEsperado(TicketCocinaDemo);
    EXPECT_EQ(par.leer(esperado.size()), esperado);
    EXPECT_TRUE(objeto.llamadas.empty()) << "a report was printed too";
}

TEST_F(ImprimeEnComanderaTest, TheProgramsPrintEntrySendsABarOrderToTheBar)
{
    puertos("COM2=" + par.extremoPrograma() + "\n");
    dialogos.expectMsgBox(BoxMatch::textContaining("COMANDA_BAR.rpt").withTitle("Aviso al Operador"));
    QString tc = QStringLiteral("PEBA");
    QString id = QStringLiteral("000900000001X");
    QString cuenta;
    ImprimirComprobanteGenerico(tc, id, cuenta);
    const QByteArray esperado = TicketEsperado("{AC}DISTRIBUIDORA PAMPEANA S.A.\n"
                                               "{ND}\n12/04/24 21:07\nMESA:12  Mozo:PEREZ JUAN CARL\n"
                                               "{ND}PE 000900000001X\n"
                                               "2,00  Agua mineral sin gas 500 ml\n"
                                               "2,00  Vino tinto Malbec, copa\n"
                                               "1,00  Provoleta a la parrilla con\n"
                                               "       orégano, ají molido y acei\n"
                                               "      te de oliva\n"
                                               "\n\n{AD}\n\n** BARRA **\n\n\n\n\n\n{CORTE}");
    EXPECT_EQ(par.leer(esperado.size()), esperado);
}

TEST_F(ImprimeEnComanderaTest, APrinterThisWorkstationDoesNotHaveSendsNothing)
{
    puertos("COM1=" + par.extremoPrograma() + "\n");
    dialogos.expectMsgBox(
        BoxMatch::text("No se ha configurado una comandera en este equipo, verifiquelo y vuelva a intentarlo!!!")
            .withTitle("Aviso al operador!!! - 7"));
    imprimir("Comandera : PATIO", true);
    ASSERT_EQ(dialogos.shown().size(), 1u);
    EXPECT_EQ(dialogos.shown()[0].style, ui::vbCritical);
    EXPECT_TRUE(par.leer(1, 300).isEmpty());
}

TEST_F(ImprimeEnComanderaTest, APortThatDoesNotOpenShowsTheRecordsPortText)
{
    puertos("COM2=" + datos.filePath(QStringLiteral("no-existe")) + "\n");
    dialogos.expectMsgBox(BoxMatch::text("Error de Comunicacion con el Puerto seleccionado (COM2 ) verifiquelo y "
                                         "vuelva a intentarlo. EL COMPROBANTE NO SE HA IMPRESO")
                              .withTitle("Aviso al operador!!"));
    imprimir("Comandera : BARRA");
    ASSERT_EQ(dialogos.shown().size(), 1u);
    EXPECT_EQ(dialogos.shown()[0].style, ui::vbCritical);
    EXPECT_FALSE(gFrmMvVentas->MSComm1.PortOpen());
}

TEST_F(ImprimeEnComanderaTest, APrinterThatTakesNoBytesEndsWithTheCommunicationMessage)
{
    puertos("COM1=" + par.extremoPrograma() + "\n");
    // The line is held stopped, as by a printer switched off: nothing sent to it leaves.
    ASSERT_EQ(tcflow(par.descriptorPrograma(), TCOOFF), 0);
    dialogos.expectMsgBox(BoxMatch::text("Error de Comunicacion con el Puerto seleccionado (COM1 ) verifiquelo y "
                                         "vuelva a intentarlo. EL COMPROBANTE NO SE HA IMPRESO")
                              .withTitle("Aviso al operador!!"));
    imprimir("Comandera : COCINA", true);
    EXPECT_FALSE(gFrmMvVentas->MSComm1.PortOpen());
    ASSERT_EQ(tcflow(par.descriptorPrograma(), TCOON), 0);
    EXPECT_TRUE(par.leer(1, 300).isEmpty()) << "the ticket given up still reached the printer";
}

TEST_F(ImprimeEnComanderaTest, PortNIsTheSettingCOMnOfThisWorkstationOrTheSystemsDevice)
{
    puertos("COM1=" + par.extremoPrograma() + "\ncom4 = /dev/ttyUSB0\n");
    EXPECT_EQ(FrmMvVentas::DispositivoPuerto(1), par.extremoPrograma());
    EXPECT_EQ(FrmMvVentas::DispositivoPuerto(4), "/dev/ttyUSB0");
    EXPECT_EQ(FrmMvVentas::DispositivoPuerto(3), "/dev/ttyS2");
}

} // namespace
