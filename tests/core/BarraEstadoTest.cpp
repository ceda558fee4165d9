#include "core/BarraEstado.h"

#include "support/PruebaCore.h"

#include "core/StatusBar.h"
#include "db/Conexiones.h"
#include "platform/runtime/Conversions.h"
#include "session/Sesion.h"

#include <QCoreApplication>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

class BarraEstado : public PruebaCore {
protected:
    BarraEstado()
    {
        abrirBaseDemo();
        gBaseDatos->gEsAdmin = true;
        AgregarPanelesEstado(barra);
        QCoreApplication::setApplicationVersion("2.1.45");
    }
    ~BarraEstado() override { QCoreApplication::setApplicationVersion(version); }

    QString ayuda(const QString &clave) const { return barra.panel(clave)->toolTip(); }

    const QString version = QCoreApplication::applicationVersion();
    StatusBar barra;
};

TEST_F(BarraEstado, TheFirstFillShowsTheSessionAndCreatesTheCashBox)
{
    gUsuarioLogeado = "ADMIN";
    gCaja = QString();
    ActualizarBarraEstado(&barra, "Listo");
    const std::pair<const char *, const char *> paneles[] = {
        {"MENSAJE", "Listo"},        {"SERVER", "Srv: sqlite"}, {"USUARIO", "Uid: ADMIN"},
        {"BASEDEDATOS", "Db: DEMO"}, {"CAJA", "1 CAJA 1"},      {"VERSION", "V.2.1.45"},
    };
    for (const auto &[clave, texto] : paneles)
        EXPECT_EQ(barra.panelText(QLatin1String(clave)), QString::fromUtf8(texto)) << clave;
    for (const char *clave : {"SERVER", "USUARIO", "BASEDEDATOS", "CAJA"})
        EXPECT_EQ(ayuda(QLatin1String(clave)), barra.panelText(QLatin1String(clave))) << clave;
    EXPECT_EQ(ayuda("MENSAJE"), QString());
    EXPECT_EQ(gCaja, "1");
    const auto cajas = db.rows("SELECT IdCajas, Descripcion FROM V_TA_CAJAS");
    ASSERT_EQ(cajas.size(), 1);
    EXPECT_EQ(rt::CStr(cajas[0][0]), "0001");
    EXPECT_EQ(rt::CStr(cajas[0][1]), "CAJA 1");
}

TEST_F(BarraEstado, AnExistingCashBoxIsShownAsStoredAndLaterCallsChangeOnlyTheMessage)
{
    db.execute("INSERT INTO V_TA_CAJAS (IdCajas, Descripcion) VALUES ('0007', 'MOSTRADOR')");
    gCaja = "7";
    ActualizarBarraEstado(&barra, QString());
    EXPECT_EQ(barra.panelText("CAJA"), "7 MOSTRADOR");
    EXPECT_EQ(barra.panelText("USUARIO"), "Uid: DEMO") << "no logged user: the connection's";

    gBaseDatos->gServidor = "otro";
    gCaja = "8";
    ActualizarBarraEstado(&barra, "Generando");
    EXPECT_EQ(barra.panelText("MENSAJE"), "Generando");
    EXPECT_EQ(barra.panelText("SERVER"), "Srv: sqlite");
    EXPECT_EQ(barra.panelText("CAJA"), "7 MOSTRADOR");
    EXPECT_EQ(rt::CLng(db.value("SELECT COUNT(*) FROM V_TA_CAJAS")), 1);
}

TEST_F(BarraEstado, ACashBoxWithAQuoteIsStoredAsTyped)
{
    gCaja = "9'); DELETE FROM TA_USUARIOS; --";
    db.execute("INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA) VALUES ('ANA', 'cn000pr')");
    ActualizarBarraEstado(&barra, QString());
    EXPECT_EQ(rt::CLng(db.value("SELECT COUNT(*) FROM TA_USUARIOS")), 1);
    EXPECT_EQ(rt::CStr(db.value("SELECT Descripcion FROM V_TA_CAJAS")), "CAJA 9'); DELETE FROM TA_USUARIOS; --");
}

TEST_F(BarraEstado, MissingPanelsAreSkipped)
{
    StatusBar parcial;
    parcial.addPanel("MENSAJE");
    parcial.addPanel("VERSION");
    ActualizarBarraEstado(&parcial, "Hola");
    EXPECT_EQ(parcial.panelText("MENSAJE"), "Hola");
    EXPECT_EQ(parcial.panelText("VERSION"), "V.2.1.45");
    EXPECT_EQ(parcial.panel("CAJA"), nullptr);
    EXPECT_EQ(rt::CLng(db.value("SELECT COUNT(*) FROM V_TA_CAJAS")), 1) << "the cash box is still made";
    ActualizarBarraEstado(nullptr, "Hola");
}

} // namespace
