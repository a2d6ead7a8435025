#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quor3
{

// A draw's calendar: the weekdays it is drawn on. Dates are day numbers
// (engine/Dates.h); a fraction of a day is ignored.

// 0 for Monday to 6 for Sunday.
int weekdayOf(double dayNumber);

// The weekdays a draw is held on, Monday to Sunday.
struct DrawDays {
    unsigned bits = 0x7F; // bit 0 Monday ... bit 6 Sunday; every day by default
    bool has(int weekday) const { return (bits >> weekday & 1U) != 0; }
    bool operator==(const DrawDays& o) const { return bits == o.bits; }
    bool operator!=(const DrawDays& o) const { return bits != o.bits; }
};

// The draw days are learned from the draws of the last LearningDays days,
// ending on the newest draw: the weekdays drawn on at least once. Draws there
// spanning fewer than ShortHistoryDays days (five weeks: every weekday five
// times), or fewer than ShortHistoryDraws of them (two a week), are too few to
// tell a day without draws from a gap: the draw counts as held every day. The
// missing draws are looked for in the same span.
constexpr int LearningDays = 365;
constexpr int ShortHistoryDays = 35;
constexpr int ShortHistoryDraws = 10;

DrawDays learnDrawDays(const std::vector<double>& drawDates);

// "Mon Tue Wed Thu Fri Sat": the days in the week's order, in English (it is
// stored and printed for scripts).
std::string drawDaysText(const DrawDays& days);
// Weekday names or their first three letters, in any case and order,
// separated by blanks or commas ("mon,tue", "Monday Saturday"); none for
// anything else or for no day at all.
std::optional<DrawDays> drawDaysFromText(const std::string& text);

// The first draw day after `date`.
double nextDrawDay(double date, const DrawDays& days);

// The draw days without a draw in the last LearningDays days ending on the
// newest draw (and not before the oldest), oldest first. None for no draws.
std::vector<double> missingDrawDays(const std::vector<double>& drawDates, const DrawDays& days);

} // namespace quor3
