#pragma once

#include <QString>
#include <QStringList>
#include <QTimer>

// Writes down every text the progress banner shows while it lives, by looking at it each time
// the event loop turns (as the banner lets it, once per step).
class TestigoCartel {
public:
    TestigoCartel();

    const QStringList &lineas() const { return m_lineas; }
    bool vio(const QString &linea) const { return m_lineas.contains(linea); }

private:
    void mirar();

    QTimer m_reloj;
    QStringList m_lineas;
};
