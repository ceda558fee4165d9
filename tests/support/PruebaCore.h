#pragma once

#include "platform/runtime/RuntimeError.h"
#include "support/ProgramGlobals.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDatabase.h"
#include "support/TestHelpers.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <optional>
#include <ostream>

// Closes the program's connections (before the test database goes) and gives the clock back.
void reiniciarCore();

// Opens the program's main connection on the test database, as start-up does for a database
// DEMO logged in as DEMO on the server `servidor` ("sqlite" is the embedded engine), its errors
// logged to `registroErrores` when one is given.
void abrirBaseDemo(const QString &registroErrores = {}, const QString &servidor = QStringLiteral("sqlite"));

// A fresh demo database (empty tables) with the error log kept in a temporary folder, scripted
// dialogs, and every core global at its start before and after the test.
class PruebaCore : public support::ProgramTest {
protected:
    PruebaCore();
    ~PruebaCore() override;

    // The text of the error log of MostrarError ("" when there is none).
    QString textoLog() const;
    // The rows a query gives on the statistics database.
    QList<QList<rt::Variant>> filasEstadisticas(const QString &sql);

    support::ScriptedDialogs dialogos;
    TestDatabase db;
    QTemporaryDir temporal;
    VariableEntorno temp{"TEMP", "x"};
    VariableEntorno tmp{"TMP", temporal.path()};
};
