#pragma once

#include <QString>
#include <optional>

// The textual rules that turn the program's SQL Server text into Oracle text. They are plain
// substitutions for the constructs the program writes, not a parser. Letter case is ignored in
// every search and replacement.
class OracleSQL {
public:
    // The ten rules, in order: TOP n as ROWNUM, LEN as LENGTH, [names] as "names", day-first
    // date literals as TO_DATE, CHARINDEX(a, b) as INSTR(b, a), CONVERT to TO_CHAR/TO_NUMBER,
    // comparisons with '' as IS NULL, style 103 as 'DD/MM/YYYY', SUBSTRING, ISNULL.
    // Throws RuntimeError 5 for a "top " without a row limit and a blank after it, and for an
    // opening quote without a closing one.
    static QString aplicarReglas(const QString &valor);

    // A batch prepared for splitting: SET NOCOUNT and GO removed, carriage returns turned into
    // blanks, the transaction commands written as SET TRANSACTION, COMMIT and ROLLBACK.
    static QString normalizarLote(const QString &lote);

    // Where the next statement of a prepared batch lies: from the first statement keyword
    // (INSERT, DELETE, UPDATE, CREATE, DROP, ALTER, SET TRANSACTION, COMMIT, ROLLBACK,
    // IF NOT EXIST, IF EXIST, GRANT) up to the next one or the end. 0-based positions.
    struct Tramo {
        qsizetype inicio = 0;
        qsizetype fin = 0;
    };
    static std::optional<Tramo> siguienteSentencia(const QString &texto);

    // Whether a statement has no Oracle equivalent and is skipped (SET NOCOUNT, IF NOT EXIST).
    static bool sinEquivalente(const QString &sentencia);
};
