#include "PruebaComprobantes.h"

#include "db/Conexiones.h"
#include "platform/runtime/Conversions.h"
#include "printdata/vouchers/GeneraAuxiliarComprobantes.h"
#include "session/ObjetosExternos.h"
#include "support/PruebaCore.h"

#include <gtest/gtest.h>

PruebaComprobantes::PruebaComprobantes()
{
    abrirBaseDemo();
    ajuste(QStringLiteral("CantidadDecimales"), QStringLiteral("2"));
    ajuste(QStringLiteral("SeparadorHora"), QStringLiteral(":"));
    ajuste(QStringLiteral("CUIT"), QStringLiteral("30-12345678-9"));
}

PruebaComprobantes::~PruebaComprobantes()
{
    gBaseDatos.reset();
}

QString PruebaComprobantes::claveEquipo()
{
    return gEquipo->NombreEquipo() + QStringLiteral("|cajero1");
}

void PruebaComprobantes::generar(const QString &tc, const QString &idComprobante, const QString &idTarea,
                                 bool conservar)
{
    QString TC = tc;
    QString sucursal = idComprobante.left(4);
    QString numero = idComprobante.mid(4, 8);
    QString letra = idComprobante.mid(12, 1);
    QString complemento = QStringLiteral("0");
    qint16 alto = 3;
    QString vacio1, vacio2, vacio3, vacio4, lista, listaNumeros;
    QString tarea = idTarea;
    rt::Variant conservarFilas(conservar);
    GeneraAuxiliarComprobantes(TC, sucursal, numero, letra, complemento, alto, vacio1, vacio2, vacio3, vacio4, lista,
                               listaNumeros, tarea, conservarFilas);
}

QString PruebaComprobantes::generarPedido(const QString &tc, const AuxiliarComprobantes::Pedido &pedido)
{
    QString TC = tc;
    AuxiliarComprobantes(*gBaseDatos).generar(TC, pedido);
    return TC;
}

void PruebaComprobantes::comprobante(const QString &tc, const QString &id, const QString &importe,
                                     const QStringList &extra)
{
    QString columnas = QStringLiteral("TC, IdComprobante, IdComplemento, Fecha, Importe, Moneda, UNegocio");
    QString valores = QStringLiteral("'%1', '%2', 0, '2024-03-05 00:00:00', %3, '1', '0001'").arg(tc, id, importe);
    for (const QString &par : extra) {
        const qsizetype igual = par.indexOf(QLatin1Char('='));
        const QString nombre = par.left(igual).trimmed();
        const QString literal = par.mid(igual + 1).trimmed();
        const qsizetype existente = columnas.split(QStringLiteral(", ")).indexOf(nombre);
        if (existente >= 0) {
            QStringList lista = valores.split(QStringLiteral(", "));
            lista[existente] = literal;
            valores = lista.join(QStringLiteral(", "));
        } else {
            columnas += QStringLiteral(", ") + nombre;
            valores += QStringLiteral(", ") + literal;
        }
    }
    db.execute(QStringLiteral("INSERT INTO V_MV_CPTE (%1) VALUES (%2)").arg(columnas, valores));
}

void PruebaComprobantes::ajuste(const QString &clave, const QString &valor, const QString &valorAux)
{
    db.execute(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE CLAVE = '%1'").arg(clave));
    db.execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, VALORAUX) VALUES ('%1', '%2', '%3')")
                   .arg(clave, valor, valorAux));
}

QStringList PruebaComprobantes::filas(const QStringList &columnas, const QString &condicion)
{
    QStringList resultado;
    const QString sql = QStringLiteral("SELECT %1 FROM AUX_MV_CPTE WHERE USUARIO = '%2' %3 ORDER BY ID")
                            .arg((QStringList{"TIPO"} + columnas).join(QStringLiteral(", ")), claveEquipo(), condicion);
    for (const QList<rt::Variant> &fila : db.rows(sql)) {
        QString texto = fila.at(0).isNull() ? QString() : rt::CStr(fila.at(0));
        for (qsizetype i = 1; i < fila.size(); ++i) {
            if (!fila.at(i).isNull() && !rt::CStr(fila.at(i)).isEmpty())
                texto += QLatin1Char('|') + columnas.at(i - 1) + QLatin1Char('=') + rt::CStr(fila.at(i));
        }
        resultado << texto;
    }
    return resultado;
}
