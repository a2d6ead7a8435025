#pragma once

// The full history's draws as the engine's history code handles them: days in
// date order, each with its draws in their order of the day. Internal to the
// history's files (History*.cpp).

#include "engine/DrawRecord.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quor3::history
{

using Digits = std::array<std::int32_t, 3>;

// The draws of one day, in their order of the day.
struct DayView {
    const Digits* first = nullptr;
    const Digits* last = nullptr;
    const Digits* begin() const { return first; }
    const Digits* end() const { return last; }
    std::size_t size() const { return static_cast<std::size_t>(last - first); }
};

// Days in date order, each with its draws in their order of the day, all in
// one flat array: an import brings tens of thousands of days, and a node and
// a vector for each cost as much as SQLite's own work on them. A day may hold
// no draw (a day to be emptied).
class Days
{
  public:
    std::size_t size() const { return dates_.size(); }
    bool empty() const { return dates_.empty(); }
    double date(std::size_t i) const { return dates_[i]; }
    const std::vector<double>& dates() const { return dates_; }
    DayView day(std::size_t i) const { return {draws_.data() + (i == 0 ? 0 : ends_[i - 1]), draws_.data() + ends_[i]}; }
    void reserve(std::size_t days, std::size_t draws)
    {
        dates_.reserve(days);
        ends_.reserve(days);
        draws_.reserve(draws);
    }
    // Appends a day later than every day held.
    void add(double date, DayView draws)
    {
        draws_.insert(draws_.end(), draws.begin(), draws.end());
        dates_.push_back(date);
        ends_.push_back(draws_.size());
    }
    // Appends a draw to the last day when it is of that date, else as a new day.
    void addDraw(double date, const Digits& d)
    {
        if (dates_.empty() || dates_.back() != date) {
            dates_.push_back(date);
            ends_.push_back(draws_.size());
        }
        draws_.push_back(d);
        ++ends_.back();
    }
    // Adds to the last day the draws of `given` that it lacks: a draw the day
    // already holds as often is the same draw, not a new one.
    bool mergeIntoLast(DayView given)
    {
        const std::size_t from = dates_.size() < 2 ? 0 : ends_[dates_.size() - 2];
        bool changed = false;
        for (const Digits* d = given.begin(); d != given.end(); ++d) {
            // A day holds a few draws: counting in place beats any map.
            const auto wanted = std::count(given.begin(), d + 1, *d);
            if (std::count(draws_.begin() + static_cast<std::ptrdiff_t>(from), draws_.end(), *d) < wanted) {
                draws_.push_back(*d);
                ++ends_.back();
                changed = true;
            }
        }
        return changed;
    }
    void removeLast()
    {
        dates_.pop_back();
        ends_.pop_back();
        draws_.resize(ends_.empty() ? 0 : ends_.back());
    }
    // The index of the first day not before `date`.
    std::size_t lowerBound(double date) const
    {
        return static_cast<std::size_t>(std::lower_bound(dates_.begin(), dates_.end(), date) - dates_.begin());
    }

  private:
    std::vector<double> dates_;
    std::vector<std::size_t> ends_; // day i ends before draws_[ends_[i]]
    std::vector<Digits> draws_;
};

inline Digits digitsOf(const DrawRecord& r)
{
    return {r.Digit1, r.Digit2, r.Digit3};
}

inline DrawRecord recordOf(double date, const Digits& d)
{
    DrawRecord r;
    r.DrawDate = date;
    r.Digit1 = d[0];
    r.Digit2 = d[1];
    r.Digit3 = d[2];
    return r;
}

inline bool byDate(const DrawRecord& a, const DrawRecord& b)
{
    return a.DrawDate < b.DrawDate;
}

inline Days groupByDate(const std::vector<DrawRecord>& draws)
{
    Days days;
    days.reserve(draws.size(), draws.size());
    auto group = [&days](const std::vector<DrawRecord>& ordered) {
        for (const DrawRecord& r : ordered)
            days.addDraw(r.DrawDate, digitsOf(r));
    };
    // Files keep date order as a rule; a stable sort keeps each day's order otherwise.
    if (std::is_sorted(draws.begin(), draws.end(), byDate)) {
        group(draws);
    } else {
        std::vector<DrawRecord> sorted = draws;
        std::stable_sort(sorted.begin(), sorted.end(), byDate);
        group(sorted);
    }
    return days;
}

// Both lists' days in one, in one ordered pass. A day in both holds the
// second's draws when `secondWins`, else the first's and those of the second
// that it lacks.
inline Days combineDays(const Days& a, const Days& b, bool secondWins)
{
    Days combined;
    combined.reserve(a.size() + b.size(), 0);
    std::size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        if (j == b.size() || (i < a.size() && a.date(i) < b.date(j))) {
            combined.add(a.date(i), a.day(i));
            ++i;
        } else if (i == a.size() || b.date(j) < a.date(i)) {
            combined.add(b.date(j), b.day(j));
            ++j;
        } else {
            combined.add(a.date(i), secondWins ? b.day(j) : a.day(i));
            if (!secondWins)
                combined.mergeIntoLast(b.day(j));
            ++i, ++j;
        }
    }
    return combined;
}

// The days as bytes, for keeping them in the history (a change's days before
// and after): each day its date, its count and its draws' digits.
std::string encodeDays(const Days& days);
Days decodeDays(const std::string& bytes);

// "1 2 3, 4 5 6": a day's draws as the log shows them; "none" for no draw.
std::string dayText(DayView day);

// The day of `date` in `days`; empty when it holds none.
inline DayView dayOf(const Days& days, double date)
{
    const std::size_t at = days.lowerBound(date);
    return at < days.size() && days.date(at) == date ? days.day(at) : DayView{};
}

inline bool sameDay(DayView a, DayView b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

} // namespace quor3::history
