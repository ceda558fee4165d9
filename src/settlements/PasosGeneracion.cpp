#include "settlements/PasosGeneracion.h"

#include "platform/runtime/StepRunner.h"
#include "session/ObjetosExternos.h"

namespace {

int tratarError(const rt::RuntimeError &error)
{
    return gUtil->TratarError(error);
}

} // namespace

void PasosGeneracion::operator()(const std::function<void()> &sentencia) const
{
    if (rt::runStep(sentencia, tratarError) == rt::StepResult::Leave)
        throw AbandonoGeneracion{};
}

bool PasosGeneracion::mientras(const std::function<bool()> &prueba) const
{
    bool resultado = false;
    (*this)([&] { resultado = prueba(); });
    return resultado;
}
