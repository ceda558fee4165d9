#pragma once

#include "support/PruebaCore.h"

#include "support/WidgetTest.h"

#include <QObject>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <optional>
#include <vector>

// What the login dialog showed in its boxes when it opened.
struct BoxesAcceso {
    QString base;
    QString servidor;
    QString usuario;
    QString clave;
};

// Answers the login dialog each time it shows modally, in the order scripted, and keeps what it
// showed. The dialog is one object shown again and again, so it is watched for as long as the
// script lives. Fails the test when it shows once too often or fewer times than scripted.
class GuionAcceso : public QObject {
public:
    // Types the user and password (and the database and server when given), then Conectar; or
    // Cancelar.
    struct Respuesta {
        QString usuario{};
        QString clave{};
        std::optional<QString> base{};
        std::optional<QString> servidor{};
        bool cancelar = false;
    };

    GuionAcceso();
    ~GuionAcceso() override;

    void responder(const Respuesta &respuesta) { m_respuestas.push_back(respuesta); }
    const std::vector<BoxesAcceso> &vistos() const { return m_vistos; }

private:
    void revisar();

    QTimer m_reloj;
    std::deque<Respuesta> m_respuestas;
    std::vector<BoxesAcceso> m_vistos;
};

// Start-up on a fresh test database holding two users, ADMIN ("admin", administrator) and
// OPERADOR ("oper"), with the files the program writes kept in a temporary folder.
class PruebaArranque : public support::WidgetTest {
protected:
    PruebaArranque();
    ~PruebaArranque() override;

    // IniciarAplicacion(False, comando, textoConexion, 3).
    void iniciar(const QString &comando);
    // The number of rows a query counts on the company database.
    long contar(const QString &sql);
    // The start-up's error log ("" when there is none).
    QString registro() const;

    support::ScriptedDialogs dialogos;
    // Every test watches the login dialog, so one that shows unexpectedly fails instead of waiting.
    GuionAcceso guion;
    TestDatabase db;
    QTemporaryDir carpeta;
    QTemporaryDir temporal;
    VariableEntorno temp{"TEMP", QStringLiteral("x")};
    VariableEntorno tmp{"TMP", temporal.path()};
    QString textoConexion;
};
