#pragma once

#include "db/Conexiones.h"
#include "db/DialogoAcceso.h"
#include "platform/runtime/DateFunctions.h"
#include "platform/runtime/RuntimeError.h"
#include "support/ProgramGlobals.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedEngine.h"
#include "support/TestHelpers.h"

#include <QFile>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <ostream>

// The connection texts the scripted server was opened with, in order.
inline QStringList openedWith(const ScriptedServer &server)
{
    QStringList texts;
    for (const ScriptedCall &call : server.calls()) {
        if (call.kind == ScriptedCall::Kind::Open)
            texts << call.text;
    }
    return texts;
}

// The connection dialog of tests: gives the scripted answers in order and keeps what it was shown.
class ScriptedAcceso : public DialogoAcceso {
public:
    struct Respuesta {
        bool aceptar = true;
        DatosAcceso datos;
    };

    ScriptedAcceso() { setDialogoAcceso(this); }
    ~ScriptedAcceso() override { setDialogoAcceso(nullptr); }

    void responder(bool aceptar, const DatosAcceso &datos = {}) { m_respuestas.push_back({aceptar, datos}); }

    bool mostrar(DatosAcceso &datos) override
    {
        m_mostrados.push_back(datos);
        if (m_respuestas.empty()) {
            ADD_FAILURE() << "the connection dialog was not expected";
            return false;
        }
        const Respuesta respuesta = m_respuestas.front();
        m_respuestas.pop_front();
        if (respuesta.aceptar)
            datos = respuesta.datos;
        return respuesta.aceptar;
    }
    void ocultar() override { ++m_ocultado; }

    const std::vector<DatosAcceso> &mostrados() const { return m_mostrados; }
    int ocultado() const { return m_ocultado; }

private:
    std::deque<Respuesta> m_respuestas;
    std::vector<DatosAcceso> m_mostrados;
    int m_ocultado = 0;
};

// gBaseDatos on a scripted server, with the error log in a temporary folder.
class PruebaDb : public support::ProgramTest {
protected:
    // The connections are closed while the scripted server they talk to still exists.
    ~PruebaDb() override { liberarConexiones(); }

    static QString serverConnectionString()
    {
        return QStringLiteral("PROVIDER=SQLOLEDB;Server=srv;Database =DEMO;UId=DEMO;Pwd=DEMO;");
    }

    void SetUp() override
    {
        gBaseDatos->gLogErr = logFile();
        gBaseDatos->gDBName = QStringLiteral("DEMO");
        gBaseDatos->gServidor = QStringLiteral("srv");
        gBaseDatos->gUsuario = QStringLiteral("DEMO");
        gBaseDatos->gUserPassWord = QStringLiteral("DEMO");
        gBaseDatos->OpenServerADODB(false, 3, serverConnectionString(), false, false);
        ASSERT_TRUE(gBaseDatos->gOpenFlag);
        server.clearCalls();
    }

    QString logFile() const { return logDir.filePath(QStringLiteral("QVERR.LOG")); }
    int opens() const { return server.count(ScriptedCall::Kind::Open); }
    int executes() const { return server.count(ScriptedCall::Kind::Execute); }

    QTemporaryDir logDir;
    ScriptedServer server;
    support::ScriptedDialogs dialogs;
};
