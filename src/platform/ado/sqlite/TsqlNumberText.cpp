#include "platform/ado/sqlite/TsqlNumberText.h"

#include "platform/ado/sqlite/TsqlFunctionSupport.h"

#include <charconv>
#include <cmath>

namespace ado::sqlite {

namespace {

constexpr double DecimalScale = 10000.0; // an amount's four places
constexpr sqlite3_int64 DecimalLimit = 1000000000000000; // 10^15: 15 digits at most

} // namespace

NumberText NumberText::whole(sqlite3_int64 value)
{
    NumberText text;
    text.m_size = static_cast<std::size_t>(
        std::to_chars(text.m_bytes.data(), text.m_bytes.data() + text.m_bytes.size(), value).ptr - text.m_bytes.data());
    return text;
}

NumberText NumberText::real(double value)
{
    NumberText text;
    if (!text.writeDecimal(value))
        text.append(numberText(value).toLatin1().toStdString());
    return text;
}

// Amounts are decimals of at most four places. When the value is the double nearest to such a
// decimal of at most 15 digits, 15 significant digits give that decimal back, and below 10^11
// and from 0.0001 up numberText writes it in plain notation: its digits, without trailing zeros.
bool NumberText::writeDecimal(double value)
{
    const double scaled = value * DecimalScale;
    if (!(std::abs(scaled) < static_cast<double>(DecimalLimit)))
        return false;
    const sqlite3_int64 units = std::llround(scaled);
    if (static_cast<double>(units) / DecimalScale != value || std::abs(units) >= DecimalLimit)
        return false;
    const auto scale = static_cast<sqlite3_int64>(DecimalScale);
    if (units < 0)
        append("-");
    append(whole(std::abs(units) / scale).view());
    sqlite3_int64 places = std::abs(units) % scale;
    if (places == 0)
        return true;
    std::array<char, 5> fraction{'.', '0', '0', '0', '0'};
    for (std::size_t i = fraction.size() - 1; places > 0; --i, places /= 10)
        fraction.at(i) = static_cast<char>('0' + places % 10);
    std::size_t end = fraction.size();
    while (fraction.at(end - 1) == '0')
        --end;
    append({fraction.data(), end});
    return true;
}

void NumberText::append(std::string_view text)
{
    const std::size_t room = std::min(text.size(), m_bytes.size() - m_size);
    text.copy(m_bytes.data() + m_size, room);
    m_size += room;
}

} // namespace ado::sqlite
