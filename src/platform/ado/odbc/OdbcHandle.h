#pragma once

#include <sql.h>
#include <sqlext.h>

namespace ado::odbc {

// One ODBC handle (environment, connection or statement), freed when it goes. A connection
// handle must be disconnected before it is freed; OdbcEngine does that.
class OdbcHandle {
public:
    OdbcHandle() = default;
    // Allocates a handle of the type under its parent (none for an environment).
    // Throws EngineError with the parent's diagnostics when the driver refuses.
    OdbcHandle(SQLSMALLINT type, const OdbcHandle *parent);
    ~OdbcHandle();
    OdbcHandle(OdbcHandle &&other) noexcept;
    OdbcHandle &operator=(OdbcHandle &&other) noexcept;
    OdbcHandle(const OdbcHandle &) = delete;
    OdbcHandle &operator=(const OdbcHandle &) = delete;

    SQLHANDLE get() const { return m_handle; }
    SQLSMALLINT type() const { return m_type; }
    explicit operator bool() const { return m_handle != nullptr; }
    void reset();

private:
    SQLSMALLINT m_type = 0;
    SQLHANDLE m_handle = nullptr;
};

} // namespace ado::odbc
