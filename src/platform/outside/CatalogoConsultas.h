#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace outside {

// One look-up of the catalogue: what the look-up window shows for a table or view.
struct ConsultaCatalogo {
    QString titulo; // caption
    QString vista; // the table or view searched, trimmed
    QStringList campos; // the columns shown, in order
};

// The look-up catalogue file ("consultas.ntw"): fixed records of 1202 bytes, one byte per
// character (Latin-1): caption 100, view 100, field list 500 ("|A|B|"), extra 500, CR LF.
class CatalogoConsultas {
public:
    static constexpr int RecordSize = 1202;

    // The first record of `archivo` whose view equals `vista` (trimmed, letter case ignored);
    // nothing when the file or the record is missing.
    static std::optional<ConsultaCatalogo> buscar(const QString &archivo, const QString &vista);
};

} // namespace outside
