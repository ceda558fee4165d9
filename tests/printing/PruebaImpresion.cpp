#include "PruebaImpresion.h"

#include "db/Conexiones.h"
#include "platform/runtime/Text.h"
#include "session/CarpetasPrograma.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"
#include "support/PruebaCore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

PruebaImpresion::PruebaImpresion()
{
    setCarpetaEscritura(temporal.path());
    abrirBaseDemo(temporal.filePath(QStringLiteral("QVERR.LOG")));
    gEquipoUsuario = rt::UCase(claveEquipo()).left(50);
}

PruebaImpresion::~PruebaImpresion()
{
    gBaseDatos.reset();
    setCarpetaEscritura(QString());
}

QString PruebaImpresion::claveEquipo()
{
    return gEquipo->NombreEquipo() + QLatin1Char('|') + gEquipo->UsuarioEquipo();
}

void PruebaImpresion::configurar(std::initializer_list<std::pair<const char *, const char *>> pares)
{
    for (const auto &[clave, valor] : pares) {
        db.execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('%1', '%2')")
                       .arg(QString::fromUtf8(clave), QString::fromUtf8(valor)));
    }
}

QString PruebaImpresion::archivo(const QString &ruta) const
{
    const QString completa = QDir(reportes.path()).filePath(ruta);
    QDir().mkpath(QFileInfo(completa).absolutePath());
    QFile file(completa);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << completa.toStdString();
    return completa;
}
