#include "platform/ado/sqlite/TsqlDateStyles.h"

namespace ado::sqlite {

namespace {

struct Parts {
    int year;
    int month;
    int day;
    int hour;
    int minute;
    int second;
    int msec;
};

Parts partsOf(const TsqlDateTime &value)
{
    const qint64 seconds = value.msecs / 1000;
    return Parts{value.date.year(),
                 value.date.month(),
                 value.date.day(),
                 static_cast<int>(seconds / 3600),
                 static_cast<int>(seconds / 60 % 60),
                 static_cast<int>(seconds % 60),
                 static_cast<int>(value.msecs % 1000)};
}

// "dd/mm/yyyy" and its kin: day, month and year in `order` ("dmy", "mdy", "ymd").
QString numericDate(const Parts &p, const char *order, const QString &separator, bool fullYear)
{
    QStringList fields;
    for (const char *c = order; *c; ++c) {
        if (*c == 'd')
            fields.append(QString::asprintf("%02d", p.day));
        else if (*c == 'm')
            fields.append(QString::asprintf("%02d", p.month));
        else
            fields.append(fullYear ? QString::asprintf("%04d", p.year) : QString::asprintf("%02d", p.year % 100));
    }
    return fields.join(separator);
}

QString time(const Parts &p)
{
    return QString::asprintf("%02d:%02d:%02d", p.hour, p.minute, p.second);
}

// Style 0: "Mar 31 2024 12:00AM".
QString defaultStyle(const Parts &p)
{
    static const char *const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const int hour12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
    return QString::asprintf("%s %2d %04d %2d:%02d%s", months[p.month - 1], p.day, p.year, hour12, p.minute,
                             p.hour < 12 ? "AM" : "PM");
}

std::optional<QString> numericStyle(const Parts &p, int style, bool fullYear)
{
    switch (style) {
    case 1:
        return numericDate(p, "mdy", QStringLiteral("/"), fullYear);
    case 3:
        return numericDate(p, "dmy", QStringLiteral("/"), fullYear);
    case 4:
        return numericDate(p, "dmy", QStringLiteral("."), fullYear);
    case 5:
        return numericDate(p, "dmy", QStringLiteral("-"), fullYear);
    case 10:
        return numericDate(p, "mdy", QStringLiteral("-"), fullYear);
    case 11:
        return numericDate(p, "ymd", QStringLiteral("/"), fullYear);
    case 12:
        return numericDate(p, "ymd", QString(), fullYear);
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<QString> dateWithStyle(const TsqlDateTime &value, int style)
{
    const Parts p = partsOf(value);
    const QString iso = numericDate(p, "ymd", QStringLiteral("-"), true);
    switch (style) {
    case 0:
    case 100:
        return defaultStyle(p);
    case 8:
    case 108:
        return time(p);
    case 20:
    case 120:
        return iso + u' ' + time(p);
    case 21:
    case 121:
        return iso + u' ' + time(p) + QString::asprintf(".%03d", p.msec);
    case 23:
        return iso;
    case 126:
        return iso + u'T' + time(p) + (p.msec ? QString::asprintf(".%03d", p.msec) : QString());
    default:
        break;
    }
    if (style > 100)
        return numericStyle(p, style - 100, true);
    return numericStyle(p, style, false);
}

} // namespace ado::sqlite
