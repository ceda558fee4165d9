#pragma once

#include <QDialog>
#include <QString>
#include <QTimer>

class QLabel;
class QPushButton;

// A small message window that can hide itself after a number of seconds. The caller sets
// Titulo, Mensaje and Espera, then shows it; with Espera above 0 the window hides itself that
// many seconds after each showing (the caller unloads it or shows it again), otherwise it stays
// until "&Aceptar" is pressed, which unloads it.
class FrmMsgBox : public QDialog {
    Q_OBJECT

public:
    explicit FrmMsgBox(QWidget *parent = nullptr);

    QString Titulo;
    QString Mensaje;
    // Seconds before the window hides itself; 0 or less: it never does.
    qint16 Espera = 0;

    // Puts Titulo into the caption and Mensaje into the message at once, for a window already shown.
    void ActualizarLeyenda();

    QLabel *LblMensaje() const { return m_mensaje; }
    QPushButton *CmdAceptar() const { return m_aceptar; }

protected:
    void showEvent(QShowEvent *evento) override;

private:
    void CmdAceptar_Click();

    QLabel *m_mensaje = nullptr;
    QPushButton *m_aceptar = nullptr;
    QTimer m_espera;
    bool m_cargado = false;
};
