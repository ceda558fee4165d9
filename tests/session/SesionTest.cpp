#include "session/Sesion.h"
#include "db/Conexiones.h"
#include "session/LazyInstance.h"
#include "session/ObjetosExternos.h"
#include "support/ProgramGlobals.h"

#include <gtest/gtest.h>

namespace {

struct Counted {
    static inline int alive = 0;
    Counted() { ++alive; }
    ~Counted() { --alive; }
    int value = 0;
};

TEST(LazyInstance, MakesTheObjectOnFirstUseAndKeepsIt)
{
    core::LazyInstance<Counted> instance;
    EXPECT_FALSE(instance.exists());
    EXPECT_EQ(Counted::alive, 0);
    instance->value = 7;
    EXPECT_TRUE(instance.exists());
    EXPECT_EQ(Counted::alive, 1);
    EXPECT_EQ(instance.get().value, 7);
    EXPECT_EQ(&*instance, &instance.get());

    instance.reset();
    EXPECT_EQ(Counted::alive, 0);
    EXPECT_EQ(instance->value, 0);
    EXPECT_EQ(Counted::alive, 1);
}

TEST(LazyInstance, ReleasesItsObjectWhenItEnds)
{
    {
        core::LazyInstance<Counted> instance;
        instance.get();
        EXPECT_EQ(Counted::alive, 1);
    }
    EXPECT_EQ(Counted::alive, 0);
}

class SessionState : public support::ProgramTest { };

TEST_F(SessionState, AConnectionTouchedBeforeStartUpIsFreshAndClosed)
{
    EXPECT_FALSE(gBaseDatos.exists());
    EXPECT_FALSE(gBaseDatos->gOpenFlag);
    EXPECT_EQ(gBaseDatos->gCnn.State(), ado::adStateClosed);
    EXPECT_TRUE(gBaseDatos->gDBName.isEmpty());
    EXPECT_NE(&gBaseDatos.get(), &gBaseEstadisticas.get());
    EXPECT_NE(&gBaseDatos.get(), &gBaseAuxiliar.get());
}

TEST_F(SessionState, TheResetPutsEveryVariableBackToItsStart)
{
    gBaseDatos->gDBName = "DEMO";
    gUtil.get();
    gUsuarioLogeado = "ADMIN";
    gClaveUsuario = "* *";
    gColorFondo = 0xFFFFFF;
    gConfidencialidad = true;
    gTiempoEspera = 90;
    support::resetProgramGlobals();
    EXPECT_FALSE(gBaseDatos.exists());
    EXPECT_FALSE(gUtil.exists());
    EXPECT_TRUE(gUsuarioLogeado.isEmpty());
    EXPECT_TRUE(gClaveUsuario.isEmpty());
    EXPECT_EQ(gColorFondo, 0U);
    EXPECT_FALSE(gConfidencialidad);
    EXPECT_EQ(gTiempoEspera, 0);
}

} // namespace
