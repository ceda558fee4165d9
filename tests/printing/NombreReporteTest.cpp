#include "PruebaImpresion.h"

#include "core/Configuracion.h"
#include "db/Conexiones.h"
#include "printing/NombreReporte.h"

#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

class NombreReporteTest : public PruebaImpresion {
protected:
    // The file chosen for `nombre` and voucher `id`, with the four copies' files after it,
    // each relative to the folder of forms.
    QStringList elegir(const QString &nombre, const QString &id = {})
    {
        AvisosArchivos avisos;
        const RutasArchivo rutas(Cfg(RutasArchivo::clave()));
        EleccionReporte eleccion(*gBaseDatos, carpeta(), rutas, avisos);
        QString copia = nombre;
        ArchivosReporte archivos;
        QStringList resultado{eleccion.NombreReporte(copia, QString(), archivos, id)};
        for (const QString &archivo : archivos)
            resultado << archivo;
        for (QString &ruta : resultado) {
            if (ruta.startsWith(carpeta()))
                ruta = ruta.mid(carpeta().size());
        }
        return resultado;
    }

    void fila(const QString &nombre, const QString &a1, const QString &a2 = {}, const QString &a3 = {},
              const QString &a4 = {})
    {
        db.execute(QStringLiteral("INSERT INTO TA_REPORTES (NOMBRE, Archivo, Archivo2, Archivo3, Archivo4) VALUES "
                                  "('%1', '%2', '%3', '%4', '%5')")
                       .arg(nombre, a1, a2, a3, a4));
    }

    void electronico(const QString &tc, const QString &id, const QString &fecha)
    {
        db.execute(QStringLiteral("INSERT INTO V_MV_CPTE_ELECTRONICOS (TC, IDCOMPROBANTE, CAE, Fecha_CPTE) VALUES "
                                  "('%1', '%2', '71234567890123', '%3')")
                       .arg(tc, id, fecha));
    }
};

TEST_F(NombreReporteTest, TheWorkstationsRowWinsAndItsEmptyCopiesFallBackToThePlainName)
{
    for (const char *nombre : {"PUESTO.rpt", "GENERAL.rpt", "A3.rpt", "FC-A.rpt"})
        archivo(QString::fromLatin1(nombre));
    fila(claveEquipo() + QStringLiteral("|FC-A"), QStringLiteral("PUESTO.rpt"), QString(), QStringLiteral("A3.rpt"));
    fila(QStringLiteral("FC-A"), QStringLiteral("GENERAL.rpt"), QString(), QStringLiteral("A3.rpt"));
    EXPECT_EQ(elegir(QStringLiteral("FC-A")),
              (QStringList{"PUESTO.rpt", "PUESTO.rpt", "FC-A.rpt", "A3.rpt", "FC-A.rpt"}));
    db.execute(QStringLiteral("DELETE FROM TA_REPORTES WHERE NOMBRE LIKE '%|FC-A'"));
    EXPECT_EQ(elegir(QStringLiteral("FC-A")),
              (QStringList{"GENERAL.rpt", "GENERAL.rpt", "GENERAL.rpt", "A3.rpt", "A3.rpt"}))
        << "the general row repeats the previous copy's file for an empty column";
}

TEST_F(NombreReporteTest, BareNamesAndRelativePathsAreFormsOfTheReportFolder)
{
    archivo(QStringLiteral("FCA.rpt"));
    archivo(QStringLiteral("sub/CBSUB.rpt"));
    const std::pair<const char *, const char *> casos[] = {
        {"FCA", "FCA.rpt"},
        {"\"FCA.rpt\"", "FCA.rpt"},
        {"sub\\CBSUB.rpt", "sub/CBSUB.rpt"},
        {" \"sub\\cbsub\" ", "sub/CBSUB.rpt"},
    };
    for (const auto &[configurado, elegido] : casos) {
        db.execute(QStringLiteral("DELETE FROM TA_REPORTES"));
        fila(QStringLiteral("FC-A"), QString::fromLatin1(configurado));
        EXPECT_EQ(elegir(QStringLiteral("FC-A")).first(), QLatin1String(elegido)) << configurado;
    }
}

TEST_F(NombreReporteTest, AConfiguredFormThatIsNotARegularFileIsRefused)
{
    archivo(QStringLiteral("FC-A.rpt"));
    const QByteArray tubo = QFile::encodeName(carpeta() + QStringLiteral("TUBO.rpt"));
    ASSERT_EQ(mkfifo(tubo.constData(), 0600), 0);
    // A writer holds the pipe open, so a look-up that opened it would not wait, but take it.
    const int escritor = ::open(tubo.constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(escritor, 0);
    fila(QStringLiteral("FC-A"), QStringLiteral("TUBO.rpt"));
    dialogos.expectMsgBox(support::BoxMatch::textContaining(QStringLiteral("No se encuentra el Archivo ") + carpeta()
                                                            + QStringLiteral("TUBO.rpt (FC-A)")));
    EXPECT_EQ(elegir(QStringLiteral("FC-A")).first(), QStringLiteral("FC-A.rpt"));
    ::close(escritor);
}

struct Respaldo {
    const char *presentes;
    bool compras;
    const char *esperado;
    const char *faltante; // the file the operator is told of, if any
};

// Listed and reported by what it tries.
void PrintTo(const Respaldo &c, std::ostream *os)
{
    *os << "forms " << (*c.presentes ? c.presentes : "none") << (c.compras ? "" : ", not a purchase");
}

class RespaldoTest : public NombreReporteTest, public testing::WithParamInterface<Respaldo> { };

TEST_P(RespaldoTest, WithoutARowTheFormOfTheNameThenOfItsTypeThenOfPurchases)
{
    const Respaldo &caso = GetParam();
    for (const QString &presente : QString::fromLatin1(caso.presentes).split(QLatin1Char(','), Qt::SkipEmptyParts))
        archivo(presente);
    if (caso.compras)
        db.execute("INSERT INTO V_TA_CPTE (Codigo, Descripcion, SISTEMA) VALUES ('NCFP', 'Nota', 'Compras')");
    const QString faltante = QString::fromLatin1(caso.faltante);
    if (!faltante.isEmpty()) {
        dialogos.expectMsgBox(support::BoxMatch::text(QStringLiteral("No se encuentra el Archivo ") + carpeta()
                                                      + faltante
                                                      + QStringLiteral(" (NCFP-A) por favor verifique la "
                                                                       "configuración de Reportes\r\n Se tomara en su "
                                                                       "lugar el formulario ")
                                                      + carpeta() + QStringLiteral("NCFP-A.rpt"))
                                  .withTitle(QStringLiteral("Aviso al Operador")));
    }
    EXPECT_EQ(elegir(QStringLiteral("NCFP-A")), QStringList(5, QString::fromLatin1(caso.esperado)));
    if (!faltante.isEmpty()) {
        EXPECT_EQ(dialogos.shown().at(0).style, 16);
    }
    EXPECT_LE(dialogos.shown().size(), 1u) << "one warning however many copies";
}

INSTANTIATE_TEST_SUITE_P(Formularios, RespaldoTest,
                         testing::Values(Respaldo{"NCFP-A.rpt,NCFP.RPT,CpteCompras.RPT", true, "NCFP-A.rpt", ""},
                                         Respaldo{"ncfp.rpt,CpteCompras.RPT", true, "ncfp.rpt", ""},
                                         Respaldo{"CpteCompras.RPT", true, "CpteCompras.RPT", ""},
                                         Respaldo{"CpteCompras.RPT", false, "NCFP-A.rpt", "NCFP-A.rpt"},
                                         Respaldo{"", true, "NCFP-A.rpt", "CpteCompras.RPT"}));

TEST_F(NombreReporteTest, PaymentOrdersWithoutARowOfTheirOwnTakeTheOrdersRow)
{
    for (const char *nombre : {"ORDEN.rpt", "ORDEN2.rpt", "LiqOPG.rpt"})
        archivo(QString::fromLatin1(nombre));
    fila(QStringLiteral("OPG-X"), QStringLiteral("ORDEN.rpt"), QStringLiteral("ORDEN2.rpt"));
    EXPECT_EQ(elegir(QStringLiteral("LiqOPG")),
              (QStringList{"ORDEN.rpt", "ORDEN.rpt", "ORDEN2.rpt", "LiqOPG.rpt", "LiqOPG.rpt"}));
}

struct Electronica {
    const char *nombre;
    const char *tipo;
    const char *fecha;
    const char *inicio;
    const char *esperado;
};

// Listed and reported by what it tries.
void PrintTo(const Electronica &c, std::ostream *os)
{
    *os << c.nombre << " as " << c.tipo << " of " << c.fecha << (*c.inicio ? " from " : "") << c.inicio;
}

class ElectronicaTest : public NombreReporteTest, public testing::WithParamInterface<Electronica> { };

TEST_P(ElectronicaTest, ElectronicVouchersPrintTheFormOfTheirFolderWithoutQrBeforeTheStartDate)
{
    const Electronica &caso = GetParam();
    for (const char *nombre : {"efac/eFC-E.RPT", "efac/eFC-E_SINQR.RPT", "FC-E.rpt"})
        archivo(QString::fromLatin1(nombre));
    configurar({{"RUTA_FORMULARIOS_EFACTURA", (carpeta() + QStringLiteral("efac")).toUtf8().constData()},
                {"FechaInicioeFacQR", caso.inicio}});
    electronico(QString::fromLatin1(caso.tipo), QStringLiteral("000200000123E"), QString::fromLatin1(caso.fecha));
    EXPECT_EQ(elegir(QString::fromLatin1(caso.nombre), QStringLiteral("000200000123E")),
              QStringList(5, QString::fromLatin1(caso.esperado)));
}

INSTANTIATE_TEST_SUITE_P(Fechas, ElectronicaTest,
                         testing::Values(Electronica{"FC-E", "FC", "2021-02-28", "", "efac/eFC-E_SINQR.RPT"},
                                         Electronica{"FC-E", "FC", "2021-03-01", "", "efac/eFC-E.RPT"},
                                         Electronica{"FC-E", "FC", "2021-03-01", "02/03/2021", "efac/eFC-E_SINQR.RPT"},
                                         Electronica{"EEFC-E", "EEFC", "2024-03-05", "", "efac/eFC-E.RPT"},
                                         Electronica{"EEFC-E", "FC", "2024-03-05", "", "FC-E.rpt"}));

TEST_F(NombreReporteTest, DeliveryNotesOfLetterRPrintTheFormOfTheirUnitsFolder)
{
    archivo(QStringLiteral("RM-R.rpt"));
    const QString remito = archivo(QStringLiteral("unidad2/RM-R.rpt"));
    db.execute(QStringLiteral("INSERT INTO V_MV_CPTE (TC, IdComprobante, UNegocio) VALUES ('RM', '000100000001R', "
                              "'2')"));
    db.execute(QStringLiteral("INSERT INTO V_TA_UNIDADNEGOCIO (Codigo, ruta_reporte) VALUES ('0002', '%1')")
                   .arg(carpeta() + QStringLiteral("unidad2")));
    EXPECT_EQ(
        elegir(QStringLiteral("RM-R"), QStringLiteral("000100000001R")),
        (QStringList{"RM-R.rpt", "unidad2/RM-R.rpt", "unidad2/RM-R.rpt", "unidad2/RM-R.rpt", "unidad2/RM-R.rpt"}));
}

struct CarpetaRelativa {
    const char *nombre;
    const char *id;
    const char *unidad; // ruta_reporte of the voucher's business unit, or none
    const char *primero;
    const char *copias;
};

// Listed and reported by what it tries.
void PrintTo(const CarpetaRelativa &c, std::ostream *os)
{
    *os << c.nombre << " with unit folder '" << c.unidad << "'";
}

class CarpetaRelativaTest : public NombreReporteTest, public testing::WithParamInterface<CarpetaRelativa> { };

TEST_P(CarpetaRelativaTest, RelativeFoldersOfTheSettingAndTheUnitsLieInTheReportFolder)
{
    const CarpetaRelativa &caso = GetParam();
    for (const char *nombre : {"RM-R.rpt", "FC-E.rpt", "efac/eFC-E.RPT", "efac/RM-R.rpt", "unidad2/RM-R.rpt"})
        archivo(QString::fromLatin1(nombre));
    configurar({{"RUTA_FORMULARIOS_EFACTURA", "efac"}});
    electronico(QStringLiteral("FC"), QStringLiteral("000200000123E"), QStringLiteral("2024-03-05"));
    db.execute("INSERT INTO V_MV_CPTE (TC, IdComprobante, UNegocio) VALUES ('RM', '000100000001R', '2')");
    if (*caso.unidad) {
        db.execute(QStringLiteral("INSERT INTO V_TA_UNIDADNEGOCIO (Codigo, ruta_reporte) VALUES ('0002', '%1')")
                       .arg(QString::fromLatin1(caso.unidad)));
    }
    EXPECT_EQ(elegir(QString::fromLatin1(caso.nombre), QString::fromLatin1(caso.id)),
              QStringList{QString::fromLatin1(caso.primero)} + QStringList(4, QString::fromLatin1(caso.copias)));
}

INSTANTIATE_TEST_SUITE_P(
    Carpetas, CarpetaRelativaTest,
    testing::Values(CarpetaRelativa{"FC-E", "000200000123E", "", "efac/eFC-E.RPT", "efac/eFC-E.RPT"},
                    CarpetaRelativa{"RM-R", "000100000001R", "unidad2", "RM-R.rpt", "unidad2/RM-R.rpt"},
                    CarpetaRelativa{"RM-R", "000100000001R", " ", "efac/RM-R.rpt", "efac/RM-R.rpt"}));

TEST_F(NombreReporteTest, WindowsPathsAreReadThroughTheMappedDrivesAndSharesInAnyLetterCase)
{
    archivo(QStringLiteral("unidad_z/Formularios/factura a.rpt"));
    archivo(QStringLiteral("red/Reportes/NOTA.RPT"));
    configurar({{"RUTAS_EQUIVALENTES", (QStringLiteral("z:=") + carpeta()
                                        + QStringLiteral("unidad_z;\\\\Servidor\\"
                                                         "reportes=")
                                        + carpeta() + QStringLiteral("red/Reportes/"))
                                           .toUtf8()
                                           .constData()}});
    fila(QStringLiteral("FC-A"), QStringLiteral("Z:\\FORMULARIOS\\Factura A.RPT"),
         QStringLiteral("\\\\servidor\\Reportes\\nota.rpt"));
    const QStringList elegidos = elegir(QStringLiteral("FC-A"));
    EXPECT_EQ(elegidos.mid(0, 3), (QStringList{"unidad_z/Formularios/factura a.rpt",
                                               "unidad_z/Formularios/factura a.rpt", "red/Reportes/NOTA.RPT"}));
}

TEST_F(NombreReporteTest, AMissingConfiguredFileIsReportedOncePerPrint)
{
    archivo(QStringLiteral("FC-A.rpt"));
    fila(QStringLiteral("FC-A"), QStringLiteral("FALTA.rpt"), QStringLiteral("FALTA.rpt"), QStringLiteral("FALTA.rpt"),
         QStringLiteral("FALTA.rpt"));
    dialogos.expectMsgBox(support::BoxMatch::textContaining(QStringLiteral("No se encuentra el Archivo ") + carpeta()
                                                            + QStringLiteral("FALTA.rpt (FC-A)")));
    dialogos.expectMsgBox(
        support::BoxMatch::textContaining(QStringLiteral("No se encuentra el Archivo C:\\Sistema\\Falta.rpt (FC-B)")));
    fila(QStringLiteral("FC-B"), QStringLiteral("C:\\Sistema\\Falta"));
    EXPECT_EQ(elegir(QStringLiteral("FC-A")), QStringList(5, QStringLiteral("FC-A.rpt")));
    archivo(QStringLiteral("FC-B.rpt"));
    EXPECT_EQ(elegir(QStringLiteral("FC-B")).first(), QStringLiteral("FC-B.rpt"))
        << "a path of its own gets the extension, not the report folder";
    EXPECT_EQ(dialogos.shown().size(), 2u);
}

} // namespace
