// chance, wheel and tickets PATH horizon: what chance gives beside the draws
// and the plays.

#include "engine/cli/CommandLine.h"

#include "engine/Chance.h"
#include "engine/DatabaseLock.h"
#include "engine/Dates.h"
#include "engine/Errors.h"
#include "engine/History.h"
#include "engine/Text.h"
#include "engine/Tickets.h"
#include "engine/Wheel.h"

#include <cstdio>
#include <ctime>
#include <iostream>

namespace quor3::cli
{

namespace
{

std::string tx(const char* text)
{
    return translate("quor3::CommandLine", text);
}

const char* const usage = QT_TRANSLATE_NOOP(
    "quor3::CommandLine", "  quor3-engine chance PATH [--all] [--json]\n"
                          "      For every pattern the windows show (position counts, hot and cold\n"
                          "      digits, pairs, odd/even, sums, singles/doubles/triples, repeats, skips,\n"
                          "      the suggested lists' hits): what the draws show, what chance gives, the\n"
                          "      range chance gives 95 times in 100, and how many rows chance alone puts\n"
                          "      outside it. With --all: over the full history.\n"
                          "  quor3-engine wheel --digits DIGITS --type fullbox|box|keybox|straight|fullstraight\n"
                          "        [--key D] [--stake S] [--bet straight|box] [--draws N] [--json]\n"
                          "        [--database PATH] [--sum A-B] [--root-sum A-B] [--spread A-B] [--odd A-B]\n"
                          "        [--high A-B] [--no-singles] [--no-doubles] [--no-triples]\n"
                          "        [--include DIGITS] [--exclude DIGITS] [--repeat]\n"
                          "      The plays a wheel makes of the digits, filtered, with their cost per draw\n"
                          "      and over N draws (365 by default), the chance of any win per draw, what\n"
                          "      they pay back per dollar and the chance of ending the N draws ahead.\n"
                          "      Each filter shows its share of the 1,000 numbers beside its share of\n"
                          "      PATH's draws (--repeat: a digit of PATH's last draw).\n"
                          "  quor3-engine tickets PATH horizon [--draws N] [--json]\n"
                          "      The tickets of the last 30 days as a habit over N draws (a year of\n"
                          "      draws by default): spent, what chance returns on average, and the\n"
                          "      chance of ending ahead.\n");

std::vector<int> digitsOf(const std::string& text)
{
    std::vector<int> digits;
    for (char c : text) {
        if (c < '0' || c > '9')
            badValue(text, QT_TRANSLATE_NOOP("quor3::CommandLine", "a list of digits (like 12345)"));
        digits.push_back(c - '0');
    }
    return digits;
}

WheelRange rangeOf(const std::string& text)
{
    const auto dash = text.find('-');
    try {
        if (dash == std::string::npos) {
            const int value = toInt(text);
            return {value, value};
        }
        return {toInt(text.substr(0, dash)), toInt(text.substr(dash + 1))};
    } catch (const Error&) {
        badValue(text, QT_TRANSLATE_NOOP("quor3::CommandLine", "a range (like 10-17)"));
    }
}

std::string threeDecimals(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

std::string percent(double share)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f%%", share * 100.0);
    return text;
}

} // namespace

// chance PATH [--all] [--json]
int runChance(const Args& args)
{
    if (args.size() < 2)
        return -1;
    bool all = false, json = false;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--all")
            all = true;
        else if (args[i] == "--json")
            json = true;
        else
            return -1;
    }
    const fs::path database = locate(args[1]).database();
    std::vector<DrawRecord> draws;
    if (all) {
        draws = readHistory(database);
    } else {
        const DatabaseLock lock(database.parent_path(), database.filename().string(), DatabaseLock::Shared);
        draws = readDraws(database);
    }
    const ChanceReport report = chanceReport(draws);
    std::cout << (json ? chanceJson(report) + "\n" : chanceTable(report, database.filename().string()));
    return 0;
}

// wheel --digits DIGITS --type TYPE [options]
int runWheel(const Args& args)
{
    WheelRequest request;
    bool json = false, typed = false;
    std::vector<DrawRecord> history;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--json") {
            json = true;
        } else if (a == "--no-singles") {
            request.filters.singles = false;
        } else if (a == "--no-doubles") {
            request.filters.doubles = false;
        } else if (a == "--no-triples") {
            request.filters.triples = false;
        } else if (a == "--repeat") {
            request.filters.repeatFromLast = true;
        } else if (!hasValue) {
            return -1;
        } else if (a == "--digits") {
            request.digits = digitsOf(args[++i]);
        } else if (a == "--type") {
            const auto type = wheelTypeFromWord(args[++i]);
            if (!type)
                badValue(args[i], QT_TRANSLATE_NOOP("quor3::CommandLine",
                                                    "a wheel (fullbox, box, keybox, straight, fullstraight)"));
            request.type = *type;
            typed = true;
        } else if (a == "--key") {
            const std::vector<int> key = digitsOf(args[++i]);
            if (key.size() != 1)
                badValue(args[i], QT_TRANSLATE_NOOP("quor3::CommandLine", "a digit from 0 to 9"));
            request.key = key[0];
        } else if (a == "--stake") {
            const auto stake = moneyFromText(args[++i]);
            if (!stake)
                badValue(args[i],
                         QT_TRANSLATE_NOOP("quor3::CommandLine", "an amount of money (like 1, 0.50 or 167.00)"));
            request.stake = *stake;
        } else if (a == "--bet") {
            const auto bet = betTypeFromWord(args[++i]);
            if (!bet || (*bet != BetType::Straight && *bet != BetType::Box))
                badValue(args[i], QT_TRANSLATE_NOOP("quor3::CommandLine", "straight or box"));
            request.bet = bet;
        } else if (a == "--draws") {
            request.draws = toInt(args[++i]);
        } else if (a == "--database") {
            history = readHistory(locate(args[++i]).database());
        } else if (a == "--sum") {
            request.filters.sum = rangeOf(args[++i]);
        } else if (a == "--root-sum") {
            request.filters.rootSum = rangeOf(args[++i]);
        } else if (a == "--spread") {
            request.filters.spread = rangeOf(args[++i]);
        } else if (a == "--odd") {
            request.filters.odd = rangeOf(args[++i]);
        } else if (a == "--high") {
            request.filters.high = rangeOf(args[++i]);
        } else if (a == "--include") {
            request.filters.include = digitsOf(args[++i]);
        } else if (a == "--exclude") {
            request.filters.exclude = digitsOf(args[++i]);
        } else {
            return -1;
        }
    }
    if (!typed)
        return -1;
    const PrizeTable table = defaultPrizeTable();
    const WheelResult r = buildWheel(request, history, table);
    if (json) {
        std::cout << wheelJson(r) << '\n';
        return 0;
    }
    std::string numbers;
    for (const TicketPlay& play : r.plays)
        numbers += (numbers.empty() ? "" : " ") + numberText(play.number) + (play.type == BetType::Straight ? "s" : "");
    std::cout << fill(translate("quor3::CommandLine", "%1 plays: %2"), {std::to_string(r.plays.size()), numbers})
              << '\n'
              << fill(translate("quor3::CommandLine", "Cost %1 a draw, %2 over %3 draws."),
                      {moneyText(r.costPerDraw), moneyText(r.cost), std::to_string(r.draws)})
              << '\n'
              << fill(translate(
                          "quor3::CommandLine",
                          "Chance of any win in a draw: %1. Paid back on average: %2 per dollar, whatever the wheel."),
                      {chancePercentText(r.chanceAnyWin), threeDecimals(r.payback)})
              << '\n'
              << fill(translate("quor3::CommandLine", "Chance of ending the %1 draws ahead: %2."),
                      {std::to_string(r.draws), chancePercentText(r.chanceAhead)})
              << '\n';
    for (const FilterShare& f : r.filters)
        std::cout << fill(translate("quor3::CommandLine", "Filter %1: %2 of the 1,000 numbers, %3 of the draws."),
                          {f.title, percent(f.chance), percent(f.history)})
                  << '\n';
    return 0;
}

// tickets PATH horizon [--draws N] [--json]
int runTicketsHorizon(const Args& args)
{
    std::optional<long long> draws;
    bool json = false;
    for (std::size_t i = 3; i < args.size(); ++i) {
        if (args[i] == "--json")
            json = true;
        else if (args[i] == "--draws" && i + 1 < args.size())
            draws = toInt(args[++i]);
        else
            return -1;
    }
    const fs::path database = locate(args[1]).database();
    const int perDay = drawsPerDay(readHistory(database));
    const long long n = draws.value_or(365LL * perDay);
    if (n < 1)
        badValue(args.back(), QT_TRANSLATE_NOOP("quor3::CommandLine", "a number of draws from 1 on"));
    const Horizon h = playerHorizon(listTickets(database), readPrizeTables(database), todayDayNumber(), perDay, n);
    if (json) {
        std::cout << horizonJson(h) << '\n';
        return 0;
    }
    if (h.recentTickets == 0) {
        std::cout << translate("quor3::CommandLine", "No tickets in the last 30 days.") << '\n';
        return 0;
    }
    std::cout << fill(
                     translate("quor3::CommandLine",
                               "The tickets of the last 30 days, played the same way for %1 draws: spent %2, paid back "
                               "%3 on average; chance of ending ahead %4."),
                     {std::to_string(h.draws), moneyText(h.cost), moneyText(h.expectedBack),
                      chancePercentText(h.chanceAhead)})
              << '\n';
    return 0;
}

std::string chanceUsage()
{
    return tx(usage);
}

} // namespace quor3::cli
