#include "support/PruebaCore.h"

#include "db/Conexiones.h"
#include "platform/runtime/DateFunctions.h"
#include "platform/runtime/RuntimeError.h"
#include "session/ModError.h"

#include <QFile>
#include <gtest/gtest.h>

VariableEntorno::VariableEntorno(const char *nombre, const std::optional<QString> &valor)
    : m_nombre(nombre)
{
    if (qEnvironmentVariableIsSet(nombre))
        m_anterior = qgetenv(nombre);
    if (valor)
        qputenv(nombre, valor->toLocal8Bit());
    else
        qunsetenv(nombre);
}

VariableEntorno::~VariableEntorno()
{
    if (m_anterior)
        qputenv(m_nombre, *m_anterior);
    else
        qunsetenv(m_nombre);
}

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

void abrirBaseDemo()
{
    gBaseDatos->gServidor = "sqlite";
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
