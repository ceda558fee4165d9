#include "platform/ado/AdoErrors.h"
#include "platform/ado/Error.h"

#include "platform/runtime/RuntimeError.h"

namespace ado {

const Error &Errors::operator()(long index) const
{
    if (index < 0 || index >= Count())
        raiseAdoError(rt::err::AdoItemNotFound, QStringLiteral("ADODB.Errors"));
    return m_items.at(index);
}

} // namespace ado
