#pragma once

#include <array>
#include <sqlite3.h>
#include <string_view>

namespace ado::sqlite {

// A number's text as the engine's functions write it (CONVERT to text, CHARINDEX on a number),
// held in place: a search converts a number on every row it reads.
class NumberText {
public:
    static constexpr std::size_t Capacity = 32; // the longest, "-1.23456789012345e-308", takes 22
    // A whole number in full, as SQLite writes it.
    static NumberText whole(sqlite3_int64 value);
    // A float as numberText writes it: 15 significant digits, no trailing zeros.
    static NumberText real(double value);

    std::string_view view() const { return {m_bytes.data(), m_size}; }

private:
    bool writeDecimal(double value);
    void append(std::string_view text);

    std::array<char, Capacity> m_bytes{};
    std::size_t m_size = 0;
};

} // namespace ado::sqlite
