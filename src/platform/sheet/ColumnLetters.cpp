#include "platform/sheet/ColumnLetters.h"

#include "platform/sheet/SheetError.h"
#include "platform/sheet/Worksheet.h"

namespace sheet {

QString columnLetters(int column)
{
    if (column < 1 || column > Worksheet::MaxColumns)
        throw sheetError(rt::err::InvalidProcedureCall,
                         QStringLiteral("La columna %1 no existe en la hoja").arg(column));
    // Bijective base 26: there is no zero digit, so "Z" is followed by "AA".
    QString letters;
    for (int rest = column; rest > 0; rest = (rest - 1) / 26)
        letters.prepend(QChar(u'A' + (rest - 1) % 26));
    return letters;
}

} // namespace sheet
