#include "core/AspectoFormulario.h"

#include "db/Conexiones.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/SkinFramework.h"
#include "session/CarpetasPrograma.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"

#include <QFileInfo>
#include <QIcon>
#include <QWidget>

namespace {

bool asignarIcono(QWidget *formulario, const QString &archivo)
{
    if (!QFileInfo(archivo).isFile())
        return false;
    const QIcon icono(archivo);
    if (icono.availableSizes().isEmpty())
        return false;
    formulario->setWindowIcon(icono);
    return true;
}

} // namespace

ArchivoSkin ArchivoDeSkin(int Numero)
{
    switch (Numero) {
    case 1:
        return {QStringLiteral("Styles/Vista.cjstyles"), {}};
    case 2:
        return {QStringLiteral("Styles/WinXP.Luna.cjstyles"), {}};
    case 3:
        return {QStringLiteral("Styles/WinXP.Royale.cjstyles"), {}};
    case 4:
        return {QStringLiteral("Styles/iTunes"), QStringLiteral("Normalitunes.ini")};
    default:
        return {QStringLiteral("Styles/Office2007.cjstyles"), {}};
    }
}

int NumeroSkin(const QString &Texto)
{
    return rt::CInt(rt::Variant(rt::Val(Texto)));
}

// The window dressing never stops the program: a step that fails is left undone.
void AsignarIconoFormulario(QWidget *Formulario)
{
    if (!Formulario)
        return;
    if (!asignarIcono(Formulario, QStringLiteral(":/ICONQUORVEL")))
        asignarIcono(Formulario, QStringLiteral("quorvel.ico"));
    if (rt::StrComp(QLatin1String(Formulario->metaObject()->className()), QStringLiteral("frmMDI"),
                    rt::CompareMode::Text)
        == 0)
        return;
    rt::resumeNext([&] { gEquipo->ProcesarFormulario(Formulario); });
    for (const char *barra : {"UtilNet1", "TBarRep1", "Util0011"}) {
        if (QObject *herramientas = Formulario->findChild<QObject *>(QLatin1String(barra)))
            herramientas->setProperty("StyleBar", gFlatToolbars);
    }
    ui::DoEvents();
}

void CargarSkin(QWidget *Formulario)
{
    if (!Formulario)
        return;
    int numero = 0;
    rt::resumeNext([&] {
        const QString seccion = rt::UCase(gEquipo->UsuarioEquipo()) + QStringLiteral("_")
                                + rt::UCase(gBaseDatos->gDBName) + QStringLiteral("Styles");
        QString texto;
        gIni->LeerIni(QStringLiteral("cn000pr.ini"), seccion, QStringLiteral("Styles"), QStringLiteral("4"), texto);
        numero = NumeroSkin(texto);
    });
    auto *skin = Formulario->findChild<ui::SkinFramework *>(QStringLiteral("SkinFramework1"));
    if (!skin)
        return;
    const ArchivoSkin archivo = ArchivoDeSkin(numero);
    rt::resumeNext([&] { skin->LoadSkin(CarpetaAplicacion() + archivo.archivo, archivo.ini); });
    skin->ApplyWindow(Formulario);
    skin->setApplyOptions(skin->ApplyOptions() | 1);
}
