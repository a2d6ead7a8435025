#include "engine/Wheel.h"

#include "engine/Errors.h"
#include "engine/JsonText.h"
#include "engine/Text.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numeric>
#include <sstream>
#include <tuple>

namespace quor3
{

namespace
{

std::string tx(const char* text)
{
    return translate("quor3::Wheel", text);
}

bool holds(const TicketNumber& n, int digit)
{
    return n[0] == digit || n[1] == digit || n[2] == digit;
}

int distinctDigits(const TicketNumber& n)
{
    return n[0] == n[1] && n[1] == n[2] ? 1 : (n[0] == n[1] || n[0] == n[2] || n[1] == n[2] ? 2 : 3);
}

bool within(const std::optional<WheelRange>& range, int value)
{
    return !range || (value >= range->low && value <= range->high);
}

int sumOf(const TicketNumber& n)
{
    return n[0] + n[1] + n[2];
}

int oddOf(const TicketNumber& n)
{
    return (n[0] % 2) + (n[1] % 2) + (n[2] % 2);
}

int highOf(const TicketNumber& n)
{
    return (n[0] >= 5) + (n[1] >= 5) + (n[2] >= 5);
}

int spreadOf(const TicketNumber& n)
{
    return *std::max_element(n.begin(), n.end()) - *std::min_element(n.begin(), n.end());
}

std::string digitList(const std::vector<int>& digits)
{
    std::string text;
    for (int d : digits)
        text += (text.empty() ? "" : ", ") + std::to_string(d);
    return text;
}

std::string rangeText(const WheelRange& r)
{
    return r.low == r.high ? std::to_string(r.low) : std::to_string(r.low) + "-" + std::to_string(r.high);
}

// The filters one at a time, each as a test of a number (with the draw before it).
struct OneFilter {
    std::string name;  // in English, for scripts
    std::string title; // in the user's language
    bool needsBefore;  // tells nothing of a draw without one before it
    std::function<bool(const TicketNumber&, const std::optional<TicketNumber>&)> passes;
};

std::vector<OneFilter> activeFilters(const WheelFilters& f)
{
    std::vector<OneFilter> list;
    const auto ranged = [&list](const std::optional<WheelRange>& range, const char* word,
                                int (*of)(const TicketNumber&)) {
        if (range)
            list.push_back({fill(word, {rangeText(*range)}), fill(tx(word), {rangeText(*range)}), false,
                            [range, of](const TicketNumber& n, const std::optional<TicketNumber>&) {
                                return within(range, of(n));
                            }});
    };
    ranged(f.sum, QT_TRANSLATE_NOOP("quor3::Wheel", "sum %1"), sumOf);
    ranged(f.rootSum, QT_TRANSLATE_NOOP("quor3::Wheel", "root sum %1"), rootSum);
    ranged(f.spread, QT_TRANSLATE_NOOP("quor3::Wheel", "spread %1"), spreadOf);
    ranged(f.odd, QT_TRANSLATE_NOOP("quor3::Wheel", "odd digits %1"), oddOf);
    ranged(f.high, QT_TRANSLATE_NOOP("quor3::Wheel", "high digits %1"), highOf);
    const std::array<std::pair<bool, const char*>, 3> kinds = {
        std::pair{f.singles, QT_TRANSLATE_NOOP("quor3::Wheel", "no singles")},
        std::pair{f.doubles, QT_TRANSLATE_NOOP("quor3::Wheel", "no doubles")},
        std::pair{f.triples, QT_TRANSLATE_NOOP("quor3::Wheel", "no triples")}};
    for (int k = 0; k < 3; ++k)
        if (!kinds[static_cast<std::size_t>(k)].first)
            list.push_back({kinds[static_cast<std::size_t>(k)].second, tx(kinds[static_cast<std::size_t>(k)].second),
                            false, [k](const TicketNumber& n, const std::optional<TicketNumber>&) {
                                return distinctDigits(n) != 3 - k;
                            }});
    if (!f.include.empty())
        list.push_back({fill("holds %1", {digitList(f.include)}),
                        fill(tx(QT_TRANSLATE_NOOP("quor3::Wheel", "holds %1")), {digitList(f.include)}), false,
                        [digits = f.include](const TicketNumber& n, const std::optional<TicketNumber>&) {
                            return std::all_of(digits.begin(), digits.end(), [&n](int d) { return holds(n, d); });
                        }});
    if (!f.exclude.empty())
        list.push_back({fill("holds none of %1", {digitList(f.exclude)}),
                        fill(tx(QT_TRANSLATE_NOOP("quor3::Wheel", "holds none of %1")), {digitList(f.exclude)}), false,
                        [digits = f.exclude](const TicketNumber& n, const std::optional<TicketNumber>&) {
                            return std::none_of(digits.begin(), digits.end(), [&n](int d) { return holds(n, d); });
                        }});
    if (f.repeatFromLast)
        list.push_back({"a digit of the last draw", tx(QT_TRANSLATE_NOOP("quor3::Wheel", "a digit of the last draw")),
                        true, [](const TicketNumber& n, const std::optional<TicketNumber>& before) {
                            return before &&
                                   (holds(n, (*before)[0]) || holds(n, (*before)[1]) || holds(n, (*before)[2]));
                        }});
    return list;
}

TicketNumber numberAt(int index)
{
    return {index / 100, index / 10 % 10, index % 10};
}

std::string dollars(double cents)
{
    return jsonNumber(std::round(cents) / 100.0);
}

} // namespace

// ---------------------------------------------------------------- money over many draws

PrizeDistribution drawPrizes(const std::vector<TicketPlay>& plays, const PrizeTable& table)
{
    std::map<Cents, int> ways;
    for (int i = 0; i < 1000; ++i) {
        const TicketNumber drawn = numberAt(i);
        Cents prize = 0;
        for (const TicketPlay& play : plays)
            prize += playPrize(play, drawn, table);
        ++ways[prize];
    }
    PrizeDistribution distribution;
    for (const auto& [prize, count] : ways)
        distribution.emplace_back(prize, count / 1000.0);
    return distribution;
}

double chanceAhead(const std::vector<std::pair<PrizeDistribution, long long>>& draws, Cents spent)
{
    if (spent < 0)
        return 1.0;
    // Prizes counted in their greatest common divisor keep the table short.
    Cents unit = 0;
    for (const auto& [distribution, times] : draws)
        if (times > 0)
            for (const auto& [prize, chance] : distribution)
                if (prize > 0 && chance > 0)
                    unit = std::gcd(unit, prize);
    if (unit == 0)
        return 0.0;
    // Ahead once the total reaches `cap` units; such totals stay ahead, so one slot holds them all.
    const std::size_t cap = static_cast<std::size_t>(spent / unit) + 1;
    std::vector<double> total(cap + 1, 0.0), next(cap + 1);
    total[0] = 1.0;
    std::size_t reached = 0; // the largest total below the cap with any chance
    for (const auto& [distribution, times] : draws) {
        std::vector<std::pair<std::size_t, double>> steps;
        for (const auto& [prize, chance] : distribution)
            if (chance > 0)
                steps.emplace_back(static_cast<std::size_t>(std::min<Cents>(prize / unit, static_cast<Cents>(cap))),
                                   chance);
        const std::size_t largestStep = steps.empty() ? 0 : steps.back().first;
        for (long long t = 0; t < times; ++t) {
            std::fill(next.begin(), next.end(), 0.0);
            for (std::size_t i = 0; i <= reached; ++i) {
                const double p = total[i];
                if (p == 0.0)
                    continue;
                for (const auto& [step, chance] : steps)
                    next[std::min(i + step, cap)] += p * chance;
            }
            next[cap] += total[cap];
            reached = std::min(reached + largestStep, cap - 1);
            std::swap(total, next);
        }
    }
    return std::min(1.0, total[cap]);
}

// ---------------------------------------------------------------- wheels

std::string wheelTypeWord(WheelType type)
{
    switch (type) {
    case WheelType::FullBox: return "fullbox";
    case WheelType::Box: return "box";
    case WheelType::KeyBox: return "keybox";
    case WheelType::Straight: return "straight";
    case WheelType::FullStraight: return "fullstraight";
    }
    return "fullbox";
}

std::optional<WheelType> wheelTypeFromWord(const std::string& word)
{
    for (WheelType type :
         {WheelType::FullBox, WheelType::Box, WheelType::KeyBox, WheelType::Straight, WheelType::FullStraight})
        if (wheelTypeWord(type) == word)
            return type;
    return std::nullopt;
}

std::string wheelTypeName(WheelType type)
{
    switch (type) {
    case WheelType::FullBox: return translate("quor3::Wheel", "Full box");
    case WheelType::Box: return translate("quor3::Wheel", "Box");
    case WheelType::KeyBox: return translate("quor3::Wheel", "Key box");
    case WheelType::Straight: return translate("quor3::Wheel", "Straight");
    case WheelType::FullStraight: return translate("quor3::Wheel", "Full straight");
    }
    return std::string();
}

int rootSum(const TicketNumber& number)
{
    const int sum = sumOf(number);
    return sum == 0 ? 0 : 1 + (sum - 1) % 9;
}

bool passesFilters(const WheelFilters& filters, const TicketNumber& number, const std::optional<TicketNumber>& lastDraw)
{
    for (const OneFilter& filter : activeFilters(filters))
        if (!filter.passes(number, lastDraw))
            return false;
    return true;
}

std::string wheelProblem(const WheelRequest& request)
{
    if (request.digits.empty() && !request.key)
        return translate("quor3::Wheel", "Choose the digits to wheel.");
    const auto isDigit = [](int d) { return d >= 0 && d <= 9; };
    if (!std::all_of(request.digits.begin(), request.digits.end(), isDigit) || (request.key && !isDigit(*request.key)))
        return translate("quor3::Wheel", "Each digit of a wheel is 0 to 9.");
    if (request.type == WheelType::KeyBox && !request.key)
        return translate("quor3::Wheel", "A key box wheel needs a key digit.");
    if (request.bet && *request.bet != BetType::Straight && *request.bet != BetType::Box)
        return translate("quor3::Wheel", "A wheel is played straight or box.");
    if (request.draws < 1 || request.draws > 100000)
        return translate("quor3::Wheel", "Play a wheel on 1 to 100,000 draws.");
    TicketPlay sample;
    sample.number = {1, 2, 3};
    sample.stake = request.stake;
    sample.firstDraw = 1;
    return ticketProblem(sample);
}

WheelResult buildWheel(const WheelRequest& request, const std::vector<DrawRecord>& history, const PrizeTable& table)
{
    if (const std::string problem = wheelProblem(request); !problem.empty())
        throw Error(Error::Kind::Conversion, problem);
    std::vector<TicketNumber> drawn;
    for (const DrawRecord& r : history)
        if (r.Digit1 >= 0 && r.Digit1 <= 9 && r.Digit2 >= 0 && r.Digit2 <= 9 && r.Digit3 >= 0 && r.Digit3 <= 9)
            drawn.push_back({r.Digit1, r.Digit2, r.Digit3});
    const std::optional<TicketNumber> last = drawn.empty() ? std::nullopt : std::optional(drawn.back());

    std::vector<int> digits = request.digits;
    if (request.key)
        digits.push_back(*request.key);
    std::sort(digits.begin(), digits.end());
    digits.erase(std::unique(digits.begin(), digits.end()), digits.end());
    const bool boxWheel =
        request.type == WheelType::FullBox || request.type == WheelType::Box || request.type == WheelType::KeyBox;
    const BetType bet = request.bet.value_or(boxWheel ? BetType::Box : BetType::Straight);

    WheelResult result;
    result.draws = request.draws;
    for (int a : digits)
        for (int b : digits)
            for (int c : digits) {
                const TicketNumber n{a, b, c};
                const bool different = a != b && b != c && a != c;
                const bool ascending = a <= b && b <= c;
                bool made = false;
                switch (request.type) {
                case WheelType::FullBox:
                case WheelType::KeyBox: made = ascending; break;
                case WheelType::Box: made = ascending && different; break;
                case WheelType::Straight: made = different; break;
                case WheelType::FullStraight: made = true; break;
                }
                if (!made || (request.key && !holds(n, *request.key)) || !passesFilters(request.filters, n, last))
                    continue;
                TicketPlay play;
                play.number = n;
                // No box is sold on a triple: it is played straight.
                play.type = bet == BetType::Box && distinctDigits(n) == 1 ? BetType::Straight : bet;
                play.stake = request.stake;
                result.plays.push_back(play);
            }

    for (const TicketPlay& play : result.plays) {
        result.costPerDraw += costPerDraw(play);
        result.expectedBackPerDraw += static_cast<double>(expectedPrizeMilliCents(play, table)) / 1000.0;
    }
    result.cost = result.costPerDraw * request.draws;
    result.payback = result.costPerDraw > 0 ? result.expectedBackPerDraw / static_cast<double>(result.costPerDraw) : 0;
    const PrizeDistribution prizes = drawPrizes(result.plays, table);
    for (const auto& [prize, chance] : prizes)
        if (prize > 0)
            result.chanceAnyWin += chance;
    result.chanceAhead = result.plays.empty() ? 0.0 : chanceAhead({{prizes, request.draws}}, result.cost);

    for (const OneFilter& filter : activeFilters(request.filters)) {
        FilterShare share;
        share.name = filter.name;
        share.title = filter.title;
        int numbers = 0;
        for (int i = 0; i < 1000; ++i)
            numbers += filter.passes(numberAt(i), last);
        share.chance = numbers / 1000.0;
        long long passed = 0, counted = 0;
        for (std::size_t k = 0; k < drawn.size(); ++k) {
            const std::optional<TicketNumber> before = k > 0 ? std::optional(drawn[k - 1]) : std::nullopt;
            if (filter.needsBefore && !before)
                continue;
            ++counted;
            passed += filter.passes(drawn[k], before);
        }
        share.history = counted > 0 ? static_cast<double>(passed) / static_cast<double>(counted) : 0.0;
        result.filters.push_back(share);
    }
    return result;
}

std::string wheelJson(const WheelResult& r)
{
    std::ostringstream out;
    out << "{\"plays\": " << r.plays.size() << ", \"cost_per_draw\": " << dollars(static_cast<double>(r.costPerDraw))
        << ", \"draws\": " << r.draws << ", \"cost\": " << dollars(static_cast<double>(r.cost))
        << ", \"chance_any_win\": " << jsonNumber(r.chanceAnyWin) << ", \"payback\": " << jsonNumber(r.payback)
        << ", \"chance_ahead\": " << jsonNumber(r.chanceAhead) << ", \"numbers\": [";
    for (std::size_t i = 0; i < r.plays.size(); ++i)
        out << (i ? ", " : "") << jsonString(numberText(r.plays[i].number) + " " + betTypeWord(r.plays[i].type));
    out << "], \"filters\": [";
    for (std::size_t i = 0; i < r.filters.size(); ++i)
        out << (i ? ", " : "") << "{\"name\": " << jsonString(r.filters[i].name)
            << ", \"chance\": " << jsonNumber(r.filters[i].chance)
            << ", \"history\": " << jsonNumber(r.filters[i].history) << '}';
    out << "]}";
    return out.str();
}

// ---------------------------------------------------------------- the player's year

int drawsPerDay(const std::vector<DrawRecord>& history)
{
    if (history.empty())
        return 1;
    const double from = std::floor(history.back().DrawDate) - 59;
    std::map<long long, int> perDay;
    int most = 1;
    for (auto it = history.rbegin(); it != history.rend() && it->DrawDate >= from; ++it)
        most = std::max(most, ++perDay[static_cast<long long>(std::floor(it->DrawDate))]);
    return most;
}

Horizon playerHorizon(const std::vector<TicketRecord>& tickets, const std::vector<PrizeTable>& tables, double today,
                      int perDay, long long draws)
{
    Horizon horizon;
    horizon.draws = draws;
    const PrizeTable& table = prizeTableOn(tables, today);
    // The same play on several tickets is one play on more draws.
    std::map<std::tuple<TicketNumber, BetType, Cents>, long long> playedDraws;
    for (const TicketRecord& t : tickets)
        if (t.play.firstDraw >= std::floor(today) - HabitDays) {
            ++horizon.recentTickets;
            playedDraws[{t.play.number, t.play.type, t.play.stake}] += t.play.draws;
        }
    const double habitDraws = static_cast<double>(HabitDays) * std::max(perDay, 1);
    std::vector<std::pair<PrizeDistribution, long long>> parts;
    double expected = 0.0;
    for (const auto& [key, played] : playedDraws) {
        TicketPlay play;
        std::tie(play.number, play.type, play.stake) = key;
        const long long times = std::llround(static_cast<double>(played) * static_cast<double>(draws) / habitDraws);
        horizon.cost += times * costPerDraw(play);
        expected += static_cast<double>(times) * static_cast<double>(expectedPrizeMilliCents(play, table)) / 1000.0;
        parts.emplace_back(drawPrizes({play}, table), times);
    }
    horizon.expectedBack = std::llround(expected);
    horizon.chanceAhead = horizon.cost > 0 ? chanceAhead(parts, horizon.cost) : 0.0;
    return horizon;
}

std::string horizonJson(const Horizon& h)
{
    std::ostringstream out;
    out << "{\"draws\": " << h.draws << ", \"cost\": " << dollars(static_cast<double>(h.cost))
        << ", \"expected_back\": " << dollars(static_cast<double>(h.expectedBack))
        << ", \"chance_ahead\": " << jsonNumber(h.chanceAhead) << ", \"tickets\": " << h.recentTickets << '}';
    return out.str();
}

} // namespace quor3
