#include "session/Sesion.h"

QString gEquipoUsuario;
QString gUsuarioLogeado;
QString gClaveUsuario;
QString gCadenaODBC;
QString gCaja;
QString gParametroAdicional;
QString gMenu;
double gFlatToolbars = 0;
quint32 gColorFondo = 0;
quint32 gColorLetra = 0;
qint16 gTiempoEspera = 0;
QString gTablaConfiguracion;
QString gCantidadDecimales;
bool gConfidencialidad = false;
bool gUtilizarFechaDia = false;

void reiniciarSesion()
{
    for (QString *text : {&gEquipoUsuario, &gUsuarioLogeado, &gClaveUsuario, &gCadenaODBC, &gCaja, &gParametroAdicional,
                          &gMenu, &gTablaConfiguracion, &gCantidadDecimales})
        text->clear();
    gFlatToolbars = 0;
    gColorFondo = 0;
    gColorLetra = 0;
    gTiempoEspera = 0;
    gConfidencialidad = false;
    gUtilizarFechaDia = false;
}
