#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace ado::sqlite {

// One lexical unit of a T-SQL text.
struct TsqlToken {
    enum class Kind {
        Word, // keyword or plain name, as written
        QuotedName, // [name] or "name"; text holds the name without its quotes
        String, // 'text' or N'text'; text holds the value, quotes undoubled
        Number, // 12, 1.5, .5, 1e3, 0x1F
        Variable, // @name or @@name, with its at signs
        TempName, // #name or ##name, with its number signs
        Operator, // = <> != < > <= >= !< !> + - * / % & | ^ ~
        Comma,
        Dot,
        Semicolon,
        OpenParen,
        CloseParen,
        Other // any other character, passed on as it stands
    };
    Kind kind = Kind::Other;
    QString text;
    bool spaced = false; // blanks, line breaks or a comment stood before it
    int parameter = 0; // a literal passed as parameter ?N (see TsqlParameters); 0: written out
    qsizetype start = 0; // where the token stands in the text: from start to end, end excluded
    qsizetype end = 0;
};

// Splits a T-SQL text into tokens, dropping blanks and comments (-- to the end of the line, which
// a carriage return ends as SQL Server reads it; /* */ nested as SQL Server nests them). Throws
// EngineError (syntax, native 102) on an unterminated string literal, quoted name or comment,
// and on a NUL character outside them.
QList<TsqlToken> tokenizeTsql(const QString &text);

// The string or number literal that starts at `pos` of `text`, read as tokenizeTsql reads it
// there (its `start` and `end` set); none when no literal starts at `pos`. Throws EngineError
// (syntax, native 102) on an unterminated string.
std::optional<TsqlToken> tsqlLiteralAt(const QString &text, qsizetype pos);

} // namespace ado::sqlite

// A token holds only a text and plain values: lists may move it in memory as raw bytes.
Q_DECLARE_TYPEINFO(ado::sqlite::TsqlToken, Q_RELOCATABLE_TYPE);
