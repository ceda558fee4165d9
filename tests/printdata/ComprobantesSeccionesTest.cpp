// The rules of single sections and of the voucher selection, case by case.
#include "PruebaComprobantes.h"

#include "platform/runtime/Conversions.h"

#include <gtest/gtest.h>

namespace {

class ComprobantesSecciones : public PruebaComprobantes {
protected:
    AuxiliarComprobantes::Pedido unComprobante(const QString &id)
    {
        AuxiliarComprobantes::Pedido pedido;
        pedido.SucursalDesde = id.left(4);
        pedido.NumeroDesde = id.mid(4, 8);
        pedido.LetraDesde = id.mid(12, 1);
        pedido.IdComplementoDesde = QStringLiteral("0");
        return pedido;
    }
    QStringList tipos() { return filas({}); }
};

TEST_F(ComprobantesSecciones, TheTitleBlockHasTheRequestedHeight)
{
    const std::pair<qint16, QStringList> casos[] = {
        {3, {"3", "M", "3"}}, {4, {"3", "3", "M", "3"}}, {2, {"3", "M"}}, {1, {"M"}}, {0, {"M"}}, {-2, {"M"}},
    };
    comprobante("FC", "000100000001B", "10");
    db.execute("INSERT INTO V_MV_CPTE_Observ (TC, IdComprobante, IdComplemento, Tipo_Obs, Observacion, Importe, "
               "Importe_S_IVA) VALUES ('FC', '000100000001B', 0, 'OC', 'Flete', 0, 0)");
    for (const auto &[alto, esperado] : casos) {
        AuxiliarComprobantes::Pedido pedido = unComprobante("000100000001B");
        pedido.AltoTitulo = alto;
        generarPedido("FC", pedido);
        EXPECT_EQ(filas({}, "AND TIPO IN ('3', 'M')"), esperado) << alto;
    }
}

TEST_F(ComprobantesSecciones, ZeroOtherConceptAmountsPrintEmptyOnlyWhenTheSettingSaysSo)
{
    comprobante("FC", "000100000001A", "10");
    db.execute("INSERT INTO V_MV_CPTE_Observ (TC, IdComprobante, IdComplemento, Tipo_Obs, Observacion, Importe, "
               "Importe_S_IVA) VALUES ('FC', '000100000001A', 0, 'OC', 'Sin cargo', 5, 0),"
               "('FC', '000100000001A', 0, 'OC', 'Bonificado', 0, 3)");
    const std::pair<const char *, QStringList> casos[] = {
        {"NO", {"OC|COLUMNA6=0,00|COLUMNA7=0,00", "OC|COLUMNA6=3,00|COLUMNA7=3,00"}},
        // On an "A" voucher the amount column is the one without VAT.
        {" si ", {"OC", "OC|COLUMNA6=3,00|COLUMNA7=3,00"}},
    };
    for (const auto &[valor, esperado] : casos) {
        ajuste("IgnoraImportesCeroEnOC", valor);
        generar("FC", "000100000001A");
        EXPECT_EQ(filas({"COLUMNA6", "COLUMNA7"}, "AND TIPO = 'OC'"), esperado) << valor;
    }
}

TEST_F(ComprobantesSecciones, ProformaPricesGetTheirVatOnlyUnderEveryCondition)
{
    struct Caso {
        const char *ajuste;
        const char *condicion;
        const char *importe;
        double alicuota;
        const char *precio;
    };
    const Caso casos[] = {
        {"si", "1", "100", 21, "121,00"}, {"NO", "1", "100", 21, "100,00"}, {"SI", "2", "100", 21, "100,00"},
        {"SI", "1", "100", 0, "100,00"},  {"SI", "1", "90", 21, "90,00"},
    };
    comprobante("FP", "000100000001X", "100");
    for (const Caso &c : casos) {
        ajuste("RobaIvaProforma", c.ajuste);
        db.execute("DELETE FROM V_MV_CPTEINSUMOS");
        db.execute(QStringLiteral("INSERT INTO V_MV_CPTEINSUMOS (TC, IdComprobante, IdComplemento, IdArticulo, "
                                  "Cantidad, Importe, Total, Importe_S_IVA, alicIva, CondicionIva) VALUES ('FP', "
                                  "'000100000001X', 0, 'A', 1, %1, %1, 100, %2, '%3')")
                       .arg(c.importe)
                       .arg(c.alicuota)
                       .arg(c.condicion));
        generar("FP", "000100000001X");
        EXPECT_EQ(filas({"COLUMNA5", "COLUMNA6", "COLUMNA7"}, "AND TIPO = 'IN'"),
                  QStringList{QStringLiteral("IN|COLUMNA5=%1|COLUMNA6=%1|COLUMNA7=100,00").arg(c.precio)})
            << c.ajuste << c.condicion << c.importe << c.alicuota;
    }
}

TEST_F(ComprobantesSecciones, WorkOrdersHideTheirHoursWhenTheSettingSaysSo)
{
    comprobante("OT", "000100000002X", "0");
    db.execute("INSERT INTO V_MV_CPTETAREAS (TC, IdComprobante, IdComplemento, idtarea, Descripcion, Horas, valorhora, "
               "Total, valorHora_S_Iva) VALUES ('OT', '000100000002X', 0, 'T1', 'Armado', 90, 10, 15, 8)");
    const std::pair<const char *, const char *> casos[] = {
        {"NO", "TA|Seccion=|COLUMNA4=01:30|COLUMNA6=15,00"},
        {"SI", "TA|Seccion=|COLUMNA4=      |COLUMNA6=15,00"},
    };
    for (const auto &[valor, esperado] : casos) {
        ajuste("NoMostrarImportesEnOT", valor);
        generar("OT", "000100000002X");
        const QStringList obtenidas = filas({"Seccion", "COLUMNA4", "COLUMNA6"}, "AND TIPO IN ('M', 'TA')");
        EXPECT_EQ(obtenidas, (QStringList{"M|Seccion=Detalles de Tareas a Realizar",
                                          QString::fromUtf8(esperado).remove(QStringLiteral("|Seccion="))}))
            << valor;
    }
}

TEST_F(ComprobantesSecciones, SelectionByRangeListAndIdsTakesTheRightVouchers)
{
    comprobante("FC", "000100000001A", "1");
    comprobante("FC", "000100000002A", "2");
    comprobante("FC", "000100000003A", "3");
    comprobante("NC", "000100000001A", "4");
    const auto identidad = [&](const QString &id, const QString &tc) {
        return rt::CStr(
            db.value(QStringLiteral("SELECT ID FROM V_MV_CPTE WHERE TC = '%1' AND IdComprobante = '%2'").arg(tc, id)));
    };
    struct Caso {
        QString tc;
        AuxiliarComprobantes::Pedido pedido;
        QString tcDevuelto;
        QStringList comprobantes;
    };
    AuxiliarComprobantes::Pedido rango = unComprobante("000100000001A");
    rango.SucursalHasta = "0001";
    rango.NumeroHasta = "00000002";
    rango.LetraHasta = "A";
    rango.IdComplementoHasta = "0";
    AuxiliarComprobantes::Pedido todos;
    AuxiliarComprobantes::Pedido lista;
    lista.ListaIdComprobante = "'000100000003A', '000100000001A'";
    AuxiliarComprobantes::Pedido ids;
    ids.ListaId = identidad("000100000001A", "NC") + "," + identidad("000100000002A", "FC");
    AuxiliarComprobantes::Pedido idsDelTipo;
    idsDelTipo.ListaId = ids.ListaId;
    const Caso casos[] = {
        {"fc", unComprobante("000100000002A"), "fc", {"fc|000100000002A"}},
        {"FC", rango, "FC", {"FC|000100000001A", "FC|000100000002A"}},
        {"FC", todos, "FC", {"FC|000100000001A", "FC|000100000002A", "FC|000100000003A"}},
        {"FC", lista, "FC", {"FC|000100000001A", "FC|000100000003A"}},
        // Each voucher of an ID list of any type prints as its own type; the first one's type comes back.
        {"todo", ids, "FC", {"FC|000100000002A", "NC|000100000001A"}},
        {"FC", idsDelTipo, "FC", {"FC|000100000002A"}},
    };
    for (const Caso &c : casos) {
        EXPECT_EQ(generarPedido(c.tc, c.pedido), c.tcDevuelto) << c.tc.toStdString();
        QStringList obtenidos;
        for (const auto &fila : db.rows("SELECT TC, IDCOMPROBANTE FROM AUX_MV_CPTE ORDER BY ID"))
            obtenidos << rt::CStr(fila[0]) + "|" + rt::CStr(fila[1]);
        EXPECT_EQ(obtenidos, c.comprobantes) << c.tc.toStdString();
    }
}

TEST_F(ComprobantesSecciones, KeptRowsStayAndAForeignAmountTakesItsCurrencyWord)
{
    db.execute("INSERT INTO ta_monedas (Codigo, Descripcion) VALUES ('0002', 'Dólares')");
    comprobante("FC", "000100000001A", "20", {"Moneda = ' 2'"});
    comprobante("FC", "000100000002A", "1.05", {"Moneda = '0'"});
    generar("FC", "000100000001A");
    generar("FC", "000100000002A", {}, true);
    EXPECT_EQ(filas({"IDCOMPROBANTE", "IMPORTEENLETRAS"}),
              (QStringList{"|IDCOMPROBANTE=000100000001A|IMPORTEENLETRAS= veinte Dólares con 00/100",
                           "|IDCOMPROBANTE=000100000002A|IMPORTEENLETRAS= un Pesos con 05/100"}));
    generar("FC", "000100000002A");
    EXPECT_EQ(filas({"IDCOMPROBANTE"}), QStringList{"|IDCOMPROBANTE=000100000002A"});
}

} // namespace
