// quor3-engine: the statistics engine from the command line.

#include "engine/Addon.h"
#include "engine/Backtest.h"
#include "engine/Backups.h"
#include "engine/ChanceCommands.h"
#include "engine/DataFiles.h"
#include "engine/DatabaseLock.h"
#include "engine/Dates.h"
#include "engine/Errors.h"
#include "engine/Export.h"
#include "engine/Fairness.h"
#include "engine/FileIo.h"
#include "engine/GameImportCommand.h"
#include "engine/History.h"
#include "engine/HistoryChange.h"
#include "engine/Import.h"
#include "engine/ImportChecks.h"
#include "engine/JsonText.h"
#include "engine/NewResults.h"
#include "engine/OddsCommands.h"
#include "engine/Rebuild.h"
#include "engine/StoreDraw.h"
#include "engine/Text.h"
#include "engine/Tickets.h"
#include "engine/Winners.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#ifdef QUOR3_COMMAND_LINE_LANGUAGE
// The desktop's language for the messages (platform/CommandLineLanguage.cpp),
// in the full build; the engine alone speaks English.
void installCommandLineLanguage();
#endif

namespace
{

using quor3::fill;
using quor3::translate;

const char* const usage = QT_TRANSLATE_NOOP(
    "quor3::CommandLine", "Usage:\n"
                          "  quor3-engine rebuild PATH\n"
                          "      Rebuilds every derived data file beside the draw database PATH, as\n"
                          "      opening it in Quor 3 does, and prints the four status texts.\n"
                          "  quor3-engine add PATH M/D/YYYY D1 D2 D3\n"
                          "      Stores the draw D1 D2 D3 of that date (creating PATH when missing,\n"
                          "      cutting a full database back to its last 90 draws after a backup),\n"
                          "      rebuilds, and prints the four status texts.\n"
                          "  quor3-engine check PATH M/D/YYYY D1 D2 D3\n"
                          "      Compares the draw with the current computer choices, prints each\n"
                          "      match as its winners-log line and appends it to \"quor3 winners.txt\".\n"
                          "  quor3-engine import PATH FILE [--draw NAME] [--replace]\n"
                          "      Reads the draws of a results file (CSV, tab or blank separated, JSON),\n"
                          "      merges them into PATH by date (or replaces its draws), keeps the\n"
                          "      newest 731, rebuilds, and prints what it stored and skipped. NAME\n"
                          "      chooses the draw (Midday, Evening, ...) of a file that holds several.\n"
                          "  quor3-engine import PATH FILE... --all-draws [--replace]\n"
                          "      Stores each draw of the files (Midday and Evening columns, one file\n"
                          "      per draw time) in its own database beside PATH, named after PATH and\n"
                          "      the draw (game-evening.c3d), and prints one line per database.\n"
                          "  quor3-engine export PATH [FILE] [--all]\n"
                          "      Writes the draws as CSV (date,digit1,digit2,digit3) to FILE, or to\n"
                          "      the standard output. With --all: the full history (every draw the\n"
                          "      database has ever held), in the same form.\n"
                          "  quor3-engine history PATH [--start-over]\n"
                          "      Prints the count and the first and last dates of the working\n"
                          "      database and of its full history (PATH.sqlite). --start-over moves\n"
                          "      the full history (a damaged one) to the backups and makes a new one\n"
                          "      from the database and its backups, keeping the tickets and the draws\n"
                          "      only the old one held, wherever they can still be read.\n"
                          "  quor3-engine correct PATH M/D/YYYY D1 D2 D3\n"
                          "      Corrects the draw of that date, in the database or in its full\n"
                          "      history alone, and settles the tickets again.\n"
                          "  quor3-engine delete PATH M/D/YYYY\n"
                          "      Deletes the draw of that date from the database and its full history.\n"
                          "  quor3-engine undo PATH\n"
                          "      Takes back the last change of any kind (an entry, a correction, an\n"
                          "      import, a restore...): the database and its full history as before.\n"
                          "  quor3-engine history PATH --log [--json]\n"
                          "      Prints the corrections of stored draws, newest first: when, the old\n"
                          "      and new draws, and where the change came from.\n"
                          "  quor3-engine backups PATH\n"
                          "      Lists the backups of PATH, newest first, with the local time each\n"
                          "      was taken and why.\n"
                          "  quor3-engine restore PATH BACKUP\n"
                          "      Backs PATH up, puts the backup named BACKUP in its place, rebuilds.\n"
                          "  quor3-engine backtest PATH [--from K] [--seed S] [--json] [--all]\n"
                          "      Compares every draw from index K (1 by default, the second draw) on\n"
                          "      with the 33 choices a rebuild of the draws before it makes (odd/even\n"
                          "      digits from seed S, 1 by default) and with plays picked at random.\n"
                          "      Writes nothing.\n"
                          "  quor3-engine fairness PATH [--json] [--all]\n"
                          "      Tests whether the draws look like fair random digits: each position,\n"
                          "      all positions, digit sums, patterns and repeats. Writes nothing.\n"
                          "      With --all, backtest and fairness use the full history.\n"
                          "  quor3-engine fetch PATH [--from ADDRESS] [--draw NAME]\n"
                          "      Fetches the results file of PATH's source (http, https or a local\n"
                          "      file; --from sets and saves the source) and adds the draws newer than\n"
                          "      the newest stored, each as an entry is added. Prints one line per\n"
                          "      added draw and its matches, then \"N new draws added\" or \"up to date\".\n"
                          "      A full database is cut back (after a backup) as the add window does;\n"
                          "      draws dated after today are skipped, and a file whose draws disagree\n"
                          "      with most stored ones on shared dates (another draw) is refused.\n"
                          "      Exit status 3 when draws are stored but the statistics or the source\n"
                          "      could not be saved.\n"
                          "  quor3-engine fetch --all [FOLDER]\n"
                          "      Fetches every database in FOLDER (~/quor3box by default) that has a\n"
                          "      results source.\n"
                          "  quor3-engine tickets PATH [list] [--json]\n"
                          "      Lists the tickets played on PATH's draws, in the order added, with\n"
                          "      their cost, the draws settled so far and what they won.\n"
                          "  quor3-engine tickets PATH add DATE NUMBER TYPE STAKE [--draws N] [--addon]\n"
                          "      Adds a ticket: NUMBER (three digits) played as TYPE (straight, box,\n"
                          "      straightbox, combo, frontpair, backpair) for STAKE (0.50, 1 to 5) a\n"
                          "      draw, on N consecutive draws (1 by default, up to 91) from DATE\n"
                          "      (M/D/YYYY or YYYY-MM-DD) on. Draws already stored settle it at once.\n"
                          "      --addon plays the add-on digit too, for twice the stake.\n"
                          "  quor3-engine tickets PATH summary [--json]\n"
                          "      Spent, won, the balance, and what the plays return on average.\n"
                          "  quor3-engine tickets PATH remove ID\n"
                          "      Removes a ticket none of whose draws is drawn yet.\n"
                          "  quor3-engine tickets PATH export [FILE]\n"
                          "      Writes the tickets as CSV\n"
                          "      (first_draw,draws,number,type,stake,cost,won) to FILE or the output.\n"
                          "  quor3-engine tickets PATH budget [AMOUNT | none]\n"
                          "      Shows, sets or clears the monthly budget for tickets.\n"
                          "  quor3-engine prizes PATH [set DATE KEY AMOUNT | remove DATE]\n"
                          "      Shows the prize tables (prizes for a $1 play) and the date each is in\n"
                          "      force from; set changes one prize (KEY: straight, box3, box6,\n"
                          "      straightbox3exact, straightbox3any, straightbox6exact,\n"
                          "      straightbox6any, combo, frontpair, backpair; add-on prizes:\n"
                          "      addon-straight, addon-box3, addon-box6, addon-combo,\n"
                          "      addon-frontpair, addon-backpair) from DATE (or\n"
                          "      \"earliest\") on; remove takes out the table from DATE. The tickets\n"
                          "      are settled again.\n"
                          "  quor3-engine --help | --version\n"
                          "\n"
                          "The folder of PATH holds the derived files; the database name is the bare\n"
                          "file name, cut to 25 characters. A database without a full history gets\n"
                          "one at first use, from its file and its backups; the tickets are kept in\n"
                          "the full history too. Exit status: 0 on\n"
                          "success, 1 on failure, 2 on wrong usage, 3 when a change is stored but the\n"
                          "statistics could not be updated (Quor 3 updates them the next time it\n"
                          "opens the database).\n");

class PrintedStatus : public quor3::StatusSink
{
  public:
    std::string panels[4] = {
        translate("quor3::Status", "Total Draws: "), translate("quor3::Status", "Last Draw Date: "),
        translate("quor3::Status", "Hottest Number: "), translate("quor3::Status", "Coldest Number: ")};
    void setStatusText(int panel, const std::string& text) override
    {
        if (panel >= 0 && panel < 4)
            panels[panel] = text;
    }
    void print() const
    {
        for (const auto& p : panels)
            std::cout << p << '\n';
    }
};

struct Location {
    quor3::fs::path folder;
    std::string name;
};

Location locate(const std::string& path, bool seedHistory = true)
{
    quor3::fs::path p(path);
    Location where;
    where.folder = p.has_parent_path() ? p.parent_path() : quor3::fs::path(".");
    where.name = quor3::databaseNameFor(p);
    quor3::refuseReservedDatabaseName(where.folder, where.name);
    // Every draw the database has held is kept from its first use on; a
    // first store that a stop cut short is finished before anything reads.
    const quor3::fs::path database = where.folder / where.name;
    if (seedHistory && (quor3::fileExists(database) || quor3::fileExists(quor3::historyFileFor(database))))
        quor3::ensureHistory(database);
    return where;
}

// The rebuild after a stored change; its failure is said as what it is, and
// the exit status 3 tells a script so.
int rebuildAndPrint(const Location& where, quor3::FirstPanels panels, PrintedStatus status)
{
    const std::string failure = quor3::rebuildAfterChange(where.folder, where.name, panels, status);
    if (!failure.empty()) {
        std::cout << failure << '\n';
        return 3;
    }
    status.print();
    return 0;
}

quor3::CivilDate parseDate(const std::string& text)
{
    const auto slash1 = text.find('/');
    const auto slash2 = slash1 == std::string::npos ? std::string::npos : text.find('/', slash1 + 1);
    if (slash2 == std::string::npos)
        quor3::throwDateError();
    const int month = quor3::toInt(text.substr(0, slash1));
    const int day = quor3::toInt(text.substr(slash1 + 1, slash2 - slash1 - 1));
    const int year = quor3::toInt(text.substr(slash2 + 1));
    quor3::encodeDate(year, month, day); // raises on an impossible date
    return {year, month, day};
}

int parseDigit(const std::string& text)
{
    const int d = quor3::toInt(text);
    if (d < 0 || d > 9)
        throw quor3::Error(quor3::Error::Kind::Conversion,
                           fill(translate("quor3::CommandLine", "'%1' is not a digit from 0 to 9"), {text}));
    return d;
}

std::string countAndDates(long long draws, double first, double last)
{
    const std::string count =
        fill(draws == 1 ? translate("quor3::CommandLine", "%1 draw") : translate("quor3::CommandLine", "%1 draws"),
             {std::to_string(draws)});
    if (draws == 0)
        return count;
    return fill(translate("quor3::CommandLine", "%1, %2 to %3"),
                {count, quor3::monthDayYear(first), quor3::monthDayYear(last)});
}

// history, and export --all; -1 for any other command line.
int runHistoryCommand(const std::vector<std::string>& args)
{
    const std::string& command = args[0];
    if (command == "history" && args.size() == 3 && args[2] == "--start-over") {
        // A damaged history stops every command that names its database: it
        // goes to the backups, and a new one is seeded.
        const Location where = locate(args[1], false);
        const quor3::fs::path database = where.folder / where.name;
        const quor3::fs::path kept = quor3::startHistoryOver(database);
        if (!kept.empty())
            std::cout << fill(translate("quor3::CommandLine", "The full history as it was is kept in %1/%2."),
                              {quor3::BackupFolderName, kept.filename().string()})
                      << '\n';
    }
    if (command == "history" && (args.size() == 2 || (args.size() == 3 && args[2] == "--start-over"))) {
        const Location where = locate(args[1]);
        const quor3::fs::path database = where.folder / where.name;
        std::vector<quor3::DrawRecord> working;
        {
            const quor3::DatabaseLock lock(where.folder, where.name, quor3::DatabaseLock::Shared);
            working = quor3::readDraws(database);
        }
        const quor3::HistorySummary full = quor3::summarizeHistory(database);
        std::cout << fill(translate("quor3::CommandLine", "Working database: %1"),
                          {countAndDates(static_cast<long long>(working.size()),
                                         working.empty() ? 0.0 : working.front().DrawDate,
                                         working.empty() ? 0.0 : working.back().DrawDate)})
                  << '\n'
                  << fill(translate("quor3::CommandLine", "Full history: %1 (in %2)"),
                          {countAndDates(full.draws, full.firstDate, full.lastDate),
                           quor3::historyFileFor(database).filename().string()})
                  << '\n';
        return 0;
    }
    if (command == "export" && (args.size() == 3 || args.size() == 4) && args.back() == "--all") {
        const Location where = locate(args[1]);
        const std::vector<quor3::DrawRecord> draws = quor3::readHistoryWithAddons(where.folder / where.name);
        const std::string csv = quor3::exportCsv(draws, true);
        if (args.size() == 4) {
            quor3::refuseExportTarget(where.folder / where.name, args[2]);
            quor3::writeWholeFile(args[2], csv);
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
    return -1;
}

// import, export, backups and restore; -1 for any other command line.
int runDataCommand(const std::vector<std::string>& args)
{
    const std::string& command = args[0];
    if (args.size() < 2)
        return -1;
    const Location where = locate(args[1]);
    const quor3::fs::path database = where.folder / where.name;
    if (command == "import" && args.size() >= 3) {
        std::string drawName;
        quor3::ImportMode mode = quor3::ImportMode::Merge;
        for (std::size_t i = 3; i < args.size(); ++i) {
            if (args[i] == "--replace")
                mode = quor3::ImportMode::Replace;
            else if (args[i] == "--draw" && i + 1 < args.size())
                drawName = args[++i];
            else
                return -1;
        }
        const quor3::ImportScan scan = quor3::importFile(args[2]);
        std::cout << fill(translate("quor3::CommandLine", "Layout: %1"), {scan.layout}) << '\n';
        for (const auto& skipped : scan.skipped)
            std::cout << fill(translate("quor3::CommandLine", "Skipped line %1: %2: %3"),
                              {std::to_string(skipped.lineNumber), skipped.reason, skipped.text})
                      << '\n';
        if (scan.skippedCount > static_cast<long long>(scan.skipped.size()))
            std::cout << fill(translate("quor3::CommandLine", "... and %1 more skipped lines."),
                              {std::to_string(scan.skippedCount - static_cast<long long>(scan.skipped.size()))})
                      << '\n';
        quor3::ChosenDraws chosen = quor3::chooseDraw(scan, drawName);
        for (const auto& skipped : quor3::setAsideFutureDraws(chosen))
            std::cout << fill(translate("quor3::CommandLine", "Skipped line %1: %2: %3"),
                              {std::to_string(skipped.lineNumber), skipped.reason, skipped.text})
                      << '\n';
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
                      << fill(
                             translate("quor3::CommandLine", "%1 holds no draw that Quor 3 can read; nothing changed."),
                             {args[2]})
                      << '\n';
            return 1;
        }
        // One change: no other writer comes between the import and its rebuild.
        const quor3::DatabaseLock lock(where.folder, where.name, quor3::DatabaseLock::Exclusive);
        const long long mark = quor3::ticketChangeMark(database);
        const quor3::ImportOutcome outcome = quor3::storeImport(where.folder, where.name, chosen.draws, mode, args[2]);
        std::cout << quor3::describeImport(outcome) << '\n';
        for (const std::string& line : quor3::announcementsSince(database, mark))
            std::cout << line << '\n';
        // The window preselects this draw the next time.
        int done = rebuildAndPrint(where, quor3::FirstPanels::TotalAndLastDate, PrintedStatus());
        const std::string chosenName = !drawName.empty()            ? drawName
                                       : scan.drawNames.size() == 1 ? scan.drawNames.front()
                                                                    : std::string();
        if (!chosenName.empty()) {
            try {
                quor3::rememberDrawName(quor3::settingsFilePath(), where.name, chosenName);
            } catch (const quor3::Error& e) {
                std::cout << e.what() << '\n';
                done = 3;
            }
        }
        return done;
    }
    if (command == "export" && args.size() <= 3) {
        if (args.size() == 3) {
            const long long n = quor3::exportDraws(database, args[2]);
            std::cout << fill(n == 1 ? translate("quor3::CommandLine", "Exported %1 draw to %2.")
                                     : translate("quor3::CommandLine", "Exported %1 draws to %2."),
                              {std::to_string(n), args[2]})
                      << '\n';
        } else {
            const quor3::DatabaseLock lock(where.folder, where.name, quor3::DatabaseLock::Shared);
            std::cout << quor3::exportCsv(quor3::readDraws(database));
        }
        return 0;
    }
    if (command == "backups" && args.size() == 2) {
        const std::vector<quor3::BackupInfo> backups = quor3::listBackups(database);
        if (backups.empty())
            std::cout << fill(translate("quor3::CommandLine", "No backups of %1."), {where.name}) << '\n';
        for (const auto& b : backups) {
            char taken[32];
            std::snprintf(taken, sizeof taken, "%04d-%02d-%02d %02d:%02d:%02d", b.year, b.month, b.day, b.hour,
                          b.minute, b.second);
            std::cout << fill(b.draws == 1 ? translate("quor3::CommandLine", "%1  taken %2  %3 draw  last draw %4")
                                           : translate("quor3::CommandLine", "%1  taken %2  %3 draws  last draw %4"),
                              {b.file.filename().string(), taken, std::to_string(b.draws),
                               b.draws > 0 ? quor3::monthDayYear(b.lastDrawDate)
                                           : translate("quor3::CommandLine", "none")})
                      << (b.reason.empty() ? std::string() : "  " + quor3::backupReasonText(b.reason)) << '\n';
        }
        return 0;
    }
    if (command == "restore" && args.size() == 3) {
        const quor3::DatabaseLock lock(where.folder, where.name, quor3::DatabaseLock::Exclusive);
        const long long mark = quor3::ticketChangeMark(database);
        const quor3::fs::path kept = quor3::restoreBackup(database, args[2]);
        std::cout << fill(translate("quor3::CommandLine", "Restored %1."),
                          {quor3::fs::path(args[2]).filename().string()});
        if (!kept.empty())
            std::cout << fill(translate("quor3::CommandLine", " The database as it was is kept in %1/%2."),
                              {quor3::BackupFolderName, kept.filename().string()});
        std::cout << '\n';
        for (const std::string& line : quor3::announcementsSince(database, mark))
            std::cout << line << '\n';
        return rebuildAndPrint(where, quor3::FirstPanels::TotalAndLastDate, PrintedStatus());
    }
    return -1;
}

// `what` is marked for translation where it is named.
[[noreturn]] void badValue(const std::string& text, const char* what)
{
    throw quor3::Error(quor3::Error::Kind::Conversion, fill(translate("quor3::CommandLine", "'%1' is not %2"),
                                                            {text, translate("quor3::CommandLine", what)}));
}

// `text` in a column `width` characters wide (on the right for a negative
// width), counted as characters: translated headings and names may hold
// letters of several bytes.
std::string column(const std::string& text, int width)
{
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    const std::string blanks(static_cast<std::size_t>(std::max<long>(0, std::abs(width) - characters)), ' ');
    return width < 0 ? text + blanks : blanks + text;
}

double ticketDate(const std::string& text)
{
    const auto date = quor3::ticketDateFromText(text);
    if (!date)
        badValue(text, QT_TRANSLATE_NOOP("quor3::CommandLine", "a date (M/D/YYYY or YYYY-MM-DD)"));
    return *date;
}

quor3::Cents amount(const std::string& text)
{
    const auto cents = quor3::moneyFromText(text);
    if (!cents)
        badValue(text, QT_TRANSLATE_NOOP("quor3::CommandLine", "an amount of money (like 1, 0.50 or 167.00)"));
    return *cents;
}

void printTicketList(const std::vector<quor3::TicketRecord>& tickets, bool json)
{
    if (json) {
        std::cout << '[';
        for (std::size_t i = 0; i < tickets.size(); ++i) {
            const quor3::TicketRecord& t = tickets[i];
            std::cout << (i ? ", " : "") << "{\"id\": " << t.id
                      << ", \"first_draw\": " << quor3::jsonString(quor3::isoDate(t.play.firstDraw))
                      << ", \"draws\": " << t.play.draws
                      << ", \"number\": " << quor3::jsonString(quor3::numberText(t.play.number))
                      << ", \"type\": " << quor3::jsonString(quor3::betTypeWord(t.play.type))
                      << ", \"stake_cents\": " << t.play.stake << ", \"cost_cents\": " << t.cost
                      << ", \"settled_draws\": " << t.settledDraws << ", \"won_cents\": " << t.won << '}';
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
    for (const quor3::TicketRecord& t : tickets)
        std::printf("%4lld  %-10s  %5d  %-6s  %s  %6s  %9s  %s\n", t.id, quor3::monthDayYear(t.play.firstDraw).c_str(),
                    t.play.draws, quor3::numberText(t.play.number).c_str(),
                    column(quor3::betVariantName(t.play.type, t.play.number), -18).c_str(),
                    quor3::moneyText(t.play.stake).c_str(), quor3::moneyText(t.cost).c_str(),
                    quor3::ticketResultText(t).c_str());
    std::fflush(stdout);
}

void printTicketSummary(const quor3::fs::path& database, bool json)
{
    const quor3::TicketSummary s = quor3::summarizeTickets(database);
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
                      {std::to_string(s.tickets), quor3::moneyText(s.cost), quor3::moneyText(s.settledCost),
                       quor3::moneyText(s.won), quor3::balanceWords(s.balance)})
              << '\n'
              << quor3::averageReturnSentence(s) << '\n';
    if (const auto budget = quor3::monthlyBudget(database)) {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        const auto left = quor3::budgetLeft(database, local.tm_year + 1900, local.tm_mon + 1);
        std::cout << (left && *left < 0
                          ? fill(translate("quor3::CommandLine", "Monthly budget %1; overspent this month by %2."),
                                 {quor3::moneyText(*budget), quor3::moneyText(-*left)})
                          : fill(translate("quor3::CommandLine", "Monthly budget %1; left this month %2."),
                                 {quor3::moneyText(*budget), quor3::moneyText(left.value_or(0))}))
                  << '\n';
    }
    if (!s.months.empty())
        std::cout << column(translate("quor3::CommandLine", "Month"), -7) << "  "
                  << column(translate("quor3::CommandLine", "Spent"), 10) << "  "
                  << column(translate("quor3::CommandLine", "Won"), 10) << std::endl;
    for (const quor3::MonthMoney& m : s.months)
        std::printf("%04d-%02d  %10s  %10s\n", m.year, m.month, quor3::moneyText(m.spent).c_str(),
                    quor3::moneyText(m.won).c_str());
    std::fflush(stdout);
}

// tickets; -1 for any other command line.
int runTicketsCommand(const std::vector<std::string>& args)
{
    if (args[0] != "tickets" || args.size() < 2)
        return -1;
    const Location where = locate(args[1]);
    const quor3::fs::path database = where.folder / where.name;
    const std::string what = args.size() > 2 && args[2] != "--json" ? args[2] : "list";
    const bool json = args.back() == "--json";
    const std::size_t rest = args.size() - (json ? 1 : 0); // arguments before --json
    if (what == "list" && rest <= 3) {
        printTicketList(quor3::listTickets(database), json);
        return 0;
    }
    if (what == "summary" && rest == 3) {
        printTicketSummary(database, json);
        return 0;
    }
    // --addon: played with the add-on digit too (last).
    const bool withAddon = what == "add" && args.back() == "--addon";
    const std::size_t addArgs = args.size() - (withAddon ? 1 : 0);
    if (what == "add" && (addArgs == 7 || (addArgs == 9 && args[7] == "--draws"))) {
        quor3::TicketPlay play;
        play.addon = withAddon;
        play.firstDraw = ticketDate(args[3]);
        const auto number = quor3::numberFromText(args[4]);
        if (!number)
            badValue(args[4], QT_TRANSLATE_NOOP("quor3::CommandLine", "a number of three digits (like 056)"));
        play.number = *number;
        const auto type = quor3::betTypeFromWord(args[5]);
        if (!type)
            badValue(args[5], QT_TRANSLATE_NOOP("quor3::CommandLine",
                                                "a bet type (straight, box, straightbox, combo, frontpair, backpair)"));
        play.type = *type;
        play.stake = amount(args[6]);
        play.draws = addArgs == 9 ? quor3::toInt(args[8]) : 1;
        const bool pastBudget = quor3::ticketExceedsBudget(database, play);
        const long long id = quor3::addTicket(database, play);
        for (const quor3::TicketRecord& t : quor3::listTickets(database))
            if (t.id == id)
                std::cout << fill(
                                 play.draws == 1
                                     ? translate("quor3::CommandLine",
                                                 "Added ticket %1: %2 %3, %4 a draw on %5 draw from %6, cost %7. %8.")
                                     : translate("quor3::CommandLine",
                                                 "Added ticket %1: %2 %3, %4 a draw on %5 draws from %6, cost %7. %8."),
                                 {std::to_string(id), quor3::numberText(play.number),
                                  quor3::betVariantName(play.type, play.number), quor3::moneyText(play.stake),
                                  std::to_string(play.draws), quor3::monthDayYear(play.firstDraw),
                                  quor3::moneyText(t.cost), quor3::ticketResultText(t)})
                          << '\n';
        if (pastBudget)
            std::cout << fill(translate("quor3::CommandLine",
                                        "It takes the spending of its month past the monthly budget of %1."),
                              {quor3::moneyText(quor3::monthlyBudget(database).value_or(0))})
                      << '\n';
        return 0;
    }
    if (what == "remove" && args.size() == 4) {
        quor3::removeTicket(database, quor3::toInt(args[3]));
        std::cout << fill(translate("quor3::CommandLine", "Removed ticket %1."),
                          {std::to_string(quor3::toInt(args[3]))})
                  << '\n';
        return 0;
    }
    if (what == "export" && args.size() <= 4) {
        if (args.size() == 4) {
            quor3::exportTickets(database, args[3]);
            std::cout << fill(translate("quor3::CommandLine", "Exported the tickets to %1."), {args[3]}) << '\n';
        } else {
            std::cout << quor3::ticketsCsv(quor3::listTickets(database));
        }
        return 0;
    }
    if (what == "budget" && args.size() <= 4) {
        if (args.size() == 4)
            quor3::setMonthlyBudget(database,
                                    args[3] == "none" ? std::nullopt : std::optional<quor3::Cents>(amount(args[3])));
        const auto budget = quor3::monthlyBudget(database);
        std::cout << (budget ? fill(translate("quor3::CommandLine", "Monthly budget: %1."), {quor3::moneyText(*budget)})
                             : translate("quor3::CommandLine", "No monthly budget."))
                  << '\n';
        return 0;
    }
    return -1;
}

// prizes; -1 for any other command line.
int runPrizesCommand(const std::vector<std::string>& args)
{
    if (args[0] != "prizes" || args.size() < 2)
        return -1;
    const Location where = locate(args[1]);
    const quor3::fs::path database = where.folder / where.name;
    const auto dateOf = [](const std::string& text) {
        return text == "earliest" ? quor3::earliestPrizeDate() : ticketDate(text);
    };
    if (args.size() == 6 && args[2] == "set" && quor3::addonKeyFromWord(args[4])) {
        const double from = dateOf(args[3]);
        quor3::AddonTable table = quor3::addonTableOn(quor3::readAddonTables(database), from);
        table.from = from;
        table.prize(*quor3::addonKeyFromWord(args[4])) = amount(args[5]);
        quor3::storeAddonTable(database, table);
    } else if (args.size() == 6 && args[2] == "set") {
        const double from = dateOf(args[3]);
        const auto key = quor3::prizeKeyFromWord(args[4]);
        if (!key)
            badValue(args[4], QT_TRANSLATE_NOOP("quor3::CommandLine",
                                                "a prize (straight, box3, box6, straightbox3exact, straightbox3any, "
                                                "straightbox6exact, straightbox6any, combo, frontpair, backpair)"));
        quor3::PrizeTable table = quor3::prizeTableOn(quor3::readPrizeTables(database), from);
        table.from = from;
        table.prize(*key) = amount(args[5]);
        quor3::storePrizeTable(database, table);
    } else if (args.size() == 4 && args[2] == "remove") {
        quor3::removePrizeTable(database, dateOf(args[3]));
    } else if (args.size() != 2) {
        return -1;
    }
    for (const quor3::PrizeTable& table : quor3::readPrizeTables(database)) {
        std::cout << fill(translate("quor3::CommandLine", "From %1, for a $1 play:"),
                          {table.from <= quor3::earliestPrizeDate()
                               ? translate("quor3::CommandLine", "the earliest date")
                               : quor3::monthDayYear(table.from)})
                  << '\n';
        for (quor3::PrizeKey key : quor3::allPrizeKeys())
            std::cout << "  " << column(quor3::prizeKeyName(key), -36) << ' '
                      << column(quor3::moneyText(table.prize(key)), 12) << '\n';
    }
    for (const quor3::AddonTable& table : quor3::readAddonTables(database)) {
        std::cout << fill(translate("quor3::CommandLine", "Add-on prizes from %1, for a $1 play:"),
                          {table.from <= quor3::earliestPrizeDate()
                               ? translate("quor3::CommandLine", "the earliest date")
                               : quor3::monthDayYear(table.from)})
                  << '\n';
        for (quor3::AddonKey key : quor3::allAddonKeys())
            std::cout << "  " << column(quor3::addonKeyName(key), -36) << ' '
                      << column(quor3::moneyText(table.prize(key)), 12) << '\n';
    }
    return 0;
}

// backtest and fairness; -1 for any other command line.
int runStatisticsCommand(const std::vector<std::string>& args)
{
    const std::string& command = args[0];
    if ((command != "backtest" && command != "fairness") || args.size() < 2)
        return -1;
    long long from = 1;
    std::uint32_t seed = quor3::DefaultBacktestSeed;
    bool json = false;
    bool all = false;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--json") {
            json = true;
        } else if (args[i] == "--all") {
            all = true;
        } else if (command == "backtest" && (args[i] == "--from" || args[i] == "--seed") && i + 1 < args.size()) {
            const int value = quor3::toInt(args[i + 1]);
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
    std::vector<quor3::DrawRecord> draws;
    if (all) {
        draws = quor3::readHistory(where.folder / where.name);
    } else {
        const quor3::DatabaseLock lock(where.folder, where.name, quor3::DatabaseLock::Shared);
        draws = quor3::readDraws(where.folder / where.name);
    }
    if (command == "backtest") {
        const quor3::BacktestResult result = quor3::backtest(draws, from, seed);
        std::cout << (json ? quor3::backtestJson(result, where.name) + "\n" : quor3::backtestTable(result, where.name));
    } else {
        const quor3::FairnessResult result = quor3::checkFairness(draws);
        std::cout << (json ? quor3::fairnessJson(result) + "\n" : quor3::fairnessTable(result, where.name));
    }
    return 0;
}

// One database; prints what it added and returns the exit status: 3 when the
// draws are stored but the rebuild or the saving of the source failed.
int fetchOne(const Location& where, const quor3::ResultsSource* newSource)
{
    PrintedStatus status;
    const quor3::fs::path settings = quor3::settingsFilePath();
    try {
        const quor3::NewResultsOutcome outcome =
            newSource ? quor3::fetchNewResults(settings, where.folder, where.name, *newSource, {}, status)
                      : quor3::fetchNewResults(settings, where.folder, where.name, {}, status);
        for (const auto& line : outcome.lines)
            std::cout << line << '\n';
        for (const auto& line : outcome.ticketWins)
            std::cout << line << '\n';
        if (outcome.cutBack)
            std::cout << (quor3::cutBackAgreedForGood(settings, where.folder / where.name)
                              ? translate("quor3::CommandLine",
                                          "The cut-back follows your answer \"Don't ask again for this database\".")
                              : translate("quor3::CommandLine",
                                          "The cut-back was made without a question, as Quor 3 always did on a full "
                                          "database; in Quor 3, Get New Results asks first."))
                      << '\n';
        for (const auto& line : quor3::summaryOf(outcome))
            std::cout << line << '\n';
        return outcome.failure.empty() ? 0 : 3;
    } catch (const quor3::Error& e) {
        std::cout << std::flush;
        std::cerr << "quor3-engine: " << where.name << ": " << e.what() << '\n';
        return 1;
    }
}

// fetch; -1 for any other command line.
int runFetchCommand(const std::vector<std::string>& args)
{
    if (args[0] != "fetch" || args.size() < 2)
        return -1;
    if (args[1] == "--all") {
        if (args.size() > 3)
            return -1;
        const char* home = std::getenv("HOME");
        const quor3::fs::path folder =
            args.size() == 3 ? quor3::fs::path(args[2]) : quor3::fs::path(home ? home : ".") / "quor3box";
        std::vector<std::string> names;
        for (const auto& entry : quor3::fs::directory_iterator(folder)) {
            std::string extension = entry.path().extension().string();
            std::transform(extension.begin(), extension.end(), extension.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            if (entry.is_regular_file() && extension == ".c3d")
                names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        int result = 0;
        for (const auto& name : names) {
            const Location where = locate((folder / name).string());
            if (!quor3::readResultsSource(quor3::settingsFilePath(), where.name))
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
    quor3::ResultsSource source =
        quor3::readResultsSource(quor3::settingsFilePath(), where.name).value_or(quor3::ResultsSource{});
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

std::string drawsText(const std::vector<quor3::DrawRecord>& draws)
{
    if (draws.empty())
        return translate("quor3::CommandLine", "none");
    std::string text;
    for (const quor3::DrawRecord& r : draws)
        text += (text.empty() ? "" : ", ") + quor3::digitTriple(r.Digit1, r.Digit2, r.Digit3);
    return text;
}

// The index of the working file's one draw of that date; -1 when it has none.
long long workingDrawOn(const std::vector<quor3::DrawRecord>& working, double date, const quor3::fs::path& database)
{
    long long found = -1;
    for (std::size_t i = 0; i < working.size(); ++i)
        if (working[i].DrawDate == date) {
            if (found >= 0)
                quor3::throwIoError(database, "change a draw of",
                                    fill(translate("quor3::CommandLine",
                                                   "it holds several draws of %1; change them in Quor 3's corrections "
                                                   "window"),
                                         {quor3::monthDayYear(date)}));
            found = static_cast<long long>(i);
        }
    return found;
}

// The history's one draw of that date, which the working file does not hold.
quor3::DrawRecord historyDrawOn(const quor3::fs::path& database, double date)
{
    std::vector<quor3::DrawRecord> day;
    for (const quor3::DrawRecord& r : quor3::readHistory(database))
        if (r.DrawDate == date)
            day.push_back(r);
    if (day.size() != 1)
        quor3::throwIoError(database, "change a draw of",
                            fill(day.empty() ? translate("quor3::CommandLine", "it holds no draw of %1")
                                             : translate("quor3::CommandLine",
                                                         "its full history holds several draws of %1; change them "
                                                         "in Quor 3's corrections window"),
                                 {quor3::monthDayYear(date)}));
    return day.front();
}

// correct and delete: the working file's draw of the date, or else the
// history's; the tickets are settled again.
int runDrawChangeCommand(const std::vector<std::string>& args)
{
    const bool correcting = args[0] == "correct" && args.size() == 6;
    if (!correcting && !(args[0] == "delete" && args.size() == 3))
        return -1;
    const Location where = locate(args[1]);
    const quor3::fs::path database = where.folder / where.name;
    const double date = quor3::encodeDate(parseDate(args[2]));
    quor3::DrawRecord right;
    if (correcting) {
        right.DrawDate = date;
        right.Digit1 = parseDigit(args[3]);
        right.Digit2 = parseDigit(args[4]);
        right.Digit3 = parseDigit(args[5]);
    }
    const quor3::DatabaseLock lock(where.folder, where.name, quor3::DatabaseLock::Exclusive);
    const long long mark = quor3::ticketChangeMark(database);
    const std::vector<quor3::DrawRecord> working =
        quor3::fileExists(database) ? quor3::readDraws(database) : std::vector<quor3::DrawRecord>();
    const long long index = workingDrawOn(working, date, database);
    const quor3::DrawRecord wrong =
        index >= 0 ? working[static_cast<std::size_t>(index)] : historyDrawOn(database, date);
    if (index >= 0 && correcting) {
        quor3::correctDraw(where.folder, where.name, index, wrong, right);
    } else if (index >= 0) {
        quor3::deleteDraw(where.folder, where.name, index, wrong);
    } else {
        quor3::RecordChange change;
        change.origin = {correcting ? "correction" : "deletion", "typed"};
        if (correcting)
            change.replaced.push_back({wrong, right});
        else
            change.takenOut.push_back(wrong);
        quor3::changeRecord(database, change);
    }
    std::cout << (correcting ? fill(translate("quor3::CommandLine", "Corrected the draw of %1: %2 (was %3)."),
                                    {quor3::monthDayYear(date), drawsText({right}), drawsText({wrong})})
                             : fill(translate("quor3::CommandLine", "Deleted the draw of %1: %2."),
                                    {quor3::monthDayYear(date), drawsText({wrong})}))
              << (index >= 0 ? std::string()
                             : " " + translate("quor3::CommandLine", "(It was in the full history only.)"))
              << '\n';
    for (const std::string& line : quor3::announcementsSince(database, mark))
        std::cout << line << '\n';
    if (index < 0)
        return 0;
    return rebuildAndPrint(where, quor3::FirstPanels::TotalAndLastDate, PrintedStatus());
}

// undo: the last change of any kind, in the working file and the history.
int runUndoCommand(const std::vector<std::string>& args)
{
    if (args[0] != "undo" || args.size() != 2)
        return -1;
    const Location where = locate(args[1]);
    const quor3::fs::path database = where.folder / where.name;
    const quor3::DatabaseLock lock(where.folder, where.name, quor3::DatabaseLock::Exclusive);
    const long long mark = quor3::ticketChangeMark(database);
    const quor3::UndoOutcome undone = quor3::undoLastChange(database);
    std::cout << fill(translate("quor3::CommandLine", "Took back change %1 (%2)."),
                      {std::to_string(undone.change), quor3::originText(undone.origin)})
              << '\n';
    for (const quor3::DayChange& day : undone.days)
        std::cout << fill(translate("quor3::CommandLine", "%1: %2 (was %3)"),
                          {quor3::monthDayYear(day.date), drawsText(day.after), drawsText(day.before)})
                  << '\n';
    if (!undone.backup.empty())
        std::cout << fill(translate("quor3::CommandLine", "The database as it was is kept in %1/%2."),
                          {quor3::BackupFolderName, undone.backup.filename().string()})
                  << '\n';
    for (const std::string& line : quor3::announcementsSince(database, mark))
        std::cout << line << '\n';
    if (!undone.workingChanged)
        return 0;
    if (!quor3::fileExists(database)) {
        PrintedStatus status;
        quor3::openDatabase(where.folder, where.name, status);
        status.print();
        return 0;
    }
    return rebuildAndPrint(where, quor3::FirstPanels::TotalAndLastDate, PrintedStatus());
}

std::string stampText(std::time_t at)
{
    std::tm local{};
    localtime_r(&at, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

// history --log [--json]: the corrections, newest first.
int runHistoryLogCommand(const std::vector<std::string>& args)
{
    if (args[0] != "history" || args.size() < 3 || args[2] != "--log" || args.size() > 4 ||
        (args.size() == 4 && args[3] != "--json"))
        return -1;
    const Location where = locate(args[1]);
    const std::vector<quor3::LoggedCorrection> log = quor3::correctionLog(where.folder / where.name);
    if (args.size() == 4) {
        const auto list = [](const std::vector<quor3::DrawRecord>& draws) {
            std::string text = "[";
            for (const quor3::DrawRecord& r : draws)
                text +=
                    (text.size() > 1 ? ", " : "") +
                    quor3::jsonString(std::to_string(r.Digit1) + std::to_string(r.Digit2) + std::to_string(r.Digit3));
            return text + "]";
        };
        std::cout << '[';
        for (std::size_t i = 0; i < log.size(); ++i) {
            const quor3::LoggedCorrection& e = log[i];
            std::cout << (i ? ",\n " : "") << "{\"change\": " << e.change
                      << ", \"date\": " << quor3::jsonString(quor3::isoDate(e.day.date))
                      << ", \"was\": " << list(e.day.before) << ", \"now\": " << list(e.day.after)
                      << ", \"at\": " << static_cast<long long>(e.at)
                      << ", \"kind\": " << quor3::jsonString(e.origin.kind)
                      << ", \"source\": " << quor3::jsonString(e.origin.source) << '}';
        }
        std::cout << "]\n";
        return 0;
    }
    if (log.empty())
        std::cout << translate("quor3::CommandLine", "No corrections.") << '\n';
    for (const quor3::LoggedCorrection& e : log)
        std::cout << fill(translate("quor3::CommandLine", "%1  %2: %3 (was %4), by %5"),
                          {stampText(e.at), quor3::monthDayYear(e.day.date), drawsText(e.day.after),
                           drawsText(e.day.before), quor3::originText(e.origin)})
                  << '\n';
    return 0;
}

int run(const std::vector<std::string>& args)
{
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::cout << translate("quor3::CommandLine", usage) << quor3::chanceUsage();
        return args.empty() ? 2 : 0;
    }
    if (args[0] == "--version") {
        std::cout << "quor3-engine " QUOR3_VERSION "\n";
        return 0;
    }
    const std::string& command = args[0];
    if (command == "rebuild" && args.size() == 2) {
        const Location where = locate(args[1]);
        PrintedStatus status;
        quor3::openDatabase(where.folder, where.name, status);
        status.print();
        return 0;
    }
    if ((command == "add" || command == "check") && args.size() == 6) {
        const Location where = locate(args[1]);
        const quor3::CivilDate date = parseDate(args[2]);
        const int a = parseDigit(args[3]), b = parseDigit(args[4]), c = parseDigit(args[5]);
        if (command == "check") {
            // Each line is printed as soon as it is logged: a check that fails
            // part-way still shows what it wrote.
            quor3::checkWinners(where.folder, where.name, a, b, c, date, {},
                                [](const quor3::WinnerMatch& match) { std::cout << match.logLine << std::endl; });
            return 0;
        }
        quor3::DrawRecord draw;
        draw.DrawDate = quor3::encodeDate(date);
        draw.Digit1 = a;
        draw.Digit2 = b;
        draw.Digit3 = c;
        // One change: no other writer comes between the store and its rebuild.
        const quor3::DatabaseLock lock(where.folder, where.name, quor3::DatabaseLock::Exclusive);
        const quor3::StoreResult stored = quor3::storeDraw(where.folder, where.name, draw);
        PrintedStatus status;
        status.setStatusText(0, translate("quor3::Status", "Total Draws: ") + std::to_string(stored.totalDraws));
        status.setStatusText(1, translate("quor3::Status", "Last Draw Date: ") + status.formatDate(draw.DrawDate));
        const int done = rebuildAndPrint(where, quor3::FirstPanels::None, status);
        for (const std::string& line : quor3::ticketAnnouncements(where.folder / where.name, draw))
            std::cout << line << '\n';
        if (!stored.backup.empty())
            std::cout << fill(translate("quor3::CommandLine",
                                        "The database was full: it keeps its newest %1 draws and the new "
                                        "one; every draw stays in its full history, %2."),
                              {std::to_string(quor3::DrawsKeptWhenFull),
                               quor3::historyFileFor(where.folder / where.name).filename().string()})
                      << '\n'
                      << fill(translate("quor3::CommandLine", "The older draws are kept in %1/%2."),
                              {quor3::BackupFolderName, stored.backup.filename().string()})
                      << '\n';
        return done;
    }
    if (const int done = quor3::runCalendarCommand(args); done >= 0)
        return done;
    if (const int done = quor3::runChanceCommand(args,
                                                 [](const std::string& path) {
                                                     const Location where = locate(path);
                                                     return where.folder / where.name;
                                                 });
        done >= 0)
        return done;
    if (const int done = runHistoryLogCommand(args); done >= 0)
        return done;
    if (const int done = runHistoryCommand(args); done >= 0)
        return done;
    if (const int done = runDrawChangeCommand(args); done >= 0)
        return done;
    if (const int done = runUndoCommand(args); done >= 0)
        return done;
    if (const int done = quor3::runGameImportCommand(args); done >= 0)
        return done;
    if (const int done = runDataCommand(args); done >= 0)
        return done;
    if (const int done = runStatisticsCommand(args); done >= 0)
        return done;
    if (const int done = runFetchCommand(args); done >= 0)
        return done;
    if (const int done = runTicketsCommand(args); done >= 0)
        return done;
    if (const int done = runPrizesCommand(args); done >= 0) {
        if (done == 0)
            quor3::printPrizeOdds(args[1]);
        return done;
    }
    std::cerr << "quor3-engine: " << translate("quor3::CommandLine", "wrong arguments") << "\n\n"
              << translate("quor3::CommandLine", usage) << quor3::chanceUsage();
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
#ifdef QUOR3_COMMAND_LINE_LANGUAGE
    installCommandLineLanguage();
#endif
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& e) {
        std::cerr << "quor3-engine: " << e.what() << '\n';
        return 1;
    }
}
