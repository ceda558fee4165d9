#include "settlements/RepintadoDuranteSentencias.h"

#include "platform/ado/Connection.h"

#include <QCoreApplication>
#include <QLabel>

namespace {

const QString Espera = QStringLiteral("Esperando la Base de Datos ocupada por otro programa");

void repintar()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

RepintadoDuranteSentencias::RepintadoDuranteSentencias(ado::Connection &conexion, QLabel &estado)
    : m_conexion(conexion)
    , m_estado(estado)
    , m_anterior(estado.text())
{
    m_conexion.setProgressHandler(repintar);
    m_conexion.setLockWaitHandler([&estado] {
        estado.setText(Espera);
        repintar();
    });
}

RepintadoDuranteSentencias::~RepintadoDuranteSentencias()
{
    m_conexion.setProgressHandler({});
    m_conexion.setLockWaitHandler({});
    if (m_estado.text() == Espera)
        m_estado.setText(m_anterior);
}
