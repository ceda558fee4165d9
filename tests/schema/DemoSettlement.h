#pragma once

#include <QString>

// Builds a settlement with the program's own generator on the embedded database DEMO of the
// current data folder (a TestDatabase), as the settlement window runs it for the user ADMIN,
// then puts the program's globals back. Fails the current test unless the build ends with
// "PROCESO FINALIZADO" and shows nothing else.
void buildSettlement(const QString &from, const QString &to);
