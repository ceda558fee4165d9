#include "session/EjecutarPrograma.h"

#include "session/ObjetosExternos.h"

void EjecutarPrograma(const QString &Destino, bool Ventana)
{
    QString destino = Destino;
    if (!destino.contains(QLatin1Char('"')) && destino.contains(QLatin1Char(' ')))
        destino = QLatin1Char('"') + destino + QLatin1Char('"');
    long resultado = 0;
    gEquipo->EjecutarArchivo(0, {}, destino, {}, {}, Ventana ? 6 : 0, resultado);
}
