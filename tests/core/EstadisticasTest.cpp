#include "core/Estadisticas.h"

#include "support/PruebaCore.h"

#include "core/Configuracion.h"
#include "db/Conexiones.h"
#include "session/Sesion.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class Estadisticas : public PruebaCore {
protected:
    Estadisticas() { abrirBaseDemo(); }

    void guardarTimeOut(const QString &valor)
    {
        db.statisticsConnection().Execute(
            QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('TimeOut', '%1')").arg(valor));
    }

    QList<QList<rt::Variant>> filasTimeOut()
    {
        return filasEstadisticas("SELECT VALOR, Grupo FROM TA_CONFIGURACION WHERE CLAVE = 'TIMEOUT'");
    }
};

TEST_F(Estadisticas, OpensTheStatisticsDatabaseOnTheMainServer)
{
    guardarTimeOut("45");
    ConectarEstadisticas();
    ASSERT_TRUE(gBaseEstadisticas->gOpenFlag);
    EXPECT_EQ(gBaseEstadisticas->gServidor, "sqlite");
    EXPECT_EQ(gBaseEstadisticas->gDBName, "QV_ESTADISTICAS");
    EXPECT_EQ(gTiempoEspera, 45);
    EXPECT_EQ(filasTimeOut().size(), 1);
    EXPECT_TRUE(dialogos.shown().empty());
}

TEST_F(Estadisticas, ReadsTheTimeOutAndWritesAZeroRowWhenThereIsNone)
{
    // The stored text (nullptr: no row), the time-out read and whether a zero row is written; beyond
    // 16 bits the default is read and nothing written.
    const std::tuple<const char *, qint16, bool> casos[] = {
        {nullptr, 90, true}, {"0", 90, true},     {" ", 90, true},
        {"lento", 90, true}, {"120", 120, false}, {"40000", 90, false},
    };
    for (const auto &[guardado, tiempo, escribeCero] : casos) {
        SCOPED_TRACE(guardado ? guardado : "(sin fila)");
        db.statisticsConnection().Execute("DELETE FROM TA_CONFIGURACION");
        gTiempoEspera = -1;
        if (guardado)
            guardarTimeOut(guardado);
        ConectarEstadisticas();
        EXPECT_EQ(gTiempoEspera, tiempo);
        const auto filas = filasTimeOut();
        ASSERT_EQ(filas.size(), 1);
        EXPECT_EQ(filas[0][0].asString(), escribeCero ? "0" : guardado);
        if (escribeCero) {
            EXPECT_EQ(filas[0][1].asString(), "BaseDeDatos");
        }
    }
}

TEST_F(Estadisticas, NoStatisticsDatabaseMeansTheDefaultAndNoMessage)
{
    ASSERT_TRUE(QFile::remove(QDir(db.folder()).filePath("QV_ESTADISTICAS.db")));
    ConectarEstadisticas();
    EXPECT_FALSE(gBaseEstadisticas->gOpenFlag);
    EXPECT_EQ(gTiempoEspera, 90);
    EXPECT_TRUE(dialogos.shown().empty());
}

TEST_F(Estadisticas, ASecondCallReopensOnTheCurrentServer)
{
    guardarTimeOut("30");
    ConectarEstadisticas();
    ConectarEstadisticas();
    EXPECT_TRUE(gBaseEstadisticas->gOpenFlag);
    EXPECT_EQ(gTiempoEspera, 30);
    EXPECT_EQ(CfgQV("TimeOut"), "30");
}

} // namespace
