#include "core/BarraEstado.h"

#include "PruebaCore.h"

#include "core/Sesion.h"
#include "core/StatusBar.h"
#include "db/Conexiones.h"
#include "platform/runtime/Conversions.h"

#include <QCoreApplication>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

class BarraEstado : public PruebaCore {
protected:
    BarraEstado()
    {
        abrirBaseDatos();
        gBaseDatos->gEsAdmin = true;
        AgregarPanelesEstado(barra);
        QCoreApplication::setApplicationVersion(QStringLiteral("2.1.45"));
    }
    ~BarraEstado() override { QCoreApplication::setApplicationVersion(version); }

    QString ayuda(const QString &clave) const { return barra.panel(clave)->toolTip(); }

    const QString version = QCoreApplication::applicationVersion();
    StatusBar barra;
};

TEST_F(BarraEstado, TheFirstFillShowsTheSessionAndCreatesTheCashBox)
{
    gUsuarioLogeado = QStringLiteral("ADMIN");
    gCaja = QString();
    ActualizarBarraEstado(&barra, QStringLiteral("Listo"));
    const std::pair<const char *, const char *> paneles[] = {
        {"MENSAJE", "Listo"},        {"SERVER", "Srv: sqlite"}, {"USUARIO", "Uid: ADMIN"},
        {"BASEDEDATOS", "Db: DEMO"}, {"CAJA", "1 CAJA 1"},      {"VERSION", "V.2.1.45"},
    };
    for (const auto &[clave, texto] : paneles)
        EXPECT_EQ(barra.panelText(QLatin1String(clave)), QString::fromUtf8(texto)) << clave;
    for (const char *clave : {"SERVER", "USUARIO", "BASEDEDATOS", "CAJA"})
        EXPECT_EQ(ayuda(QLatin1String(clave)), barra.panelText(QLatin1String(clave))) << clave;
    EXPECT_EQ(ayuda(QStringLiteral("MENSAJE")), QString());
    EXPECT_EQ(gCaja, QStringLiteral("1"));
    const auto cajas = db.rows(QStringLiteral("SELECT IdCajas, Descripcion FROM V_TA_CAJAS"));
    ASSERT_EQ(cajas.size(), 1);
    EXPECT_EQ(rt::CStr(cajas[0][0]), QStringLiteral("   1"));
    EXPECT_EQ(rt::CStr(cajas[0][1]), QStringLiteral("CAJA 1"));
}

TEST_F(BarraEstado, AnExistingCashBoxIsShownAsStoredAndLaterCallsChangeOnlyTheMessage)
{
    db.execute(QStringLiteral("INSERT INTO V_TA_CAJAS (IdCajas, Descripcion) VALUES ('   7', 'MOSTRADOR')"));
    gCaja = QStringLiteral("7");
    ActualizarBarraEstado(&barra, QString());
    EXPECT_EQ(barra.panelText(QStringLiteral("CAJA")), QStringLiteral("7 MOSTRADOR"));
    EXPECT_EQ(barra.panelText(QStringLiteral("USUARIO")), QStringLiteral("Uid: DEMO"))
        << "no logged user: the connection's";

    gBaseDatos->gServidor = QStringLiteral("otro");
    gCaja = QStringLiteral("8");
    ActualizarBarraEstado(&barra, QStringLiteral("Generando"));
    EXPECT_EQ(barra.panelText(QStringLiteral("MENSAJE")), QStringLiteral("Generando"));
    EXPECT_EQ(barra.panelText(QStringLiteral("SERVER")), QStringLiteral("Srv: sqlite"));
    EXPECT_EQ(barra.panelText(QStringLiteral("CAJA")), QStringLiteral("7 MOSTRADOR"));
    EXPECT_EQ(rt::CLng(db.value(QStringLiteral("SELECT COUNT(*) FROM V_TA_CAJAS"))), 1);
}

TEST_F(BarraEstado, ACashBoxWithAQuoteIsStoredAsTyped)
{
    gCaja = QStringLiteral("9'); DELETE FROM TA_USUARIOS; --");
    db.execute(QStringLiteral("INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA) VALUES ('ANA', 'cn000pr')"));
    ActualizarBarraEstado(&barra, QString());
    EXPECT_EQ(rt::CLng(db.value(QStringLiteral("SELECT COUNT(*) FROM TA_USUARIOS"))), 1);
    EXPECT_EQ(rt::CStr(db.value(QStringLiteral("SELECT Descripcion FROM V_TA_CAJAS"))),
              QStringLiteral("CAJA 9'); DELETE FROM TA_USUARIOS; --"));
}

TEST_F(BarraEstado, MissingPanelsAreSkipped)
{
    StatusBar parcial;
    parcial.addPanel(QStringLiteral("MENSAJE"));
    parcial.addPanel(QStringLiteral("VERSION"));
    ActualizarBarraEstado(&parcial, QStringLiteral("Hola"));
    EXPECT_EQ(parcial.panelText(QStringLiteral("MENSAJE")), QStringLiteral("Hola"));
    EXPECT_EQ(parcial.panelText(QStringLiteral("VERSION")), QStringLiteral("V.2.1.45"));
    EXPECT_EQ(parcial.panel(QStringLiteral("CAJA")), nullptr);
    EXPECT_EQ(rt::CLng(db.value(QStringLiteral("SELECT COUNT(*) FROM V_TA_CAJAS"))), 1) << "the cash box is still made";
    ActualizarBarraEstado(nullptr, QStringLiteral("Hola"));
}

} // namespace
