#pragma once

#include "support/ScriptedDialogs.h"
#include "support/TestHelpers.h"
#include "support/TestigoCartel.h"
#include "support/WidgetTest.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
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

// Types into a box: '\b' is Backspace, '\r' Enter, any other character itself.
void teclear(QLineEdit *box, const QString &teclas);
