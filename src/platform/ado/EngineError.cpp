#include "platform/ado/Engine.h"

namespace ado {

namespace {

std::string firstDescription(const QList<Error> &errors)
{
    return errors.isEmpty() ? std::string("provider error") : errors.first().Description.toStdString();
}

} // namespace

EngineError::EngineError(QList<Error> errors)
    : std::runtime_error(firstDescription(errors))
    , m_errors(std::move(errors))
{
}

} // namespace ado
