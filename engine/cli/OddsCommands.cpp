// The calendar of history PATH --json / --days and the odds after prizes PATH.

#include "engine/cli/CommandLine.h"

#include "engine/DataFiles.h"
#include "engine/DatabaseLock.h"
#include "engine/Dates.h"
#include "engine/DrawDaysSetting.h"
#include "engine/Errors.h"
#include "engine/History.h"
#include "engine/JsonText.h"
#include "engine/Odds.h"
#include "engine/Rebuild.h"
#include "engine/ResultsSource.h"
#include "engine/Text.h"

#include <algorithm>
#include <ctime>
#include <iostream>

namespace quor3::cli
{

namespace
{

std::string jsonSpan(const std::vector<double>& dates)
{
    std::string json = "{\"draws\": " + std::to_string(dates.size()) + ", \"first\": ";
    if (dates.empty())
        return json + "null, \"last\": null}";
    const auto [first, last] = std::minmax_element(dates.begin(), dates.end());
    return json + jsonString(isoDate(*first)) + ", \"last\": " + jsonString(isoDate(*last)) + "}";
}

std::string padded(const std::string& text, std::size_t width)
{
    // Columns by characters, not bytes: the Spanish texts have accents.
    std::size_t shown = 0;
    for (unsigned char c : text)
        shown += (c & 0xC0) != 0x80 ? 1 : 0;
    return text + std::string(shown < width ? width - shown : 1, ' ');
}

} // namespace

// history PATH --json, history PATH --days DAYS [--json] (DAYS: weekday names,
// or "learned" to learn them from the draws again).
int runHistoryCalendar(const Args& args)
{
    if (args.size() < 3)
        return -1;
    bool json = false;
    std::optional<std::string> daysText;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--json")
            json = true;
        else if (args[i] == "--days" && i + 1 < args.size() && !daysText)
            daysText = args[++i];
        else
            return -1;
    }
    const fs::path database = locate(args[1]).database();
    const std::string name = database.filename().string();
    const fs::path settings = settingsFilePath();
    if (daysText) {
        std::optional<DrawDays> days;
        if (*daysText != "learned") {
            days = drawDaysFromText(*daysText);
            if (!days)
                throw Error(Error::Kind::Conversion,
                            fill(translate("quor3::CommandLine",
                                           "'%1' is not a list of weekdays (such as \"Mon Tue Wed Thu Fri Sat\") "
                                           "or \"learned\""),
                                 {*daysText}));
        }
        chooseDrawDays(settings, name, days);
    }
    std::vector<double> working, full;
    {
        const DatabaseLock lock(database.parent_path(), name, DatabaseLock::Shared);
        for (const DrawRecord& draw : readDraws(database))
            working.push_back(draw.DrawDate);
    }
    for (const DrawRecord& draw : readHistory(database))
        full.push_back(draw.DrawDate);
    const DrawDays days = drawDaysOf(settings, name, full);
    const std::vector<double> missing = missingDrawDays(full, days);
    if (json) {
        std::string list;
        for (double day : missing)
            list += (list.empty() ? "" : ", ") + jsonString(isoDate(day));
        std::cout << "{\"working\": " << jsonSpan(working) << ", \"full\": " << jsonSpan(full)
                  << ", \"days\": " << jsonString(drawDaysText(days)) << ", \"missing\": [" << list << "]}\n";
        return 0;
    }
    std::cout << fill(translate("quor3::CommandLine", "Draw days: %1"), {drawDaysText(days)}) << '\n'
              << fill(missing.size() == 1 ? translate("quor3::CommandLine", "%1 draw day missing in the last year")
                                          : translate("quor3::CommandLine", "%1 draw days missing in the last year"),
                      {std::to_string(missing.size())})
              << '\n';
    return 0;
}

// Each bet's published odds, chance of a win and payback, alone and with the
// add-on, by the table in force today.
void printPrizeOdds(const fs::path& database)
{
    const double now = todayDayNumber();
    const PrizeTable prizes = prizeTableOn(readPrizeTables(database), now);
    const AddonTable addon = defaultAddonTable();
    std::cout << fill(translate("quor3::CommandLine",
                                "Odds per draw and what a play pays back per $1, by the prizes in force on %1:"),
                      {monthDayYear(now)})
              << '\n'
              << translate("quor3::CommandLine",
                           "(published: winning numbers per draw, as states count them; any win: the chance "
                           "of at least one win in a draw)")
              << '\n'
              << "  " << padded(translate("quor3::CommandLine", "Bet"), 30)
              << padded(translate("quor3::CommandLine", "Published"), 13)
              << padded(translate("quor3::CommandLine", "Any win"), 13) << translate("quor3::CommandLine", "Pays back")
              << '\n';
    const auto line = [](const std::string& what, const std::string& published, const PlayOdds& odds) {
        std::cout << "  " << padded(what, 30) << padded(published, 13) << padded(oneInText(odds.chanceOfWin), 13)
                  << paybackText(odds.payback) << '\n';
    };
    for (const BetOdds& bet : oddsOfEveryBet(prizes, addon)) {
        line(betVariantName(bet.type, bet.number), oneInText(bet.base.winsPerDraw), bet.base);
        line("  " + translate("quor3::CommandLine", "add-on"), oneInText(bet.addon.winsPerDraw), bet.addon);
        line("  " + translate("quor3::CommandLine", "with the add-on"), "", bet.withAddon);
    }
}

} // namespace quor3::cli
