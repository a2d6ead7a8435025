// history, import, export, backups and restore: the commands that read or
// replace a database's draws as a whole.

#include "engine/cli/CommandLine.h"
#include "engine/cli/GameImportCommand.h"

#include "engine/Addon.h"
#include "engine/Backups.h"
#include "engine/DatabaseLock.h"
#include "engine/Errors.h"
#include "engine/Export.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "engine/HistoryChange.h"
#include "engine/Import.h"
#include "engine/ImportChecks.h"
#include "engine/JsonText.h"
#include "engine/ResultsSource.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <iostream>

namespace quor3::cli
{

namespace
{

std::string countAndDates(long long draws, double first, double last)
{
    const std::string count =
        fill(draws == 1 ? translate("quor3::CommandLine", "%1 draw") : translate("quor3::CommandLine", "%1 draws"),
             {std::to_string(draws)});
    if (draws == 0)
        return count;
    return fill(translate("quor3::CommandLine", "%1, %2 to %3"), {count, monthDayYear(first), monthDayYear(last)});
}

// history PATH [--start-over]
int printHistorySpan(const Args& args)
{
    if (args.size() == 3) {
        // A damaged history stops every command that names its database: it
        // goes to the backups, and a new one is seeded.
        const Location where = locate(args[1], false);
        const fs::path kept = startHistoryOver(where.database());
        if (!kept.empty())
            std::cout << fill(translate("quor3::CommandLine", "The full history as it was is kept in %1/%2."),
                              {BackupFolderName, kept.filename().string()})
                      << '\n';
    }
    const Location where = locate(args[1]);
    const fs::path database = where.database();
    std::vector<DrawRecord> working;
    {
        const DatabaseLock lock(where.folder, where.name, DatabaseLock::Shared);
        working = readDraws(database);
    }
    const HistorySummary full = summarizeHistory(database);
    std::cout << fill(translate("quor3::CommandLine", "Working database: %1"),
                      {countAndDates(static_cast<long long>(working.size()),
                                     working.empty() ? 0.0 : working.front().DrawDate,
                                     working.empty() ? 0.0 : working.back().DrawDate)})
              << '\n'
              << fill(translate("quor3::CommandLine", "Full history: %1 (in %2)"),
                      {countAndDates(full.draws, full.firstDate, full.lastDate),
                       historyFileFor(database).filename().string()})
              << '\n';
    return 0;
}

std::string stampText(std::time_t at)
{
    std::tm local{};
    localtime_r(&at, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

// history PATH --log [--json]: the corrections, newest first.
int printHistoryLog(const Args& args)
{
    if (args.size() > 4 || (args.size() == 4 && args[3] != "--json"))
        return -1;
    const Location where = locate(args[1]);
    const std::vector<LoggedCorrection> log = correctionLog(where.database());
    if (args.size() == 4) {
        const auto list = [](const std::vector<DrawRecord>& draws) {
            std::string text = "[";
            for (const DrawRecord& r : draws)
                text += (text.size() > 1 ? ", " : "") +
                        jsonString(std::to_string(r.Digit1) + std::to_string(r.Digit2) + std::to_string(r.Digit3));
            return text + "]";
        };
        std::cout << '[';
        for (std::size_t i = 0; i < log.size(); ++i) {
            const LoggedCorrection& e = log[i];
            std::cout << (i ? ",\n " : "") << "{\"change\": " << e.change
                      << ", \"date\": " << jsonString(isoDate(e.day.date)) << ", \"was\": " << list(e.day.before)
                      << ", \"now\": " << list(e.day.after) << ", \"at\": " << static_cast<long long>(e.at)
                      << ", \"kind\": " << jsonString(e.origin.kind) << ", \"source\": " << jsonString(e.origin.source)
                      << '}';
        }
        std::cout << "]\n";
        return 0;
    }
    if (log.empty())
        std::cout << translate("quor3::CommandLine", "No corrections.") << '\n';
    for (const LoggedCorrection& e : log)
        std::cout << fill(translate("quor3::CommandLine", "%1  %2: %3 (was %4), by %5"),
                          {stampText(e.at), monthDayYear(e.day.date), drawsText(e.day.after), drawsText(e.day.before),
                           originText(e.origin)})
                  << '\n';
    return 0;
}

void printSkipped(const SkippedLine& skipped)
{
    std::cout << fill(translate("quor3::CommandLine", "Skipped line %1: %2: %3"),
                      {std::to_string(skipped.lineNumber), skipped.reason, skipped.text})
              << '\n';
}

} // namespace

// history PATH [--start-over], history PATH --log [--json], and the calendar's
// history PATH --json and history PATH --days DAYS [--json].
int runHistory(const Args& args)
{
    if (args.size() < 2)
        return -1;
    if (args.size() == 2 || (args.size() == 3 && args[2] == "--start-over"))
        return printHistorySpan(args);
    if (args[2] == "--log")
        return printHistoryLog(args);
    return runHistoryCalendar(args);
}

// import PATH FILE [--draw NAME] [--replace]; with --all-draws, every draw of the files (GameImportCommand)
int runImport(const Args& args)
{
    if (std::find(args.begin(), args.end(), "--all-draws") != args.end())
        return runGameImportCommand(args);
    if (args.size() < 3)
        return -1;
    std::string drawName;
    ImportMode mode = ImportMode::Merge;
    for (std::size_t i = 3; i < args.size(); ++i) {
        if (args[i] == "--replace")
            mode = ImportMode::Replace;
        else if (args[i] == "--draw" && i + 1 < args.size())
            drawName = args[++i];
        else
            return -1;
    }
    const Location where = locate(args[1]);
    const fs::path database = where.database();
    const ImportScan scan = importFile(args[2]);
    std::cout << fill(translate("quor3::CommandLine", "Layout: %1"), {scan.layout}) << '\n';
    for (const auto& skipped : scan.skipped)
        printSkipped(skipped);
    if (scan.skippedCount > static_cast<long long>(scan.skipped.size()))
        std::cout << fill(translate("quor3::CommandLine", "... and %1 more skipped lines."),
                          {std::to_string(scan.skippedCount - static_cast<long long>(scan.skipped.size()))})
                  << '\n';
    ChosenDraws chosen = chooseDraw(scan, drawName);
    for (const auto& skipped : setAsideFutureDraws(chosen))
        printSkipped(skipped);
    if (chosen.otherDrawLines > 0)
        std::cout << fill(translate("quor3::CommandLine", "Left aside %1 lines of other draws."),
                          {std::to_string(chosen.otherDrawLines)})
                  << '\n';
    if (chosen.repeatedDraws > 0)
        std::cout << fill(translate("quor3::CommandLine", "Counted once %1 draws the file repeats."),
                          {std::to_string(chosen.repeatedDraws)})
                  << '\n';
    if (chosen.draws.empty()) {
        std::cerr << "quor3-engine: "
                  << fill(translate("quor3::CommandLine", "%1 holds no draw that Quor 3 can read; nothing changed."),
                          {args[2]})
                  << '\n';
        return 1;
    }
    // One change: no other writer comes between the import and its rebuild.
    const DatabaseLock lock(where.folder, where.name, DatabaseLock::Exclusive);
    const long long mark = ticketChangeMark(database);
    const ImportOutcome outcome = storeImport(where.folder, where.name, chosen.draws, mode, args[2]);
    std::cout << describeImport(outcome) << '\n';
    for (const std::string& line : announcementsSince(database, mark))
        std::cout << line << '\n';
    // The window preselects this draw the next time.
    int done = rebuildAndPrint(where, FirstPanels::TotalAndLastDate, PrintedStatus());
    const std::string chosenName = !drawName.empty()            ? drawName
                                   : scan.drawNames.size() == 1 ? scan.drawNames.front()
                                                                : std::string();
    if (!chosenName.empty()) {
        try {
            rememberDrawName(settingsFilePath(), where.name, chosenName);
        } catch (const Error& e) {
            std::cout << e.what() << '\n';
            done = 3;
        }
    }
    return done;
}

// export PATH [FILE] [--all]
int runExport(const Args& args)
{
    if (args.size() < 2 || args.size() > 4 || (args.size() == 4 && args.back() != "--all"))
        return -1;
    const Location where = locate(args[1]);
    const fs::path database = where.database();
    if (args.back() == "--all") {
        const std::vector<DrawRecord> draws = readHistoryWithAddons(database);
        const std::string csv = exportCsv(draws, true);
        if (args.size() == 4) {
            refuseExportTarget(database, args[2]);
            writeWholeFile(args[2], csv);
            std::cout << fill(draws.size() == 1
                                  ? translate("quor3::CommandLine", "Exported the full history, %1 draw, to %2.")
                                  : translate("quor3::CommandLine", "Exported the full history, %1 draws, to %2."),
                              {std::to_string(draws.size()), args[2]})
                      << '\n';
        } else {
            std::cout << csv;
        }
        return 0;
    }
    if (args.size() == 3) {
        const long long n = exportDraws(database, args[2]);
        std::cout << fill(n == 1 ? translate("quor3::CommandLine", "Exported %1 draw to %2.")
                                 : translate("quor3::CommandLine", "Exported %1 draws to %2."),
                          {std::to_string(n), args[2]})
                  << '\n';
    } else {
        const DatabaseLock lock(where.folder, where.name, DatabaseLock::Shared);
        std::cout << exportCsv(readDraws(database));
    }
    return 0;
}

// backups PATH
int runBackups(const Args& args)
{
    if (args.size() != 2)
        return -1;
    const Location where = locate(args[1]);
    const std::vector<BackupInfo> backups = listBackups(where.database());
    if (backups.empty())
        std::cout << fill(translate("quor3::CommandLine", "No backups of %1."), {where.name}) << '\n';
    for (const auto& b : backups) {
        char taken[32];
        std::snprintf(taken, sizeof taken, "%04d-%02d-%02d %02d:%02d:%02d", b.year, b.month, b.day, b.hour, b.minute,
                      b.second);
        std::cout << fill(b.draws == 1 ? translate("quor3::CommandLine", "%1  taken %2  %3 draw  last draw %4")
                                       : translate("quor3::CommandLine", "%1  taken %2  %3 draws  last draw %4"),
                          {b.file.filename().string(), taken, std::to_string(b.draws),
                           b.draws > 0 ? monthDayYear(b.lastDrawDate) : translate("quor3::CommandLine", "none")})
                  << (b.reason.empty() ? std::string() : "  " + backupReasonText(b.reason)) << '\n';
    }
    return 0;
}

// restore PATH BACKUP
int runRestore(const Args& args)
{
    if (args.size() != 3)
        return -1;
    const Location where = locate(args[1]);
    const fs::path database = where.database();
    const DatabaseLock lock(where.folder, where.name, DatabaseLock::Exclusive);
    const long long mark = ticketChangeMark(database);
    const fs::path kept = restoreBackup(database, args[2]);
    std::cout << fill(translate("quor3::CommandLine", "Restored %1."), {fs::path(args[2]).filename().string()});
    if (!kept.empty())
        std::cout << fill(translate("quor3::CommandLine", " The database as it was is kept in %1/%2."),
                          {BackupFolderName, kept.filename().string()});
    std::cout << '\n';
    for (const std::string& line : announcementsSince(database, mark))
        std::cout << line << '\n';
    return rebuildAndPrint(where, FirstPanels::TotalAndLastDate, PrintedStatus());
}

} // namespace quor3::cli
