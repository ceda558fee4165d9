#include "platform/runtime/RuntimeError.h"

namespace rt {

RuntimeError::RuntimeError(long number, QString description, QString source)
    : Number(number)
    , Description(std::move(description))
    , Source(std::move(source))
    , m_what(QStringLiteral("%1: %2").arg(number).arg(Description).toStdString())
{
}

} // namespace rt
