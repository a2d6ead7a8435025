#pragma once

#include "engine/Choices.h"
#include "engine/DrawRecord.h"

#include <string>
#include <vector>

namespace quor3
{

// Which of the two left-hand status panels the rebuild's first step sets:
// both when a database is opened, neither after a draw was added (the caller
// has set them), the last draw date alone after a correction.
enum class FirstPanels { TotalAndLastDate, None, LastDateOnly };

// Where the status texts go: the main window's status bar, or the command line.
class StatusSink
{
  public:
    virtual ~StatusSink() = default;
    virtual void setStatusText(int panel, const std::string& text) = 0;
    // The last draw date as the status bar shows it; month/day/year by default.
    virtual std::string formatDate(double dayNumber) const;
};

struct RebuildResult {
    long long totalDraws = 0;
    HotRanking hotRanking{};
};

// Everything a rebuild writes, made in memory: the thirteen derived files in
// the order they are written, the hot ranking that the two right-hand status
// panels show, and the choices.
struct RebuildOutput {
    struct File {
        const char* name;
        std::string bytes;
    };
    std::vector<File> files;
    HotRanking hotRanking{};
    ComputerChoices choices;
};

// The derived files of a database of these draws. A database of more than 731
// draws, which the program never writes itself, is analysed whole. No draws
// gives the files of an empty history; the rebuild refuses that case first.
RebuildOutput computeDerivedFiles(const std::vector<DrawRecord>& draws, RandomDigits& random);

// Rewrites every derived file beside the database `folder/databaseName` and
// sets the status texts. The database is read once; the files are replaced
// together, so that a failure leaves all of them as they were.
RebuildResult rebuildStatistics(const fs::path& folder, const std::string& databaseName, FirstPanels panels,
                                StatusSink& status, RandomDigits& random);
RebuildResult rebuildStatistics(const fs::path& folder, const std::string& databaseName, FirstPanels panels,
                                StatusSink& status);

// Whether the folder's derived files, which its databases share, were last
// written for this database (files::StatisticsOf); true when nothing says.
bool derivedFilesBelongTo(const fs::path& folder, const std::string& databaseName);

// The rebuild after a change that is already stored (an import, a correction,
// a restore). Its failure does not undo the change and is no failure of it:
// returns the text that says so ("The change is stored, but the statistics
// could not be updated: ..."), or "" when the rebuild succeeded (its result in
// `result` when given).
std::string rebuildAfterChange(const fs::path& folder, const std::string& databaseName, FirstPanels panels,
                               StatusSink& status, RebuildResult* result = nullptr);

// What choosing a file in the open dialog does once the folder is known: when
// the database exists, a full rebuild; when it does not, the bare labels and
// "Total Draws: 0", no file touched. Returns whether the database exists.
bool openDatabase(const fs::path& folder, const std::string& databaseName, StatusSink& status, RandomDigits& random);
bool openDatabase(const fs::path& folder, const std::string& databaseName, StatusSink& status);

// The bare file name of a chosen file, cut to its first 25 characters.
std::string databaseNameFor(const fs::path& chosenFile);

} // namespace quor3
