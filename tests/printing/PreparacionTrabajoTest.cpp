#include "PruebaImpresion.h"

#include "core/Configuracion.h"
#include "db/Conexiones.h"
#include "platform/runtime/StepRunner.h"
#include "printing/PreparacionTrabajo.h"
#include "session/Sesion.h"

#include <gtest/gtest.h>

namespace {

const QString Numero = QStringLiteral("000100000123X");

class PreparacionTrabajoTest : public PruebaImpresion {
protected:
    PreparacionTrabajoTest()
    {
        configurar({{"NOMBRE", "Comercial Sur SA"},
                    {"CUIT", "30-71234567-8"},
                    {"CONDIVAEMPRESA", "1"},
                    {"CALLE", "Mitre"},
                    {"NUMERO", "120"},
                    {"PISO", "2"},
                    {"Departamento", "B"},
                    {"LOCALIDAD", "Rosario"},
                    {"CPOSTAL", "2000"},
                    {"TELEFONO", " 341-4400000 "},
                    {"copias_efactura", "2"}});
        db.execute("INSERT INTO TA_CONDIVA (Codigo, DESCRIPCION) VALUES ('1', 'Responsable Inscripto')");
        db.execute("INSERT INTO V_TA_CPTE (Codigo, Descripcion, SISTEMA) VALUES ('FC', 'Factura', 'VENTAS'), "
                   "('AJ', 'Ajuste', 'STOCK'), ('AS', 'Asiento', 'CONTABLE'), ('FCC', 'Compra', 'Compras')");
        for (const char *nombre :
             {"FC-X.rpt", "OP.rpt", "CB.rpt", "LiqOPG.rpt", "OPG-X.rpt", "CpteCompras.rpt", "STK5.rpt", "IR-OC.rpt",
              "RP_MV_3ros.rpt", "RP_Liq_Com.rpt", "AutOT.rpt", "OT-X.rpt", "COMANDA.rpt"})
            archivo(QString::fromLatin1(nombre));
    }

    TrabajoComprobante preparar(PedidoImpresion pedido)
    {
        const rt::StepRunner pasos([](const rt::RuntimeError &error) {
            ADD_FAILURE() << error.Description.toStdString();
            return 3;
        });
        AvisosArchivos avisos;
        const RutasArchivo rutas;
        EleccionReporte eleccion(*gBaseDatos, carpeta(), rutas, avisos);
        TrabajoComprobante trabajo;
        EXPECT_TRUE(PreparacionTrabajo(*gBaseDatos, eleccion, objeto).preparar(pedido, pasos, trabajo));
        return trabajo;
    }

    static PedidoImpresion pedido(const char *tc, const char *reporte = "", const char *seleccion = "")
    {
        PedidoImpresion p;
        p.TC = QString::fromLatin1(tc);
        p.IdComprobante = Numero;
        p.Reporte = QString::fromLatin1(reporte);
        p.Seleccion = QString::fromLatin1(seleccion);
        return p;
    }

    // The text with {clave} for this workstation's key and {equipo} for its upper-case identity.
    static QString conEquipo(const char *texto)
    {
        return QString::fromUtf8(texto)
            .replace(QStringLiteral("{clave}"), claveEquipo())
            .replace(QStringLiteral("{equipo}"), gEquipoUsuario);
    }

    ObjetoRegistrado objeto;
};

struct Tipo {
    const char *tc;
    const char *reporte;
    const char *seleccionDada;
    const char *seleccion;
    const char *orden;
    const char *archivos; // result and the four copies, relative to the folder of forms
};

// Listed and reported by what it tries.
void PrintTo(const Tipo &c, std::ostream *os)
{
    *os << c.tc << " with report " << c.reporte << (*c.seleccionDada ? " and a selection of its own" : "");
}

class SeleccionPorTipoTest : public PreparacionTrabajoTest, public testing::WithParamInterface<Tipo> { };

TEST_P(SeleccionPorTipoTest, SelectionSortAndFormsOfEachTypeGroup)
{
    const Tipo &caso = GetParam();
    const TrabajoComprobante t = preparar(pedido(caso.tc, caso.reporte, caso.seleccionDada));
    EXPECT_EQ(t.Seleccion, conEquipo(caso.seleccion));
    EXPECT_EQ(t.OrdenCampos.value(0), QString::fromLatin1(caso.orden));
    QStringList archivos{t.Reporte};
    for (const QString &archivo : t.Archivos)
        archivos << archivo;
    for (QString &archivo : archivos)
        archivo.remove(carpeta());
    EXPECT_EQ(archivos.join(QLatin1Char(',')), QString::fromLatin1(caso.archivos));
}

INSTANTIATE_TEST_SUITE_P(
    Grupos, SeleccionPorTipoTest,
    testing::Values(
        Tipo{"FC", "FC", "",
             " {V_MV_CPTE.TC} = 'FC' AND {V_MV_CPTE.IDCOMPROBANTE} = '000100000123X' AND "
             "{V_MV_CPTE.IDCOMPLEMENTO} = 0 AND {Aux_MV_CPte.USUARIO} = '{clave}'",
             "", "FC-X.rpt,FC-X.rpt,FC-X.rpt,FC-X.rpt,FC-X.rpt"},
        Tipo{"FC", "FC", "{V_MV_CPTE.NOMBRE} = 'A'",
             "{V_MV_CPTE.NOMBRE} = 'A' AND  {V_MV_CPTE.TC} = 'FC' AND {V_MV_CPTE.IDCOMPROBANTE} = '000100000123X' AND "
             "{V_MV_CPTE.IDCOMPLEMENTO} = 0 AND {Aux_MV_CPte.USUARIO} = '{clave}'",
             "", "FC-X.rpt,FC-X.rpt,FC-X.rpt,FC-X.rpt,FC-X.rpt"},
        Tipo{"OT", "OT2", "",
             " {V_MV_CPTE.TC} = 'OT' AND {V_MV_CPTE.IDCOMPROBANTE} = '000100000123X' AND "
             "{V_MV_CPTE.IDCOMPLEMENTO} = 0 AND {Aux_MV_CPte.USUARIO} = '{clave}'",
             "", "OT-X2.rpt,OT-X2.rpt,OT-X2.rpt,OT-X2.rpt,OT-X2.rpt"},
        Tipo{"OP", "OP", "", " {V_MV_CPTE.TC} = 'OP' AND {V_MV_CPTE.IDCOMPROBANTE} = '000100000123X' ",
             "+{V_Mv_CpteInsumos.Id}", "OP.rpt,OP.rpt,OP.rpt,OP.rpt,OP.rpt"},
        Tipo{"CB", "CB", "",
             " {AUX_MV_CPTE.TC} = 'CB' AND  {AUX_MV_CPTE.IDCOMPROBANTE} = '000100000123X' AND "
             "{AUX_MV_CPTE.IDCOMPLEMENTO} = 0 AND  {AUX_MV_CPTE.USUARIO} = '{equipo}'",
             "", "CB.rpt,CB.rpt,CB.rpt,CB.rpt,CB.rpt"},
        Tipo{"PG", "LiqOPG", "x",
             "{AUX_MV_CPTE.TC} = 'PG' AND {AUX_MV_CPTE.USUARIO} = '{equipo}' AND  "
             "{AUX_MV_CPTE.IDCOMPROBANTE} = '000100000123X' AND {AUX_MV_CPTE.IDCOMPLEMENTO} = 0",
             "", "LiqOPG.rpt,LiqOPG.rpt,LiqOPG.rpt,LiqOPG.rpt,LiqOPG.rpt"},
        Tipo{"OPG", "LiqOPG", "x",
             "{V_MV_CPTE.TC} = 'OPG' AND  {V_MV_CPTE.IDCOMPROBANTE} = '000100000123X' and "
             "{AUX_MV_CPTE.USUARIO} = '{equipo}'",
             "", "OPG-X.rpt,OPG-X.rpt,OPG-X.rpt,OPG-X.rpt,OPG-X.rpt"},
        Tipo{"OPG", "RETIGAN", "", "{V_MV_CPTE.TC} = 'OPG' AND  {V_MV_CPTE.IDCOMPROBANTE} = '000100000123X'", "",
             "RETIGAN,,,,"},
        Tipo{"FCC", "FCC", "", "{C_MV_CPTE.IDCOMPROBANTE} = '000100000123X' AND {C_MV_CPTE.TC} = 'FCC'", "",
             "CpteCompras.rpt,CpteCompras.rpt,CpteCompras.rpt,CpteCompras.rpt,CpteCompras.rpt"},
        Tipo{"AJ", "AJ", "", " {V_MV_STOCK.TC} = 'AJ' AND {V_MV_STOCK.IDCOMPROBANTE} = '000100000123X' ", "",
             "STK5.rpt,STK5.rpt,STK5.rpt,STK5.rpt,STK5.rpt"},
        Tipo{"IR", "IR", "", " {V_MV_STOCK.TC} = 'IR' AND {V_MV_STOCK.IDCOMPROBANTE} = '000100000123X' ", "",
             "IR-OC.rpt,IR-OC.rpt,IR-OC.rpt,IR-OC.rpt,IR-OC.rpt"},
        Tipo{"T3", "T3", "x", "({v_mv_cpte.tc} = 'OT') and ({V_MV_CPTE.IDCOMPROBANTE} = '000100000123X' )", "",
             "RP_MV_3ros.rpt,RP_MV_3ros.rpt,RP_MV_3ros.rpt,RP_MV_3ros.rpt,RP_MV_3ros.rpt"},
        Tipo{"LQ", "LQ", "x", "{V_MV_CPTE.IDCOMPROBANTE} = '000100000123X' AND {V_MV_CPTE.TC} = 'OT'", "",
             "RP_Liq_Com.rpt,RP_Liq_Com.rpt,RP_Liq_Com.rpt,RP_Liq_Com.rpt,RP_Liq_Com.rpt"},
        Tipo{"AutOt", "AutOt", "",
             " {V_MV_CPTE.TC} = 'OT' AND {V_MV_CPTE.IDCOMPROBANTE} = '000100000123X' AND "
             "{V_MV_CPTE.IDCOMPLEMENTO} = 0 AND {Aux_MV_CPte.USUARIO} = '{clave}'",
             "+{Aux_Mv_Cpte.ID}", "AutOT.rpt,AutOT.rpt,AutOT.rpt,AutOT.rpt,AutOT.rpt"},
        Tipo{"LQCO", "LQCO", "x", "x", "", "LQCO,,,,"}));

TEST_F(PreparacionTrabajoTest, FormulasOfASalesVoucherEndWithOneEmptyElement)
{
    PedidoImpresion p = pedido("FC", "FC");
    p.FormulasRecibo = {QString(), QStringLiteral("Prm_ImporteCpte = '10,00'")};
    const TrabajoComprobante t = preparar(p);
    EXPECT_EQ(t.Formulas,
              (QStringList{"NombreEmpresa = 'Comercial Sur SA'", "Direccion = 'Mitre 120  2 B'", "Localidad= 'Rosario'",
                           "CodigoPostal= '2000'", "Telefono= 'Telefono:341-4400000'",
                           "Condicion IVA= 'IVA:Responsable Inscripto'", "CUIT= 'CUIT:30-71234567-8'", "",
                           "Prm_ImporteCpte = '10,00'", "PieDePagina = '      '", ""}));
}

TEST_F(PreparacionTrabajoTest, ThirdPartyPrintsKeepTheHeaderTextsAndStockVouchersGetNoCompanyFormulas)
{
    const TrabajoComprobante ir = preparar(pedido("IR"));
    EXPECT_EQ(ir.Formulas, QStringList(2, QString())) << "the receipt's empty formula and the closing one";
    EXPECT_EQ(ir.Direccion, QStringLiteral("Direccion = 'Mitre 120  2 B'"));
    const TrabajoComprobante ajuste = preparar(pedido("AJ"));
    EXPECT_EQ(ajuste.Formulas, QStringList{QString()});
    EXPECT_TRUE(ajuste.Direccion.isEmpty());
}

TEST_F(PreparacionTrabajoTest, CountersPaymentsMakeTheInvoicesFooter)
{
    db.execute("INSERT INTO MA_CUENTAS (Codigo, Descripcion, MedioDePago) VALUES ('1', 'Caja', 'EF'), "
               "('2', 'Visa', 'TJ'), ('3', 'Valores', 'CH')");
    db.execute("INSERT INTO MV_APLICACION (TC, Sucursal, Numero, letra, SUCURSAL_ORIGEN, NUMERO_ORIGEN, LETRA_ORIGEN) "
               "VALUES ('CBCT', '0001', '00000005', 'X', '0001', '00000123', 'X')");
    db.execute("INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, \"DEBE-HABER\", Importe, Cuenta) VALUES "
               "('CBCT', '0001', '00000005', 'X', 'D', 100.5, '1'), ('CBCT', '0001', '00000005', 'X', 'D', 20, '3')");
    const QStringList formulas = preparar(pedido("FC")).Formulas;
    EXPECT_EQ(formulas.value(formulas.size() - 2), QStringLiteral("PieDePagina = 'Su pago: Caja 100,5    Valores 20'"));
}

TEST_F(PreparacionTrabajoTest, PrinterCopiesAndTheElectronicVouchersOwnCount)
{
    db.execute(QStringLiteral("INSERT INTO TA_CONFIG_IMP_CPTE (TC, LETRA, USUARIO, Impresora, CantCopias, "
                              "DestinoDefault) VALUES ('FC', 'X', NULL, 'HP|USB1', 3, 'Impresora'), "
                              "('PE', 'X', NULL, 'Cocina', 1, 'Impresora')"));
    const TrabajoComprobante fc = preparar(pedido("FC"));
    EXPECT_EQ(fc.Impresora, QStringLiteral("HP|USB1"));
    EXPECT_EQ(fc.Copias, 3);
    EXPECT_EQ(fc.DestinoDefault, QStringLiteral("Impresora"));
    PedidoImpresion unaCopia = pedido("FC");
    unaCopia.UnaCopia = true;
    EXPECT_EQ(preparar(unaCopia).Copias, 1);
    db.execute(
        QStringLiteral("INSERT INTO V_MV_CPTE_ELECTRONICOS (TC, IDCOMPROBANTE) VALUES ('FC', '%1')").arg(Numero));
    const TrabajoComprobante electronica = preparar(pedido("FC"));
    EXPECT_TRUE(electronica.Electronico);
    EXPECT_EQ(electronica.Copias, 2);
    const TrabajoComprobante comanda = preparar(pedido("PEC"));
    EXPECT_EQ(comanda.Impresora, QStringLiteral("Cocina")) << "PEC reads the settings of PE";
    EXPECT_EQ(comanda.Destino, objeto.DestinoImpresora());
}

TEST_F(PreparacionTrabajoTest, AccountingVouchersAreOnlyClassified)
{
    for (const char *tc : {"AS", "NCPE", "rn"}) {
        const TrabajoComprobante t = preparar(pedido(tc, "x", "y"));
        EXPECT_TRUE(t.EsAsiento) << tc;
        EXPECT_EQ(t.Seleccion, QStringLiteral("y"));
        EXPECT_EQ(t.Formulas, QStringList{QString()});
    }
}

} // namespace
