#include "demo/KitchenOrders.h"

#include "demo/SqlLiteral.h"
#include "platform/runtime/RuntimeError.h"

#include <QFile>
#include <QStringEncoder>

namespace demo {

namespace {

// Each field of the record in order: its width, and what it holds (null for a reserved field).
QByteArray field(const QString &text, qsizetype width, char padding)
{
    QStringEncoder encoder("windows-1252");
    const QByteArray bytes = QByteArray(encoder.encode(text)).left(width);
    return bytes + QByteArray(width - bytes.size(), padding);
}

QString yesNo(bool value)
{
    return value ? QStringLiteral("S") : QStringLiteral("N");
}

struct Line {
    const char *article;
    const char *description;
    const char *quantity;
    const char *prepared; // NULL: none recorded
    const char *invoiced;
    qint64 price; // cents
};

const Line lines[] = {
    {"R01", "Milanesa napolitana con papas fritas", "2", "NULL", "0", 450000},
    {"R02", "Ensalada mixta", "1", "1", "0", 180000},
    {"R03", "Lomo a la pimienta (por kg)", "0.75", "0", "0", 1200000},
    {"R04", "Agua mineral sin gas 500 ml", "2", "0", "0", 90000},
    {"R05", "Vino tinto Malbec, copa", "3", "0", "1", 150000},
    {"R06", "Provoleta a la parrilla con orégano, ají molido y aceite de oliva", "1", "0", "0", 320000},
};

} // namespace

QByteArray kitchenPrinterRecord(const KitchenPrinter &p)
{
    const char pad = p.padding;
    return field(p.workstation, 254, pad) + field(p.name, 150, pad) + field(p.port, 5, pad) + field({}, 2, pad)
           + field(yesNo(p.printCompany), 1, pad) + field(p.company, 150, pad) + field(yesNo(p.printAddress), 1, pad)
           + field(p.address, 150, pad) + field(yesNo(p.printVoucher), 1, pad) + field(yesNo(p.printCustomer), 1, pad)
           + field(yesNo(p.printFooter), 1, pad) + field(p.footer, 150, pad) + field({}, 1, pad) + field({}, 20, pad)
           + field({}, 20, pad) + field(yesNo(p.twoLines), 1, pad) + field({}, 2, pad);
}

QList<KitchenPrinter> demoKitchenPrinters(const QString &workstation)
{
    KitchenPrinter kitchen;
    kitchen.workstation = workstation;
    kitchen.name = QStringLiteral("COCINA");
    kitchen.port = QStringLiteral("COM1");
    kitchen.printCompany = true;
    kitchen.printAddress = true;
    kitchen.printVoucher = true;
    KitchenPrinter bar = kitchen;
    bar.name = QStringLiteral("BARRA");
    bar.port = QStringLiteral("COM2");
    bar.printAddress = false;
    KitchenPrinter till;
    till.workstation = workstation;
    till.name = QStringLiteral("CAJA");
    till.port = QStringLiteral("COM3");
    till.printCompany = true;
    till.company = QStringLiteral("Parrilla La Pampeana");
    till.printCustomer = true;
    till.printFooter = true;
    till.footer = QStringLiteral("¡Gracias por su visita!");
    till.twoLines = true;
    return {kitchen, bar, till};
}

void writeKitchenPrintersFile(const QString &path, const QString &workstation)
{
    QByteArray bytes;
    for (const KitchenPrinter &printer : demoKitchenPrinters(workstation))
        bytes += kitchenPrinterRecord(printer);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw rt::RuntimeError(75, QStringLiteral("No se pudo escribir %1: %2").arg(path, file.errorString()));
}

void writeKitchenOrders(ado::Connection &company)
{
    company.BeginTrans();
    company.Execute(QStringLiteral("INSERT INTO V_TA_CPTE (Codigo, Descripcion, SISTEMA) VALUES "
                                   "('PE', 'PEDIDO DE MESA', 'VENTAS'), ('PECO', 'PEDIDO A COCINA', 'VENTAS'), "
                                   "('PEBA', 'PEDIDO A BARRA', 'VENTAS')"));
    company.Execute(QStringLiteral(
        "INSERT INTO TA_CONFIG_IMP_CPTE (TC, LETRA, USUARIO, Impresora, CantCopias, CantLineas, DestinoDefault) VALUES "
        "('PE', 'X', NULL, '', 1, 0, 'Comandera : CAJA'), ('PECO', 'X', NULL, '', 1, 0, 'Comandera : COCINA'), "
        "('PEBA', 'X', NULL, '', 1, 0, 'Comandera : BARRA')"));
    company.Execute(QStringLiteral(
        "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, CodigoArtProveedor, idrubro, Pesable, talledefault) "
        "VALUES ('R01', 'MILANESA NAPOLITANA', NULL, '05', 0, 'C'), ('R02', 'ENSALADA MIXTA', NULL, '05', 0, 'c'), "
        "('R03', 'LOMO A LA PIMIENTA', NULL, '05', 1, 'C'), ('R04', 'AGUA MINERAL 500 ML', NULL, '05', 0, 'B'), "
        "('R05', 'VINO MALBEC COPA', NULL, '05', 0, 'B'), ('R06', 'PROVOLETA', NULL, '05', 0, 'CB')"));
    qint64 total = 0;
    QStringList rows;
    for (const Line &l : lines) {
        // Each line's amount, to the cent.
        const qint64 amount = qRound64(l.price * QByteArray(l.quantity).toDouble());
        total += amount;
        rows << QStringLiteral("('PE','000900000001X',0,%1,%2,'UN','UN',%3,%3,1,%3,%4,%5,%6,%7,%8,21,0,0,'1','','','0',"
                               "'0001')")
                    .arg(sql::text(QString::fromLatin1(l.article)), sql::text(QString::fromUtf8(l.description)),
                         QString::fromLatin1(l.quantity), QString::fromLatin1(l.prepared),
                         QString::fromLatin1(l.invoiced), sql::money(l.price), sql::money(amount),
                         sql::money(amount * 100 / 121));
    }
    company.Execute(
        QStringLiteral("INSERT INTO V_MV_CPTEINSUMOS (TC,IdComprobante,IdComplemento,IdArticulo,Descripcion,IdUnidad,"
                       "IdUnidadBase,Cantidad,CantidadUd,Equiv_UDBase,CANTIDAD_ORIGEN,Cantidadpreparada,"
                       "CANTIDADAFACTURAR,Importe,Total,Importe_S_IVA,alicIva,PorcDto,Impuestos,CondicionIva,Nro_Lote,"
                       "Nro_Serie,ControladoPor,IdLista) VALUES ")
        + rows.join(QLatin1Char(',')));
    company.Execute(
        QStringLiteral("INSERT INTO V_MV_CPTE (TC,IdComprobante,IdComplemento,Fecha,Nombre,Importe,"
                       "NetoGravado,Moneda,documentotipo,documentonumero,CodCpteAfip,UNegocio,transporte,"
                       "IdVendedor) VALUES ('PE','000900000001X',0,%1,'CONSUMIDOR FINAL',%2,%3,'1',99,'0',0,"
                       "'0001','12','0002')")
            .arg(sql::date({2024, 4, 12}), sql::money(total), sql::money(total * 100 / 121)));
    company.CommitTrans();
}

} // namespace demo
