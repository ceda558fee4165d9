#include "PruebaGenerador.h"

#include "db/Conexiones.h"
#include "platform/runtime/Conversions.h"
#include "session/CarpetasPrograma.h"
#include "session/Sesion.h"
#include "support/PruebaCore.h"

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

// Collections and credit notes: type, number, date, salesperson ("-" none), total of the
// credit line, then each debit line as account=amount.
const char *const Cobranzas[] = {
    "CB 1 04/03/2024 0001 1210 1.1.1=600 1.1.2=400 2.1.5=210",
    "CBCT 2 08/03/2024 0002 1000 1.1.3=650 1.1.4=200 4.1.9=100 5.1.1=50",
    "CB 3 10/03/2024 0001 100 1.1.1=100",
    "CB 4 12/03/2024 0001 200 1.1.1=200",
    "CB 5 14/03/2024 0002 200 1.1.2=200",
    "CB 6 22/03/2024 - 50 1.1.1=50",
    "CB 7 02/04/2024 0001 80 1.1.1=80",
    "NC 201 18/03/2024 0001 121",
    "NC 202 20/03/2024 0002 60.5",
};

// Vouchers: type, number, total, then each article line as article:quantity:unit price.
const char *const Comprobantes[] = {
    "FC 101 1210 A001:2:250 A002:1:500 A003:1:210",
    "FC 102 1000 A001:4:200 A001:4:200 A001:1:200",
    "FC 103 300 A002:3:100",
    "FC 104 500 A001:1:413.22",
    "FC 105 121 A001:1:100",
    "FC 106 200",
    "NC 201 121 A001:1:100",
    "NC 202 60.5 A002:1:50",
};

// Applications: paying type and number, invoice paid, amount.
const char *const Aplicaciones[] = {"CB 1 101 1210", "CBCT 2 102 1000", "CB 3 103 100", "CB 4 103 200",
                                    "CB 5 104 200",  "NC 201 105 121",  "NC 202 106 30"};

QStringList partes(const char *texto)
{
    return QString::fromLatin1(texto).split(QLatin1Char(' '));
}

QString numero8(const QString &numero)
{
    return numero.rightJustified(8, QLatin1Char('0'));
}

} // namespace

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
    ASSERT_NO_FATAL_FAILURE(abrirBaseDemo(temporal.filePath(QStringLiteral("QVERR.LOG")), servidor));
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

void PruebaGeneradorBase::esperarNadaGuardado()
{
    dialogos.expectMsgBox(
        support::BoxMatch::text(
            QStringLiteral("La liquidación no se guardó: la base de datos quedó como antes de generarla."))
            .withTitle(QStringLiteral("Aviso")));
}

GeneradorComisiones::Fin PruebaGeneradorBase::generar(const QString &desde, const QString &hasta,
                                                      const QString &vendedor, const QString &borrar)
{
    esperarFinal();
    QString d = desde, h = hasta, v = vendedor, b = borrar;
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
    return QStringLiteral("0001") + numero8(QString::number(numero)) + QStringLiteral("A");
}

void PruebaGenerador::cargarMarzo()
{
    db.execute(QString::fromUtf8(Catalogos));
    const QString asiento =
        QStringLiteral("INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA, [DEBE-HABER], Fecha, "
                       "Importe, idVendedor, Cuenta) VALUES ('%1', '0001', '%2', 'A', %3, '%4', '%5', %6, "
                       "%7, '%8')");
    for (const char *texto : Cobranzas) {
        const QStringList p = partes(texto);
        const QString vendedor =
            p[3] == QLatin1String("-") ? QStringLiteral("NULL") : QLatin1Char('\'') + p[3] + QLatin1Char('\'');
        db.execute(asiento.arg(p[0], numero8(p[1]), QStringLiteral("1"), QStringLiteral("H"), p[2], p[4], vendedor,
                               QStringLiteral("1.3.1")));
        for (qsizetype i = 5; i < p.size(); ++i) {
            const QStringList linea = p[i].split(QLatin1Char('='));
            db.execute(asiento.arg(p[0], numero8(p[1]), QString::number(i - 3), QStringLiteral("D"), p[2], linea[1],
                                   vendedor, linea[0]));
        }
    }
    for (const char *texto : Comprobantes) {
        const QStringList p = partes(texto);
        db.execute(
            QStringLiteral("INSERT INTO V_MV_CPTE (TC, IdComprobante, IdComplemento, Fecha, Nombre, Importe) VALUES "
                           "('%1', '%2', 0, '01/03/2024', 'CLIENTE', %3)")
                .arg(p[0], clave(p[1].toInt()), p[2]));
        for (qsizetype i = 3; i < p.size(); ++i) {
            const QStringList linea = p[i].split(QLatin1Char(':'));
            db.execute(
                QStringLiteral("INSERT INTO V_MV_CPTEINSUMOS (TC, IdComprobante, IdComplemento, IdArticulo, Cantidad, "
                               "Importe_S_IVA, Total, alicIva, IdLista) VALUES ('%1', '%2', 0, '%3', %4, %5, "
                               "ROUND(%4 * %5 * 1.21, 2), 21, '0001')")
                    .arg(p[0], clave(p[1].toInt()), linea[0], linea[1], linea[2]));
        }
    }
    for (const char *texto : Aplicaciones) {
        const QStringList p = partes(texto);
        aplicar(p[0], p[1].toInt(), p[2].toInt(), p[3]);
    }
}

void PruebaGenerador::aplicar(const QString &tc, int numero, int factura, const QString &importe)
{
    db.execute(
        QStringLiteral("INSERT INTO MV_APLICACION (TC, Sucursal, Numero, letra, IdComprobante, TCO_ORIGEN, "
                       "SUCURSAL_ORIGEN, NUMERO_ORIGEN, LETRA_ORIGEN, IDCOMPROBANTE_ORIGEN, IMPORTE, TC_PRINT, "
                       "IDCOMPROBANTE_PRINT) VALUES ('%1', '0001', '%2', 'A', '%3', 'FC', '0001', '%4', 'A', '%5', "
                       "%6, '%1', '%3')")
            .arg(tc, numero8(QString::number(numero)), clave(numero), numero8(QString::number(factura)), clave(factura),
                 importe));
}

QStringList PruebaGenerador::filas(const QString &consulta)
{
    QStringList textos;
    for (const auto &fila : db.rows(consulta)) {
        QStringList valores;
        for (const rt::Variant &v : fila) {
            const QString texto = rt::CStr(v);
            if (v.isNumber())
                valores.append(QString::number(rt::CDbl(v), 'g', 15));
            else if (texto.size() == 13 && texto.startsWith(QLatin1String("0001")) && texto.endsWith(QLatin1Char('A')))
                valores.append(QString::number(texto.mid(4, 8).toInt()));
            else
                valores.append(texto);
        }
        textos.append(valores.join(QLatin1Char('|')));
    }
    return textos;
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
