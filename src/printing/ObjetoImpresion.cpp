#include "printing/ObjetoImpresion.h"

#include "platform/report/ImpresionReportes.h"

int ObjetoImpresionReportes::DestinoImpresora() const
{
    return m_impresion.DestinoImpresora();
}

int ObjetoImpresionReportes::DestinoPantalla() const
{
    return m_impresion.DestinoPantalla();
}

int ObjetoImpresionReportes::DestinoCorreo() const
{
    return m_impresion.DestinoCorreo();
}

int ObjetoImpresionReportes::DestinoReporte() const
{
    return m_impresion.DestinoReporte();
}

void ObjetoImpresionReportes::setDestinoReporte(int destino)
{
    m_impresion.setDestinoReporte(destino);
}

void ObjetoImpresionReportes::setNombreImpresora(const QString &nombre)
{
    m_impresion.setNombreImpresora(nombre);
}

void ObjetoImpresionReportes::setControladorImpresora(const QString &controlador)
{
    m_impresion.setControladorImpresora(controlador);
}

void ObjetoImpresionReportes::setPuertoImpresora(const QString &puerto)
{
    m_impresion.setPuertoImpresora(puerto);
}

void ObjetoImpresionReportes::AsignarFormulas(const QStringList &formulas)
{
    m_impresion.AsignarFormulas(formulas);
}

void ObjetoImpresionReportes::ImprimirReporte(const LlamadaReporte &llamada)
{
    const auto &f = llamada.formulas;
    m_impresion.ImprimirReporte(llamada.reporte, llamada.ordenCampos, llamada.seleccion, llamada.conexion, f[0], f[1],
                                f[2], f[3], f[4], llamada.subReporte, llamada.reservado, llamada.subReporte2);
}

void ObjetoImpresionReportes::Terminar(int segundos)
{
    m_impresion.Terminar(segundos);
}
