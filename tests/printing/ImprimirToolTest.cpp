#include "PruebaPdfDemo.h"

#include "platform/ado/Connection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

struct Salida {
    int estado = -1;
    QString error;
};

// Runs a developer tool of the build, which puts the tools in <build>/tools and this test in
// <build>/tests.
Salida correr(const QString &herramienta, const QStringList &argumentos, const QString &turnos)
{
    QProcess proceso;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("XDG_RUNTIME_DIR"), turnos);
    proceso.setProcessEnvironment(entorno);
    proceso.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../tools/") + herramienta, argumentos);
    if (!proceso.waitForFinished(60000)) {
        proceso.kill();
        proceso.waitForFinished();
        ADD_FAILURE() << herramienta.toStdString() << " did not end";
    }
    const int estado = proceso.exitStatus() == QProcess::NormalExit ? proceso.exitCode() : -1;
    return {estado, QString::fromUtf8(proceso.readAllStandardError())};
}

// A device that takes no byte (a full disk). Root makes its own in `carpeta`, so a print that
// wrongly replaced the device would replace that one, never the machine's.
QString dispositivoLleno(const QString &carpeta)
{
    if (::geteuid() != 0)
        return QStringLiteral("/dev/full");
    const QString lleno = carpeta + QStringLiteral("/lleno");
    if (::mknod(QFile::encodeName(lleno).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        ADD_FAILURE() << "no device made at " << lleno.toStdString();
    return lleno;
}

TEST(ImprimirToolTest, ASuccessStatusAndAPdfOnlyWhenTheVoucherPrintsWhole)
{
    QTemporaryDir temporal;
    const auto ruta = [&](const char *nombre) { return temporal.filePath(QString::fromLatin1(nombre)); };
    ASSERT_EQ(correr(QStringLiteral("demo-db"), {ruta("demo")}, temporal.path()).estado, 0);
    // A copy whose form settings name a form that is not there: the print warns the operator.
    QDir().mkpath(ruta("aviso"));
    ASSERT_TRUE(QFile::copy(ruta("demo/DEMO.db"), ruta("aviso/DEMO.db")));
    ASSERT_TRUE(QFile::copy(ruta("demo/QV_ESTADISTICAS.db"), ruta("aviso/QV_ESTADISTICAS.db")));
    {
        ado::Connection copia;
        copia.Open(QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source=") + ruta("aviso/DEMO.db"));
        copia.Execute(QStringLiteral("UPDATE TA_REPORTES SET Archivo = 'NoEsta.rpt' WHERE NOMBRE = 'FP-X'"));
    }
    QDir().mkpath(ruta("vacia"));
    QDir().mkpath(ruta("basura"));
    for (const char *archivo : {"archivo", "basura/DEMO.db"}) {
        QFile ocupado(ruta(archivo));
        ASSERT_TRUE(ocupado.open(QIODevice::WriteOnly));
        ocupado.write(QByteArray(4096, 'x'));
    }
    struct Caso {
        const char *carpeta;
        const char *tc;
        const char *numero;
        QString pdf; // none: a new file of the temporary folder
        QString mensaje; // on standard error; none when the voucher prints
    };
    const QString lleno = dispositivoLleno(temporal.path());
    const Caso casos[] = {
        {"demo", "FC", "000100000001A", nullptr, nullptr},
        {"no-existe", "FC", "000100000001A", nullptr, "Error de Conexion a Base de Datos"},
        {"vacia", "FC", "000100000001A", nullptr, "Error de Conexion a Base de Datos"},
        {"archivo", "FC", "000100000001A", nullptr, "Error de Conexion a Base de Datos"},
        {"basura", "FC", "000100000001A", nullptr, "Error de Conexion a Base de Datos"},
        {"demo", "FC", "000900000001C", nullptr, "voucher FC 000900000001C is not in the database"},
        {"demo", "FC", "000100000001A", lleno, QStringLiteral("No se puede escribir el archivo ") + lleno},
        {"aviso", "FP", "000100000001X", nullptr, "No se encuentra el Archivo"},
    };
    int numero = 0;
    for (const Caso &caso : casos) {
        const QString pdf = !caso.pdf.isEmpty() ? caso.pdf : temporal.filePath(QStringLiteral("%1.pdf").arg(++numero));
        SCOPED_TRACE(QStringLiteral("%1 %2 %3 --pdf %4").arg(caso.carpeta, caso.tc, caso.numero, pdf).toStdString());
        const Salida salida = correr(QStringLiteral("imprimir"),
                                     {QStringLiteral("--pdf"), pdf, ruta(caso.carpeta), QString::fromLatin1(caso.tc),
                                      QString::fromLatin1(caso.numero)},
                                     temporal.path());
        if (caso.mensaje.isEmpty()) {
            EXPECT_EQ(salida.estado, 0) << salida.error.toStdString();
            EXPECT_TRUE(salidaDe(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
                            .contains(QStringLiteral("N° 0001-00000001")));
            continue;
        }
        EXPECT_NE(salida.estado, 0);
        EXPECT_TRUE(salida.error.contains(caso.mensaje)) << salida.error.toStdString();
        EXPECT_FALSE(QFileInfo(pdf).isFile()) << "a PDF was left";
    }
}

} // namespace
