// imprimir [--pdf FILE] FOLDER TC NUMBER
// Prints voucher TC NUMBER (13 characters, as the lists show it) of the database in FOLDER (as
// demo-db writes it) the way "Ver  Comprobante" shows it, without a window: the program starts on
// FOLDER/DEMO.db as the demo administrator, builds the print rows and lays out the voucher's form,
// which is written to FILE (default TC-NUMBER.pdf). The rows stay in AUX_MV_CPTE under the
// workstation key printed on standard output. Any message box is written to standard error
// instead of shown and answered as a cancel. Whatever keeps the voucher from printing whole (no
// database, a voucher it does not hold, a message box, a PDF that cannot be written) is told on
// standard error and ends with a non-zero status, writing no PDF: a file already at FILE stays as
// it was.

#include "core/IniciarAplicacion.h"
#include "db/Conexiones.h"
#include "db/DB_Dll.h"
#include "platform/report/ImpresionReportes.h"
#include "platform/report/ReportOutput.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"
#include "printing/ImpresionPrograma.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>

#include <cstdlib>

namespace {

// Message boxes go to standard error, answered by the button that gives up.
class CajasEnConsola : public ui::DialogService {
public:
    int msgBox(const QString &text, int style, const QString &title) override
    {
        ++mostradas;
        QTextStream(stderr) << title << ": " << text << Qt::endl;
        switch (style & 7) {
        case ui::vbOKCancel:
        case ui::vbYesNoCancel:
        case ui::vbRetryCancel:
            return ui::vbCancel;
        case ui::vbAbortRetryIgnore:
            return ui::vbAbort;
        case ui::vbYesNo:
            return ui::vbNo;
        default:
            return ui::vbOK;
        }
    }

    QString inputBox(const QString &prompt, const QString &title, const QString &) override
    {
        ++mostradas;
        QTextStream(stderr) << title << ": " << prompt << Qt::endl;
        return {};
    }

    int mostradas = 0;
};

struct Pedido {
    QString carpeta;
    QString tc;
    QString numero;
    QString pdf;
};

// Reads the command line; exits with a usage message on bad arguments.
Pedido leerArgumentos(const QApplication &aplicacion)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Prints one voucher of the demo database to PDF, as \"Ver  Comprobante\" shows it."));
    parser.addHelpOption();
    const QCommandLineOption pdf(QStringLiteral("pdf"), QStringLiteral("The PDF file (default TC-NUMBER.pdf)."),
                                 QStringLiteral("FILE"));
    parser.addOption(pdf);
    parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("The folder of DEMO.db."));
    parser.addPositionalArgument(QStringLiteral("TC"), QStringLiteral("The voucher type (FC, CB, OPG...)."));
    parser.addPositionalArgument(QStringLiteral("NUMBER"), QStringLiteral("Point of sale, number and letter."));
    parser.process(aplicacion);
    const QStringList posicionales = parser.positionalArguments();
    if (posicionales.size() != 3)
        parser.showHelp(2);
    Pedido pedido{posicionales[0], posicionales[1], posicionales[2], parser.value(pdf)};
    // A number written with its dash ("0001-00000001A") would be looked up as another voucher
    // type's form and print nothing useful: say what the number is instead.
    if (pedido.numero.size() != 13) {
        QTextStream(stderr) << "NUMBER is 13 characters: point of sale, number and letter, as 000100000001A"
                            << Qt::endl;
        std::exit(2);
    }
    if (pedido.pdf.isEmpty())
        pedido.pdf = rt::Trim(pedido.tc) + QLatin1Char('-') + pedido.numero + QStringLiteral(".pdf");
    return pedido;
}

// Whether the database holds voucher `tc` `numero` among the sales or the purchase vouchers,
// the ones printed through a form. The program's print builds empty rows for any other number
// and lays out a blank form.
bool existeComprobante(const QString &tc, const QString &numero)
{
    const QString donde = QStringLiteral(" WHERE TC = %1 AND IDCOMPROBANTE = %2")
                              .arg(gBaseDatos->literal(tc), gBaseDatos->literal(numero));
    return !gBaseDatos->gCnn
                .Execute(QStringLiteral("SELECT TC FROM V_MV_CPTE") + donde
                         + QStringLiteral(" UNION ALL SELECT TC FROM C_MV_CPTE") + donde)
                .EOF_();
}

// Prints the voucher and writes its PDF; on failure says why on standard error and returns false.
bool imprimir(Pedido &pedido, const CajasEnConsola &cajas)
{
    QTextStream error(stderr);
    IniciarAplicacion(false, QStringLiteral("@Server=sqlite;@DbName=DEMO;@Usuario=ADMIN;@Password=admin;"));
    // The forms lie beside the program, not beside this tool.
    gImpresion->setCarpetaAplicacion(QStringLiteral(CARPETA_PROGRAMA));
    pedido.tc = rt::Trim(pedido.tc);
    if (!existeComprobante(pedido.tc, pedido.numero)) {
        error << "voucher " << pedido.tc << ' ' << pedido.numero << " is not in the database" << Qt::endl;
        return false;
    }
    QString cuenta;
    ImprimirComprobanteGenerico(pedido.tc, pedido.numero, cuenta);
    if (cajas.mostradas > 0) {
        error << "a message box was shown: no PDF written" << Qt::endl;
        return false;
    }
    if (gImpresion->ultimoDocumento().pages.isEmpty()) {
        error << "nothing was printed" << Qt::endl;
        return false;
    }
    report::writePdf(gImpresion->ultimoDocumento(), pedido.pdf);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    Pedido pedido = leerArgumentos(aplicacion);
    qputenv("COMISIONES_DATOS", QDir(pedido.carpeta).absolutePath().toLocal8Bit());
    CajasEnConsola cajas;
    ui::setDialogService(&cajas);
    // Where the program cannot start (no database) it ends at once, with a failure status.
    try {
        if (!imprimir(pedido, cajas))
            return 1;
    } catch (const rt::RuntimeError &error) {
        QTextStream(stderr) << "error " << error.Number << ": " << error.Description << Qt::endl;
        return 1;
    }
    QTextStream(stdout) << "USUARIO = " << gEquipoUsuario << Qt::endl << "PDF = " << pedido.pdf << Qt::endl;
    return 0;
}
