#pragma once

#include <QtGlobal>

class DB_Dll;

// What a statement method of DB_Dll does when the database connection was lost: reconnect
// (silently a few times), run the failing statement again, and when the server stays away ask
// the operator whether to keep trying or end the program. One object per method call: its
// counter of reconnections lives for the call and survives the retries made within it.
class PoliticaReconexion {
public:
    // How the attempts go on after the first reconnection failed: Insistente retries silently
    // while the counter is below 3 before asking; AvisoInmediato asks after each failure.
    enum class Modo { Insistente, AvisoInmediato };

    PoliticaReconexion(DB_Dll &db, qint16 contadorInicial, Modo modo);

    // Reconnects. True: run the failing statement again. False: the reconnections allowed in
    // this call are used up; go on with the method's general error handling. Ends the program
    // (ui::EndProgram) when the operator answers No to the lost-connection prompt. While the
    // connection holds a transaction it answers false at once, without reconnecting, and the
    // connection no longer counts that transaction as open (the server dropped it).
    bool recuperar();

    qint16 contador() const { return m_contador; }

private:
    bool reconectar();
    void abandonarTransaccion();
    void preguntarSiSeguir() const;

    DB_Dll &m_db;
    qint16 m_contador;
    Modo m_modo;
};
