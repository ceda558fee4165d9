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

// The server undid the transaction when the connection dropped: the connection is told so, and
// keeps the errors that tell the caller why its statement failed.
void PoliticaReconexion::abandonarTransaccion()
{
    ado::Errors &errores = m_db.gCnn.Errors();
    const QList<ado::Error> causa = errores.items();
    try {
        m_db.gCnn.RollbackTrans();
    } catch (const rt::RuntimeError &) { // NOLINT(bugprone-empty-catch): nothing stays to undo
    }
    errores.Clear();
    for (const ado::Error &error : causa)
        errores.Append(error);
}

bool PoliticaReconexion::recuperar()
{
    // A lost connection takes its open transaction with it: running the rest of the work on a
    // new connection would store that rest without what was undone. The failure goes to the
    // caller, whose transaction then ends without storing anything.
    if (m_db.gCnn.transactionDepth() > 0) {
        abandonarTransaccion();
        return false;
    }
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
