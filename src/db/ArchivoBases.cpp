#include "db/ArchivoBases.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/Text.h"
#include "session/CarpetasPrograma.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace {

constexpr int CamposPorRegistro = 5;

rt::RuntimeError errorAcceso(const QString &ruta)
{
    return rt::RuntimeError(rt::err::PathFileAccess, QStringLiteral("Error de acceso a la ruta o el archivo"), ruta);
}

// The fields in reading order: commas and line ends both separate them, as the file was read
// field by field; blank lines hold none.
QStringList campos(const QString &texto)
{
    QStringList resultado;
    const QStringList lineas = texto.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    for (const QString &linea : lineas) {
        if (rt::Trim(linea).isEmpty())
            continue;
        for (const QString &campo : linea.split(QLatin1Char(',')))
            resultado.append(rt::Trim(campo));
    }
    return resultado;
}

} // namespace

ArchivoBases::ArchivoBases(QString ruta)
    : m_ruta(std::move(ruta))
{
}

QString ArchivoBases::rutaPorDefecto()
{
    return CarpetaEscritura() + QStringLiteral("BASES.TXT");
}

bool ArchivoBases::existe() const
{
    QFile archivo(m_ruta);
    return archivo.open(QIODevice::ReadOnly);
}

QList<RegistroBase> ArchivoBases::registros() const
{
    QFile archivo(m_ruta);
    if (!archivo.exists())
        return {};
    if (!archivo.open(QIODevice::ReadOnly))
        throw errorAcceso(m_ruta);
    const QStringList todos = campos(QString::fromUtf8(archivo.readAll()));
    QList<RegistroBase> resultado;
    for (qsizetype i = 0; i + CamposPorRegistro <= todos.size(); i += CamposPorRegistro)
        resultado.append({todos[i], todos[i + 1], todos[i + 2], todos[i + 3], todos[i + 4]});
    return resultado;
}

std::optional<RegistroBase> ArchivoBases::buscar(const QString &clave) const
{
    const QString buscada = rt::Trim(clave);
    for (const RegistroBase &registro : registros()) {
        if (rt::Trim(registro.Clave) == buscada)
            return registro;
    }
    return std::nullopt;
}

void ArchivoBases::agregar(const RegistroBase &registro) const
{
    QFile archivo(m_ruta);
    if (!archivo.open(QIODevice::WriteOnly | QIODevice::Append))
        throw errorAcceso(m_ruta);
    const QString linea = QStringList{rt::Trim(registro.Clave), rt::Trim(registro.Base), rt::Trim(registro.Usuario),
                                      rt::Trim(registro.Password), rt::Trim(registro.Servidor)}
                              .join(QLatin1Char(','))
                          + QStringLiteral("\r\n");
    const QByteArray bytes = linea.toUtf8();
    if (archivo.write(bytes) != bytes.size() || !archivo.flush())
        throw errorAcceso(m_ruta);
}
