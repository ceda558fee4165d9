#include "platform/ado/odbc/OdbcHandle.h"

#include "platform/ado/odbc/OdbcDiagnostics.h"

#include <utility>

namespace ado::odbc {

OdbcHandle::OdbcHandle(SQLSMALLINT type, const OdbcHandle *parent)
    : m_type(type)
{
    const SQLHANDLE parentHandle = parent ? parent->get() : nullptr;
    const SQLRETURN rc = SQLAllocHandle(type, parentHandle, &m_handle);
    if (SQL_SUCCEEDED(rc))
        return;
    m_handle = nullptr;
    if (parent)
        throwDiagnostics(*parent);
    throw engineFailure(QStringLiteral("No se pudo iniciar el administrador de controladores ODBC."));
}

OdbcHandle::~OdbcHandle()
{
    reset();
}

OdbcHandle::OdbcHandle(OdbcHandle &&other) noexcept
    : m_type(other.m_type)
    , m_handle(std::exchange(other.m_handle, nullptr))
{
}

OdbcHandle &OdbcHandle::operator=(OdbcHandle &&other) noexcept
{
    if (this != &other) {
        reset();
        m_type = other.m_type;
        m_handle = std::exchange(other.m_handle, nullptr);
    }
    return *this;
}

void OdbcHandle::reset()
{
    if (m_handle != nullptr)
        SQLFreeHandle(m_type, std::exchange(m_handle, nullptr));
}

} // namespace ado::odbc
