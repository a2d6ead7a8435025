#include "engine/Calendar.h"

#include <boost/algorithm/string/case_conv.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <set>
#include <sstream>

namespace quor3
{

namespace
{

const std::array<const char*, 7> DayNames = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const std::array<const char*, 7> FullNames = {"monday", "tuesday",  "wednesday", "thursday",
                                              "friday", "saturday", "sunday"};

long long dayOf(double dayNumber)
{
    return static_cast<long long>(std::floor(dayNumber));
}

// The span searched and learned from: the last LearningDays days ending on the
// newest draw, not before the oldest.
std::pair<long long, long long> recentSpan(const std::set<long long>& days)
{
    const long long last = *days.rbegin();
    return {std::max(*days.begin(), last - (LearningDays - 1)), last};
}

} // namespace

int weekdayOf(double dayNumber)
{
    // Day 0, 30 December 1899, was a Saturday.
    const long long d = (dayOf(dayNumber) + 5) % 7;
    return static_cast<int>(d < 0 ? d + 7 : d);
}

DrawDays learnDrawDays(const std::vector<double>& drawDates)
{
    std::set<long long> days;
    for (double date : drawDates)
        days.insert(dayOf(date));
    if (days.empty())
        return {};
    const auto recent = days.lower_bound(recentSpan(days).first);
    if (*days.rbegin() - *recent + 1 < ShortHistoryDays ||
        std::distance(recent, days.end()) < static_cast<std::ptrdiff_t>(ShortHistoryDraws))
        return {};
    DrawDays learned;
    learned.bits = 0;
    for (auto it = recent; it != days.end(); ++it)
        learned.bits |= 1U << weekdayOf(static_cast<double>(*it));
    return learned;
}

std::string drawDaysText(const DrawDays& days)
{
    std::string text;
    for (int d = 0; d < 7; ++d)
        if (days.has(d))
            text += (text.empty() ? "" : " ") + std::string(DayNames[static_cast<std::size_t>(d)]);
    return text;
}

std::optional<DrawDays> drawDaysFromText(const std::string& text)
{
    std::string words = text;
    std::replace(words.begin(), words.end(), ',', ' ');
    std::istringstream in(words);
    DrawDays days;
    days.bits = 0;
    for (std::string word; in >> word;) {
        const std::string w = boost::algorithm::to_lower_copy(word);
        int found = -1;
        for (int d = 0; d < 7; ++d)
            if (w == boost::algorithm::to_lower_copy(std::string(DayNames[static_cast<std::size_t>(d)])) ||
                w == FullNames[static_cast<std::size_t>(d)])
                found = d;
        if (found < 0)
            return std::nullopt;
        days.bits |= 1U << found;
    }
    if (days.bits == 0)
        return std::nullopt;
    return days;
}

double nextDrawDay(double date, const DrawDays& days)
{
    const long long from = dayOf(date);
    for (long long d = from + 1; d <= from + 7; ++d)
        if (days.has(weekdayOf(static_cast<double>(d))))
            return static_cast<double>(d);
    return static_cast<double>(from + 1); // no draw day at all: the day after
}

std::vector<double> missingDrawDays(const std::vector<double>& drawDates, const DrawDays& days)
{
    std::set<long long> drawn;
    for (double date : drawDates)
        drawn.insert(dayOf(date));
    std::vector<double> missing;
    if (drawn.empty())
        return missing;
    const auto [first, last] = recentSpan(drawn);
    for (long long d = first; d <= last; ++d)
        if (days.has(weekdayOf(static_cast<double>(d))) && drawn.count(d) == 0)
            missing.push_back(static_cast<double>(d));
    return missing;
}

} // namespace quor3
