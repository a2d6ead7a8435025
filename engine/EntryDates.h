#pragma once

#include "engine/Calendar.h"
#include "engine/Dates.h"

namespace quor3
{

// Date moves of the add window's calendar. Month lengths follow the Gregorian
// calendar, so no move ever lands on a day that does not exist (29 February
// 2100 is not a date); for the years 1901 to 2099 that is the same as "every
// fourth year is a leap year". Moves saturate at 1 January 1 and 31 December
// 9999, the range of a day number.

// The date proposed for the next entry: the day after `date`, across month and
// year ends.
CivilDate nextDay(const CivilDate& date);

// The date proposed for the next entry of a draw held on those days: the
// first of them after `date` (nextDay for a draw held every day).
CivilDate nextDrawDate(const CivilDate& date, const DrawDays& days);

// The up arrow: day 1 of the following month (1 January after December).
CivilDate firstDayOfNextMonth(const CivilDate& date);

// The down arrow: the last day of the previous month, February counted as 28
// days in every year so that the day always exists (31 December after January).
CivilDate lastDayOfPreviousMonth(const CivilDate& date);

// The same month and day in another year; a day beyond that month's length
// (29 February in a common year) becomes its last day.
CivilDate withYear(const CivilDate& date, int year);

// The largest day the corrections window accepts for this month and year;
// 31 while the month is not one of 1 to 12.
int dayLimit(int year, int month);

} // namespace quor3
