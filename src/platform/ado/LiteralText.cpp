#include "platform/ado/LiteralText.h"

namespace ado {

QString LiteralText::text() const
{
    if (literals.isEmpty())
        return pieces.value(0);
    qsizetype size = 0;
    for (const QString &piece : pieces)
        size += piece.size();
    for (const QString &literal : literals)
        size += literal.size();
    QString whole;
    whole.reserve(size);
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        whole.append(pieces.at(i));
        if (i < literals.size())
            whole.append(literals.at(i));
    }
    return whole;
}

} // namespace ado
