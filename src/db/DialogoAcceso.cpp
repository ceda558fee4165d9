#include "db/DialogoAcceso.h"

#include "platform/runtime/RuntimeError.h"

namespace {

DialogoAcceso *installed = nullptr;

} // namespace

DialogoAcceso &dialogoAcceso()
{
    if (!installed)
        throw rt::RuntimeError(rt::err::ObjectNotSet, QStringLiteral("Object variable or With block variable not set"),
                               QStringLiteral("frmAcceso"));
    return *installed;
}

void setDialogoAcceso(DialogoAcceso *dialogo)
{
    installed = dialogo;
}
