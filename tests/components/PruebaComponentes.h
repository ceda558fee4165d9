#pragma once

#include "support/ScriptedDialogs.h"
#include "support/TestHelpers.h"
#include "support/WidgetTest.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <ostream>

class QLineEdit;

// Widgets offscreen with scripted message boxes; the program's globals (the banner, the
// text-box instance, the export state, the clock) start afresh and are put back after the test.
class PruebaComponentes : public support::WidgetTest {
protected:
    support::ScriptedDialogs dialogos;
};

// As PruebaComponentes, with the user's documents folder (where shown workbooks go) in a
// scratch home.
class PruebaExportacion : public PruebaComponentes {
protected:
    PruebaExportacion();
    ~PruebaExportacion() override;

    QString carpetaDocumentos() const;
    // The workbooks shown so far, oldest first.
    QStringList librosMostrados() const;

    QTemporaryDir casa;

private:
    QByteArray m_home;
    QByteArray m_config;
};

// Writes down every text the progress banner shows while it lives, by looking at it each time
// the event loop turns (as the banner lets it, once per step).
class TestigoCartel {
public:
    TestigoCartel();

    const QStringList &lineas() const { return m_lineas; }
    bool vio(const QString &linea) const { return m_lineas.contains(linea); }

private:
    void mirar();

    QTimer m_reloj;
    QStringList m_lineas;
};

// Types into a box: '\b' is Backspace, '\r' Enter, any other character itself.
void teclear(QLineEdit *box, const QString &teclas);
