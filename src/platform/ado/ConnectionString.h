#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace ado {

// The attributes of an OLE DB connection string ("PROVIDER=SQLOLEDB;Server=x;Database =y;").
// Keys ignore letter case and the blanks around them; a value may be quoted with " or '.
class ConnectionString {
public:
    explicit ConnectionString(const QString &text);

    // The value of the first of the keys present; empty when none is.
    QString value(const QStringList &keys) const;

    QString provider() const { return value({QStringLiteral("provider")}); }
    // "Server", "Data Source", "Address" or "Addr".
    QString server() const;
    // "Database" or "Initial Catalog".
    QString database() const;
    // "UId" or "User ID".
    QString user() const;
    // "Pwd" or "Password".
    QString password() const;
    QString dataSource() const { return value({QStringLiteral("data source")}); }

private:
    QHash<QString, QString> m_values; // keys in lower case, inner blanks collapsed
};

} // namespace ado
