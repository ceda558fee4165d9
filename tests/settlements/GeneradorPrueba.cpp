#include "GeneradorPrueba.h"

#include "core/CarpetasPrograma.h"
#include "core/Sesion.h"
#include "db/Conexiones.h"
#include "platform/runtime/Conversions.h"

#include <gtest/gtest.h>

namespace {

const char *const Catalogos = R"(
INSERT INTO MA_CUENTAS (Codigo, Descripcion, MedioDePago) VALUES ('1.1.1', 'CAJA', 'EF');
INSERT INTO MA_CUENTAS (Codigo, Descripcion, MedioDePago) VALUES ('1.1.2', 'VALORES A DEPOSITAR', 'ch');
INSERT INTO MA_CUENTAS (Codigo, Descripcion, MedioDePago) VALUES ('1.1.3', 'TARJETAS', 'TJ');
INSERT INTO MA_CUENTAS (Codigo, Descripcion, MedioDePago) VALUES ('1.1.4', 'BANCO', 'DB');
INSERT INTO MA_CUENTAS (Codigo, Descripcion, MedioDePago) VALUES ('2.1.5', 'RETENCION GANANCIAS', 'RG');
INSERT INTO MA_CUENTAS (Codigo, Descripcion, MedioDePago) VALUES ('4.1.9', 'DESCUENTOS OTORGADOS', NULL);
INSERT INTO MA_CUENTAS (Codigo, Descripcion, MedioDePago) VALUES ('5.1.1', 'DIFERENCIAS', 'ZZ');
INSERT INTO MA_CUENTAS (Codigo, Descripcion, MedioDePago) VALUES ('1.3.1', 'DEUDORES POR VENTAS', NULL);
INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('CuentaDesCuentosOtorgados', '4.1.9');
INSERT INTO TA_CUENTASIVA (cb_cta, CB_DESCUENTO) VALUES ('1.3.1', '4.1.9');
INSERT INTO V_TA_VENDEDORES (IdVendedor, Nombre) VALUES ('0001', 'ALVAREZ ANA');
INSERT INTO V_TA_VENDEDORES (IdVendedor, Nombre) VALUES ('0002', 'BENITEZ BRUNO');
INSERT INTO DEMO_COMISION_ARTICULO (IdArticulo, IdLista, Comision) VALUES ('A001', '0001', 10);
INSERT INTO DEMO_COMISION_ARTICULO (IdArticulo, IdLista, Comision) VALUES ('A002', '0001', 5);
)";

// Accounting lines: type, number, line, debit or credit, date, amount, salesperson, account.
struct Linea {
    const char *tc;
    int numero;
    int secuencia;
    const char *debeHaber;
    const char *fecha;
    const char *importe;
    const char *vendedor; // nullptr: no salesperson
    const char *cuenta;
};

const Linea Asientos[] = {
    {"CB", 1, 1, "H", "04/03/2024", "1210", "'0001'", "1.3.1"},   {"CB", 1, 2, "D", "04/03/2024", "600", "'0001'", "1.1.1"},
    {"CB", 1, 3, "D", "04/03/2024", "400", "'0001'", "1.1.2"},    {"CB", 1, 4, "D", "04/03/2024", "210", "'0001'", "2.1.5"},
    {"CBCT", 2, 1, "H", "08/03/2024", "1000", "'0002'", "1.3.1"}, {"CBCT", 2, 2, "D", "08/03/2024", "650", "'0002'", "1.1.3"},
    {"CBCT", 2, 3, "D", "08/03/2024", "200", "'0002'", "1.1.4"},  {"CBCT", 2, 4, "D", "08/03/2024", "100", "'0002'", "4.1.9"},
    {"CBCT", 2, 5, "D", "08/03/2024", "50", "'0002'", "5.1.1"},   {"CB", 3, 1, "H", "10/03/2024", "100", "'0001'", "1.3.1"},
    {"CB", 3, 2, "D", "10/03/2024", "100", "'0001'", "1.1.1"},    {"CB", 4, 1, "H", "12/03/2024", "200", "'0001'", "1.3.1"},
    {"CB", 4, 2, "D", "12/03/2024", "200", "'0001'", "1.1.1"},    {"CB", 5, 1, "H", "14/03/2024", "200", "'0002'", "1.3.1"},
    {"CB", 5, 2, "D", "14/03/2024", "200", "'0002'", "1.1.2"},    {"CB", 6, 1, "H", "22/03/2024", "50", nullptr, "1.3.1"},
    {"CB", 6, 2, "D", "22/03/2024", "50", nullptr, "1.1.1"},      {"CB", 7, 1, "H", "02/04/2024", "80", "'0001'", "1.3.1"},
    {"CB", 7, 2, "D", "02/04/2024", "80", "'0001'", "1.1.1"},     {"NC", 201, 1, "H", "18/03/2024", "121", "'0001'", "1.3.1"},
    {"NC", 202, 1, "H", "20/03/2024", "60.5", "'0002'", "1.3.1"},
};

// Voucher headers: type, number, amount.
struct Cabecera {
    const char *tc;
    int numero;
    const char *importe;
};

const Cabecera Comprobantes[] = {{"FC", 101, "1210"}, {"FC", 102, "1000"}, {"FC", 103, "300"}, {"FC", 104, "500"},
                                 {"FC", 105, "121"},  {"FC", 106, "200"},  {"NC", 201, "121"}, {"NC", 202, "60.5"}};

// Article lines: type, number, article, quantity, unit price without VAT.
struct Renglon {
    const char *tc;
    int numero;
    const char *articulo;
    const char *cantidad;
    const char *precio;
};

const Renglon Renglones[] = {
    {"FC", 101, "A001", "2", "250"}, {"FC", 101, "A002", "1", "500"}, {"FC", 101, "A003", "1", "210"},
    {"FC", 102, "A001", "4", "200"}, {"FC", 102, "A001", "4", "200"}, {"FC", 102, "A001", "1", "200"},
    {"FC", 103, "A002", "3", "100"}, {"FC", 104, "A001", "1", "413.22"}, {"FC", 105, "A001", "1", "100"},
    {"NC", 201, "A001", "1", "100"}, {"NC", 202, "A002", "1", "50"},
};

// Applications: paying type and number, voucher paid, amount, printed type (nullptr: none).
struct Aplicacion {
    const char *tc;
    int numero;
    int comprobante;
    const char *importe;
    const char *tcPrint;
};

const Aplicacion Aplicaciones[] = {{"CB", 1, 101, "1210", "'CB'"},  {"CBCT", 2, 102, "1000", "'CBCT'"},
                                   {"CB", 3, 103, "100", "'CB'"},   {"CB", 4, 103, "200", "'CB'"},
                                   {"CB", 5, 104, "200", "'CB'"},   {"NC", 201, 105, "121", "'NC'"},
                                   {"NC", 202, 106, "30", "'NC'"}};

QString numero8(int numero)
{
    return QStringLiteral("%1").arg(numero, 8, 10, QLatin1Char('0'));
}

} // namespace

void VentanaRegistrada::mostrarEstado(const QString &texto)
{
    llamadas.append(texto);
}

void VentanaRegistrada::procesarEventos()
{
    llamadas.append(QStringLiteral("eventos"));
}

void VentanaRegistrada::Detalleon(bool on)
{
    llamadas.append(QStringLiteral("Detalleon(%1)").arg(on ? 1 : 0));
}

void VentanaRegistrada::Inicializa()
{
    llamadas.append(QStringLiteral("Inicializa"));
}

QStringList VentanaRegistrada::estados() const
{
    QStringList textos;
    for (const QString &llamada : llamadas) {
        if (llamada != QLatin1String("eventos") && !llamada.startsWith(QLatin1String("Detalleon"))
            && llamada != QLatin1String("Inicializa"))
            textos.append(llamada);
    }
    return textos;
}

PruebaGeneradorBase::PruebaGeneradorBase()
{
    setCarpetaEscritura(temporal.path());
    gUsuarioLogeado = QStringLiteral("ADMIN");
}

PruebaGeneradorBase::~PruebaGeneradorBase()
{
    gBaseDatos.reset();
    gBaseEstadisticas.reset();
    setCarpetaEscritura(QString());
}

void PruebaGeneradorBase::abrirConexion(const QString &servidor)
{
    gBaseDatos->gLogErr = temporal.filePath(QStringLiteral("QVERR.LOG"));
    gBaseDatos->gServidor = servidor;
    gBaseDatos->gDBName = QStringLiteral("DEMO");
    gBaseDatos->gUsuario = QStringLiteral("DEMO");
    gBaseDatos->gUserPassWord = QStringLiteral("DEMO");
    gBaseDatos->OpenServerADODB(false, 3, QString(), false, false);
    ASSERT_TRUE(gBaseDatos->gOpenFlag) << "the test database did not open";
    gBaseDatos->gEsAdmin = true;
}

GeneradorComisiones PruebaGeneradorBase::generador()
{
    return GeneradorComisiones(*gBaseDatos, ventana);
}

void PruebaGeneradorBase::esperarFinal()
{
    dialogos.expectMsgBox(support::BoxMatch::text(QStringLiteral("PROCESO FINALIZADO")));
}

GeneradorComisiones::Fin PruebaGeneradorBase::generar(const QString &desde, const QString &hasta, const QString &vendedor,
                                                      const QString &borrar)
{
    esperarFinal();
    QString d = desde;
    QString h = hasta;
    QString v = vendedor;
    QString b = borrar;
    ventana.marcarRecalcular = !borrar.isEmpty();
    const auto fin = generador().GeneraComisionesNew(d, h, v, b);
    dialogos.verify();
    return fin;
}

PruebaGenerador::PruebaGenerador()
{
    abrirConexion(QStringLiteral("sqlite"));
}

PruebaGenerador::~PruebaGenerador()
{
    // The connection closes while its database file still exists.
    gBaseDatos.reset();
}

QString PruebaGenerador::clave(int numero)
{
    return QStringLiteral("0001") + numero8(numero) + QStringLiteral("A");
}

void PruebaGenerador::cargarMarzo()
{
    db.execute(QString::fromUtf8(Catalogos));
    for (const Linea &l : Asientos) {
        db.execute(QStringLiteral("INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA, [DEBE-HABER], Fecha, "
                                  "Importe, idVendedor, Cuenta) VALUES ('%1', '0001', '%2', 'A', %3, '%4', '%5', %6, %7, '%8')")
                       .arg(QLatin1String(l.tc), numero8(l.numero))
                       .arg(l.secuencia)
                       .arg(QLatin1String(l.debeHaber), QLatin1String(l.fecha), QLatin1String(l.importe),
                            l.vendedor ? QLatin1String(l.vendedor) : QLatin1String("NULL"), QLatin1String(l.cuenta)));
    }
    for (const Cabecera &c : Comprobantes) {
        db.execute(QStringLiteral("INSERT INTO V_MV_CPTE (TC, IdComprobante, IdComplemento, Fecha, Nombre, Importe) VALUES "
                                  "('%1', '%2', 0, '01/03/2024', 'CLIENTE', %3)")
                       .arg(QLatin1String(c.tc), clave(c.numero), QLatin1String(c.importe)));
    }
    for (const Renglon &r : Renglones) {
        db.execute(QStringLiteral("INSERT INTO V_MV_CPTEINSUMOS (TC, IdComprobante, IdComplemento, IdArticulo, Cantidad, "
                                  "Importe_S_IVA, Total, alicIva, IdLista) VALUES ('%1', '%2', 0, '%3', %4, %5, "
                                  "ROUND(%4 * %5 * 1.21, 2), 21, '0001')")
                       .arg(QLatin1String(r.tc), clave(r.numero), QLatin1String(r.articulo), QLatin1String(r.cantidad),
                            QLatin1String(r.precio)));
    }
    for (const Aplicacion &a : Aplicaciones) {
        db.execute(QStringLiteral("INSERT INTO MV_APLICACION (TC, Sucursal, Numero, letra, IdComprobante, TCO_ORIGEN, "
                                  "SUCURSAL_ORIGEN, NUMERO_ORIGEN, LETRA_ORIGEN, IDCOMPROBANTE_ORIGEN, IMPORTE, TC_PRINT, "
                                  "IDCOMPROBANTE_PRINT) VALUES ('%1', '0001', '%2', 'A', '%3', 'FC', '0001', '%4', 'A', '%5', "
                                  "%6, %7, '%3')")
                       .arg(QLatin1String(a.tc), numero8(a.numero), clave(a.numero), numero8(a.comprobante),
                            clave(a.comprobante), QLatin1String(a.importe), QLatin1String(a.tcPrint)));
    }
}

double PruebaGenerador::numero(const QString &consulta)
{
    return rt::CDbl(valor(consulta));
}

qint32 PruebaGenerador::cuenta(const QString &consulta)
{
    return rt::CLng(valor(consulta));
}

PruebaGeneradorGuionado::PruebaGeneradorGuionado()
{
    abrirConexion(QStringLiteral("servidor"));
    servidor.clearCalls();
}

PruebaGeneradorGuionado::~PruebaGeneradorGuionado()
{
    // The connection closes while the server it talks to still exists.
    gBaseDatos.reset();
}

ado::Error PruebaGeneradorGuionado::errorDeEscritura(const QString &descripcion)
{
    return ScriptedServer::providerError(547, QStringLiteral("23000"), descripcion);
}

QStringList PruebaGeneradorGuionado::enviadas(const QString &fragmento) const
{
    QStringList textos;
    for (const QString &texto : servidor.statements()) {
        if (texto.contains(fragmento, Qt::CaseInsensitive))
            textos.append(texto);
    }
    return textos;
}
