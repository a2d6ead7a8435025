#include "engine/Dates.h"

#include "engine/Errors.h"

#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/predicate.hpp>
#include <boost/algorithm/string/split.hpp>
#include <boost/algorithm/string/trim.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace quor3
{

namespace
{

// Days from 1 January 1970 (after H. Hinnant's civil calendar algorithms).
long long daysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

CivilDate civilFromDays(long long z)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return CivilDate{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

constexpr long long UnixEpochDay = 25569; // 1 January 1970
constexpr double FirstDay = -693593.0;    // 1 January 0001
constexpr double LastDay = 2958465.0;     // 31 December 9999

std::string cut(const std::string& text, std::size_t width)
{
    return text.size() > width ? text.substr(0, width) : text;
}

// A number in decimal, kept to its first `width` characters.
void appendNumber(std::string& text, long long value, std::size_t width)
{
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.append(digits, std::min(static_cast<std::size_t>(end - digits), width));
}

// Made in one buffer: a long history is listed as 100,000 of these lines.
std::string lineWith(const DrawRecord& r, const char* separator)
{
    std::string line = cut(monthDayYear(r.DrawDate), 10);
    line.reserve(line.size() + 32);
    line += separator;
    line += "        ";
    appendNumber(line, r.Digit1, 2);
    line += "   ";
    appendNumber(line, r.Digit2, 2);
    line += "   ";
    appendNumber(line, r.Digit3, 2);
    return line;
}

} // namespace

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : lengths[month - 1];
}

bool isValidDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

double encodeDate(int year, int month, int day)
{
    if (!isValidDate(year, month, day))
        throwDateError();
    return static_cast<double>(daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
                               UnixEpochDay);
}

double encodeDate(const CivilDate& date)
{
    return encodeDate(date.year, date.month, date.day);
}

bool decodeDate(double dayNumber, CivilDate& date)
{
    if (!std::isfinite(dayNumber) || dayNumber < FirstDay || dayNumber >= LastDay + 1.0) {
        date = CivilDate{};
        return false;
    }
    date = civilFromDays(static_cast<long long>(std::floor(dayNumber)) - UnixEpochDay);
    return true;
}

CivilDate decodeDate(double dayNumber)
{
    CivilDate date;
    decodeDate(dayNumber, date);
    return date;
}

std::string monthDayYear(const CivilDate& date)
{
    std::string text;
    text.reserve(12);
    appendNumber(text, date.month, 11);
    text += '/';
    appendNumber(text, date.day, 11);
    text += '/';
    appendNumber(text, date.year, 11);
    return text;
}

std::string monthDayYear(double dayNumber)
{
    return monthDayYear(decodeDate(dayNumber));
}

std::string entryLine(const DrawRecord& record)
{
    return lineWith(record, " :");
}

std::string searchLine(const DrawRecord& record)
{
    return lineWith(record, " : ");
}

std::optional<CivilDate> dateFromText(const std::string& text)
{
    const std::string t = boost::algorithm::trim_copy_if(text, boost::algorithm::is_any_of(" \t\r\n"));
    const bool iso = t.find('-') != std::string::npos;
    std::vector<std::string> parts;
    boost::algorithm::split(parts, t, boost::algorithm::is_any_of(iso ? "-" : "/"));
    if (parts.size() != 3)
        return std::nullopt;
    for (const std::string& p : parts)
        if (p.empty() || p.size() > 4 || !boost::algorithm::all(p, boost::algorithm::is_digit()))
            return std::nullopt;
    const std::string& yearText = iso ? parts[0] : parts[2];
    if (yearText.size() != 4)
        return std::nullopt;
    const int year = std::stoi(yearText);
    const int month = std::stoi(iso ? parts[1] : parts[0]);
    const int day = std::stoi(iso ? parts[2] : parts[1]);
    if (!isValidDate(year, month, day))
        return std::nullopt;
    return CivilDate{year, month, day};
}

} // namespace quor3
