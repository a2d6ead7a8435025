#include "engine/EntryDates.h"

#include <algorithm>

namespace quor3
{

namespace
{

constexpr CivilDate First{1, 1, 1};
constexpr CivilDate Last{9999, 12, 31};

bool before(const CivilDate& a, const CivilDate& b)
{
    if (a.year != b.year)
        return a.year < b.year;
    if (a.month != b.month)
        return a.month < b.month;
    return a.day < b.day;
}

} // namespace

CivilDate nextDay(const CivilDate& date)
{
    if (!before(date, Last))
        return Last;
    if (date.day < daysInMonth(date.year, date.month))
        return CivilDate{date.year, date.month, date.day + 1};
    if (date.month == 12)
        return CivilDate{date.year + 1, 1, 1};
    return CivilDate{date.year, date.month + 1, 1};
}

CivilDate nextDrawDate(const CivilDate& date, const DrawDays& days)
{
    CivilDate next = nextDay(date);
    for (int tries = 1; tries < 7 && !days.has(weekdayOf(encodeDate(next))) && before(next, Last); ++tries)
        next = nextDay(next);
    return next;
}

CivilDate firstDayOfNextMonth(const CivilDate& date)
{
    if (date.year >= Last.year && date.month >= 12)
        return Last;
    if (date.month == 12)
        return CivilDate{date.year + 1, 1, 1};
    return CivilDate{date.year, date.month + 1, 1};
}

CivilDate lastDayOfPreviousMonth(const CivilDate& date)
{
    if (date.year <= First.year && date.month <= 1)
        return First;
    if (date.month == 1)
        return CivilDate{date.year - 1, 12, 31};
    const int month = date.month - 1;
    return CivilDate{date.year, month, month == 2 ? 28 : daysInMonth(date.year, month)};
}

CivilDate withYear(const CivilDate& date, int year)
{
    year = std::clamp(year, First.year, Last.year);
    return CivilDate{year, date.month, std::min(date.day, daysInMonth(year, date.month))};
}

int dayLimit(int year, int month)
{
    const int days = daysInMonth(year, month);
    return days > 0 ? days : 31;
}

} // namespace quor3
