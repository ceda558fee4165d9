#include "db/DialogoAcceso.h"

#include "platform/runtime/RuntimeError.h"

namespace {

constexpr long ObjectNotSet = 91;
DialogoAcceso *installed = nullptr;

} // namespace

DialogoAcceso &dialogoAcceso()
{
    if (!installed)
        throw rt::RuntimeError(ObjectNotSet, QStringLiteral("Object variable or With block variable not set"),
                               QStringLiteral("frmAcceso"));
    return *installed;
}

void setDialogoAcceso(DialogoAcceso *dialogo)
{
    installed = dialogo;
}
