#include "platform/runtime/Format.h"

#include "platform/runtime/Regional.h"

#include <optional>

namespace rt {

namespace {

QString padded(int value, qsizetype width)
{
    return QString::number(value).rightJustified(width, QLatin1Char('0'));
}

// The text of one run of a date letter, or nothing when the run means nothing as a date part.
std::optional<QString> part(const DateTime &value, QChar letter, qsizetype run, bool minutes)
{
    if (run > 2 && letter != QLatin1Char('y'))
        return std::nullopt;
    switch (letter.unicode()) {
    case 'd':
        return padded(value.day(), run);
    case 'm':
        return padded(minutes ? value.minute() : value.month(), run);
    case 'h':
        return padded(value.hour(), run);
    case 'n':
        return padded(value.minute(), run);
    case 's':
        return padded(value.second(), run);
    case 'y':
        if (run == 4)
            return padded(value.year(), 4);
        if (run == 2)
            return padded(value.year() % 100, 2);
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

QString separatorText(QChar c)
{
    if (c == QLatin1Char('/'))
        return regional().dateSeparator;
    if (c == QLatin1Char(':'))
        return regional().timeSeparator;
    return c;
}

} // namespace

QString formatDate(DateTime value, const QString &mask)
{
    QString text;
    bool afterHour = false; // an "m" right after an hour means minutes
    for (qsizetype i = 0; i < mask.size();) {
        const QChar letter = mask.at(i).toLower();
        qsizetype run = 1;
        while (i + run < mask.size() && mask.at(i + run).toLower() == letter)
            ++run;
        const std::optional<QString> shown = part(value, letter, run, afterHour);
        if (shown) {
            text += *shown;
            afterHour = letter == QLatin1Char('h');
        } else {
            for (qsizetype k = 0; k < run; ++k)
                text += separatorText(mask.at(i + k));
            afterHour = afterHour && !letter.isLetter();
        }
        i += run;
    }
    return text;
}

} // namespace rt
