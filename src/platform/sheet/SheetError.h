#pragma once

#include "platform/runtime/RuntimeError.h"

namespace sheet {

// Error numbers the spreadsheet raises that the shared runtime list does not name.
namespace err {
inline constexpr long SubscriptOutOfRange = 9;
inline constexpr long ApplicationDefined = 1004;
} // namespace err

// An error of the spreadsheet layer, with the layer named as its Source.
inline rt::RuntimeError sheetError(long number, const QString &description)
{
    return rt::RuntimeError(number, description, QStringLiteral("Hoja de cálculo"));
}

} // namespace sheet
