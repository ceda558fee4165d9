#include "platform/ado/ConnectionString.h"

namespace ado {

namespace {

// Reads one value from `pos`: up to the next ';', or a quoted text whose quote is doubled inside.
QString readValue(const QString &text, qsizetype &pos)
{
    while (pos < text.size() && text.at(pos).isSpace())
        ++pos;
    if (pos < text.size() && (text.at(pos) == u'"' || text.at(pos) == u'\'')) {
        const QChar quote = text.at(pos++);
        QString value;
        while (pos < text.size()) {
            if (text.at(pos) == quote) {
                if (pos + 1 < text.size() && text.at(pos + 1) == quote) {
                    value += quote;
                    pos += 2;
                    continue;
                }
                ++pos;
                break;
            }
            value += text.at(pos++);
        }
        while (pos < text.size() && text.at(pos) != u';')
            ++pos;
        ++pos;
        return value;
    }
    const qsizetype end = text.indexOf(u';', pos);
    const QString value = text.mid(pos, end < 0 ? -1 : end - pos).trimmed();
    pos = end < 0 ? text.size() : end + 1;
    return value;
}

} // namespace

ConnectionString::ConnectionString(const QString &text)
{
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype equals = text.indexOf(u'=', pos);
        const qsizetype semicolon = text.indexOf(u';', pos);
        if (equals < 0)
            break;
        if (semicolon >= 0 && semicolon < equals) {
            pos = semicolon + 1; // an attribute without value
            continue;
        }
        const QString key = text.mid(pos, equals - pos).simplified().toLower();
        pos = equals + 1;
        const QString value = readValue(text, pos);
        if (!key.isEmpty() && !m_values.contains(key))
            m_values.insert(key, value);
    }
}

QString ConnectionString::value(const QStringList &keys) const
{
    for (const QString &key : keys) {
        const auto found = m_values.constFind(key);
        if (found != m_values.constEnd())
            return *found;
    }
    return {};
}

QString ConnectionString::server() const
{
    return value(
        {QStringLiteral("server"), QStringLiteral("data source"), QStringLiteral("address"), QStringLiteral("addr")});
}

QString ConnectionString::database() const
{
    return value({QStringLiteral("database"), QStringLiteral("initial catalog")});
}

QString ConnectionString::user() const
{
    return value({QStringLiteral("uid"), QStringLiteral("user id")});
}

QString ConnectionString::password() const
{
    return value({QStringLiteral("pwd"), QStringLiteral("password")});
}

} // namespace ado
