#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class QTimer;

// The progress banner's window: three centred lines, an endlessly turning picture and an
// optional "&Cancelar" button whose caption is the cancel flag ("Abortado" once pressed).
// Translucent and centred on the screen; the picture turns on a 100 ms timer while the window
// exists. Only Dll_Display drives it.
class Lbf_CtrlDisplay : public QWidget {
    Q_OBJECT

public:
    static constexpr int Cuadros = 12;

    Lbf_CtrlDisplay();

    // The line `indice` (0 to 2).
    QLabel *LblCtrol(int indice) const { return m_lineas.at(static_cast<size_t>(indice)); }
    QPushButton *CmdDisplayCancelar() const { return m_cancelar; }
    // The frame shown now, 1 to 12.
    int cuadroActual() const { return m_cuadroActual; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Timer1_Timer();
    void CmdDisplayCancelar_Click();
    void mostrarCuadro(int cuadro);
    void centrar();

    std::array<QLabel *, 3> m_lineas{};
    QLabel *m_image1 = nullptr;
    QPushButton *m_cancelar = nullptr;
    QTimer *m_timer1 = nullptr;
    std::array<QPixmap, Cuadros> m_imageList1;
    int m_contador = 0;
    int m_cuadroActual = 0;
    bool m_centrada = false;
};
