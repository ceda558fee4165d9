#include "db/PoliticaReconexion.h"

#include "db/Conexiones.h"
#include "platform/ui/Dialogs.h"

namespace {

const QString Crlf = QStringLiteral("\r\n");

} // namespace

PoliticaReconexion::PoliticaReconexion(DB_Dll &db, qint16 contadorInicial, Modo modo)
    : m_db(db)
    , m_contador(contadorInicial)
    , m_modo(modo)
{
}

bool PoliticaReconexion::reconectar()
{
    m_db.ReintentaConectar();
    return m_db.gOpenFlag;
}

// The prompt names the main connection's database and server, whichever object lost its own.
void PoliticaReconexion::preguntarSiSeguir() const
{
    const QString text = Crlf + Crlf + Crlf + QStringLiteral("Se perdio la conexion con la base de datos ")
                         + gBaseDatos->gDBName + Crlf + QStringLiteral(" Servidor ") + gBaseDatos->gServidor + Crlf
                         + Crlf + QStringLiteral("Elija SI para reintentar conectarse") + Crlf
                         + QStringLiteral("Elija NO para cerrar la aplicacion") + Crlf + Crlf + Crlf;
    if (ui::MsgBox(text, ui::vbCritical + ui::vbYesNo, QStringLiteral("AVISO AL OPERADOR")) != ui::vbYes)
        ui::EndProgram();
}

bool PoliticaReconexion::recuperar()
{
    if (reconectar()) {
        ++m_contador;
        return m_contador < 3;
    }
    if (m_modo == Modo::AvisoInmediato) {
        for (;;) {
            if (reconectar()) {
                ++m_contador;
                return m_contador < 3;
            }
            preguntarSiSeguir();
        }
    }
    for (;;) {
        if (reconectar())
            return true;
        ++m_contador;
        if (m_contador >= 3)
            preguntarSiSeguir();
    }
}
