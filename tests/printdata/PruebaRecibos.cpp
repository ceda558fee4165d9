#include "PruebaRecibos.h"

#include "db/Conexiones.h"
#include "platform/runtime/Conversions.h"
#include "printdata/receipts/IMP_Recibos.h"
#include "session/CarpetasPrograma.h"
#include "session/Sesion.h"
#include "support/PruebaCore.h"

#include <gtest/gtest.h>

namespace {

const char *const Catalogo = R"(
INSERT INTO MA_CUENTAS (Codigo, CodigoOpcional, Descripcion, MedioDePago, TipoVista) VALUES
  ('EF1', NULL, 'Caja', 'EF', NULL), ('CH1', 'OPC-CH', 'Valores a depositar', 'ch', 'BC'),
  ('BC1', NULL, 'BANCO NACION', 'DB', 'BC'), ('TJ1', NULL, 'TARJETAS', 'TJ', NULL),
  ('RI1', NULL, 'RET IVA', 'RI', NULL), ('RG1', NULL, 'RET GANANCIAS', 'RG', NULL),
  ('RB1', NULL, 'RET IIBB', 'RB', NULL), ('RO1', NULL, 'RET SUSS', 'RO', NULL),
  ('RO2', NULL, 'RET MUNICIPAL', 'RO', NULL), ('DTO', NULL, 'DESCUENTOS OTORGADOS', NULL, NULL),
  ('DTP', NULL, 'DESCUENTOS OBTENIDOS', 'EF', NULL), ('BCE', NULL, 'CAJA EN BANCO', 'EF', 'BC'), ('CLI', NULL, 'DEUDORES', NULL, NULL),
  ('ZZ1', NULL, 'DIFERENCIAS', 'ZZ', NULL);
INSERT INTO TA_CUENTASIVA (CB_RETIVA, CB_RETGAN, CB_RETIB, CB_DESCUENTO, PG_RETIVA, PG_RETGAN, PG_RETIB,
  PG_DESCUENTO) VALUES ('RI1', 'RG1', 'RB1', 'DTO', 'RI1', 'RG1', 'RB1', 'DTP');
INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('IncluirCuitLibrador', 'SI'), ('CTA_RET_OTRA_RO1', 'su'),
  ('NOMBRE', 'O''Brien SA');
INSERT INTO V_TA_BANCOS (IDBANCO, DESCRIPCION) VALUES ('0007', 'BANCO EJEMPLO');
INSERT INTO V_TA_CPTE (Codigo, Descripcion, SISTEMA) VALUES ('FC', 'FACTURA', 'VENTAS'),
  ('FCC', 'FACTURA DE COMPRA', ' compras ');
)";

QString numero8(int numero)
{
    return QStringLiteral("%1").arg(numero, 8, 10, QLatin1Char('0'));
}

} // namespace

void abrirConexionDePrueba(const QTemporaryDir &carpeta)
{
    setCarpetaEscritura(carpeta.path());
    abrirBaseDemo(carpeta.filePath(QStringLiteral("QVERR.LOG")));
    gCantidadDecimales = QStringLiteral("2");
}

PruebaRecibos::PruebaRecibos()
{
    db.execute(QString::fromUtf8(Catalogo));
    abrirConexionDePrueba(temporal);
}

PruebaRecibos::~PruebaRecibos()
{
    dialogos.verify();
    gBaseDatos.reset();
    setCarpetaEscritura(QString());
}

QString PruebaRecibos::clave(int numero)
{
    return QStringLiteral("0001") + numero8(numero) + QStringLiteral("X");
}

void PruebaRecibos::linea(const QString &tc, int numero, int secuencia, const QString &dh, const QString &cuenta,
                          const QString &importe, const QStringList &otras)
{
    QStringList columnas = {QStringLiteral("TC"),    QStringLiteral("SUCURSAL"),  QStringLiteral("NUMERO"),
                            QStringLiteral("LETRA"), QStringLiteral("SECUENCIA"), QStringLiteral("[DEBE-HABER]"),
                            QStringLiteral("Fecha"), QStringLiteral("Importe"),   QStringLiteral("Cuenta")};
    QStringList valores = {QLatin1Char('\'') + tc + QLatin1Char('\''),
                           QStringLiteral("'0001'"),
                           QLatin1Char('\'') + numero8(numero) + QLatin1Char('\''),
                           QStringLiteral("'X'"),
                           QString::number(secuencia),
                           QLatin1Char('\'') + dh + QLatin1Char('\''),
                           QStringLiteral("'05/03/2024'"),
                           importe,
                           QLatin1Char('\'') + cuenta + QLatin1Char('\'')};
    for (const QString &otra : otras) {
        columnas << otra.section(QLatin1Char('='), 0, 0);
        valores << otra.section(QLatin1Char('='), 1);
    }
    db.execute(QStringLiteral("INSERT INTO MV_ASIENTOS (%1) VALUES (%2)")
                   .arg(columnas.join(QLatin1Char(',')), valores.join(QLatin1Char(','))));
}

void PruebaRecibos::aplicar(const QString &tc, int numero, const QString &tco, int documento, const QString &importe,
                            const QString &cuenta)
{
    db.execute(
        QStringLiteral("INSERT INTO MV_APLICACION (TC, Sucursal, Numero, letra, IdComprobante, TCO_ORIGEN, "
                       "SUCURSAL_ORIGEN, NUMERO_ORIGEN, LETRA_ORIGEN, IDCOMPROBANTE_ORIGEN, IMPORTE, TC_PRINT, "
                       "IDCOMPROBANTE_PRINT, CUENTA) VALUES ('%1', '0001', '%2', 'X', '%3', '%4', '0001', '%5', "
                       "'X', '%6', %7, '%1', '%3', '%8')")
            .arg(tc, numero8(numero), clave(numero), tco, numero8(documento), clave(documento), importe, cuenta));
}

void PruebaRecibos::cabecera(const QString &tabla, const QString &tc, int numero, const QString &fecha,
                             const QString &importe)
{
    db.execute(QStringLiteral("INSERT INTO %1 (TC, IdComprobante, Fecha, Importe, Cuenta) VALUES ('%2', '%3', '%4', "
                              "%5, 'CLI')")
                   .arg(tabla, tc, clave(numero), fecha, importe));
}

QStringList PruebaRecibos::generar(const QString &tc, int numero, const QString &cuenta, long copias, long items,
                                   const QString &usuario)
{
    gEquipoUsuario = usuario;
    QStringList formulas = {QString()};
    IMP_Recibos(*gBaseDatos)
        .GeneraAuxiliarRecibo_PagoCobranza(tc, QStringLiteral("0001"), numero8(numero), QStringLiteral("X"), cuenta,
                                           formulas, copias, items);
    gEquipoUsuario = estacion();
    return formulas;
}

QStringList PruebaRecibos::filas(const QString &columnas, const QString &usuario)
{
    QStringList resultado;
    const auto consulta = QStringLiteral("SELECT %1 FROM AUX_MV_CPTE WHERE USUARIO = '%2' ORDER BY ID");
    for (const auto &fila : db.rows(consulta.arg(columnas, usuario))) {
        QStringList textos;
        for (const rt::Variant &valor : fila)
            textos << (valor.isNull() ? QStringLiteral("~") : rt::CStr(valor));
        resultado << textos.join(QLatin1Char('|'));
    }
    return resultado;
}
