#pragma once

#include <QList>

enum class Target { Company, Statistics };

// What the last text of an entry must give: rows, none, either, or no result set at all.
enum class Expect { Rows, NoRows, Any, Action };

// One SQL text of the program (or a short sequence, the last one checked), as it sends it,
// with sample values in braces.
struct CorpusEntry {
    const char *name;
    Target target;
    Expect expect;
    QList<const char *> texts;
};

const QList<CorpusEntry> &corpusEntries();
