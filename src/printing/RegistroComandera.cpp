#include "printing/RegistroComandera.h"

#include "platform/runtime/Text.h"
#include "session/ObjetosExternos.h"

#include <QStringDecoder>

namespace {

struct Campo {
    qsizetype desde;
    qsizetype ancho;
};

namespace campos {

constexpr Campo ClaveEquipo{0, 254};
constexpr Campo NombreComandera{254, 150};
constexpr Campo Puerto{404, 5};
constexpr Campo ImprimeEmpresa{411, 1};
constexpr Campo Empresa{412, 150};
constexpr Campo ImprimeDomicilio{562, 1};
constexpr Campo Domicilio{563, 150};
constexpr Campo ImprimeComprobante{713, 1};
constexpr Campo ImprimeCliente{714, 1};
constexpr Campo ImprimePie{715, 1};
constexpr Campo Pie{716, 150};
constexpr Campo DetalleEnDosLineas{907, 1};

} // namespace campos

class Lector {
public:
    explicit Lector(const QByteArray &bytes)
        : m_bytes(bytes)
    {
    }

    QString crudo(Campo campo)
    {
        return m_decodificador.decode(QByteArrayView(m_bytes).sliced(campo.desde, campo.ancho));
    }
    QString limpio(Campo campo) { return gUtil->LimpiarTextoFijo(crudo(campo)); }
    QString recortado(Campo campo) { return rt::Trim(limpio(campo)); }
    bool si(Campo campo) { return crudo(campo).compare(QLatin1String("S"), Qt::CaseInsensitive) == 0; }

private:
    const QByteArray &m_bytes;
    QStringDecoder m_decodificador{"windows-1252"};
};

} // namespace

RegistroComandera RegistroComandera::desdeBytes(const QByteArray &bytes)
{
    Lector lector(bytes);
    RegistroComandera registro;
    registro.ClaveEquipo = lector.limpio(campos::ClaveEquipo);
    registro.NombreComandera = lector.limpio(campos::NombreComandera);
    // A NUL inside a message would cut it short; as padding it is a blank.
    registro.Puerto = lector.crudo(campos::Puerto).replace(QChar(0), QLatin1Char(' '));
    registro.ImprimeEmpresa = lector.si(campos::ImprimeEmpresa);
    registro.Empresa = lector.recortado(campos::Empresa);
    registro.ImprimeDomicilio = lector.si(campos::ImprimeDomicilio);
    registro.Domicilio = lector.recortado(campos::Domicilio);
    registro.ImprimeComprobante = lector.si(campos::ImprimeComprobante);
    registro.ImprimeCliente = lector.si(campos::ImprimeCliente);
    registro.ImprimePie = lector.si(campos::ImprimePie);
    registro.Pie = lector.recortado(campos::Pie);
    registro.DetalleEnDosLineas = lector.si(campos::DetalleEnDosLineas);
    return registro;
}
