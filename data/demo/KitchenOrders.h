#pragma once

#include "platform/ado/Connection.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A restaurant order for the kitchen printers: order types PE, PECO (to the kitchen) and PEBA
// (to the bar) whose default destination names a kitchen printer, the order PE 0009-00000001 X
// of table 12 with kitchen and bar lines, and the records of "Comanderas.cfg" that describe
// those printers for a workstation.
namespace demo {

// One kitchen printer of a workstation, as a record of "Comanderas.cfg" holds it.
struct KitchenPrinter {
    QString workstation; // machine name "|" second identity text
    QString name;
    QString port; // "COM1"
    bool printCompany = false;
    QString company;
    bool printAddress = false;
    QString address;
    bool printVoucher = false;
    bool printCustomer = false;
    bool printFooter = false;
    QString footer;
    bool twoLines = false;
    char padding = ' '; // what fills each field: a blank, or '\0'
};

// The 910 bytes of the printer's record: fixed-width Windows-1252 fields, switches "S" or "N".
QByteArray kitchenPrinterRecord(const KitchenPrinter &printer);

// The demo's printers of `workstation`: COCINA on COM1, BARRA on COM2 and CAJA on COM3.
QList<KitchenPrinter> demoKitchenPrinters(const QString &workstation);

// Writes "Comanderas.cfg" at `path` with the demo's printers of `workstation`. Throws
// RuntimeError 75 when the file cannot be written.
void writeKitchenPrintersFile(const QString &path, const QString &workstation);

// Writes the order, its types, articles and printer settings. Throws RuntimeError when a write
// fails.
void writeKitchenOrders(ado::Connection &company);

} // namespace demo
