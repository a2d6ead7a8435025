// quor3-engine: the statistics engine from the command line. Each command is
// one function (engine/cli/), found by its name in the table below.

#include "engine/cli/CommandLine.h"

#include <algorithm>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#ifdef QUOR3_COMMAND_LINE_LANGUAGE
// The desktop's language for the messages (platform/CommandLineLanguage.cpp),
// in the full build; the engine alone speaks English.
void installCommandLineLanguage();
#endif

namespace
{

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

// Every command by its name; each reads its own options and sub-forms and
// returns -1 when they are wrong.
const quor3::cli::Command commands[] = {
    {"rebuild", quor3::cli::runRebuild},   {"add", quor3::cli::runAdd},         {"check", quor3::cli::runCheck},
    {"correct", quor3::cli::runCorrect},   {"delete", quor3::cli::runDelete},   {"undo", quor3::cli::runUndo},
    {"history", quor3::cli::runHistory},   {"import", quor3::cli::runImport},   {"export", quor3::cli::runExport},
    {"backups", quor3::cli::runBackups},   {"restore", quor3::cli::runRestore}, {"backtest", quor3::cli::runBacktest},
    {"fairness", quor3::cli::runFairness}, {"fetch", quor3::cli::runFetch},     {"chance", quor3::cli::runChance},
    {"wheel", quor3::cli::runWheel},       {"tickets", quor3::cli::runTickets}, {"prizes", quor3::cli::runPrizes},
};

int run(const quor3::cli::Args& args)
{
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::cout << translate("quor3::CommandLine", usage) << quor3::cli::chanceUsage();
        return args.empty() ? 2 : 0;
    }
    if (args[0] == "--version") {
        std::cout << "quor3-engine " QUOR3_VERSION "\n";
        return 0;
    }
    const auto command = std::find_if(std::begin(commands), std::end(commands),
                                      [&](const quor3::cli::Command& c) { return args[0] == c.name; });
    if (command != std::end(commands))
        if (const int done = command->run(args); done >= 0)
            return done;
    std::cerr << "quor3-engine: " << translate("quor3::CommandLine", "wrong arguments") << "\n\n"
              << translate("quor3::CommandLine", usage) << quor3::cli::chanceUsage();
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
