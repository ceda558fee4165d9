#pragma once

#include <QRect>

// Sizes of the settlement window's layout rule, in twips (15 to a pixel), as the rule
// states them.
inline constexpr int TwipsPorPixel = 15;

// One control's place in twips.
struct RectanguloTwips {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;

    static RectanguloTwips desdePixeles(const QRect &pixeles);
    QRect enPixeles() const;
};

// The controls that the settlement window stretches when it is resized, and the sizes the
// rule reads.
struct DisposicionVentana {
    double Width = 0; // the window's outer width
    double Height = 0; // the window's outer height
    double altoBarraEstado = 0;
    RectanguloTwips frameFiltros;
    RectanguloTwips ListView1;
    RectanguloTwips ListView2;
    RectanguloTwips ListView3;
    RectanguloTwips ListView5;

    // Stretches the filter band across the window and shares the height left under it
    // between the upper lists (salespersons beside collections) and the lower ones (vouchers
    // beside article lines). A computed width or height below 0 is not applied, as the
    // window refuses it; the other steps still run with what the control kept.
    void ajustar();
};
