#include "demo/VoucherPrintData.h"

#include "demo/DemoCatalog.h"
#include "demo/SqlLiteral.h"

#include <QStringList>

namespace demo {

namespace {

struct Header {
    const char *tc;
    const char *id;
    QDate date;
    qint64 total; // cents
    const char *currency;
    int documentType;
    const char *document;
    int agencyCode;
    const char *unit;
};

struct Line {
    const char *tc;
    const char *id;
    int article; // index into articles()
    const char *description;
    double quantity;
    qint64 price; // cents
    qint64 total;
    qint64 net;
    const char *lots;
    const char *serials;
    double toInvoice;
};

struct Remark {
    const char *tc;
    const char *id;
    const char *kind;
    const char *text;
    qint64 amount;
    qint64 net;
};

const Header headers[] = {
    {"FCE", "000900000001A", {2024, 3, 12}, 1210000, "1", 80, "30-71234567-1", 201, "0001"},
    {"FC", "000900000001B", {2024, 3, 20}, 24200, "2", 96, "28.123.456", 6, "0002"},
    {"FC", "000900000002B", {2020, 12, 15}, 50000, "1", 99, "0", 6, "0001"},
    {"ND", "000900000001A", {2024, 4, 2}, 121000, "1", 80, "30-71234567-1", 2, "0001"},
    {"OT", "000900000001X", {2024, 4, 5}, 0, "1", 80, "30-71234567-1", 0, "0001"},
    {"PR", "000900000001X", {2024, 4, 6}, 60500, "1", 80, "30-71234567-1", 0, "0002"},
    {"NP", "000900000001X", {2024, 4, 8}, 72600, "1", 96, "28.123.456", 0, "0001"},
    {"RM", "000900000001R", {2024, 4, 9}, 24200, "1", 96, "28.123.456", 0, "0001"},
    {"NCFP", "000900000001X", {2024, 4, 10}, 0, "1", 96, "28.123.456", 0, "0001"},
};

const Line lines[] = {
    {"FCE", "000900000001A", 0, "Caño galvanizado 1/2\"", 10, 100000, 1000000, 82645, "L-2401|L-2402", "6|4", 0},
    {"FCE", "000900000001A", 1, "Llave de paso esférica", 1, 210000, 210000, 173554, "D-0315", "", 0},
    {"FC", "000900000001B", 2, "Bomba presurizadora", 1, 24200, 24200, 20000, "", "", 0},
    {"FC", "000900000002B", 3, "Repuestos varios", 1, 50000, 50000, 41322, "", "", 0},
    // Interest billed as a line: its VAT rate prints beside it, as a letter-A voucher needs.
    {"ND", "000900000001A", 3, "Intereses por pago fuera de término", 1, 121000, 121000, 100000, "", "", 0},
    {"OT", "000900000001X", 4, "Térmica bipolar 25A", 1, 12100, 12100, 10000, "L-0077", "1", 0},
    {"PR", "000900000001X", 0, "Caño galvanizado 1/2\"", 4, 12100, 48400, 10000, "", "", 0},
    {"NP", "000900000001X", 2, "Bomba presurizadora", 3, 12100, 36300, 10000, "", "", 1},
    {"NP", "000900000001X", 5, "Tanque de 500 litros", 1, 36300, 36300, 30000, "", "", 1},
    {"RM", "000900000001R", 2, "Bomba presurizadora", 2, 12100, 24200, 10000, "L-0101|L-0102", "1|1", 0},
};

const Remark remarks[] = {
    {"FCE", "000900000001A", "EN", "Entrega en obra de Av. O'Higgins 450", 0, 0},
    {"FCE", "000900000001A", "EN", "Segunda cabecera, que no se imprime", 0, 0},
    {"FCE", "000900000001A", "PP", "Recibí conforme: firma y aclaración del cliente", 0, 0},
    {"FCE", "000900000001A", "OC", "Mercadería sin cargo por demora en la entrega", 0, 0},
    {"FC", "000900000001B", "EN", "Precio en dólares; se cancela al cambio del día", 0, 0},
    {"FC", "000900000002B", "PP", "Factura anterior a los formularios con QR", 0, 0},
    {"ND", "000900000001A", "EN", "Débito por intereses de la FCE 0009-00000001", 0, 0},
    {"OT", "000900000001X", "EN", "Trabajo pedido por el encargado, Sr. D'Amico", 0, 0},
    {"OT", "000900000001X", "OC", "Traslado del técnico", 6050, 5000},
    {"PR", "000900000001X", "PP", "Presupuesto válido por 15 días", 0, 0},
    {"RM", "000900000001R", "EN", "Entrega parcial del pedido 0009-00000001", 0, 0},
    {"NCFP", "000900000001X", "OC", "Anulación del recargo por flete", 0, 0},
};

QString key(const char *tc, const char *id)
{
    return sql::text(QString::fromLatin1(tc)) + QLatin1Char(',') + sql::text(QString::fromLatin1(id))
           + QStringLiteral(",0");
}

void writeHeaders(ado::Connection &company)
{
    QStringList rows;
    for (const Header &h : headers)
        rows << QStringLiteral("(%1,%2,'PRUEBAS DE IMPRESION',%3,%4,%5,%6,%7,%8,%9,0)")
                    .arg(key(h.tc, h.id), sql::date(h.date), sql::money(h.total),
                         sql::text(QString::fromLatin1(h.currency)), sql::integer(h.documentType),
                         sql::text(QString::fromLatin1(h.document)), sql::integer(h.agencyCode),
                         sql::text(QString::fromLatin1(h.unit)), sql::money(h.total * 100 / 121));
    company.Execute(
        QStringLiteral("INSERT INTO V_MV_CPTE (TC,IdComprobante,IdComplemento,Fecha,Nombre,Importe,Moneda,"
                       "documentotipo,documentonumero,CodCpteAfip,UNegocio,NetoGravado,NetoNoGravado) VALUES ")
        + rows.join(QLatin1Char(',')));
    company.Execute(QStringLiteral("UPDATE V_MV_CPTE SET ComprobanteOrigen = '000900000001X', TcOrigen = 'NP' "
                                   "WHERE TC = 'RM' AND IdComprobante = '000900000001R'"));
}

void writeLines(ado::Connection &company)
{
    QStringList rows;
    for (const Line &l : lines)
        rows << QStringLiteral("(%1,%2,%3,'UN','UN',%4,%4,1,%4,%5,%6,%7,%8,21,0,0,'1',%9,%10,'0','0001')")
                    .arg(key(l.tc, l.id), sql::text(articles().at(l.article).code),
                         sql::text(QString::fromUtf8(l.description)), QString::number(l.quantity),
                         QString::number(l.toInvoice), sql::money(l.price), sql::money(l.total), sql::money(l.net),
                         sql::text(QString::fromLatin1(l.lots)))
                    .arg(sql::text(QString::fromLatin1(l.serials)));
    company.Execute(
        QStringLiteral("INSERT INTO V_MV_CPTEINSUMOS (TC,IdComprobante,IdComplemento,IdArticulo,Descripcion,"
                       "IdUnidad,IdUnidadBase,Cantidad,CantidadUd,Equiv_UDBase,CANTIDAD_ORIGEN,"
                       "CANTIDADAFACTURAR,Importe,Total,Importe_S_IVA,alicIva,PorcDto,Impuestos,CondicionIva,"
                       "Nro_Lote,Nro_Serie,ControladoPor,IdLista) VALUES ")
        + rows.join(QLatin1Char(',')));
    company.Execute(QStringLiteral("INSERT INTO stk_despachos (NroLote, ControladoPor, Descripcion) VALUES "
                                   "('D-0315', '24001IC04000123X', 'República Popular China')"));
}

void writeRemarks(ado::Connection &company)
{
    QStringList rows;
    for (const Remark &r : remarks) {
        const bool isConcept = QLatin1String(r.kind) == QLatin1String("OC");
        rows << QStringLiteral("(%1,%2,%3,%4,%5,%6,%7)")
                    .arg(key(r.tc, r.id), sql::text(QString::fromLatin1(r.kind)), sql::text(QString::fromUtf8(r.text)),
                         isConcept ? sql::money(r.amount) : sql::null(), isConcept ? sql::money(r.net) : sql::null(),
                         isConcept ? sql::date({2024, 4, 5}) : sql::null(),
                         isConcept ? sql::text(QStringLiteral("V-0012")) : sql::null());
    }
    company.Execute(QStringLiteral("INSERT INTO V_MV_CPTE_Observ (TC,IdComprobante,IdComplemento,Tipo_Obs,Observacion,"
                                   "Importe,Importe_S_IVA,fechavj,NroViaje) VALUES ")
                    + rows.join(QLatin1Char(',')));
    // One credit note and one proforma of the settlement's vouchers get print content too.
    for (const char *tc : {"NC", "NCFP", "FP"})
        company.Execute(QStringLiteral("INSERT INTO V_MV_CPTE_Observ (TC,IdComprobante,IdComplemento,Tipo_Obs,"
                                       "Observacion) SELECT TOP 1 TC, IdComprobante, IdComplemento, 'EN', "
                                       "'Comprobante de la liquidación, con observación' FROM V_MV_CPTE WHERE TC = %1 "
                                       "ORDER BY ID")
                            .arg(sql::text(QString::fromLatin1(tc))));
}

void writeTasks(ado::Connection &company)
{
    company.Execute(QStringLiteral(
        "INSERT INTO V_MV_CPTETAREAS (TC,IdComprobante,IdComplemento,idtarea,Descripcion,Horas,valorhora,Total,"
        "valorHora_S_Iva,descripcionadicional) VALUES "
        "('OT','000900000001X',0,'T-01','Revisión de instalación eléctrica',150,12100,30250,10000,"
        "'{\\rtf1\\ansi Se revis\\''f3 el tablero y se cambi\\''f3 la t\\''e9rmica del ba\\''f1o}'),"
        "('OT','000900000001X',0,'T-02','Mano de obra de armado',60,12100,12100,10000,'sin detalle'),"
        "('PR','000900000001X',0,'T-01','Instalación de bomba presurizadora',120,6050,12100,5000,NULL)"));
    company.Execute(QStringLiteral(
        "INSERT INTO V_MV_DIARIOS (TC,IdComprobante,IdComplemento,idtarea,Descripcion,Observaciones,Minutos) VALUES "
        "('OT','000900000001X',0,'T-03','Visita inicial','El cliente pidió presupuesto de la ampliación',45),"
        "('OT','000900000001X',0,'T-03','Cierre','Queda pendiente la ''puesta a tierra''',30)"));
}

void writeElectronicData(ado::Connection &company)
{
    company.Execute(QStringLiteral("INSERT INTO V_MV_CPTE_ELECTRONICOS (TC,IDCOMPROBANTE,CAE,Fecha_CPTE) VALUES "
                                   "('FCE','000900000001A','74112345678901','2024-03-12 00:00:00'),"
                                   "('FC','000900000001B','74112345678902','2024-03-20 00:00:00'),"
                                   "('FC','000900000002B','70112345678903','2020-12-15 00:00:00'),"
                                   "('ND','000900000001A','74112345678904','2024-04-02 00:00:00')"));
    for (const char *tc : {"NC", "NCFP"})
        company.Execute(
            QStringLiteral("INSERT INTO V_MV_CPTE_ELECTRONICOS (TC,IDCOMPROBANTE,CAE,Fecha_CPTE) SELECT TOP 1 "
                           "TC, IdComprobante, '74198765432109', Fecha FROM V_MV_CPTE WHERE TC = %1 ORDER BY ID")
                .arg(sql::text(QString::fromLatin1(tc))));
}

void writeSettings(ado::Connection &company)
{
    company.Execute(QStringLiteral("INSERT INTO V_TA_CPTE (Codigo, Descripcion, SISTEMA) VALUES "
                                   "('FCE', 'FACTURA DE CREDITO ELECTRONICA', 'VENTAS')"));
    company.Execute(QStringLiteral("INSERT INTO V_TA_UNIDADNEGOCIO (Codigo, Descripcion, razon_social, Cuit, PDV, "
                                   "usaefc, ruta_reporte) VALUES ('0002', 'SUCURSAL NORTE', %1, %2, '0009', 1, '')")
                        .arg(sql::text(company::name()), sql::text(company::cuit())));
    company.Execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, VALORAUX) VALUES "
                                   "('FormaDePago_UN_0002', '', 'Cuenta corriente a 30 días de la fecha de factura')"));
    company.Execute(QStringLiteral("UPDATE TA_CONFIGURACION SET VALOR = 'SI' WHERE CLAVE = 'RETAIL'"));
}

} // namespace

void writeVoucherPrintData(ado::Connection &company)
{
    company.BeginTrans();
    writeSettings(company);
    writeHeaders(company);
    writeLines(company);
    writeRemarks(company);
    writeTasks(company);
    writeElectronicData(company);
    company.CommitTrans();
}

} // namespace demo
