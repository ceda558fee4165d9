#include "PruebaImpresion.h"

#include "db/Conexiones.h"
#include "platform/runtime/StepRunner.h"
#include "printdata/vouchers/RutasArchivo.h"
#include "printing/AvisosArchivos.h"
#include "printing/SalidaTrabajo.h"
#include "session/ModError.h"

#include <gtest/gtest.h>

namespace {

class SalidaTrabajoTest : public PruebaImpresion {
protected:
    SalidaTrabajoTest()
    {
        for (const char *nombre : {"F1.rpt", "F2.rpt", "F3.rpt", "F4.rpt", "RETIGAN.rpt"})
            archivo(QString::fromLatin1(nombre));
        trabajo.pedido.TC = QStringLiteral("FC");
        trabajo.pedido.IdComprobante = QStringLiteral("000100000123A");
        trabajo.Seleccion = QStringLiteral("{V_MV_CPTE.TC} = 'FC'");
        trabajo.OrdenCampos = QStringList{QString()};
        trabajo.Archivos = {carpeta() + "F1.rpt", carpeta() + "F2.rpt", carpeta() + "F3.rpt", carpeta() + "F4.rpt"};
        trabajo.Reporte = trabajo.Archivos[0];
        trabajo.Copias = 1;
        trabajo.DestinoDefault = QStringLiteral("Pantalla");
        trabajo.Formulas = {QStringLiteral("NombreEmpresa = 'Sur'"), QString()};
    }

    void imprimir(bool conComandera = true)
    {
        const rt::StepRunner pasos(
            [](const rt::RuntimeError &error) { return MostrarError(error, std::nullopt, QStringLiteral("Prueba")); });
        AvisosArchivos avisos;
        const RutasArchivo rutas;
        EXPECT_TRUE(SalidaTrabajo(*gBaseDatos, objeto, conComandera ? &comandera : nullptr, rutas, avisos, carpeta(),
                                  QStringLiteral("DSN=DEMO"))
                        .imprimir(trabajo, pasos));
    }

    // Each print as "file: formulas joined by |; sub-reports".
    QStringList impresiones() const
    {
        QStringList textos;
        for (const LlamadaReporte &l : objeto.llamadas) {
            QStringList formulas(l.formulas.begin(), l.formulas.end());
            textos << QString(l.reporte).remove(carpeta()) + QStringLiteral(": ") + formulas.join(QLatin1Char('|'))
                          + QStringLiteral("; ") + l.subReporte + QLatin1Char(',') + l.subReporte2;
        }
        return textos;
    }

    TrabajoComprobante trabajo;
    ObjetoRegistrado objeto;
    ComanderaRegistrada comandera;
};

TEST_F(SalidaTrabajoTest, EachCopyPrintsItsFormWithItsCopyName)
{
    trabajo.Copias = 5;
    trabajo.DestinoDefault = QStringLiteral("Impresora");
    trabajo.Impresora = QStringLiteral(" HP LaserJet | USB001 ");
    imprimir();
    EXPECT_EQ(impresiones(),
              (QStringList{"F1.rpt: |||Encabezado = 'ORIGINAL'|; ,", "F2.rpt: |||Encabezado = 'DUPLICADO'|; ,",
                           "F3.rpt: |||Encabezado = 'TRIPLICADO'|; ,", "F4.rpt: |||Encabezado = 'TRIPLICADO'|; ,",
                           "F4.rpt: |||Encabezado = 'TRIPLICADO'|; ,"}));
    EXPECT_EQ(objeto.formulas, trabajo.Formulas);
    EXPECT_EQ(objeto.eventos.mid(0, 5),
              (QStringList{"Formulas", "Destino 1", "Nombre HP LaserJet", "Controlador HP LaserJet", "Puerto USB001"}));
    EXPECT_EQ(objeto.eventos.last(), QStringLiteral("Terminar 30"));
    EXPECT_EQ(objeto.llamadas[0].seleccion, trabajo.Seleccion);
    EXPECT_EQ(objeto.llamadas[0].conexion, QStringLiteral("DSN=DEMO"));
}

TEST_F(SalidaTrabajoTest, CopiesBelowOnePrintOneCopy)
{
    for (const qint16 copias : {0, -1, -32768}) {
        objeto = ObjetoRegistrado();
        trabajo.Copias = copias;
        imprimir();
        EXPECT_EQ(impresiones(), QStringList{"F1.rpt: |||Encabezado = 'ORIGINAL'|; ,"}) << copias;
    }
}

TEST_F(SalidaTrabajoTest, OnTheScreenAFormRepeatedByTheNextCopyIsShownOnce)
{
    trabajo.Copias = 4;
    trabajo.Archivos[1] = trabajo.Archivos[0];
    trabajo.Archivos[3] = trabajo.Archivos[2];
    imprimir();
    EXPECT_EQ(impresiones(),
              (QStringList{"F1.rpt: |||Encabezado = 'ORIGINAL'|; ,", "F3.rpt: |||Encabezado = 'TRIPLICADO'|; ,"}));
}

struct Destino {
    int pedido;
    const char *texto;
    int resuelto;
};

// Listed and reported by what it tries.
void PrintTo(const Destino &c, std::ostream *os)
{
    *os << "destination " << c.pedido << ", default " << c.texto;
}

class DestinoTest : public SalidaTrabajoTest, public testing::WithParamInterface<Destino> { };

TEST_P(DestinoTest, TheDefaultDestinationAppliesOnlyWhenTheCallerLeavesItOpen)
{
    objeto.pantalla = 2;
    trabajo.Destino = GetParam().pedido;
    trabajo.DestinoDefault = QString::fromLatin1(GetParam().texto);
    imprimir();
    EXPECT_EQ(trabajo.Destino, GetParam().resuelto);
    EXPECT_EQ(objeto.destino, GetParam().resuelto);
    EXPECT_EQ(objeto.llamadas.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Textos, DestinoTest,
                         testing::Values(Destino{-1, "Pantalla", 2}, Destino{-1, "impresora", 1},
                                         Destino{-1, "E-M@ail", 3}, Destino{-1, "Ninguno", 2}, Destino{-1, "Otro", 0},
                                         Destino{0, "Impresora", 0}, Destino{3, "Pantalla", 3}));

TEST_F(SalidaTrabajoTest, APrinterTextWithoutBarIsThePrintersName)
{
    trabajo.Destino = 1;
    trabajo.Impresora = QStringLiteral("Epson FX");
    imprimir();
    EXPECT_EQ(objeto.eventos.mid(2, 3), (QStringList{"Nombre Epson FX", "Controlador Epson FX", "Puerto "}));
}

TEST_F(SalidaTrabajoTest, SelectiveAndFiscalDestinationsPrintNothingButEndTheBatch)
{
    for (const char *texto : {"Selectivo", "Controlador Fiscal:"}) {
        objeto = ObjetoRegistrado();
        trabajo.DestinoDefault = QString::fromLatin1(texto);
        imprimir();
        EXPECT_TRUE(objeto.llamadas.empty()) << texto;
        EXPECT_EQ(objeto.eventos.last(), QStringLiteral("Terminar 30"));
    }
}

TEST_F(SalidaTrabajoTest, KitchenDestinationsSendATicketInsteadOfTheReport)
{
    for (const char *tc : {"PECO", "PEBA", "PEBR", "PEC", "NP"}) {
        trabajo.pedido.TC = QString::fromLatin1(tc);
        trabajo.DestinoDefault = QStringLiteral("comandera : Barra");
        imprimir();
    }
    EXPECT_EQ(comandera.tickets,
              (QStringList{"PE|000100000123A|comandera : Barra|cocina|", "PE|000100000123A|comandera : Barra||barra",
                           "PE|000100000123A|comandera : Barra||barra", "PE|000100000123A|comandera : Barra||",
                           "NP|000100000123A|comandera : Barra||"}));
    EXPECT_TRUE(objeto.llamadas.empty());
    dialogos.expectMsgBox(support::BoxMatch::textContaining(QStringLiteral("impresión de comandas")), ui::vbIgnore);
    imprimir(false);
    EXPECT_EQ(objeto.eventos.last(), QStringLiteral("Terminar 30"));
}

TEST_F(SalidaTrabajoTest, ElectronicVouchersCarryTheCompanyDataAndTheCopyNameInTheirFormulas)
{
    configurar({{"CALLE", "Mitre"},
                {"NUMERO", "120"},
                {"CPOSTAL", "2000"},
                {"Localidad", "Rosario"},
                {"PROVINCIA", "Santa Fe"},
                {"TELEFONO", "4400000"}});
    trabajo.Electronico = true;
    trabajo.Empresa = QStringLiteral("Sur SA");
    trabajo.IngresosBrutos = QStringLiteral("901-1");
    trabajo.InicioActividades = QStringLiteral("01/02/2003");
    trabajo.Copias = 2;
    imprimir();
    const QString datos = QStringLiteral("NombreEmpresa='Sur SA'|Localidad='Ingresos Brutos: 901-1'|Direccion='Inicio "
                                         "de Actividades: 01/02/2003'|Encabezado='Mitre 120 (2000) Rosario - Santa Fe "
                                         "Tel:4400000'|CodigoPostal=");
    EXPECT_EQ(impresiones(),
              (QStringList{"F1.rpt: " + datos + "'ORIGINAL'; ,", "F2.rpt: " + datos + "'DUPLICADO'; ,"}));
}

struct Especial {
    const char *tc;
    const char *reporte;
    const char *subReportes;
    const char *impreso;
};

// Listed and reported by what it tries.
void PrintTo(const Especial &c, std::ostream *os)
{
    *os << c.tc << " with " << c.reporte;
}

class EspecialTest : public SalidaTrabajoTest, public testing::WithParamInterface<Especial> { };

TEST_P(EspecialTest, PurchasesPaymentOrdersAndOwnReportsPrintWithoutCopyName)
{
    configurar({{"ImpresionPagosConSubReporte", "si"}});
    trabajo.pedido.TC = QString::fromLatin1(GetParam().tc);
    trabajo.Reporte = QString::fromLatin1(GetParam().reporte);
    if (!trabajo.Reporte.endsWith(QLatin1String(".rpt")))
        trabajo.Archivos.fill(QString());
    imprimir();
    EXPECT_EQ(impresiones(), QStringList{QString::fromLatin1(GetParam().impreso) + QStringLiteral(": ||||; ")
                                         + QString::fromLatin1(GetParam().subReportes)});
}

INSTANTIATE_TEST_SUITE_P(Tipos, EspecialTest,
                         testing::Values(Especial{"FCC", "F1.rpt", "RP_CPTESER,RP_CpteObs", "F1.rpt"},
                                         Especial{"OPG", "F1.rpt", "OPGSR,", "F1.rpt"},
                                         Especial{"PG", "F1.rpt", "OPGSR,", "F1.rpt"},
                                         Especial{"OP", "F1.rpt", "opSub,", "F1.rpt"},
                                         Especial{"OPG", "RETIGAN", ",", "RETIGAN"}));

TEST_F(SalidaTrabajoTest, AMissingFormIsReportedOnceAndItsCopiesSkipped)
{
    trabajo.Copias = 3;
    trabajo.Archivos[0] = trabajo.Archivos[1] = carpeta() + QStringLiteral("FALTA.rpt");
    dialogos.expectMsgBox(support::BoxMatch::text(QStringLiteral("No se encuentra el Formulario ") + carpeta()
                                                  + QStringLiteral("FALTA.rpt"))
                              .withTitle(QStringLiteral("Atención")));
    imprimir();
    EXPECT_EQ(dialogos.shown().at(0).style, 64);
    EXPECT_EQ(impresiones(), QStringList{"F3.rpt: |||Encabezado = 'TRIPLICADO'|; ,"});
}

TEST_F(SalidaTrabajoTest, OneGivenFormPrintsOncePlainly)
{
    const QString otro = archivo(QStringLiteral("Otro.rpt"));
    trabajo.pedido.Formulario = otro;
    trabajo.Copias = 3;
    trabajo.pedido.TC = QStringLiteral("NP");
    imprimir();
    trabajo.pedido.TC = QStringLiteral("FCC");
    imprimir();
    trabajo.pedido.TC = QStringLiteral("FC");
    trabajo.Electronico = true;
    imprimir();
    ASSERT_EQ(impresiones().size(), 3);
    EXPECT_EQ(impresiones()[0], QStringLiteral("Otro.rpt: ||||; ,"));
    EXPECT_EQ(impresiones()[1], QStringLiteral("Otro.rpt: ||||; RP_CPTESER,RP_CpteObs"));
    EXPECT_TRUE(impresiones()[2].endsWith(QStringLiteral("CodigoPostal=''; ,")));
}

TEST_F(SalidaTrabajoTest, ThirdPartyPrintsTakeTheCompanyAndHeaderFormulas)
{
    configurar({{"Nombre", "Sur SA"}});
    trabajo.pedido.TC = QStringLiteral("T3");
    trabajo.Direccion = QStringLiteral("Direccion = 'Mitre 120'");
    trabajo.Localidad = QStringLiteral("Localidad= 'Rosario'");
    trabajo.CodigoPostal = QStringLiteral("CodigoPostal= '2000'");
    trabajo.Telefono = QStringLiteral("Telefono= 'Telefono:1'");
    imprimir();
    EXPECT_EQ(impresiones(), QStringList{"F1.rpt: Empresa='Sur SA'|Direccion = 'Mitre 120'|Localidad= "
                                         "'Rosario'|CodigoPostal= '2000'|Telefono= 'Telefono:1'; ,"});
}

TEST_F(SalidaTrabajoTest, OrdersRouteTheLinesOfEachSectionToItsPrinter)
{
    db.execute("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, VALORAUX) VALUES "
               "('NPS_IMPRESION_COCINA', 'Cocina|COM3', '01, 2|'), ('NPS_IMPRESION_BARRA', 'Barra', '03|'), "
               "('NPS_IMPRESION_NADA', 'Nada', 'sin barra')");
    db.execute("INSERT INTO V_MV_CPTE (TC, IdComprobante, IdComplemento, UNegocio) VALUES ('NP', '000100000123A', 0, "
               "'0001')");
    db.execute("INSERT INTO V_MV_CPTEINSUMOS (TC, IdComprobante, IdComplemento, IdArticulo) VALUES "
               "('NP', '000100000123A', 0, 'MILA'), ('NP', '000100000123A', 0, 'PAPAS'), "
               "('NP', '000100000123A', 0, 'VINO'), ('NP', '000100000123A', 0, 'D''ANGELO')");
    db.execute("INSERT INTO V_MA_ARTICULOS (IdArticulo, idrubro) VALUES ('MILA', '0001'), ('PAPAS', '0002'), "
               "('VINO', '04'), ('D''ANGELO', '0001')");
    trabajo.pedido.TC = QStringLiteral("NP");
    trabajo.Destino = 1;
    imprimir();
    ASSERT_EQ(objeto.llamadas.size(), 2u);
    EXPECT_EQ(objeto.llamadas[1].seleccion,
              QStringLiteral("{V_MV_CPTE.TC} = 'FC' AND ({AUX_MV_CPTE.COLUMNA1}='MILA' OR "
                             "{AUX_MV_CPTE.COLUMNA1}='PAPAS' OR {AUX_MV_CPTE.COLUMNA1}='D''ANGELO')"));
    EXPECT_EQ(objeto.llamadas[1].formulas[3], QStringLiteral("Encabezado = 'ORIGINAL'"));
    EXPECT_TRUE(objeto.eventos.contains(QStringLiteral("Puerto COM3")));
}

} // namespace
