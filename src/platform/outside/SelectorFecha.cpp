#include "platform/outside/SelectorFecha.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace outside {

SelectorFecha::SelectorFecha(const QDate &inicial, QWidget *parent)
    : QDialog(parent)
    , m_calendario(new QCalendarWidget(this))
{
    setObjectName(QStringLiteral("SelectorFecha"));
    setWindowTitle(QStringLiteral("Fecha"));
    setModal(true);
    m_calendario->setObjectName(QStringLiteral("calFecha"));
    m_calendario->setSelectedDate(inicial);
    m_calendario->setFirstDayOfWeek(Qt::Monday);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *aceptar = buttons->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
    aceptar->setObjectName(QStringLiteral("cmdAceptar"));
    aceptar->setDefault(true);
    QPushButton *cancelar = buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    cancelar->setObjectName(QStringLiteral("cmdCancelar"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_calendario);
    layout->addWidget(buttons);

    connect(m_calendario, &QCalendarWidget::activated, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QDate SelectorFecha::fecha() const
{
    return m_calendario->selectedDate();
}

} // namespace outside
