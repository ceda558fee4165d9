#include "core/Estadisticas.h"

#include "PruebaCore.h"

#include "core/Configuracion.h"
#include "core/Sesion.h"
#include "db/Conexiones.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <ostream>

namespace {

class Estadisticas : public PruebaCore {
protected:
    Estadisticas() { abrirBaseDatos(); }

    void guardarTimeOut(const QString &valor)
    {
        db.statisticsConnection().Execute(
            QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('TimeOut', '%1')").arg(valor));
    }

    QList<QList<rt::Variant>> filasTimeOut()
    {
        ado::Recordset rs = db.statisticsConnection().Execute(
            QStringLiteral("SELECT VALOR, Grupo FROM TA_CONFIGURACION WHERE CLAVE = 'TIMEOUT'"));
        QList<QList<rt::Variant>> filas;
        for (; !rs.EOF_(); rs.MoveNext())
            filas << QList<rt::Variant>{rs.Fields(0L).Value(), rs.Fields(1L).Value()};
        return filas;
    }
};

TEST_F(Estadisticas, OpensTheStatisticsDatabaseOnTheMainServer)
{
    guardarTimeOut(QStringLiteral("45"));
    ConectarEstadisticas();
    ASSERT_TRUE(gBaseEstadisticas->gOpenFlag);
    EXPECT_EQ(gBaseEstadisticas->gServidor, QStringLiteral("sqlite"));
    EXPECT_EQ(gBaseEstadisticas->gDBName, QStringLiteral("QV_ESTADISTICAS"));
    EXPECT_EQ(gTiempoEspera, 45);
    EXPECT_EQ(filasTimeOut().size(), 1);
    EXPECT_TRUE(dialogos.shown().empty());
}

struct CasoTimeOut {
    const char *guardado; // nullptr: no row
    qint16 tiempo;
    bool escribeCero;
};

// The case as the test names show it.
void PrintTo(const CasoTimeOut &c, std::ostream *os)
{
    *os << (c.guardado ? c.guardado : "(sin fila)");
}

class TimeOutTabla : public Estadisticas, public ::testing::WithParamInterface<CasoTimeOut> {};

TEST_P(TimeOutTabla, ReadsTheTimeOutAndWritesAZeroRowWhenThereIsNone)
{
    if (GetParam().guardado)
        guardarTimeOut(QString::fromUtf8(GetParam().guardado));
    ConectarEstadisticas();
    EXPECT_EQ(gTiempoEspera, GetParam().tiempo);
    const auto filas = filasTimeOut();
    ASSERT_EQ(filas.size(), 1);
    if (GetParam().escribeCero) {
        EXPECT_EQ(filas[0][0].asString(), QStringLiteral("0"));
        EXPECT_EQ(filas[0][1].asString(), QStringLiteral("BaseDeDatos"));
    } else {
        EXPECT_EQ(filas[0][0].asString(), QString::fromUtf8(GetParam().guardado));
    }
}

INSTANTIATE_TEST_SUITE_P(Valores, TimeOutTabla,
                         ::testing::Values(CasoTimeOut{nullptr, 90, true}, CasoTimeOut{"0", 90, true},
                                           CasoTimeOut{" ", 90, true}, CasoTimeOut{"lento", 90, true},
                                           CasoTimeOut{"120", 120, false},
                                           // Beyond 16 bits: the default, nothing written.
                                           CasoTimeOut{"40000", 90, false}));

TEST_F(Estadisticas, NoStatisticsDatabaseMeansTheDefaultAndNoMessage)
{
    ASSERT_TRUE(QFile::remove(QDir(db.folder()).filePath(QStringLiteral("QV_ESTADISTICAS.db"))));
    ConectarEstadisticas();
    EXPECT_FALSE(gBaseEstadisticas->gOpenFlag);
    EXPECT_EQ(gTiempoEspera, 90);
    EXPECT_TRUE(dialogos.shown().empty());
}

TEST_F(Estadisticas, ASecondCallReopensOnTheCurrentServer)
{
    guardarTimeOut(QStringLiteral("30"));
    ConectarEstadisticas();
    ConectarEstadisticas();
    EXPECT_TRUE(gBaseEstadisticas->gOpenFlag);
    EXPECT_EQ(gTiempoEspera, 30);
    EXPECT_EQ(CfgQV(QStringLiteral("TimeOut")), QStringLiteral("30"));
}

} // namespace
