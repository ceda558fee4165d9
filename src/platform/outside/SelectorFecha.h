#pragma once

#include <QDate>
#include <QDialog>

class QCalendarWidget;

namespace outside {

// The date picker window: a calendar (calFecha) with "Aceptar" (cmdAceptar) and "Cancelar"
// (cmdCancelar); a double click or Enter on a day also accepts.
class SelectorFecha : public QDialog {
    Q_OBJECT
public:
    explicit SelectorFecha(const QDate &inicial, QWidget *parent = nullptr);
    QDate fecha() const;

private:
    QCalendarWidget *m_calendario;
};

} // namespace outside
