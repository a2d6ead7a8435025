#pragma once

#include "engine/FileIo.h"
#include "engine/Import.h"

#include <string>
#include <vector>

namespace quor3
{

// A game: the draws of one lottery game on the same day (Morning, Day,
// Evening, Night), each kept in a database of its own in one folder. One
// import stores every draw of the files it reads: a file with a column or a
// line per draw, or one file per draw time.

struct GameDrawPlan {
    std::string drawName;     // as the file names it ("Midday Daily #"), or the time its file's name says
    std::string databaseName; // "tx-pick3-morning.c3d"
    ChosenDraws chosen;       // the draw's draws, each date and digits once
};

// The database of one draw of the game `databasePath` (the one the user named:
// its stem names the game, its extension is kept): "tx-pick3.c3d" and
// "Pick 3 Morning" give "tx-pick3-morning.c3d", cut to the 25 characters of a
// database name by shortening the game's part.
std::string gameDrawDatabaseName(const fs::path& databasePath, const std::string& drawName);

// Where a draw falls in the day, by the time its name says (morning first,
// night last; a name without one after them).
int drawTimeOfDay(const std::string& drawName);

// The draws of the scans (one per file; `files` names them), each draw's
// draws gathered over the files, in the order of the day. A file naming no
// draw is named by its file name's time of day ("pick3-night.csv": "Night"),
// or by its file name. Raises quor3::Error when two draws would share a
// database name, or when the files hold no draw.
std::vector<GameDrawPlan> planGameImport(const fs::path& databasePath, const std::vector<ImportScan>& scans,
                                         const std::vector<fs::path>& files);

struct GameDrawImport {
    GameDrawPlan plan;
    ImportOutcome outcome;
    std::string rebuildFailure; // rebuildAfterChange's text; empty when the statistics were updated
};

// Stores each planned draw in its database in `folder` (storeImport under the
// database's lock, then its statistics rebuilt), remembers each database's
// draw and the game in `settingsFile`, and gives each database the results
// source of `sourceDatabase` (the one the user named) when it has an address,
// with its own draw. Raises quor3::Error at the first draw that cannot be
// stored; the draws stored before it stay.
std::vector<GameDrawImport> storeGameImport(const fs::path& folder, const std::vector<GameDrawPlan>& plans,
                                            ImportMode mode, const std::string& origin, const fs::path& settingsFile,
                                            const std::string& sourceDatabase);

// The game's databases, in the order of the day ("Game" in each database's
// results section); the database alone when it belongs to no game.
std::vector<std::string> gameDatabases(const fs::path& settingsFile, const std::string& databaseName);
void rememberGame(const fs::path& settingsFile, const std::vector<std::string>& databaseNames);

} // namespace quor3
