#include "db/LBM_Common.h"

#include "db/ArchivoBases.h"
#include "platform/runtime/Text.h"
#include "session/ObjetosExternos.h"

void AgregarBaseArchivo(const QString &Clave, const QString &Base, const QString &Usuario, const QString &Password,
                        const QString &Servidor, const QString &Sufijo, bool Oracle)
{
    QString servidor = rt::Trim((Oracle ? QStringLiteral("#") : QString()) + Servidor);
    if (!Sufijo.isEmpty())
        servidor += QStringLiteral("/") + Sufijo + QStringLiteral(":");
    ArchivoBases().agregar({Clave, Base, Usuario, gUtil->CodificarClave(Password), servidor});
}
