#pragma once

#include "platform/runtime/DateFunctions.h"
#include "platform/runtime/DateTime.h"
#include "platform/runtime/RuntimeError.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>
#include <ostream>

// Shorthands the tests of several floors share.

// Texts show as texts in the failures of the tests.
inline void PrintTo(const QString &texto, std::ostream *os)
{
    *os << '"' << texto.toStdString() << '"';
}

// The RuntimeError that `action` raises; one numbered 0 when it raises none.
template <typename Action> rt::RuntimeError errorOf(Action &&action)
{
    try {
        action();
    } catch (const rt::RuntimeError &e) {
        return e;
    }
    return rt::RuntimeError(0, {});
}

// The number of the RuntimeError that `action` raises, or 0 when it raises none.
template <typename Action> long errorNumber(Action &&action)
{
    return errorOf(action).Number;
}

inline rt::DateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return rt::DateTime::fromParts(y, mo, d, h, mi, s);
}

// Pins the program's clock while it lives.
class PinnedClock {
public:
    explicit PinnedClock(const rt::DateTime &moment) { rt::setClockForTests(moment); }
    ~PinnedClock() { rt::setClockForTests(std::nullopt); }
};

// The report forms of the source tree (the build gives the tests the source folder).
inline QString sourceReportsFolder()
{
    return QStringLiteral(COMISIONES_SOURCE_DIR "/reports");
}

// The file's text, "" when it cannot be read.
inline QString fileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Sets an environment variable for its lifetime (unsets it for nullopt) and puts back what was
// there.
class VariableEntorno {
public:
    VariableEntorno(const char *nombre, const std::optional<QString> &valor)
        : m_nombre(nombre)
    {
        if (qEnvironmentVariableIsSet(nombre))
            m_anterior = qgetenv(nombre);
        if (valor)
            qputenv(nombre, valor->toLocal8Bit());
        else
            qunsetenv(nombre);
    }
    ~VariableEntorno()
    {
        if (m_anterior)
            qputenv(m_nombre, *m_anterior);
        else
            qunsetenv(m_nombre);
    }
    VariableEntorno(const VariableEntorno &) = delete;
    VariableEntorno &operator=(const VariableEntorno &) = delete;

private:
    const char *m_nombre;
    std::optional<QByteArray> m_anterior;
};
