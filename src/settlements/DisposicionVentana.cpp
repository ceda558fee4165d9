#include "settlements/DisposicionVentana.h"

#include <cmath>

namespace {

// A control refuses a negative size; the rule then goes on with the size it kept.
void asignarTamano(double &tamano, double valor)
{
    if (valor >= 0)
        tamano = valor;
}

int pixeles(double twips)
{
    return static_cast<int>(std::lround(twips / TwipsPorPixel));
}

} // namespace

RectanguloTwips RectanguloTwips::desdePixeles(const QRect &r)
{
    return {static_cast<double>(r.x()) * TwipsPorPixel, static_cast<double>(r.y()) * TwipsPorPixel,
            static_cast<double>(r.width()) * TwipsPorPixel, static_cast<double>(r.height()) * TwipsPorPixel};
}

QRect RectanguloTwips::enPixeles() const
{
    return {pixeles(Left), pixeles(Top), pixeles(Width), pixeles(Height)};
}

void DisposicionVentana::ajustar()
{
    const auto H = static_cast<float>(Height - (altoBarraEstado + frameFiltros.Height + 500));
    asignarTamano(frameFiltros.Width, Width - 300);
    asignarTamano(ListView1.Height, H - H / 2);
    ListView3.Top = ListView1.Top + ListView1.Height + 20;
    asignarTamano(ListView3.Height, H - (ListView1.Height + 40));
    asignarTamano(ListView2.Height, ListView1.Height);
    asignarTamano(ListView2.Width, Width - (ListView1.Width + 400));
    ListView5.Top = ListView3.Top;
    ListView5.Left = ListView3.Width + ListView3.Left + 40;
    asignarTamano(ListView5.Width, Width - (ListView3.Width + 200));
    asignarTamano(ListView5.Height, ListView3.Height);
}
