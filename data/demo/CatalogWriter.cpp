#include "demo/CatalogWriter.h"

#include "demo/BatchInserter.h"
#include "demo/DemoCatalog.h"
#include "demo/SqlLiteral.h"

namespace demo {

namespace {

QStringList columns(const char *list)
{
    return QString::fromLatin1(list).split(QLatin1Char(','));
}

void writeAccounts(ado::Connection &company)
{
    struct Row {
        const char *code;
        const char *description;
        const char *means;
        const char *view;
    };
    static const Row rows[] = {
        {account::Cash, "CAJA", "EF", ""},
        {account::Bank, "BANCO NACION CTA CTE", "DB", "BC"},
        {account::Cheques, "VALORES A DEPOSITAR", "CH", "BC"},
        {account::Cards, "TARJETAS DE CREDITO A COBRAR", "TJ", ""},
        {account::RetentionIva, "RETENCIONES IVA SUFRIDAS", "RI", ""},
        {account::RetentionGanancias, "RETENCIONES GANANCIAS SUFRIDAS", "RG", ""},
        {account::RetentionIngresosBrutos, "RETENCIONES INGRESOS BRUTOS SUFRIDAS", "RB", ""},
        {account::RetentionOther, "RETENCIONES SUSS SUFRIDAS", "RO", ""},
        {account::DiscountsGranted, "DESCUENTOS OTORGADOS", "", ""},
        {account::DiscountsObtained, "DESCUENTOS OBTENIDOS", "", ""},
        {account::Sales, "VENTAS", "", ""},
        {account::VatDebit, "IVA DEBITO FISCAL", "", ""},
        {"2.1.04.01", "RETENCIONES IVA A DEPOSITAR", "RI", ""},
        {"2.1.04.02", "RETENCIONES GANANCIAS A DEPOSITAR", "RG", ""},
        {"2.1.04.03", "RETENCIONES INGRESOS BRUTOS A DEPOSITAR", "RB", ""},
    };
    BatchInserter inserter(company, QStringLiteral("MA_CUENTAS"),
                           columns("Codigo,CodigoOpcional,Descripcion,MedioDePago,TipoVista"));
    for (const Row &row : rows)
        inserter.add({sql::text(QString::fromLatin1(row.code)), sql::null(),
                      sql::text(QString::fromLatin1(row.description)), sql::textOrNull(QString::fromLatin1(row.means)),
                      sql::textOrNull(QString::fromLatin1(row.view))});
    for (const Customer &customer : customers())
        inserter.add(
            {sql::text(customer.account), sql::null(), sql::text(customer.name.toUpper()), sql::null(), sql::null()});
    inserter.flush();

    company.Execute(QStringLiteral("INSERT INTO TA_CUENTASIVA (cb_cta, CB_RETIVA, CB_RETGAN, CB_RETIB, CB_DESCUENTO, "
                                   "PG_RETIVA, PG_RETGAN, PG_RETIB, PG_DESCUENTO) VALUES "
                                   "('%1', '%2', '%3', '%4', '%5', '2.1.04.01', '2.1.04.02', '2.1.04.03', '%6')")
                        .arg(QLatin1String(account::Cash), QLatin1String(account::RetentionIva),
                             QLatin1String(account::RetentionGanancias),
                             QLatin1String(account::RetentionIngresosBrutos), QLatin1String(account::DiscountsGranted),
                             QLatin1String(account::DiscountsObtained)));
}

void writePeopleAndArticles(ado::Connection &company)
{
    BatchInserter sellers(company, QStringLiteral("V_TA_VENDEDORES"), columns("IdVendedor,Nombre"));
    for (const Salesperson &person : salespersons())
        sellers.add({sql::text(person.code), sql::text(person.name)});
    sellers.flush();

    BatchInserter clients(company, QStringLiteral("VT_CLIENTES"), columns("RAZON_SOCIAL,CODIGO,CONTACTO"));
    for (const Customer &customer : customers())
        clients.add({sql::text(customer.name.toUpper()), sql::text(customer.account), sql::null()});
    clients.flush();

    BatchInserter items(company, QStringLiteral("V_MA_ARTICULOS"),
                        columns("IdArticulo,Descripcion,CodigoArtProveedor,idrubro,Pesable,talledefault"));
    BatchInserter rates(company, QStringLiteral("DEMO_COMISION_ARTICULO"), columns("IdArticulo,IdLista,Comision"));
    for (int i = 0; i < articles().size(); ++i) {
        const Article &article = articles().at(i);
        items.add({sql::text(article.code), sql::text(article.description.toUpper()), sql::null(),
                   sql::text(article.group), sql::integer(0), sql::textOrNull(article.kitchenRouting)});
        for (const QString &list : {QStringLiteral("0001"), QStringLiteral("0002")}) {
            const int tenths = commissionTenths(i, list);
            if (tenths > 0)
                rates.add({sql::text(article.code), sql::text(list), sql::money(tenths * 10)});
        }
    }
    items.flush();
    rates.flush();
}

void writeVoucherTypes(ado::Connection &company)
{
    struct Row {
        const char *code;
        const char *description;
        const char *system;
    };
    static const Row rows[] = {
        {"FC", "FACTURA", "VENTAS"},
        {"NC", "NOTA DE CREDITO", "VENTAS"},
        {"ND", "NOTA DE DEBITO", "VENTAS"},
        {"FP", "FACTURA PROFORMA", "VENTAS"},
        {"NCFP", "NOTA DE CREDITO PROFORMA", "VENTAS"},
        {"CB", "RECIBO DE COBRANZA", "VENTAS"},
        {"CBCT", "COBRANZA CUENTA CORRIENTE", "VENTAS"},
        {"CBFP", "COBRANZA PROFORMA", "VENTAS"},
        {"NP", "NOTA DE PEDIDO", "VENTAS"},
        {"RM", "REMITO", "VENTAS"},
        {"OT", "ORDEN DE TRABAJO", "VENTAS"},
        {"PR", "PRESUPUESTO", "VENTAS"},
        {"FCC", "FACTURA DE COMPRA", "COMPRAS"},
        {"NCPE", "NOTA DE CREDITO PERCEPCIONES", "CONTABLE"},
        {"RN", "REVALUACION", "CONTABLE"},
        {"STK5", "AJUSTE DE STOCK", "STOCK"},
    };
    BatchInserter types(company, QStringLiteral("V_TA_CPTE"), columns("Codigo,Descripcion,SISTEMA"));
    for (const Row &row : rows)
        types.add({sql::text(QString::fromLatin1(row.code)), sql::text(QString::fromLatin1(row.description)),
                   sql::text(QString::fromLatin1(row.system))});
    types.flush();
}

void writeSmallCatalogues(ado::Connection &company)
{
    company.Execute(QStringLiteral(
        "INSERT INTO V_TA_BANCOS (IDBANCO, DESCRIPCION) VALUES ('0001', 'BANCO DE LA NACION ARGENTINA'), "
        "('0002', 'BANCO DE LA PROVINCIA DE BUENOS AIRES'), ('0003', 'BANCO DE LA PAMPA'), ('0004', 'BANCO GALICIA'), "
        "('0005', 'BANCO SANTANDER')"));
    company.Execute(
        QStringLiteral("INSERT INTO ta_monedas (Codigo, Descripcion) VALUES ('0001', 'Pesos'), ('0002', 'Dolares')"));
    company.Execute(
        QStringLiteral("INSERT INTO TA_CONDIVA (Codigo, DESCRIPCION) VALUES ('1', 'IVA RESPONSABLE INSCRIPTO'), "
                       "('4', 'IVA SUJETO EXENTO'), ('5', 'CONSUMIDOR FINAL'), ('6', 'RESPONSABLE MONOTRIBUTO')"));
    company.Execute(QStringLiteral(
        "INSERT INTO TA_CONFIG_IMP_CPTE (TC, LETRA, USUARIO, Impresora, CantCopias, CantLineas, DestinoDefault) VALUES "
        "('FC', 'A', NULL, '', 1, 0, 'Pantalla'), ('FC', 'B', NULL, '', 1, 0, 'Pantalla'), "
        "('CB', 'X', NULL, '', 1, 0, 'Pantalla'), ('NC', 'A', NULL, '', 2, 0, 'Impresora'), "
        "('NC', 'B', NULL, '', 2, 0, 'Impresora'), ('FP', 'X', NULL, '', 1, 0, 'Pantalla'), "
        "('CBCT', 'X', NULL, '', 2, 0, 'Pantalla'), ('OPG', 'X', NULL, '', 1, 0, 'Pantalla')"));
    // The forms of the report folder by type and letter; receipts share one form per type.
    company.Execute(QStringLiteral(
        "INSERT INTO TA_REPORTES (NOMBRE, Archivo, Archivo2, Archivo3, Archivo4) VALUES "
        "('FC-A', 'FC-A.rpt', 'FC-A.rpt', 'FC-A.rpt', 'FC-A.rpt'), ('FC-B', 'FC-B.rpt', '', '', ''), "
        "('NC-A', 'NC-A.rpt', '', '', ''), ('NC-B', 'NC-B.rpt', '', '', ''), ('FP-X', 'FP-X.rpt', '', '', ''), "
        "('CB-X', 'CB.rpt', '', '', ''), ('CBCT-X', 'CBCT.rpt', '', '', ''), ('CBFP-X', 'CBFP.rpt', '', '', ''), "
        "('OPG-X', 'OPG-X.rpt', '', '', ''), ('FCC-A', 'CpteCompras.rpt', '', '', '')"));
    company.Execute(
        QStringLiteral("INSERT INTO V_TA_DEPOSITO (IdDeposito, Descripcion) VALUES ('0001', 'DEPOSITO CENTRAL')"));
    company.Execute(QStringLiteral("INSERT INTO V_TA_FAMILIAS (IdFamilia, Descripcion) VALUES ('01', 'ALMACEN'), "
                                   "('02', 'BEBIDAS'), ('03', 'LIMPIEZA'), ('04', 'FERRETERIA')"));
}

void writeExchangeRates(ado::Connection &company, const QDate &firstDay, const QDate &lastDay)
{
    BatchInserter rates(company, QStringLiteral("TA_COTIZACION"), columns("FECHA_HORA,MONEDA1,MONEDA2"));
    qint64 dollar = 85000;
    for (QDate day = firstDay; day <= lastDay; day = day.addDays(1)) {
        rates.add({QLatin1Char('\'') + day.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 10:00:00'"),
                   sql::integer(1), sql::money(dollar)});
        dollar += 35;
    }
    rates.flush();
}

} // namespace

void writeCatalogues(ado::Connection &company, const QDate &firstDay, const QDate &lastDay)
{
    writeAccounts(company);
    writePeopleAndArticles(company);
    writeVoucherTypes(company);
    writeSmallCatalogues(company);
    writeExchangeRates(company, firstDay, lastDay);
}

} // namespace demo
