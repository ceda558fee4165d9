// comisiones: settles salespersons' commissions. The settlement window is the start-up form:
// loading it connects to the database and logs the user in.

#include "platform/runtime/RuntimeError.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/QtTranslation.h"
#include "session/Programa.h"
#include "settlements/FrmComisionesVendedor.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(NombrePrograma);
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    ui::useSpanishQtTexts();
    FrmComisionesVendedor ventana;
    try {
        ventana.Form_Load();
    } catch (const rt::RuntimeError &error) {
        // An error the start-up does not handle ends the program, as an untrapped one would.
        ui::MsgBox(QStringLiteral("Error en tiempo de ejecución '%1':\n\n%2").arg(error.Number).arg(error.Description),
                   ui::vbCritical);
        return 1;
    }
    ventana.show();
    return QApplication::exec();
}
