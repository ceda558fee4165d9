#include "settlements/PasosGeneracion.h"

#include "session/ObjetosExternos.h"

namespace {

int tratarError(const rt::RuntimeError &error)
{
    return gUtil->TratarError(error);
}

} // namespace

void PasosGeneracion::operator()(rt::Statement sentencia) const
{
    if (rt::runStep(sentencia, tratarError) == rt::StepResult::Leave)
        throw AbandonoGeneracion{};
}

bool PasosGeneracion::mientras(rt::FunctionRef<bool()> prueba) const
{
    bool resultado = false;
    (*this)([&] { resultado = prueba(); });
    return resultado;
}
