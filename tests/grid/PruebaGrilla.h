#pragma once

#include "grid/QvDbGrid.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDatabase.h"
#include "support/TestHelpers.h"
#include "support/WidgetTest.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <ostream>

class GrillaFlex;

// A fresh embedded database with a table Clientes of 23 rows (ID 1 to 23, Nombre "Cliente 01"
// to "Cliente 23", Alta from 21/02/2024 one day apart, Saldo 10.5 times the ID, Notas a long
// text), the program's main connection open on it for the user DEMO, and scripted dialogs.
class PruebaGrilla : public support::WidgetTest {
protected:
    PruebaGrilla();
    ~PruebaGrilla() override;

    // A grid shown over `sql` with `porPagina` rows a page, the column chooser offered, loaded.
    std::unique_ptr<QvDbGrid> grilla(const QString &sql, long porPagina = 10);

    static GrillaFlex *flex(QvDbGrid &grid);
    // The texts of a grid column from row 1, or of row 0 from column 1.
    static QStringList columna(QvDbGrid &grid, int c);
    static QStringList captions(QvDbGrid &grid);
    template <class T> static T *control(QvDbGrid &grid, const char *nombre)
    {
        return grid.findChild<T *>(QString::fromUtf8(nombre));
    }

    support::ScriptedDialogs dialogos;
    TestDatabase db;
    QTemporaryDir temporal;
};
