#include "platform/outside/CatalogoConsultas.h"

#include <QFile>

namespace outside {

namespace {

constexpr int CaptionWidth = 100;
constexpr int ViewWidth = 100;
constexpr int FieldsWidth = 500;

ConsultaCatalogo parse(const QByteArray &record)
{
    ConsultaCatalogo result;
    result.titulo = QString::fromLatin1(record.mid(0, CaptionWidth)).trimmed();
    result.vista = QString::fromLatin1(record.mid(CaptionWidth, ViewWidth)).trimmed();
    const QString fields = QString::fromLatin1(record.mid(CaptionWidth + ViewWidth, FieldsWidth)).trimmed();
    for (const QString &field : fields.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        if (!field.trimmed().isEmpty())
            result.campos << field.trimmed();
    }
    return result;
}

} // namespace

std::optional<ConsultaCatalogo> CatalogoConsultas::buscar(const QString &archivo, const QString &vista)
{
    QFile file(archivo);
    if (archivo.isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    while (!file.atEnd()) {
        const QByteArray record = file.read(RecordSize);
        if (record.size() < CaptionWidth + ViewWidth)
            break;
        ConsultaCatalogo entry = parse(record);
        if (entry.vista.compare(vista.trimmed(), Qt::CaseInsensitive) == 0)
            return entry;
    }
    return std::nullopt;
}

} // namespace outside
