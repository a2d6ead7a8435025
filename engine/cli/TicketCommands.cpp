// tickets and prizes: the player's tickets, budget and prize tables.

#include "engine/Addon.h"
#include "engine/cli/CommandLine.h"

#include "engine/Errors.h"
#include "engine/JsonText.h"

#include <cstdio>
#include <ctime>
#include <iostream>
#include <optional>

namespace quor3::cli
{

namespace
{

void printTicketList(const std::vector<TicketRecord>& tickets, bool json)
{
    if (json) {
        std::cout << '[';
        for (std::size_t i = 0; i < tickets.size(); ++i) {
            const TicketRecord& t = tickets[i];
            std::cout << (i ? ", " : "") << "{\"id\": " << t.id
                      << ", \"first_draw\": " << jsonString(isoDate(t.play.firstDraw))
                      << ", \"draws\": " << t.play.draws << ", \"number\": " << jsonString(numberText(t.play.number))
                      << ", \"type\": " << jsonString(betTypeWord(t.play.type)) << ", \"stake_cents\": " << t.play.stake
                      << ", \"cost_cents\": " << t.cost << ", \"settled_draws\": " << t.settledDraws
                      << ", \"won_cents\": " << t.won << '}';
        }
        std::cout << "]\n";
        return;
    }
    if (tickets.empty()) {
        std::cout << translate("quor3::CommandLine", "No tickets.") << '\n';
        return;
    }
    std::cout << column(translate("quor3::CommandLine", "ID"), 4) << "  "
              << column(translate("quor3::CommandLine", "First draw"), -10) << "  "
              << column(translate("quor3::CommandLine", "Draws"), 5) << "  "
              << column(translate("quor3::CommandLine", "Number"), -6) << "  "
              << column(translate("quor3::CommandLine", "Type"), -18) << "  "
              << column(translate("quor3::CommandLine", "Stake"), 6) << "  "
              << column(translate("quor3::CommandLine", "Cost"), 9) << "  " << translate("quor3::CommandLine", "Result")
              << std::endl;
    for (const TicketRecord& t : tickets)
        std::printf("%4lld  %-10s  %5d  %-6s  %s  %6s  %9s  %s\n", t.id, monthDayYear(t.play.firstDraw).c_str(),
                    t.play.draws, numberText(t.play.number).c_str(),
                    column(betVariantName(t.play.type, t.play.number), -18).c_str(), moneyText(t.play.stake).c_str(),
                    moneyText(t.cost).c_str(), ticketResultText(t).c_str());
    std::fflush(stdout);
}

void printTicketSummary(const fs::path& database, bool json)
{
    const TicketSummary s = summarizeTickets(database);
    if (json) {
        std::cout << "{\"tickets\": " << s.tickets << ", \"cost_cents\": " << s.cost
                  << ", \"settled_cost_cents\": " << s.settledCost << ", \"won_cents\": " << s.won
                  << ", \"balance_cents\": " << s.balance << ", \"expected_back_cents\": " << s.expectedBack << "}\n";
        return;
    }
    std::cout << fill(s.tickets == 1 ? translate("quor3::CommandLine",
                                                 "%1 ticket, spent %2 (%3 on draws already drawn), won %4: %5.")
                                     : translate("quor3::CommandLine",
                                                 "%1 tickets, spent %2 (%3 on draws already drawn), won %4: %5."),
                      {std::to_string(s.tickets), moneyText(s.cost), moneyText(s.settledCost), moneyText(s.won),
                       balanceWords(s.balance)})
              << '\n'
              << averageReturnSentence(s) << '\n';
    if (const auto budget = monthlyBudget(database)) {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        const auto left = budgetLeft(database, local.tm_year + 1900, local.tm_mon + 1);
        std::cout << (left && *left < 0
                          ? fill(translate("quor3::CommandLine", "Monthly budget %1; overspent this month by %2."),
                                 {moneyText(*budget), moneyText(-*left)})
                          : fill(translate("quor3::CommandLine", "Monthly budget %1; left this month %2."),
                                 {moneyText(*budget), moneyText(left.value_or(0))}))
                  << '\n';
    }
    if (!s.months.empty())
        std::cout << column(translate("quor3::CommandLine", "Month"), -7) << "  "
                  << column(translate("quor3::CommandLine", "Spent"), 10) << "  "
                  << column(translate("quor3::CommandLine", "Won"), 10) << std::endl;
    for (const MonthMoney& m : s.months)
        std::printf("%04d-%02d  %10s  %10s\n", m.year, m.month, moneyText(m.spent).c_str(), moneyText(m.won).c_str());
    std::fflush(stdout);
}

// tickets PATH add DATE NUMBER TYPE STAKE [--draws N] [--addon]
int addTicketCommand(const Args& args, const fs::path& database)
{
    // --addon: played with the add-on digit too (last).
    const bool withAddon = args.back() == "--addon";
    const std::size_t addArgs = args.size() - (withAddon ? 1 : 0);
    if (!(addArgs == 7 || (addArgs == 9 && args[7] == "--draws")))
        return -1;
    TicketPlay play;
    play.addon = withAddon;
    play.firstDraw = ticketDate(args[3]);
    const auto number = numberFromText(args[4]);
    if (!number)
        badValue(args[4], QT_TRANSLATE_NOOP("quor3::CommandLine", "a number of three digits (like 056)"));
    play.number = *number;
    const auto type = betTypeFromWord(args[5]);
    if (!type)
        badValue(args[5], QT_TRANSLATE_NOOP("quor3::CommandLine",
                                            "a bet type (straight, box, straightbox, combo, frontpair, backpair)"));
    play.type = *type;
    play.stake = amount(args[6]);
    play.draws = addArgs == 9 ? toInt(args[8]) : 1;
    const bool pastBudget = ticketExceedsBudget(database, play);
    const long long id = addTicket(database, play);
    for (const TicketRecord& t : listTickets(database))
        if (t.id == id)
            std::cout << fill(play.draws == 1
                                  ? translate("quor3::CommandLine",
                                              "Added ticket %1: %2 %3, %4 a draw on %5 draw from %6, cost %7. %8.")
                                  : translate("quor3::CommandLine",
                                              "Added ticket %1: %2 %3, %4 a draw on %5 draws from %6, cost %7. %8."),
                              {std::to_string(id), numberText(play.number), betVariantName(play.type, play.number),
                               moneyText(play.stake), std::to_string(play.draws), monthDayYear(play.firstDraw),
                               moneyText(t.cost), ticketResultText(t)})
                      << '\n';
    if (pastBudget)
        std::cout << fill(translate("quor3::CommandLine",
                                    "It takes the spending of its month past the monthly budget of %1."),
                          {moneyText(monthlyBudget(database).value_or(0))})
                  << '\n';
    return 0;
}

} // namespace

// tickets PATH [list] [--json], tickets PATH summary|add|remove|export|budget
// ..., and tickets PATH horizon [--draws N] [--json].
int runTickets(const Args& args)
{
    if (args.size() < 2)
        return -1;
    if (args.size() >= 3 && args[2] == "horizon")
        return runTicketsHorizon(args);
    const Location where = locate(args[1]);
    const fs::path database = where.database();
    const std::string what = args.size() > 2 && args[2] != "--json" ? args[2] : "list";
    const bool json = args.back() == "--json";
    const std::size_t rest = args.size() - (json ? 1 : 0); // arguments before --json
    if (what == "list" && rest <= 3) {
        printTicketList(listTickets(database), json);
        return 0;
    }
    if (what == "summary" && rest == 3) {
        printTicketSummary(database, json);
        return 0;
    }
    if (what == "add")
        return addTicketCommand(args, database);
    if (what == "remove" && args.size() == 4) {
        removeTicket(database, toInt(args[3]));
        std::cout << fill(translate("quor3::CommandLine", "Removed ticket %1."), {std::to_string(toInt(args[3]))})
                  << '\n';
        return 0;
    }
    if (what == "export" && args.size() <= 4) {
        if (args.size() == 4) {
            exportTickets(database, args[3]);
            std::cout << fill(translate("quor3::CommandLine", "Exported the tickets to %1."), {args[3]}) << '\n';
        } else {
            std::cout << ticketsCsv(listTickets(database));
        }
        return 0;
    }
    if (what == "budget" && args.size() <= 4) {
        if (args.size() == 4)
            setMonthlyBudget(database, args[3] == "none" ? std::nullopt : std::optional<Cents>(amount(args[3])));
        const auto budget = monthlyBudget(database);
        std::cout << (budget ? fill(translate("quor3::CommandLine", "Monthly budget: %1."), {moneyText(*budget)})
                             : translate("quor3::CommandLine", "No monthly budget."))
                  << '\n';
        return 0;
    }
    return -1;
}

// prizes PATH [set DATE KEY AMOUNT | remove DATE], then the odds.
int runPrizes(const Args& args)
{
    if (args.size() < 2)
        return -1;
    const Location where = locate(args[1]);
    const fs::path database = where.database();
    const auto dateOf = [](const std::string& text) {
        return text == "earliest" ? earliestPrizeDate() : ticketDate(text);
    };
    if (args.size() == 6 && args[2] == "set" && addonKeyFromWord(args[4])) {
        const double from = dateOf(args[3]);
        AddonTable table = addonTableOn(readAddonTables(database), from);
        table.from = from;
        table.prize(*addonKeyFromWord(args[4])) = amount(args[5]);
        storeAddonTable(database, table);
    } else if (args.size() == 6 && args[2] == "set") {
        const double from = dateOf(args[3]);
        const auto key = prizeKeyFromWord(args[4]);
        if (!key)
            badValue(args[4], QT_TRANSLATE_NOOP("quor3::CommandLine",
                                                "a prize (straight, box3, box6, straightbox3exact, straightbox3any, "
                                                "straightbox6exact, straightbox6any, combo, frontpair, backpair)"));
        PrizeTable table = prizeTableOn(readPrizeTables(database), from);
        table.from = from;
        table.prize(*key) = amount(args[5]);
        storePrizeTable(database, table);
    } else if (args.size() == 4 && args[2] == "remove") {
        removePrizeTable(database, dateOf(args[3]));
    } else if (args.size() != 2) {
        return -1;
    }
    for (const PrizeTable& table : readPrizeTables(database)) {
        std::cout << fill(translate("quor3::CommandLine", "From %1, for a $1 play:"),
                          {table.from <= earliestPrizeDate() ? translate("quor3::CommandLine", "the earliest date")
                                                             : monthDayYear(table.from)})
                  << '\n';
        for (PrizeKey key : allPrizeKeys())
            std::cout << "  " << column(prizeKeyName(key), -36) << ' ' << column(moneyText(table.prize(key)), 12)
                      << '\n';
    }
    for (const AddonTable& table : readAddonTables(database)) {
        std::cout << fill(translate("quor3::CommandLine", "Add-on prizes from %1, for a $1 play:"),
                          {table.from <= earliestPrizeDate() ? translate("quor3::CommandLine", "the earliest date")
                                                             : monthDayYear(table.from)})
                  << '\n';
        for (AddonKey key : allAddonKeys())
            std::cout << "  " << column(addonKeyName(key), -36) << ' ' << column(moneyText(table.prize(key)), 12)
                      << '\n';
    }
    printPrizeOdds(database);
    return 0;
}

} // namespace quor3::cli
