#pragma once

#include <QString>

class QLabel;
namespace ado {
class Connection;
}

// While it lives, a long statement on the connection stops now and then to paint the window
// (its user input stays queued: the window is locked anyway), and so does the wait for the
// database while another workstation's build holds it, which the label tells. A label still
// telling that wait when it goes shows again what it showed before: the window reads it back.
class RepintadoDuranteSentencias {
public:
    RepintadoDuranteSentencias(ado::Connection &conexion, QLabel &estado);
    ~RepintadoDuranteSentencias();
    RepintadoDuranteSentencias(const RepintadoDuranteSentencias &) = delete;
    RepintadoDuranteSentencias &operator=(const RepintadoDuranteSentencias &) = delete;

private:
    ado::Connection &m_conexion;
    QLabel &m_estado;
    QString m_anterior;
};
