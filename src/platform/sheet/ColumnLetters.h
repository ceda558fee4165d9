#pragma once

#include <QString>

namespace sheet {

// The letters of a 1-based sheet column as formulas name it: 1 "A", 26 "Z", 27 "AA", 53 "BA",
// 703 "AAA". Throws RuntimeError 5 when the column lies outside the sheet (1..16384).
QString columnLetters(int column);

} // namespace sheet
