// The QR and logo row of electronic vouchers, the QR image read back as a phone would read it.
#include "PruebaComprobantes.h"

#include "platform/qr/CodigoQR.h"
#include "platform/qr/PyQR.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"
#include "session/CarpetasPrograma.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Campos = QList<std::pair<QString, QString>>;

// The keys and the raw values of a flat JSON object, in their order: numbers stay digit texts.
Campos camposJson(const QByteArray &json)
{
    static const QRegularExpression campo(QStringLiteral("\"(\\w+)\":(\"[^\"]*\"|-?[0-9.]+)"));
    Campos resultado;
    for (auto it = campo.globalMatch(QString::fromLatin1(json)); it.hasNext();) {
        const auto m = it.next();
        resultado.append({m.captured(1), m.captured(2)});
    }
    return resultado;
}

// The text of the QR code in a PNG image, as zbarimg reads it.
QString leerQR(const QByteArray &png)
{
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("qr.png"));
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly) || archivo.write(png) != png.size())
        return {};
    archivo.close();
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), ruta});
    zbar.waitForFinished(30000);
    return QString::fromLatin1(zbar.readAllStandardOutput()).trimmed();
}

class ComprobantesQR : public PruebaComprobantes {
protected:
    ComprobantesQR()
    {
        // The image lies beside the test program, which the tests of this fixture run at the same
        // time in other processes: each one holds it from writing it until it is removed.
        afipEnUso.lock();
        // Written in another letter case than the program names it.
        QFile afip(QDir(CarpetaAplicacion()).filePath(QStringLiteral("afip.png")));
        if (afip.open(QIODevice::WriteOnly))
            afip.write(imagenAfip);
    }
    ~ComprobantesQR() override { QFile::remove(QDir(CarpetaAplicacion()).filePath(QStringLiteral("afip.png"))); }

    // An invoice in currency 2 on 5 March 2024, authorised, with rates on that day and on 3 May.
    void facturaEnDolares(const QString &cae = QStringLiteral("74123456789012"))
    {
        comprobante("FC", "000200000010A", "1234.5",
                    {"Moneda = '2'", "documentotipo = 96", "documentonumero = '23.456.789 / 1'", "CodCpteAfip = 201"});
        if (!cae.isEmpty())
            db.execute(QStringLiteral("INSERT INTO V_MV_CPTE_ELECTRONICOS (TC, IDCOMPROBANTE, CAE) VALUES ('FC', "
                                      "'000200000010A', '%1')")
                           .arg(cae));
        db.execute("INSERT INTO TA_COTIZACION (ID, FECHA_HORA, MONEDA2) VALUES (1, '2024-03-05 09:00:00', 1000),"
                   "(2, '2024-03-05 15:00:00', 1050.25), (3, '2024-05-03 10:00:00', 7)");
    }

    QByteArray columna(const QString &nombre)
    {
        const rt::Variant valor = db.value(QStringLiteral("SELECT %1 FROM AUX_MV_CPTEQR").arg(nombre));
        return valor.type() == rt::VarType::ByteArray ? valor.asBytes() : QByteArray();
    }

    const QByteArray imagenAfip = QByteArray("imagen de la agencia", 20).repeated(60);
    QLockFile afipEnUso{QDir(CarpetaAplicacion()).filePath(QStringLiteral("afip.png.lock"))};
};

TEST_F(ComprobantesQR, TheQRImageCarriesTheAgencyAddressAndTheVoucherFieldByField)
{
    facturaEnDolares();
    generar("FC", "000200000010A");
    const QString texto = leerQR(columna("QR_AFIP"));
    ASSERT_TRUE(texto.startsWith(QLatin1String(qr::DireccionQR))) << texto.toStdString();
    const QByteArray json = QByteArray::fromBase64(texto.mid(int(strlen(qr::DireccionQR))).toLatin1());
    const Campos esperados{{"ver", "1"},
                           {"fecha", "\"2024-03-05\""},
                           {"cuit", "30123456789"},
                           {"ptoVta", "2"},
                           {"tipoCmp", "201"},
                           {"nroCmp", "10"},
                           {"importe", "1234.5"},
                           {"moneda", "\"DOL\""},
                           {"ctz", "1050.25"},
                           {"tipoDocRec", "96"},
                           {"nroDocRec", "234567891"},
                           {"tipoCodAut", "\"E\""},
                           {"codAut", "74123456789012"}};
    EXPECT_EQ(camposJson(json), esperados) << json.toStdString();
}

TEST_F(ComprobantesQR, TheAmountKeepsItsCentsWhateverItsSize)
{
    db.execute("INSERT INTO V_MV_CPTE_ELECTRONICOS (TC, IDCOMPROBANTE, CAE) VALUES ('FC', '000300000001B', "
               "'70000000000001')");
    for (const char *importe : {"0.05", "1234.5", "123456789012345.67"}) {
        db.execute("DELETE FROM V_MV_CPTE");
        comprobante("FC", "000300000001B", importe, {});
        generar("FC", "000300000001B");
        const QString texto = leerQR(columna("QR_AFIP"));
        const Campos campos = camposJson(QByteArray::fromBase64(texto.mid(int(strlen(qr::DireccionQR))).toLatin1()));
        ASSERT_EQ(campos.size(), 13) << importe;
        EXPECT_EQ(campos.at(6), (std::pair<QString, QString>("importe", importe)));
    }
}

TEST_F(ComprobantesQR, AVoucherWithoutAuthorisationKeepsItsRowWithoutQR)
{
    facturaEnDolares(QString());
    generar("FC", "000200000010A");
    EXPECT_EQ(db.rows("SELECT TC, IdComprobante, muestra_logo FROM AUX_MV_CPTEQR").size(), 1);
    EXPECT_TRUE(columna("QR_AFIP").isEmpty());
    EXPECT_EQ(columna("IMG_AFIP"), imagenAfip);
}

TEST_F(ComprobantesQR, TheLogoIsReadFromAWindowsShapedFolderOrAMappedDriveWhateverTheLetterCase)
{
    QTemporaryDir carpeta;
    ASSERT_TRUE(QDir(carpeta.path()).mkdir(QStringLiteral("Imagenes")));
    const QByteArray logo(3000, 'L');
    QFile archivo(carpeta.filePath(QStringLiteral("Imagenes/LOGO.JPG")));
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.write(logo);
    archivo.close();
    ajuste("PrintLogo_FC_NC_ND", "si");
    ajuste("FORMULARIOS_LOGO_IZQUIERDA", "SI");
    facturaEnDolares();
    // The folder as this machine names it, or on a drive that the mapped paths' setting places here.
    const QString local = QString(carpeta.path() + QStringLiteral("/imagenes/")).replace('/', '\\');
    for (const auto &[ruta, equivalencias] :
         {std::pair{local, QString()},
          std::pair{QStringLiteral("z:\\IMAGENES\\"), QStringLiteral("Z:=") + carpeta.path()}}) {
        ajuste("RutaImagenes", ruta);
        ajuste("RUTAS_EQUIVALENTES", equivalencias);
        generar("FC", "000200000010A");
        EXPECT_EQ(rt::CStr(db.value("SELECT muestra_logo FROM AUX_MV_CPTEQR")), "IZ") << ruta.toStdString();
        EXPECT_EQ(columna("LOGO_EMPRESA"), logo) << ruta.toStdString();
    }
    // Without the file the logo is not shown, whatever the settings say.
    ASSERT_TRUE(QFile::remove(archivo.fileName()));
    generar("FC", "000200000010A");
    EXPECT_EQ(rt::CStr(db.value("SELECT muestra_logo FROM AUX_MV_CPTEQR")), "NO");
    EXPECT_TRUE(columna("LOGO_EMPRESA").isEmpty());
}

TEST_F(ComprobantesQR, APesoVoucherOrOneWithoutARateOfItsDayPassesTheRateOne)
{
    struct Caso {
        const char *moneda;
        const char *fecha;
        const char *esperada;
        const char *ctz;
    };
    const Caso casos[] = {
        {"'1'", "'2024-03-05 00:00:00'", "\"PES\"", "1"},
        {"'0'", "'2024-03-05 00:00:00'", "\"PES\"", "1"},
        {"''", "'2024-03-05 00:00:00'", "\"PES\"", "1"},
        {"'2'", "'2024-03-04 00:00:00'", "\"DOL\"", "1"},
        // A rate column the table lacks leaves the rate at 1.
        {"'3'", "'2024-03-05 00:00:00'", "\"DOL\"", "1"},
    };
    db.execute("INSERT INTO TA_COTIZACION (ID, FECHA_HORA, MONEDA2) VALUES (1, '2024-03-05 15:00:00', 1050.25)");
    db.execute("INSERT INTO V_MV_CPTE_ELECTRONICOS (TC, IDCOMPROBANTE, CAE) VALUES ('FC', '000300000001B', "
               "'70000000000001')");
    for (const Caso &caso : casos) {
        db.execute("DELETE FROM V_MV_CPTE");
        comprobante("FC", "000300000001B", "10",
                    {QStringLiteral("Moneda = ") + caso.moneda, QStringLiteral("Fecha = ") + caso.fecha});
        generar("FC", "000300000001B");
        const QString texto = leerQR(columna("QR_AFIP"));
        const Campos campos = camposJson(QByteArray::fromBase64(texto.mid(int(strlen(qr::DireccionQR))).toLatin1()));
        ASSERT_EQ(campos.size(), 13) << caso.moneda;
        EXPECT_EQ(campos.at(7).second, caso.esperada) << caso.moneda << caso.fecha;
        EXPECT_EQ(campos.at(8).second, caso.ctz) << caso.moneda << caso.fecha;
    }
}

TEST(PyQR, LongDigitTextsReachTheJsonWhole)
{
    qr::DatosComprobanteQR datos;
    datos.fecha = "2024-03-05";
    datos.cuit = "30123456789";
    datos.importe = "-000000000000005";
    datos.moneda = "PES";
    datos.ctz = "0000000001050250000";
    datos.decimalesCtz = 6;
    datos.nroDocRec = "";
    datos.tipoCodAut = "E";
    datos.codAut = "99999999999999999999";
    EXPECT_EQ(qr::PyQR::json(datos),
              "{\"ver\":1,\"fecha\":\"2024-03-05\",\"cuit\":30123456789,\"ptoVta\":0,\"tipoCmp\":0,\"nroCmp\":0,"
              "\"importe\":-0.05,\"moneda\":\"PES\",\"ctz\":1050.25,\"tipoDocRec\":0,\"nroDocRec\":0,"
              "\"tipoCodAut\":\"E\",\"codAut\":99999999999999999999}");
    datos.cuit = "30-1";
    EXPECT_THROW(qr::PyQR::json(datos), rt::RuntimeError);
}

// Readers need the code to stand clear of anything printed beside it: four light modules at
// least on every side, at any scale.
TEST(CodigoQR, KeepsAQuietZoneOfFourModulesOnEverySide)
{
    for (const int escala : {1, 3}) {
        const QImage imagen = QImage::fromData(qr::pngDeTexto(QByteArray(qr::DireccionQR) + "eyJ2ZXIiOjF9", escala));
        ASSERT_FALSE(imagen.isNull()) << escala;
        QRect oscuro;
        for (int y = 0; y < imagen.height(); ++y) {
            for (int x = 0; x < imagen.width(); ++x) {
                if (qGray(imagen.pixel(x, y)) < 128)
                    oscuro |= QRect(x, y, 1, 1);
            }
        }
        // The first dark row of the code is the top of a finder pattern, seven modules wide.
        int ancho = 0;
        while (qGray(imagen.pixel(oscuro.left() + ancho, oscuro.top())) < 128)
            ++ancho;
        const int zona = 4 * ancho / 7;
        EXPECT_GE(oscuro.left(), zona) << escala;
        EXPECT_GE(oscuro.top(), zona) << escala;
        EXPECT_GE(imagen.width() - 1 - oscuro.right(), zona) << escala;
        EXPECT_GE(imagen.height() - 1 - oscuro.bottom(), zona) << escala;
    }
}

} // namespace
