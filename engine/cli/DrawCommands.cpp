// rebuild, add, check, correct, delete and undo: the commands that store,
// check or change draws one at a time.

#include "engine/cli/CommandLine.h"

#include "engine/Backups.h"
#include "engine/DataFiles.h"
#include "engine/DatabaseLock.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "engine/HistoryChange.h"
#include "engine/StoreDraw.h"
#include "engine/Winners.h"

#include <iostream>

namespace quor3::cli
{

namespace
{

// The index of the working file's one draw of that date; -1 when it has none.
long long workingDrawOn(const std::vector<DrawRecord>& working, double date, const fs::path& database)
{
    long long found = -1;
    for (std::size_t i = 0; i < working.size(); ++i)
        if (working[i].DrawDate == date) {
            if (found >= 0)
                throwIoError(database, "change a draw of",
                             fill(translate("quor3::CommandLine",
                                            "it holds several draws of %1; change them in Quor 3's corrections "
                                            "window"),
                                  {monthDayYear(date)}));
            found = static_cast<long long>(i);
        }
    return found;
}

// The history's one draw of that date, which the working file does not hold.
DrawRecord historyDrawOn(const fs::path& database, double date)
{
    std::vector<DrawRecord> day;
    for (const DrawRecord& r : readHistory(database))
        if (r.DrawDate == date)
            day.push_back(r);
    if (day.size() != 1)
        throwIoError(database, "change a draw of",
                     fill(day.empty() ? translate("quor3::CommandLine", "it holds no draw of %1")
                                      : translate("quor3::CommandLine",
                                                  "its full history holds several draws of %1; change them "
                                                  "in Quor 3's corrections window"),
                          {monthDayYear(date)}));
    return day.front();
}

// correct and delete: the working file's draw of the date, or else the
// history's; the tickets are settled again.
int changeDraw(const Args& args, bool correcting)
{
    const Location where = locate(args[1]);
    const fs::path database = where.database();
    const double date = encodeDate(parseDate(args[2]));
    DrawRecord right;
    if (correcting) {
        right.DrawDate = date;
        right.Digit1 = parseDigit(args[3]);
        right.Digit2 = parseDigit(args[4]);
        right.Digit3 = parseDigit(args[5]);
    }
    const DatabaseLock lock(where.folder, where.name, DatabaseLock::Exclusive);
    const long long mark = ticketChangeMark(database);
    const std::vector<DrawRecord> working = fileExists(database) ? readDraws(database) : std::vector<DrawRecord>();
    const long long index = workingDrawOn(working, date, database);
    const DrawRecord wrong = index >= 0 ? working[static_cast<std::size_t>(index)] : historyDrawOn(database, date);
    if (index >= 0 && correcting) {
        correctDraw(where.folder, where.name, index, wrong, right);
    } else if (index >= 0) {
        deleteDraw(where.folder, where.name, index, wrong);
    } else {
        RecordChange change;
        change.origin = {correcting ? "correction" : "deletion", "typed"};
        if (correcting)
            change.replaced.push_back({wrong, right});
        else
            change.takenOut.push_back(wrong);
        changeRecord(database, change);
    }
    std::cout << (correcting ? fill(translate("quor3::CommandLine", "Corrected the draw of %1: %2 (was %3)."),
                                    {monthDayYear(date), drawsText({right}), drawsText({wrong})})
                             : fill(translate("quor3::CommandLine", "Deleted the draw of %1: %2."),
                                    {monthDayYear(date), drawsText({wrong})}))
              << (index >= 0 ? std::string()
                             : " " + translate("quor3::CommandLine", "(It was in the full history only.)"))
              << '\n';
    for (const std::string& line : announcementsSince(database, mark))
        std::cout << line << '\n';
    if (index < 0)
        return 0;
    return rebuildAndPrint(where, FirstPanels::TotalAndLastDate, PrintedStatus());
}

} // namespace

// rebuild PATH
int runRebuild(const Args& args)
{
    if (args.size() != 2)
        return -1;
    const Location where = locate(args[1]);
    PrintedStatus status;
    openDatabase(where.folder, where.name, status);
    status.print();
    return 0;
}

// add PATH M/D/YYYY D1 D2 D3
int runAdd(const Args& args)
{
    if (args.size() != 6)
        return -1;
    const Location where = locate(args[1]);
    const CivilDate date = parseDate(args[2]);
    DrawRecord draw;
    draw.DrawDate = encodeDate(date);
    draw.Digit1 = parseDigit(args[3]);
    draw.Digit2 = parseDigit(args[4]);
    draw.Digit3 = parseDigit(args[5]);
    // One change: no other writer comes between the store and its rebuild.
    const DatabaseLock lock(where.folder, where.name, DatabaseLock::Exclusive);
    const StoreResult stored = storeDraw(where.folder, where.name, draw);
    PrintedStatus status;
    status.setStatusText(0, translate("quor3::Status", "Total Draws: ") + std::to_string(stored.totalDraws));
    status.setStatusText(1, translate("quor3::Status", "Last Draw Date: ") + status.formatDate(draw.DrawDate));
    const int done = rebuildAndPrint(where, FirstPanels::None, status);
    for (const std::string& line : ticketAnnouncements(where.database(), draw))
        std::cout << line << '\n';
    if (!stored.backup.empty())
        std::cout << fill(translate("quor3::CommandLine",
                                    "The database was full: it keeps its newest %1 draws and the new "
                                    "one; every draw stays in its full history, %2."),
                          {std::to_string(DrawsKeptWhenFull), historyFileFor(where.database()).filename().string()})
                  << '\n'
                  << fill(translate("quor3::CommandLine", "The older draws are kept in %1/%2."),
                          {BackupFolderName, stored.backup.filename().string()})
                  << '\n';
    return done;
}

// check PATH M/D/YYYY D1 D2 D3
int runCheck(const Args& args)
{
    if (args.size() != 6)
        return -1;
    const Location where = locate(args[1]);
    const CivilDate date = parseDate(args[2]);
    const int a = parseDigit(args[3]), b = parseDigit(args[4]), c = parseDigit(args[5]);
    // Each line is printed as soon as it is logged: a check that fails
    // part-way still shows what it wrote.
    checkWinners(where.folder, where.name, a, b, c, date, {},
                 [](const WinnerMatch& match) { std::cout << match.logLine << std::endl; });
    return 0;
}

// correct PATH M/D/YYYY D1 D2 D3
int runCorrect(const Args& args)
{
    return args.size() == 6 ? changeDraw(args, true) : -1;
}

// delete PATH M/D/YYYY
int runDelete(const Args& args)
{
    return args.size() == 3 ? changeDraw(args, false) : -1;
}

// undo PATH: the last change of any kind, in the working file and the history.
int runUndo(const Args& args)
{
    if (args.size() != 2)
        return -1;
    const Location where = locate(args[1]);
    const fs::path database = where.database();
    const DatabaseLock lock(where.folder, where.name, DatabaseLock::Exclusive);
    const long long mark = ticketChangeMark(database);
    const UndoOutcome undone = undoLastChange(database);
    std::cout << fill(translate("quor3::CommandLine", "Took back change %1 (%2)."),
                      {std::to_string(undone.change), originText(undone.origin)})
              << '\n';
    for (const DayChange& day : undone.days)
        std::cout << fill(translate("quor3::CommandLine", "%1: %2 (was %3)"),
                          {monthDayYear(day.date), drawsText(day.after), drawsText(day.before)})
                  << '\n';
    if (!undone.backup.empty())
        std::cout << fill(translate("quor3::CommandLine", "The database as it was is kept in %1/%2."),
                          {BackupFolderName, undone.backup.filename().string()})
                  << '\n';
    for (const std::string& line : announcementsSince(database, mark))
        std::cout << line << '\n';
    if (!undone.workingChanged)
        return 0;
    if (!fileExists(database)) {
        PrintedStatus status;
        openDatabase(where.folder, where.name, status);
        status.print();
        return 0;
    }
    return rebuildAndPrint(where, FirstPanels::TotalAndLastDate, PrintedStatus());
}

} // namespace quor3::cli
