#include "core/StatusBar.h"

#include <QLabel>

StatusBar::StatusBar(QWidget *parent)
    : QStatusBar(parent)
{
}

QLabel *StatusBar::addPanel(const QString &key, int minimumWidth, int stretch)
{
    auto *label = new QLabel(this);
    label->setObjectName(key);
    label->setMinimumWidth(minimumWidth);
    // Permanent widgets keep their place when a passing message is shown.
    addPermanentWidget(label, stretch);
    return label;
}

QLabel *StatusBar::panel(const QString &key) const
{
    return findChild<QLabel *>(key, Qt::FindDirectChildrenOnly);
}

QString StatusBar::panelText(const QString &key) const
{
    const QLabel *label = panel(key);
    return label ? label->text() : QString();
}
