#include "printing/ExisteComandera.h"
#include "demo/KitchenOrders.h"
#include "printing/RegistroComandera.h"
#include "session/CarpetasPrograma.h"
#include "session/ObjetosExternos.h"
#include "support/ProgramGlobals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using demo::KitchenPrinter;

// A printer of workstation CAJA1|ana unless another is given.
KitchenPrinter comandera(const char *nombre, const char *puerto, char relleno = ' ', const char *equipo = "CAJA1|ana")
{
    KitchenPrinter p;
    p.workstation = QString::fromUtf8(equipo);
    p.name = QString::fromUtf8(nombre);
    p.port = QString::fromUtf8(puerto);
    p.padding = relleno;
    return p;
}

class ExisteComanderaTest : public support::ProgramTest {
protected:
    QString escribir(const QByteArray &bytes)
    {
        QFile file(archivo);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return archivo;
    }

    QTemporaryDir carpeta;
    const QString archivo = carpeta.filePath(QStringLiteral("Comanderas.cfg"));
    RegistroComandera registro;
};

TEST_F(ExisteComanderaTest, TheFirstRecordOfThisWorkstationWithTheNameWins)
{
    struct Caso {
        const char *nombre;
        std::vector<KitchenPrinter> registros;
        QByteArray cola; // bytes after the last record
        const char *buscada;
        bool encontrada;
        const char *puerto; // of the record left behind
    };
    const Caso casos[] = {
        {"first of two", {comandera("COCINA", "COM1"), comandera("COCINA", "COM2")}, {}, "COCINA", true, "COM1 "},
        {"letter case of key and name", {comandera("cocina1", "COM4", ' ', "caja1|ANA")}, {}, "COCINA1", true, "COM4 "},
        {"other workstation",
         {comandera("COCINA", "COM1", ' ', "CAJA2|ana"), comandera("BARRA", "COM2")},
         {},
         "COCINA",
         false,
         "COM2 "},
        {"blank name never chosen", {comandera("", "COM1"), comandera("BARRA", "COM2")}, {}, "", true, "COM2 "},
        {"any name when none is asked", {comandera("BARRA", "COM2")}, {}, "", true, "COM2 "},
        {"NUL padding", {comandera("BARRA", "COM3", '\0')}, {}, "barra", true, "COM3 "},
        {"1900 bytes: two records, the partial third ignored",
         {comandera("COCINA", "COM1"), comandera("COCINA 2", "COM5")},
         demo::kitchenPrinterRecord(comandera("BARRA", "COM2")).left(80),
         "BARRA",
         false,
         "COM5 "},
        {"name with blanks inside", {comandera("BARRA 2", "COM12")}, {}, "BARRA 2", true, "COM12"},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        QByteArray bytes;
        for (const KitchenPrinter &p : caso.registros)
            bytes += demo::kitchenPrinterRecord(p);
        registro = {};
        EXPECT_EQ(ExisteComandera(escribir(bytes + caso.cola), QStringLiteral("CAJA1|ana"),
                                  QString::fromUtf8(caso.buscada), registro),
                  caso.encontrada);
        EXPECT_EQ(registro.Puerto, QString::fromUtf8(caso.puerto));
    }
}

TEST_F(ExisteComanderaTest, NoWholeRecordNoFileNoPrinter)
{
    for (const QByteArray &bytes : {QByteArray(), QByteArray(909, ' ')}) {
        escribir(bytes);
        EXPECT_FALSE(ExisteComandera(archivo, QStringLiteral("CAJA1|ana"), QString(), registro));
        EXPECT_TRUE(registro.NombreComandera.isEmpty());
    }
    QFile::remove(archivo);
    EXPECT_FALSE(ExisteComandera(archivo, QStringLiteral("CAJA1|ana"), QString(), registro));
    EXPECT_FALSE(QFileInfo::exists(archivo)) << "the look-up created the file";
    // A pipe in the file's place is refused, not opened: opening it would wait for a writer.
    ASSERT_EQ(mkfifo(QFile::encodeName(archivo).constData(), 0600), 0);
    auto busqueda = std::async(std::launch::async, [&] {
        RegistroComandera otro;
        return ExisteComandera(archivo, QStringLiteral("CAJA1|ana"), QString(), otro);
    });
    const bool termino = busqueda.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
    if (!termino)
        ::close(::open(QFile::encodeName(archivo).constData(), O_WRONLY | O_NONBLOCK));
    EXPECT_TRUE(termino) << "the look-up waited on the pipe";
    EXPECT_FALSE(busqueda.get());
}

TEST_F(ExisteComanderaTest, TheRecordsFieldsAsTheTicketReadsThem)
{
    KitchenPrinter p = comandera("COCINA", "COM3", '\0');
    p.printCompany = true;
    p.company = QStringLiteral("   Parrilla Ñandú  ");
    p.printAddress = false;
    p.address = QStringLiteral("  Calle 7 N° 12");
    p.printVoucher = true;
    p.printFooter = true;
    p.footer = QStringLiteral(" ¡Gracias! ");
    p.twoLines = true;
    QByteArray bytes = demo::kitchenPrinterRecord(p);
    bytes[714] = 's'; // the customer switch in small letters
    const RegistroComandera r = RegistroComandera::desdeBytes(bytes);
    EXPECT_EQ(r.ClaveEquipo, "CAJA1|ana");
    EXPECT_EQ(r.NombreComandera, "COCINA");
    EXPECT_EQ(r.Puerto, "COM3 ");
    EXPECT_EQ(r.Empresa, QString::fromUtf8("Parrilla Ñandú"));
    EXPECT_EQ(r.Domicilio, QString::fromUtf8("Calle 7 N° 12"));
    EXPECT_EQ(r.Pie, QString::fromUtf8("¡Gracias!"));
    EXPECT_EQ((std::vector<bool>{r.ImprimeEmpresa, r.ImprimeDomicilio, r.ImprimeComprobante, r.ImprimeCliente,
                                 r.ImprimePie, r.DetalleEnDosLineas}),
              (std::vector<bool>{true, false, true, true, true, true}));
}

TEST_F(ExisteComanderaTest, ThisWorkstationsFileLiesWithTheProgramsFiles)
{
    setCarpetaEscritura(carpeta.path());
    EXPECT_EQ(QFileInfo(ArchivoComanderas()), QFileInfo(archivo));
    const QString clave = gEquipo->NombreEquipo().toLower() + QLatin1Char('|') + gEquipo->UsuarioEquipo().toUpper();
    escribir(demo::kitchenPrinterRecord(comandera("COCINA", "COM1", ' ', clave.toUtf8().constData())));
    EXPECT_TRUE(ExisteComandera(QStringLiteral("Cocina"), registro));
}

} // namespace
