#pragma once

#include "engine/DrawRecord.h"

#include <optional>
#include <string>

namespace quor3
{

// A calendar date of the proleptic Gregorian calendar, years 1 to 9999.
struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const CivilDate& o) const { return year == o.year && month == o.month && day == o.day; }
};

bool isLeapYear(int year);
int daysInMonth(int year, int month);
bool isValidDate(int year, int month, int day);

// Day number of a date: 30 December 1899 is day 0, 1 January 2002 is 37257.
// An impossible date raises "Invalid argument to date encode".
double encodeDate(int year, int month, int day);
double encodeDate(const CivilDate& date);
// False for NaN, infinite, fractional-free out-of-range values (before year 1
// or after 9999); the date is then all zeros.
bool decodeDate(double dayNumber, CivilDate& date);
CivilDate decodeDate(double dayNumber);

// The one reading of a date typed as text: "12/7/2026" (month/day/year) or
// "2026-12-07", blanks around it allowed; none for anything else, an
// impossible date included.
std::optional<CivilDate> dateFromText(const std::string& text);

// "3/1/2002": month/day/year without leading zeros; "0/0/0" when the day
// number is no date at all.
std::string monthDayYear(double dayNumber);
std::string monthDayYear(const CivilDate& date);

// The line by which lists show one draw: "1/1/2002 :        3   0   7".
std::string entryLine(const DrawRecord& record);
// The search window's variant, with " : " after the date.
std::string searchLine(const DrawRecord& record);

} // namespace quor3
