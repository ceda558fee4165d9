#include "core/AspectoFormulario.h"

#include "support/PruebaCore.h"

#include "platform/ui/SkinFramework.h"
#include "session/Sesion.h"

#include <QToolBar>
#include <QWidget>
#include <gtest/gtest.h>

// A window of the class that keeps its toolbars as they are.
class frmMDI : public QWidget {
    Q_OBJECT
};

namespace {

class AspectoFormulario : public support::ProgramTest { };

TEST_F(AspectoFormulario, TheSkinNumberIsTheIniTextRoundedHalfToEven)
{
    const std::pair<const char *, int> casos[] = {
        {"4", 4}, {"2.5", 2}, {"3.5", 4}, {"1.4", 1}, {"x", 0}, {"", 0}, {" 3 ", 3},
    };
    for (const auto &[texto, numero] : casos)
        EXPECT_EQ(NumeroSkin(QLatin1String(texto)), numero) << texto;
    EXPECT_EQ(errorNumber([] { NumeroSkin("40000"); }), rt::err::Overflow);
}

TEST_F(AspectoFormulario, EachSkinNumberHasItsFile)
{
    const std::tuple<int, const char *, const char *> casos[] = {
        {1, "Styles/Vista.cjstyles", ""},        {2, "Styles/WinXP.Luna.cjstyles", ""},
        {3, "Styles/WinXP.Royale.cjstyles", ""}, {4, "Styles/iTunes", "Normalitunes.ini"},
        {0, "Styles/Office2007.cjstyles", ""},   {5, "Styles/Office2007.cjstyles", ""},
    };
    for (const auto &[numero, archivo, ini] : casos) {
        const ArchivoSkin skin = ArchivoDeSkin(numero);
        EXPECT_EQ(skin.archivo, QLatin1String(archivo)) << numero;
        EXPECT_EQ(skin.ini, QLatin1String(ini)) << numero;
    }
}

TEST_F(AspectoFormulario, ToolbarsTakeTheWorkstationStyleExceptOnTheMdiWindow)
{
    gFlatToolbars = 1;
    QWidget ventana;
    auto *utilNet = new QToolBar(&ventana);
    utilNet->setObjectName("UtilNet1");
    auto *util = new QToolBar(&ventana);
    util->setObjectName("Util0011");
    AsignarIconoFormulario(&ventana);
    EXPECT_EQ(utilNet->property("StyleBar").toDouble(), 1.0);
    EXPECT_EQ(util->property("StyleBar").toDouble(), 1.0);

    frmMDI mdi;
    auto *barraMdi = new QToolBar(&mdi);
    barraMdi->setObjectName("UtilNet1");
    AsignarIconoFormulario(&mdi);
    EXPECT_FALSE(barraMdi->property("StyleBar").isValid());
    AsignarIconoFormulario(nullptr);
}

TEST_F(AspectoFormulario, AMissingSkinLeavesTheWindowAsItWas)
{
    QWidget sinSkin;
    CargarSkin(&sinSkin);
    EXPECT_EQ(sinSkin.styleSheet(), QString());

    QWidget conSkin;
    auto *skin = new ui::SkinFramework(&conSkin);
    skin->setObjectName("SkinFramework1");
    CargarSkin(&conSkin);
    EXPECT_EQ(skin->styleSheet(), QString());
    EXPECT_EQ(conSkin.styleSheet(), QString());
    EXPECT_EQ(skin->ApplyOptions(), 1);
    CargarSkin(&conSkin);
    EXPECT_EQ(skin->ApplyOptions(), 1);
}

} // namespace

#include "AspectoFormularioTest.moc"
