#include "ResultPrinter.h"

#include <QDate>
#include <QStringList>
#include <array>
#include <charconv>
#include <cmath>

namespace {

// Fifteen significant digits, as SQL Server shows a float, written without an exponent.
QString doubleText(double value)
{
    if (!std::isfinite(value))
        return QString::number(value);
    const double rounded = QString::number(value, 'g', 15).toDouble();
    std::array<char, 400> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), rounded, std::chars_format::fixed);
    return QString::fromLatin1(buffer.data(), written.ptr - buffer.data());
}

QString currencyText(rt::Currency value)
{
    const std::int64_t raw = value.raw();
    const std::uint64_t magnitude = raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    return QStringLiteral("%1%2.%3")
        .arg(raw < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 10000)
        .arg(magnitude % 10000, 4, 10, QLatin1Char('0'));
}

QString dateText(const rt::DateTime &value)
{
    return QStringLiteral("%1 %2:%3:%4")
        .arg(value.date().toString(QStringLiteral("yyyy-MM-dd")))
        .arg(value.hour(), 2, 10, QLatin1Char('0'))
        .arg(value.minute(), 2, 10, QLatin1Char('0'))
        .arg(value.second(), 2, 10, QLatin1Char('0'));
}

} // namespace

void ResultPrinter::printRows(ado::Recordset &recordset)
{
    QStringList header;
    for (long i = 0; i < recordset.FieldCount(); ++i)
        header.append(recordset.Fields(i).Name());
    m_out << header.join(u'\t') << '\n';
    if (recordset.RecordCount() > 0)
        recordset.MoveFirst();
    for (; !recordset.EOF_(); recordset.MoveNext()) {
        QStringList line;
        for (long i = 0; i < recordset.FieldCount(); ++i)
            line.append(text(recordset.Fields(i).Value()));
        m_out << line.join(u'\t') << '\n';
    }
}

void ResultPrinter::printAffected(long count)
{
    m_out << QStringLiteral("(%1 rows affected)").arg(std::max(count, 0L)) << '\n';
}

QString ResultPrinter::text(const rt::Variant &value)
{
    switch (value.type()) {
    case rt::VarType::Empty:
        return {};
    case rt::VarType::Null:
        return QStringLiteral("NULL");
    case rt::VarType::Boolean:
        return value.asBoolean() ? QStringLiteral("1") : QStringLiteral("0");
    case rt::VarType::Integer:
    case rt::VarType::Long:
        return QString::number(value.asLong());
    case rt::VarType::Double:
        return doubleText(value.asDouble());
    case rt::VarType::Currency:
        return currencyText(value.asCurrency());
    case rt::VarType::Date:
        return dateText(value.asDate());
    case rt::VarType::String:
        return value.asString();
    case rt::VarType::ByteArray:
        return QStringLiteral("0x") + QString::fromLatin1(value.asBytes().toHex().toUpper());
    }
    return {};
}
