#pragma once

#include "platform/runtime/Conversions.h"
#include "settlements/GeneradorComisiones.h"
#include "settlements/VentanaGeneracion.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedEngine.h"
#include "support/TestDatabase.h"
#include "support/WidgetTest.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>

// The window as the settlement generator sees it: every call recorded in order.
class VentanaRegistrada : public VentanaGeneracion {
public:
    void mostrarEstado(const QString &texto) override
    {
        estados.append(texto);
        llamadas.append(texto);
    }
    void procesarEventos() override { llamadas.append(QStringLiteral("eventos")); }
    void Detalleon(bool on) override
    {
        llamadas.append(on ? QStringLiteral("Detalleon(1)") : QStringLiteral("Detalleon(0)"));
    }
    void Inicializa() override { llamadas.append(QStringLiteral("Inicializa")); }
    bool recalcular() const override { return marcarRecalcular; }

    // Progress texts, "Detalleon(1)"/"Detalleon(0)", "Inicializa" and "eventos" (one per pump),
    // in the order they came; `estados` the progress texts alone.
    QStringList llamadas;
    QStringList estados;
    bool marcarRecalcular = false;

    int veces(const QString &llamada) const { return static_cast<int>(llamadas.count(llamada)); }
};

// The main connection gBaseDatos open on a database as the start-up leaves it, the
// logged-in user "ADMIN", scripted dialogs and the error log in a temporary folder; windows
// left open are closed after each test.
class PruebaGeneradorBase : public support::WidgetTest {
protected:
    PruebaGeneradorBase();
    ~PruebaGeneradorBase() override;

    // Opens gBaseDatos with the server text given (`sqlite` for the embedded engine).
    void abrirConexion(const QString &servidor);

    // Builds a settlement with the generator, expecting "PROCESO FINALIZADO" at its end.
    GeneradorComisiones::Fin generar(const QString &desde, const QString &hasta, const QString &vendedor = {},
                                     const QString &borrar = {});
    // Expects the closing box "PROCESO FINALIZADO" next.
    void esperarFinal();
    // Expects next the notice that a build stored nothing.
    void esperarNadaGuardado();

    GeneradorComisiones generador();

    support::ScriptedDialogs dialogos;
    VentanaRegistrada ventana;
    QTemporaryDir temporal;
};

// The generator on a fresh embedded database. cargarMarzo() writes the fixture month, March
// 2024, whose figures the tests work out by hand:
//   salespersons "0001" and "0002"; article rates A001 10 %, A002 5 %, A003 none (list "0001");
//   CB 1 (04/03, "0001", 1210): cash 600, cheque 400 (code "ch"), income-tax retention 210;
//     pays FC 101 in full: A001 2 x 250, A002 1 x 500, A003 1 x 210;
//   CBCT 2 (08/03, "0002", 1000): card 650, bank 200, discount 100 (10 %), code "ZZ" 50;
//     pays FC 102 in full: A001 4 x 200 twice (a repeated line) and A001 1 x 200;
//   CB 3 (10/03, "0001", 100) and CB 4 (12/03, "0001", 200), both cash, pay FC 103 (A002 3 x 100);
//   CB 5 (14/03, "0002", 200, cheque) pays 200 of FC 104 (500): a balance stays open;
//   CB 6 (22/03, no salesperson, 50 cash) pays nothing;
//   NC 201 (18/03, "0001", 121, A001 1 x 100) cancels FC 105 in full;
//   NC 202 (20/03, "0002", 60.50, A002 1 x 50) is applied to FC 106 for 30 only;
//   CB 7 (02/04, "0001", 80 cash) lies outside the month.
// Voucher keys are point of sale "0001", the number in 8 digits and letter "A".
class PruebaGenerador : public PruebaGeneradorBase {
protected:
    PruebaGenerador();
    ~PruebaGenerador() override;

    void cargarMarzo();
    // Records an application of collection `tc` `numero` to invoice FC `factura`.
    void aplicar(const QString &tc, int numero, int factura, const QString &importe);
    // The 13-character key of fixture voucher `numero`.
    static QString clave(int numero);

    // The first column of the first row of a query, as a number.
    double numero(const QString &consulta) { return rt::CDbl(db.value(consulta)); }
    qint32 cuenta(const QString &consulta) { return rt::CLng(db.value(consulta)); }
    // The rows of a query, each as its values joined by "|": numbers with a point and no
    // trailing zeros, fixture voucher keys as their number.
    QStringList filas(const QString &consulta);

    TestDatabase db;
};

// The generator on a scripted server: statements are recorded, queries answer what the test
// scripts (an empty result otherwise), and writes can be made to fail.
class PruebaGeneradorGuionado : public PruebaGeneradorBase {
protected:
    PruebaGeneradorGuionado();
    ~PruebaGeneradorGuionado() override;

    // A provider error as a failed write leaves it in the connection's error list.
    static ado::Error errorDeEscritura(const QString &descripcion);
    // Texts sent that contain `fragmento` (letter case ignored).
    QStringList enviadas(const QString &fragmento) const;

    ScriptedServer servidor;
};
