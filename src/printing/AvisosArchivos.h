#pragma once

#include <QSet>
#include <QString>

// The missing report files already reported to the operator during one print: each is
// reported once, however many copies name it.
class AvisosArchivos {
public:
    // True the first time a file is named (letter case aside), false afterwards.
    bool primeraVez(const QString &archivo)
    {
        const QString clave = archivo.trimmed().toLower();
        if (m_avisados.contains(clave))
            return false;
        m_avisados.insert(clave);
        return true;
    }

private:
    QSet<QString> m_avisados;
};
