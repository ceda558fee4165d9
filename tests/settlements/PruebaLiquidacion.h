#pragma once

#include "support/ScriptedDialogs.h"
#include "support/TestDatabase.h"
#include "support/TestHelpers.h"
#include "support/WidgetTest.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <ostream>

class QTreeWidget;

// The rows of a list as texts, one list of column texts per row.
QList<QStringList> filasDe(const QTreeWidget &lista);
QStringList encabezadosDe(const QTreeWidget &lista);

// A fresh embedded database DEMO with a known stored settlement, the program's main connection
// open on it as the start-up leaves it for the database's own login (user DEMO), scripted
// dialogs, and the error log in a temporary folder.
//
// Settlement 12 (01/03/2024 to 31/03/2024) holds, by salesperson:
//   "0001" ALVAREZ ANA: collections of 02/03 and 05/03 and a credit note of 20/03;
//   "0002" BENITEZ BRUNO, "0003" CASTRO CARLA: one collection each;
//   "0099": one collection, and no row in the salespersons table.
// Settlement 7 (01/01/2024 to 31/01/2024) holds one collection of "0001"; settlement 13
// (01/04/2024 to 30/04/2024) none.
class PruebaLiquidacion : public support::WidgetTest {
protected:
    PruebaLiquidacion();
    ~PruebaLiquidacion() override;

    support::ScriptedDialogs dialogos;
    TestDatabase db;
    QTemporaryDir temporal;
};
