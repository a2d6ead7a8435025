#pragma once

// quor3-engine's commands: one function a command, each reading its own
// options and sub-forms, and the helpers they share.

#include "engine/Dates.h"
#include "engine/DrawRecord.h"
#include "engine/Rebuild.h"
#include "engine/Text.h"
#include "engine/Tickets.h"

#include <string>
#include <vector>

namespace quor3::cli
{

using Args = std::vector<std::string>;

// A command returns the exit status, or -1 when its arguments are wrong (the
// usage text is shown then).
using CommandFunction = int (*)(const Args& args);

struct Command {
    const char* name; // args[0]
    CommandFunction run;
};

// The usage texts' lines of the commands that keep theirs beside them.
std::string chanceUsage();

int runRebuild(const Args& args);
int runAdd(const Args& args);
int runCheck(const Args& args);
int runCorrect(const Args& args);
int runDelete(const Args& args);
int runUndo(const Args& args);
int runHistory(const Args& args);
int runImport(const Args& args);
int runExport(const Args& args);
int runBackups(const Args& args);
int runRestore(const Args& args);
int runBacktest(const Args& args);
int runFairness(const Args& args);
int runFetch(const Args& args);
int runChance(const Args& args);
int runWheel(const Args& args);
int runTickets(const Args& args);
int runPrizes(const Args& args);

// The sub-forms kept beside the commands they share their code with:
// `history PATH --json`, `history PATH --days DAYS [--json]`;
// `tickets PATH horizon [--draws N] [--json]`; the odds after `prizes PATH`.
int runHistoryCalendar(const Args& args);
int runTicketsHorizon(const Args& args);
void printPrizeOdds(const fs::path& database);

// The four status panels, printed in order.
class PrintedStatus : public StatusSink
{
  public:
    std::string panels[4] = {
        translate("quor3::Status", "Total Draws: "), translate("quor3::Status", "Last Draw Date: "),
        translate("quor3::Status", "Hottest Number: "), translate("quor3::Status", "Coldest Number: ")};
    void setStatusText(int panel, const std::string& text) override;
    void print() const;
};

struct Location {
    fs::path folder;
    std::string name;
    fs::path database() const { return folder / name; }
};

// The database a PATH argument names (a history, backup or derived file is
// refused), with its full history made ready unless `seedHistory` is false.
Location locate(const std::string& path, bool seedHistory = true);

// The rebuild after a stored change; its failure is said as what it is, and
// the exit status 3 tells a script so.
int rebuildAndPrint(const Location& where, FirstPanels panels, PrintedStatus status);

CivilDate parseDate(const std::string& text);
int parseDigit(const std::string& text);
// A ticket's date, M/D/YYYY or YYYY-MM-DD.
double ticketDate(const std::string& text);
Cents amount(const std::string& text);
double todayDayNumber();

// `what` is marked for translation where it is named.
[[noreturn]] void badValue(const std::string& text, const char* what);

// `text` in a column `width` characters wide (on the right for a negative
// width), counted as characters: translated headings and names may hold
// letters of several bytes.
std::string column(const std::string& text, int width);

// "307, 112", or "none".
std::string drawsText(const std::vector<DrawRecord>& draws);

} // namespace quor3::cli
