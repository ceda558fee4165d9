#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

// Locks a window for a long run while it lives: every control but one (the progress label)
// is disabled, and the window refuses to close and takes no keys. Destroying it enables again
// exactly the controls it disabled, however the run ended.
class BloqueoVentana : public QObject {
public:
    BloqueoVentana(QWidget &ventana, QWidget *libre);
    ~BloqueoVentana() override;
    BloqueoVentana(const BloqueoVentana &) = delete;
    BloqueoVentana &operator=(const BloqueoVentana &) = delete;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void bloquear(QWidget &contenedor, QWidget *libre);

    QPointer<QWidget> m_ventana;
    QList<QPointer<QWidget>> m_deshabilitados;
};
