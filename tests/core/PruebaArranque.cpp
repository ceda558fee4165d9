#include "PruebaArranque.h"

#include "core/IniciarAplicacion.h"
#include "db/Conexiones.h"
#include "db/frmAcceso.h"
#include "platform/outside/ClaveGuardada.h"
#include "platform/runtime/Conversions.h"
#include "session/CarpetasPrograma.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

GuionAcceso::GuionAcceso()
{
    connect(&m_reloj, &QTimer::timeout, this, [this] { revisar(); });
    m_reloj.start(10);
}

GuionAcceso::~GuionAcceso()
{
    EXPECT_TRUE(m_respuestas.empty()) << m_respuestas.size() << " scripted logins were never asked for";
}

void GuionAcceso::revisar()
{
    auto *dialogo = qobject_cast<frmAcceso *>(QApplication::activeModalWidget());
    if (!dialogo || !dialogo->isVisible())
        return;
    m_vistos.push_back({dialogo->TxtDbName->text(), dialogo->TxtServidor->text(), dialogo->TxtUserId->text(),
                        dialogo->TxtUserPassword->text()});
    if (m_respuestas.empty()) {
        ADD_FAILURE() << "the login dialog showed once too often";
        dialogo->reject();
        return;
    }
    const Respuesta respuesta = m_respuestas.front();
    m_respuestas.pop_front();
    if (respuesta.cancelar) {
        dialogo->bcCancelar->click();
        return;
    }
    dialogo->TxtUserId->setText(respuesta.usuario);
    dialogo->TxtUserPassword->setText(respuesta.clave);
    if (respuesta.base)
        dialogo->TxtDbName->setText(*respuesta.base);
    if (respuesta.servidor)
        dialogo->TxtServidor->setText(*respuesta.servidor);
    dialogo->bcAceptar->click();
}

PruebaArranque::PruebaArranque()
{
    setCarpetaEscritura(carpeta.path());
    const auto usuario = [this](const char *nombre, const char *clave, int administrador) {
        db.execute(QStringLiteral("INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, Password, Administrador, UNegocio, "
                                  "verproforma) VALUES ('%1', 'cn000pr', '%2', %3, '0001', 0)")
                       .arg(QLatin1String(nombre), outside::codificarClave(QLatin1String(clave)))
                       .arg(administrador));
    };
    usuario("ADMIN", "admin", 1);
    usuario("OPERADOR", "oper", 0);
    // The connection class's own log goes beside the start-up's.
    gBaseDatos->gLogErr = QDir(carpeta.path()).filePath("QVERR-conexion.LOG");
}

PruebaArranque::~PruebaArranque()
{
    gBaseDatos.reset();
    gBaseEstadisticas.reset();
}

void PruebaArranque::iniciar(const QString &comando)
{
    gBaseDatos->gLogErr = QDir(carpeta.path()).filePath("QVERR-conexion.LOG");
    IniciarAplicacion(false, comando, textoConexion, 3);
}

long PruebaArranque::contar(const QString &sql)
{
    return rt::CLng(db.value(sql));
}

QString PruebaArranque::registro() const
{
    QFile log(QDir(carpeta.path()).filePath("QVERR.LOG"));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}
