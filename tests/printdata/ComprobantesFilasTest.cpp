// The print rows of whole vouchers on the embedded database, as the reports read them.
#include "PruebaComprobantes.h"

#include "platform/runtime/Conversions.h"
#include "session/ObjetosExternos.h"

#include <gtest/gtest.h>

namespace {

const QString Factura = QStringLiteral("000100000010A");

class ComprobantesFilas : public PruebaComprobantes {
protected:
    // An invoice with every section: remarks with apostrophes, a task with a rich-text
    // addition, two supply lines (numbered lots; a dispatched raw lot) and an other concept.
    void facturaCompleta()
    {
        comprobante("FC", Factura, "1234.5",
                    {"documentotipo = 80", "documentonumero = '20-12345678-6'", "CodCpteAfip = 1"});
        db.execute(QStringLiteral(
            "INSERT INTO V_MV_CPTE_ELECTRONICOS (TC, IDCOMPROBANTE, CAE) VALUES ('FC', '000100000010A', "
            "'74123456789012');"
            "INSERT INTO V_MV_CPTE_Observ (TC, IdComprobante, IdComplemento, Tipo_Obs, Observacion, Importe, "
            "Importe_S_IVA, fechavj, NroViaje) VALUES "
            "('FC', '000100000010A', 0, 'EN', 'Entregar a D''Angelo', NULL, NULL, NULL, NULL),"
            "('FC', '000100000010A', 0, 'EN', 'segunda cabecera', NULL, NULL, NULL, NULL),"
            "('FC', '000100000010A', 0, 'PP', 'Gracias', NULL, NULL, NULL, NULL),"
            "('FC', '000100000010A', 0, 'OC', ' Flete a O''Higgins ', 121, 100, '2024-03-06 00:00:00', 'V-7');"
            "INSERT INTO V_MV_CPTETAREAS (TC, IdComprobante, IdComplemento, idtarea, Descripcion, Horas, valorhora, "
            "Total, valorHora_S_Iva, descripcionadicional) VALUES ('FC', '000100000010A', 0, ' T1 ', 'Instalación', "
            "125, 1000, 2083.33, 826.45, '{\\RTF1\\ansi acci\\''f3n r\\e1pida del men\\fa}');"
            "INSERT INTO V_MV_CPTEINSUMOS (TC, IdComprobante, IdComplemento, IdArticulo, Descripcion, IdUnidad, "
            "Cantidad, Importe, Total, Importe_S_IVA, alicIva, Nro_Lote, Nro_Serie, ControladoPor, CANTIDAD_ORIGEN) "
            "VALUES ('FC', '000100000010A', 0, 'ART1', 'Tubo D''Agua', 'UN', 3, 121, 363, 100, 21, 'L1|L2|L3', "
            "'2|0|1', '0', 3),"
            "('FC', '000100000010A', 0, 'ART2', 'Codo', 'UN', 1, 50, 50, 41.32, 21, 'D9', '', '0', 1);"
            "INSERT INTO V_MA_ARTICULOS (IdArticulo, CodigoArtProveedor) VALUES ('ART1', 'PROV-1');"
            "INSERT INTO stk_despachos (NroLote, ControladoPor, Descripcion) VALUES ('D9', 'ADUANA-1', 'China');"));
        ajuste(QStringLiteral("FormaDePago_UN_0001"), QString(), QStringLiteral("Contado 30 días"));
    }
};

TEST_F(ComprobantesFilas, AWholeInvoiceGivesEverySectionInPrintOrder)
{
    facturaCompleta();
    generar("FC", Factura);
    const QStringList esperadas{
        "|Encabezado=Entregar a D'Angelo",
        "3",
        "M|Seccion=Detalles de Tareas Realizadas",
        "3",
        "TA|COLUMNA1=T1|COLUMNA2=Instalación|COLUMNA3= |COLUMNA4=02:05|COLUMNA5=1000,00|COLUMNA6=2083,33|"
        "COLUMNA7=826,45",
        "TA|COLUMNA1=T1|COLUMNA2={\\RTF1\\ansi acción rápida del menú}|COLUMNA4=0|COLUMNA5=0|COLUMNA6=0|COLUMNA7=0",
        "3",
        "M|Seccion=Insumos - Materiales Utilizados - Productos",
        "3",
        "IN|COLUMNA1=ART1|COLUMNA2=Tubo DAgua|COLUMNA3=UN|COLUMNA4=3|COLUMNA5=121,00|COLUMNA6=363,00|"
        "COLUMNA7=100,00|COLUMNA8=L1 L3|COLUMNA12=0|COLUMNA16=Tubo DAgua|COLUMNA17=21|PieDePagina=PROV-1|CANTIDAD_ORIGEN=3",
        "IN|COLUMNA1=ART2|COLUMNA2=Codo|COLUMNA3=UN|COLUMNA4=1|COLUMNA5=50,00|COLUMNA6=50,00|COLUMNA7=41,32|"
        "COLUMNA8=D9|COLUMNA12=0|COLUMNA16=Codo|COLUMNA17=21|CANTIDAD_ORIGEN=1",
        "XX|Seccion=D9 - ADUANA-1 Orig.China",
        "ZZ|Seccion=L1 L3",
        "3",
        "M|Seccion=Otros Conceptos - Observaciones - Comentarios",
        "3",
        "OC|COLUMNA2=Flete a OHiggins|COLUMNA3=0|COLUMNA4=0|COLUMNA5=0|COLUMNA6=100,00|COLUMNA7=100,00|"
        "COLUMNA8=0|COLUMNA12=06/03/2024|COLUMNA13=V-7",
        "|PieDePagina=Gracias",
    };
    // The embedded engine stores the day-first trip date literal in its own date form.
    const QStringList columnas{"Seccion",   "COLUMNA1",  "COLUMNA2",  "COLUMNA3",    "COLUMNA4",
                               "COLUMNA5",  "COLUMNA6",  "COLUMNA7",  "COLUMNA8",    "COLUMNA12",
                               "COLUMNA13", "COLUMNA16", "COLUMNA17", "PieDePagina", "CANTIDAD_ORIGEN"};
    QStringList obtenidas = filas(columnas);
    // The header row's Encabezado comes from the voucher-wide column, checked below.
    if (!obtenidas.isEmpty())
        obtenidas[0] += QStringLiteral("|Encabezado=")
                        + rt::CStr(db.value("SELECT Encabezado FROM AUX_MV_CPTE "
                                            "ORDER BY ID LIMIT 1"));
    EXPECT_EQ(obtenidas, esperadas);
}

TEST_F(ComprobantesFilas, VoucherWideColumnsReachEveryRowOfTheVoucher)
{
    facturaCompleta();
    generar("FC", Factura);
    const auto valores = db.rows(QStringLiteral("SELECT DISTINCT TC, IDCOMPROBANTE, IDCOMPLEMENTO, Encabezado, "
                                                "IMPORTEENLETRAS, FormaDePago FROM AUX_MV_CPTE"));
    ASSERT_EQ(valores.size(), 1);
    EXPECT_EQ(rt::CStr(valores[0][0]), "FC");
    EXPECT_EQ(rt::CStr(valores[0][1]), Factura);
    EXPECT_EQ(rt::CStr(valores[0][2]), "0");
    EXPECT_EQ(rt::CStr(valores[0][3]), "Entregar a D'Angelo");
    EXPECT_EQ(rt::CStr(valores[0][4]), " un mil doscientos treinta y cuatro Pesos con 50/100");
    EXPECT_EQ(rt::CStr(valores[0][5]), "Contado 30 días");
}

TEST_F(ComprobantesFilas, TwoWorkstationsKeepTheirOwnRows)
{
    facturaCompleta();
    comprobante("FC", "000100000011B", "10");
    generar("FC", Factura);
    const long propias = rt::CLng(db.value("SELECT COUNT(*) FROM AUX_MV_CPTE"));
    {
        VariableEntorno otro("USER", QStringLiteral("cajero2"));
        generar("FC", "000100000011B");
    }
    EXPECT_EQ(filas({"IDCOMPROBANTE"}).size(), propias);
    EXPECT_EQ(rt::CLng(db.value("SELECT COUNT(*) FROM AUX_MV_CPTE WHERE USUARIO LIKE '%|cajero2' "
                                "AND IDCOMPROBANTE = '000100000011B'")),
              1);
    // The report's upper-case identity selects the same rows.
    EXPECT_EQ(
        rt::CLng(db.value(
            QStringLiteral("SELECT COUNT(*) FROM AUX_MV_CPTE WHERE USUARIO = '%1'").arg(claveEquipo().toUpper()))),
        propias);
    // The QR row of a voucher belongs to the workstation that built it last.
    {
        VariableEntorno otro("USER", QStringLiteral("cajero2"));
        generar("FC", Factura, {}, true);
    }
    EXPECT_EQ(db.rows("SELECT Usuario FROM AUX_MV_CPTEQR WHERE IdComprobante = '000100000010A'").size(), 1);
    EXPECT_TRUE(rt::CStr(db.value("SELECT Usuario FROM AUX_MV_CPTEQR WHERE IdComprobante = '000100000010A'"))
                    .endsWith("|cajero2"));
}

TEST_F(ComprobantesFilas, AKeyLongerThanThePrintTablesIsReportedOnceAndWritesNothing)
{
    facturaCompleta();
    generar("FC", Factura);
    VariableEntorno largo("USER", QString(60, QLatin1Char('x')));
    dialogos.expectMsgBox(support::BoxMatch::textContaining("las tablas de impresión admiten 50"));
    generar("FC", Factura);
    dialogos.verify();
    EXPECT_EQ(rt::CLng(db.value("SELECT COUNT(*) FROM AUX_MV_CPTE WHERE USUARIO LIKE '%xxxx'")), 0);
}

TEST_F(ComprobantesFilas, ATaskRunGivesOnlyThatTaskWithItsColumns)
{
    facturaCompleta();
    db.execute("INSERT INTO V_MV_CPTETAREAS (TC, IdComprobante, IdComplemento, idtarea, Descripcion, Horas) "
               "VALUES ('FC', '000100000010A', 0, 'T2', 'Otra', 60)");
    generar("FC", Factura, "T2");
    EXPECT_EQ(filas({"COLUMNA1", "Encabezado", "IMPORTEENLETRAS", "FormaDePago"}),
              (QStringList{"3|IMPORTEENLETRAS= un mil doscientos treinta y cuatro Pesos con 50/100|FormaDePago=Contado "
                           "30 días",
                           "M|IMPORTEENLETRAS= un mil doscientos treinta y cuatro Pesos con 50/100|FormaDePago=Contado "
                           "30 días",
                           "3|IMPORTEENLETRAS= un mil doscientos treinta y cuatro Pesos con 50/100|FormaDePago=Contado "
                           "30 días",
                           "TA|COLUMNA1=T2|IMPORTEENLETRAS= un mil doscientos treinta y cuatro Pesos con "
                           "50/100|FormaDePago=Contado 30 días"}));
}

TEST_F(ComprobantesFilas, ATaskWithoutTaskRowsPrintsItsDiaryEntries)
{
    comprobante("OT", "000100000001X", "0");
    ajuste("NoMostrarImportesEnOT", " si ");
    db.execute("INSERT INTO V_MV_DIARIOS (TC, IdComprobante, IdComplemento, idtarea, Descripcion, Observaciones, "
               "Minutos) VALUES ('OT', '000100000001X', 0, 'T7', ' Visita ', 'Cliente O''Neil', 30),"
               "('OT', '000100000001X', 0, 'T7', 'Control', '  ', 15)");
    generar("ot", "000100000001X", "T7");
    EXPECT_EQ(filas({"Seccion", "COLUMNA1", "COLUMNA2", "COLUMNA4", "COLUMNA5"}),
              (QStringList{"3", "M|Seccion=Detalles de Tareas a Realizar", "3",
                           "TA|COLUMNA1=T7|COLUMNA2={\\rtf1\\ansi Visita\r\n Cliente O'Neil|COLUMNA4=      |COLUMNA5=0",
                           "TA|COLUMNA1=T7|COLUMNA2=Control|COLUMNA4=      |COLUMNA5=0"}));
}

TEST_F(ComprobantesFilas, AForeignRemitoOfARetailSetUpAddsThePendingOrderLines)
{
    ajuste("RETAIL", "SI");
    comprobante("NP", "000100000005X", "0");
    comprobante("RM", "000100000005R", "0", {"ComprobanteOrigen = '000100000005X'", "TcOrigen = 'np '"});
    db.execute("INSERT INTO V_MV_CPTEINSUMOS (TC, IdComprobante, IdComplemento, IdArticulo, Descripcion, Cantidad, "
               "CANTIDADAFACTURAR, Importe, Total, Importe_S_IVA, Nro_Lote, Nro_Serie) VALUES "
               "('NP', '000100000005X', 0, 'A1', 'Pan d''oro', 4, 1, 10, 40, 8.26, 'L5|L6', '1|2'),"
               "('NP', '000100000005X', 0, 'A2', 'Entregado', 2, 2, 5, 10, 4.13, '', '')");
    generar(" rm ", "000100000005R");
    EXPECT_EQ(
        filas({"Seccion", "COLUMNA1", "COLUMNA2", "COLUMNA4", "COLUMNA6", "COLUMNA8", "COLUMNA9", "CANTIDAD_ORIGEN"},
              "AND TIPO <> ''"),
        (QStringList{"3", "M|Seccion=Insumos - Materiales Utilizados - Productos (Sin Preparación)", "3",
                     "IN|COLUMNA1=A1|COLUMNA2=Pan doro|COLUMNA4=0|COLUMNA6=40,00|COLUMNA8=L5L6|COLUMNA9=12|"
                     "CANTIDAD_ORIGEN=4"}));
}

} // namespace
