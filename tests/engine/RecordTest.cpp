#include "EngineTestSupport.h"

#include "engine/Backups.h"
#include "engine/History.h"
#include "engine/HistoryChange.h"
#include "engine/Import.h"
#include "engine/StoreDraw.h"
#include "engine/Tickets.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>
#include <map>

using namespace quor3;

namespace
{

// What the player has been told, kept plainly: each date's draws in the full
// history, the working file's draws, and the tickets' numbers and dates.
struct Model {
    std::map<double, std::vector<int>> history; // digits as 123
    std::vector<DrawRecord> working;
};

int number(const DrawRecord& r)
{
    return r.Digit1 * 100 + r.Digit2 * 10 + r.Digit3;
}

// The working file's dates take its draws; older dates keep theirs.
void coverWith(Model& m, const std::vector<DrawRecord>& working)
{
    m.working = working;
    std::map<double, std::vector<int>> days;
    for (const DrawRecord& r : working)
        days[r.DrawDate].push_back(number(r));
    for (auto& [date, draws] : days)
        m.history[date] = draws;
}

std::string text(const std::map<double, std::vector<int>>& days)
{
    std::string out;
    for (const auto& [date, draws] : days)
        for (int d : draws)
            out += std::to_string(static_cast<long long>(date)) + ":" + std::to_string(d) + " ";
    return out;
}

class Record : public ::testing::Test
{
  protected:
    TempFolder dir;
    TempFolder outside; // for what the commands print on errors
    fs::path db = dir / "ga.c3d";
};

// Every kind of change, one after another, checked after each against the
// plain model: the full history, the working file, and every ticket's result
// (a straight $1 play on one draw, which wins when the first draw of the
// record on or after its date is its number).
TEST_F(Record, EveryChangeKeepsTheHistoryTheWorkingFileAndTheTicketsOneStory)
{
    const std::vector<DrawRecord> full = drawsOf(variedTriples(MaxDraws), 40000);
    writeDatabase(db, full);
    Model m;
    coverWith(m, full);
    std::vector<Model> undo;
    std::vector<std::pair<double, int>> tickets; // date, number
    fs::path cutBackup;
    long long entryChange = 0;
    const auto ticket = [&](double date, int n) {
        TicketPlay play;
        play.firstDraw = date;
        play.number = {n / 100, n / 10 % 10, n % 10};
        addTicket(db, play);
        tickets.push_back({date, n});
    };
    const double old = 40005, entered = 40731;
    const int oldNumber = number(full[5]);
    struct Step {
        const char* name;
        std::function<void()> act;
        std::function<void()> model; // empty: an undo
        bool changes = true;
    };
    const std::vector<Step> steps = {
        {"tickets on an old draw and on one to come",
         [&] { ticket(old, oldNumber), ticket(entered, 123), ticket(entered + 1, 777); }, [] {}, false},
        {"an entry into a full database cuts it back",
         [&] {
             const StoreResult r = storeDraw(dir.path(), "ga.c3d", drawOn(entered, 1, 2, 3));
             cutBackup = r.backup;
             entryChange = r.change;
         },
         [&] {
             std::vector<DrawRecord> kept(m.working.end() - DrawsKeptWhenFull, m.working.end());
             kept.push_back(drawOn(entered, 1, 2, 3));
             coverWith(m, kept);
         }},
        {"a correction of a draw only the history holds",
         [&] {
             RecordChange c;
             c.replaced.push_back(
                 {drawOn(old, oldNumber / 100, oldNumber / 10 % 10, oldNumber % 10), drawOn(old, 9, 9, 9)});
             c.origin = {"correction", "typed"};
             ASSERT_EQ(changeRecord(db, c).corrections.size(), 1u);
         },
         [&] { m.history[old] = {999}; }},
        {"undo takes the correction back", [&] { undoLastChange(db); }, {}},
        {"a correction in the working file",
         [&] {
             correctDraw(dir.path(), "ga.c3d", DrawsKeptWhenFull, drawOn(entered, 1, 2, 3), drawOn(entered, 4, 5, 6));
         },
         [&] {
             m.working.back() = drawOn(entered, 4, 5, 6);
             m.history[entered] = {456};
         }},
        {"the window's undo refuses an entry followed by a correction",
         [&] {
             EXPECT_THROW(undoEntry({db, drawOn(entered, 4, 5, 6), DrawsKeptWhenFull + 1, cutBackup, entryChange}),
                          Error);
         },
         [] {}, false},
        {"undo puts the corrected draw's old value back", [&] { undoLastChange(db); }, {}},
        {"a deletion", [&] { deleteDraw(dir.path(), "ga.c3d", DrawsKeptWhenFull, drawOn(entered, 1, 2, 3)); },
         [&] {
             m.working.pop_back();
             m.history.erase(entered);
         }},
        {"undo brings the deleted draw back", [&] { undoLastChange(db); }, {}},
        {"an entry", [&] { storeDraw(dir.path(), "ga.c3d", drawOn(entered + 1, 7, 7, 7)); },
         [&] {
             m.working.push_back(drawOn(entered + 1, 7, 7, 7));
             m.history[entered + 1] = {777};
         }},
        {"a history-only correction before a restore",
         [&] {
             RecordChange c;
             c.replaced.push_back(
                 {drawOn(old, oldNumber / 100, oldNumber / 10 % 10, oldNumber % 10), drawOn(old, 9, 9, 9)});
             changeRecord(db, c);
         },
         [&] { m.history[old] = {999}; }},
        {"a restore replaces the dates its file covers", [&] { restoreBackup(db, cutBackup); },
         [&] { coverWith(m, full); }},
        {"a second cut-back", [&] { storeDraw(dir.path(), "ga.c3d", drawOn(entered + 2, 0, 0, 1)); },
         [&] {
             std::vector<DrawRecord> kept(m.working.end() - DrawsKeptWhenFull, m.working.end());
             kept.push_back(drawOn(entered + 2, 0, 0, 1));
             coverWith(m, kept);
         }},
        {"an import of a corrected old draw is a correction",
         [&] {
             const ImportOutcome o =
                 storeImport(dir.path(), "ga.c3d", {drawOn(old, 8, 8, 8), full[10]}, ImportMode::Merge);
             EXPECT_EQ(o.corrections.size(), 1u);
         },
         [&] {
             std::vector<DrawRecord> now = {drawOn(old, 8, 8, 8), full[10]};
             now.insert(now.end(), m.working.begin(), m.working.end());
             coverWith(m, now);
         }},
        {"an import replacing the working file",
         [&] { storeImport(dir.path(), "ga.c3d", {drawOn(old, 5, 5, 5)}, ImportMode::Replace); },
         [&] { coverWith(m, {drawOn(old, 5, 5, 5)}); }},
        {"undo brings the working file back", [&] { undoLastChange(db); }, {}},
        {"a ticket added after its draw", [&] { ticket(old, 888); }, [] {}, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        ASSERT_NO_THROW(step.act());
        if (!step.model) {
            ASSERT_FALSE(undo.empty());
            m = undo.back();
            undo.pop_back();
        } else if (step.changes) {
            undo.push_back(m);
            step.model();
        }
        std::map<double, std::vector<int>> history;
        for (const DrawRecord& r : readHistory(db))
            history[r.DrawDate].push_back(number(r));
        EXPECT_EQ(text(history), text(m.history));
        const std::vector<DrawRecord> working = readDraws(db);
        ASSERT_EQ(working.size(), m.working.size());
        for (std::size_t i = 0; i < working.size(); ++i)
            EXPECT_TRUE(sameDateAndDigits(working[i], m.working[i])) << i;
        const std::vector<TicketRecord> stored = listTickets(db);
        ASSERT_EQ(stored.size(), tickets.size());
        for (std::size_t i = 0; i < tickets.size(); ++i) {
            const auto first = m.history.lower_bound(tickets[i].first);
            const bool drawn = first != m.history.end();
            EXPECT_EQ(stored[i].settledDraws, drawn ? 1 : 0) << "ticket " << i + 1;
            EXPECT_EQ(stored[i].won > 0, drawn && first->second.front() == tickets[i].second) << "ticket " << i + 1;
        }
    }
}

} // namespace

// Two draws a day: a cut-back may keep only the last draw of its oldest day;
// the history keeps both, and where each came from.
TEST_F(Record, ACutBackThatSplitsADayKeepsTheWholeDayInTheHistory)
{
    std::vector<DrawRecord> full;
    for (int i = 0; i < MaxDraws; ++i)
        full.push_back(drawOn(40000 + i / 2, i % 10, i / 10 % 10, 1));
    writeDatabase(db, full);
    storeDraw(dir.path(), "ga.c3d", drawOn(41000, 1, 2, 3));
    const std::vector<DrawRecord> working = readDraws(db);
    ASSERT_NE(working[0].DrawDate, working[1].DrawDate); // the oldest day cut short
    EXPECT_EQ(readHistory(db).size(), full.size() + 1);
    EXPECT_EQ(originOf(db, drawOn(41000, 1, 2, 3)).origin.kind, "entry");
}

namespace
{

std::string cli(const std::string& args)
{
    return std::string("'") + QUOR3_ENGINE_CLI + "' " + args;
}

// Everything in the folder, byte for byte, for "nothing written".
std::string folderState(const fs::path& folder)
{
    std::string state;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().filename() != "quor3.lock")
            state += entry.path().string() + "=" + readWholeFile(entry.path()) + "\n";
    return state;
}

TEST_F(Record, AHistoryABackupOrADerivedFileIsNoDatabaseAndNoExportTarget)
{
    writeDatabase(db, drawsOf(variedTriples(20), 40000));
    writeDatabase(dir / "gb.c3d", drawsOf(variedTriples(5), 40000));
    ensureHistory(db);
    ensureHistory(dir / "gb.c3d");
    const fs::path backup = backupDatabase(db);
    writeWholeFile(dir / "results.csv", "2030-01-01,1,2,3\n");
    const std::string d = dir.path().string() + "/";
    const struct {
        std::string args;
        std::string named;
    } cases[] = {
        {"add '" + d + "ga.c3d.sqlite' 1/1/2030 1 2 3", "ga.c3d.sqlite"},
        {"history '" + d + "gb.c3d.sqlite'", "gb.c3d.sqlite"},
        {"import '" + d + "ga.c3d.sqlite' '" + d + "results.csv'", "ga.c3d.sqlite"},
        {"add '" + backup.string() + "' 1/1/2030 1 2 3", backup.filename().string().substr(0, 20)},
        {"export '" + d + "ga.c3d' '" + d + "ga.c3d.sqlite'", "ga.c3d.sqlite"},
        {"export '" + d + "ga.c3d' '" + d + "gb.c3d.sqlite'", "gb.c3d.sqlite"},
        {"export '" + d + "ga.c3d' '" + d + "gb.c3d.sqlite' --all", "gb.c3d.sqlite"},
        {"tickets '" + d + "ga.c3d' export '" + d + "gb.c3d.sqlite'", "gb.c3d.sqlite"},
        {"export '" + d + "ga.c3d' '" + d + "pair.dat'", "pair.dat"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const std::string before = folderState(dir.path());
        const CommandRun run = runCommand(cli(c.args), outside.path() / "err.txt");
        EXPECT_EQ(run.status, 1) << run.out;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
        EXPECT_EQ(folderState(dir.path()), before);
    }
}

TEST_F(Record, ADamagedPageIsFoundBeforeAnyWriteAndStartingOverKeepsWhatCanBeRead)
{
    storeImport(dir.path(), "ga.c3d", drawsOf(variedTriples(3000), 30000), ImportMode::Merge);
    TicketPlay play;
    play.firstDraw = 30001;
    addTicket(db, play);
    const fs::path file = historyFileFor(db);
    // One page amid the draws the working file no longer holds.
    std::string bytes = readWholeFile(file);
    for (std::size_t i = 6 * 4096; i < 7 * 4096; ++i)
        bytes[i] = static_cast<char>(i * 13);
    writeWholeFile(file, bytes);
    std::string message;
    try {
        storeDraw(dir.path(), "ga.c3d", drawOn(40000, 1, 2, 3));
    } catch (const Error& e) {
        message = e.what();
    }
    EXPECT_NE(message.find("\"ga.c3d.sqlite\""), std::string::npos) << message;
    EXPECT_NE(message.find("history " + db.string() + " --start-over"), std::string::npos) << message;
    EXPECT_EQ(readWholeFile(file), bytes);
    EXPECT_EQ(countDraws(db), MaxDraws);

    startHistoryOver(db);
    const std::vector<DrawRecord> kept = readHistory(db);
    EXPECT_GT(kept.size(), 2500u); // all but the draws of the damaged page
    EXPECT_EQ(kept.front().DrawDate, 30000);
    EXPECT_EQ(kept.back().DrawDate, 32999);
    ASSERT_EQ(listTickets(db).size(), 1u);
    EXPECT_EQ(listTickets(db)[0].settledDraws, 1);
}

// A kill between the history's commit and the first write of the working
// file: the next command finishes the store.
TEST_F(Record, AFirstStoreCutShortIsFinishedAtTheNextOpen)
{
    storeDraw(dir.path(), "ga.c3d", drawOn(40000, 1, 2, 3));
    const std::string working = readWholeFile(db);
    fs::remove(db);
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open(historyFileFor(db).c_str(), &h), SQLITE_OK);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(h, "INSERT INTO pending_working (id, contents) VALUES (1, ?1)", -1, &s, nullptr);
    sqlite3_bind_blob(s, 1, working.data(), static_cast<int>(working.size()), SQLITE_TRANSIENT);
    EXPECT_EQ(sqlite3_step(s), SQLITE_DONE);
    sqlite3_finalize(s);
    sqlite3_close(h);
    for (const char* command : {"history", "rebuild", "export"}) {
        SCOPED_TRACE(command);
        const CommandRun run = runCommand(cli(std::string(command) + " '" + db.string() + "'"), outside.path() / "e");
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(readWholeFile(db), working);
    }
    EXPECT_NE(runCommand(cli("rebuild '" + db.string() + "'"), outside.path() / "e").out.find("Total Draws: 1"),
              std::string::npos);
}

} // namespace
