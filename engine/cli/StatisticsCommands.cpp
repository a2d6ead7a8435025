// backtest, fairness and fetch.

#include "engine/cli/CommandLine.h"

#include "engine/Backtest.h"
#include "engine/DatabaseLock.h"
#include "engine/Errors.h"
#include "engine/Fairness.h"
#include "engine/History.h"
#include "engine/NewResults.h"
#include "engine/ResultsSource.h"

#include <boost/algorithm/string/predicate.hpp>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <optional>

namespace quor3::cli
{

namespace
{

// backtest PATH [--from K] [--seed S] [--json] [--all] and fairness PATH
// [--json] [--all]: they read the same draws.
int runStatistics(const Args& args)
{
    const std::string& command = args[0];
    if (args.size() < 2)
        return -1;
    long long from = 1;
    std::uint32_t seed = DefaultBacktestSeed;
    bool json = false;
    bool all = false;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--json") {
            json = true;
        } else if (args[i] == "--all") {
            all = true;
        } else if (command == "backtest" && (args[i] == "--from" || args[i] == "--seed") && i + 1 < args.size()) {
            const int value = toInt(args[i + 1]);
            if (value < (args[i] == "--from" ? 1 : 0))
                return -1;
            if (args[i] == "--from")
                from = value;
            else
                seed = static_cast<std::uint32_t>(value);
            ++i;
        } else {
            return -1;
        }
    }
    const Location where = locate(args[1]);
    std::vector<DrawRecord> draws;
    if (all) {
        draws = readHistory(where.folder / where.name);
    } else {
        const DatabaseLock lock(where.folder, where.name, DatabaseLock::Shared);
        draws = readDraws(where.folder / where.name);
    }
    if (command == "backtest") {
        const BacktestResult result = backtest(draws, from, seed);
        std::cout << (json ? backtestJson(result, where.name) + "\n" : backtestTable(result, where.name));
    } else {
        const FairnessResult result = checkFairness(draws);
        std::cout << (json ? fairnessJson(result) + "\n" : fairnessTable(result, where.name));
    }
    return 0;
}

// One database; prints what it added and returns the exit status: 3 when the
// draws are stored but the rebuild or the saving of the source failed.
int fetchOne(const Location& where, const ResultsSource* newSource)
{
    PrintedStatus status;
    const fs::path settings = settingsFilePath();
    try {
        const NewResultsOutcome outcome =
            newSource ? fetchNewResults(settings, where.folder, where.name, *newSource, {}, status)
                      : fetchNewResults(settings, where.folder, where.name, {}, status);
        for (const auto& line : outcome.lines)
            std::cout << line << '\n';
        for (const auto& line : outcome.ticketWins)
            std::cout << line << '\n';
        if (outcome.cutBack)
            std::cout << (cutBackAgreedForGood(settings, where.folder / where.name)
                              ? translate("quor3::CommandLine",
                                          "The cut-back follows your answer \"Don't ask again for this database\".")
                              : translate("quor3::CommandLine",
                                          "The cut-back was made without a question, as Quor 3 always did on a full "
                                          "database; in Quor 3, Get New Results asks first."))
                      << '\n';
        for (const auto& line : summaryOf(outcome))
            std::cout << line << '\n';
        return outcome.failure.empty() ? 0 : 3;
    } catch (const Error& e) {
        std::cout << std::flush;
        std::cerr << "quor3-engine: " << where.name << ": " << e.what() << '\n';
        return 1;
    }
}

} // namespace

// fetch PATH [--from ADDRESS] [--draw NAME], fetch --all [FOLDER]
int runFetch(const Args& args)
{
    if (args.size() < 2)
        return -1;
    if (args[1] == "--all") {
        if (args.size() > 3)
            return -1;
        const char* home = std::getenv("HOME");
        const fs::path folder = args.size() == 3 ? fs::path(args[2]) : fs::path(home ? home : ".") / "quor3box";
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (entry.is_regular_file() && boost::algorithm::iequals(entry.path().extension().string(), ".c3d"))
                names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        int result = 0;
        for (const auto& name : names) {
            const Location where = locate((folder / name).string());
            if (!readResultsSource(settingsFilePath(), where.name))
                continue;
            std::cout << where.name << ":\n";
            result = std::max(result, fetchOne(where, nullptr));
        }
        return result;
    }
    std::optional<std::string> from, draw;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--from" && i + 1 < args.size())
            from = args[++i];
        else if (args[i] == "--draw" && i + 1 < args.size())
            draw = args[++i];
        else
            return -1;
    }
    const Location where = locate(args[1]);
    if (!from && !draw)
        return fetchOne(where, nullptr);
    // A new address or draw: the old validators describe another file.
    ResultsSource source = readResultsSource(settingsFilePath(), where.name).value_or(ResultsSource{});
    if (from) {
        source.address = *from;
        if (!draw)
            source.drawName.clear();
    }
    if (draw)
        source.drawName = *draw;
    source.etag.clear();
    source.lastModified.clear();
    return fetchOne(where, &source);
}

int runBacktest(const Args& args)
{
    return runStatistics(args);
}

int runFairness(const Args& args)
{
    return runStatistics(args);
}

} // namespace quor3::cli
