#include "BenchProgram.h"

#include "db/Conexiones.h"

#include <cstdio>
#include <stdexcept>

int ConsoleDialogs::msgBox(const QString &text, int style, const QString &)
{
    std::fprintf(stderr, "  [box] %s\n", qPrintable(text));
    switch (style & 7) {
    case ui::vbAbortRetryIgnore:
        return ui::vbAbort;
    case ui::vbYesNoCancel:
    case ui::vbYesNo:
        return ui::vbYes;
    case ui::vbRetryCancel:
        return ui::vbRetry;
    default:
        return ui::vbOK;
    }
}

void openProgramConnection()
{
    gBaseDatos->gServidor = QStringLiteral("sqlite");
    gBaseDatos->gDBName = QStringLiteral("DEMO");
    gBaseDatos->gUsuario = QStringLiteral("DEMO");
    gBaseDatos->gUserPassWord = QStringLiteral("DEMO");
    gBaseDatos->OpenServerADODB(false, 3, QString(), false, false);
    if (!gBaseDatos->gOpenFlag)
        throw std::runtime_error("the demo database did not open");
    gBaseDatos->gEsAdmin = true;
}
