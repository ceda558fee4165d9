#include "printing/FrmMvVentas.h"

#include "platform/runtime/Text.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"

core::LazyInstance<FrmMvVentas> gFrmMvVentas;

void liberarFrmMvVentas()
{
    gFrmMvVentas.reset();
}

FrmMvVentas::FrmMvVentas()
    : MSComm1(&FrmMvVentas::DispositivoPuerto)
{
}

QString FrmMvVentas::DispositivoPuerto(int n)
{
    QString dispositivo;
    gIni->LeerIni(QStringLiteral("CN000pr.INI"), gEquipoUsuario, QStringLiteral("COM%1").arg(n),
                  serial::MSComm::defaultDevice(n), dispositivo);
    return rt::Trim(dispositivo).isEmpty() ? serial::MSComm::defaultDevice(n) : rt::Trim(dispositivo);
}
