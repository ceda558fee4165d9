#pragma once

#include <QString>
#include <QStringList>

namespace ado {

// A statement text given as its fixed pieces and the SQL literals between them: the first
// piece, the first literal, the second piece, ... the last piece. A program that sends one
// statement row after row with other values gives it so: an engine that knows its pieces from
// an earlier row reads the literals alone instead of the whole text again.
struct LiteralText {
    LiteralText() = default;
    // A text without literals apart: one piece.
    LiteralText(const QString &text) // NOLINT(google-explicit-constructor): any text is one
        : pieces{text}
    {
    }
    LiteralText(QStringList fixedPieces, QStringList literalValues)
        : pieces(std::move(fixedPieces))
        , literals(std::move(literalValues))
    {
    }

    // The whole text, as a program that writes its literals inline sends it.
    QString text() const;

    QStringList pieces; // one more than the literals
    QStringList literals;
};

} // namespace ado
