#include "support/PruebaCore.h"

#include "db/Conexiones.h"
#include "platform/runtime/DateFunctions.h"
#include "platform/runtime/RuntimeError.h"
#include "session/ModError.h"

#include <QFile>
#include <gtest/gtest.h>

void reiniciarCore()
{
    gBaseDatos.reset();
    gBaseEstadisticas.reset();
    rt::setClockForTests(std::nullopt);
}

PruebaCore::PruebaCore()
{
    reiniciarCore();
}

PruebaCore::~PruebaCore()
{
    reiniciarCore();
}

void abrirBaseDemo(const QString &registroErrores, const QString &servidor)
{
    if (!registroErrores.isEmpty())
        gBaseDatos->gLogErr = registroErrores;
    gBaseDatos->gServidor = servidor;
    gBaseDatos->gDBName = "DEMO";
    gBaseDatos->gUsuario = "DEMO";
    gBaseDatos->gUserPassWord = "DEMO";
    gBaseDatos->OpenServerADODB(false, 3, {}, false, false);
    ASSERT_TRUE(gBaseDatos->gOpenFlag) << "the test database did not open";
}

QString PruebaCore::textoLog() const
{
    QFile log(ArchivoLogErrores());
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

QList<QList<rt::Variant>> PruebaCore::filasEstadisticas(const QString &sql)
{
    QList<QList<rt::Variant>> filas;
    for (ado::Recordset rs = db.statisticsConnection().Execute(sql); !rs.EOF_(); rs.MoveNext()) {
        QList<rt::Variant> fila;
        for (long i = 0; i < rs.FieldCount(); ++i)
            fila << rs.Fields(i).Value();
        filas << fila;
    }
    return filas;
}
