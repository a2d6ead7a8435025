#include "EngineTestSupport.h"

#include "engine/Backups.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "engine/Import.h"
#include "engine/StoreDraw.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <map>
#include <random>
#include <sys/wait.h>

using namespace quor3;

namespace
{

std::string text(const std::vector<DrawRecord>& draws)
{
    std::string out;
    for (const DrawRecord& r : draws)
        out += std::to_string(static_cast<long long>(r.DrawDate)) + ":" + std::to_string(r.Digit1) +
               std::to_string(r.Digit2) + std::to_string(r.Digit3) + " ";
    return out;
}

void sql(const fs::path& file, const std::string& statements)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, statements.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

class History : public ::testing::Test
{
  protected:
    TempFolder dir;
    fs::path db = dir / "ga.c3d";
};

// Each step changes the database one way; the history after it is exactly
// what the player has been given, less what was undone or corrected.
TEST_F(History, EveryChangeLeavesExactlyTheDrawsExpected)
{
    const std::vector<DrawRecord> full = drawsOf(variedTriples(MaxDraws), 40000);
    writeDatabase(db, full);
    std::vector<DrawRecord> expected = full;
    StoredEntry entry;
    fs::path beforeCut;
    const DrawRecord x = drawOn(40731, 1, 2, 3), corrected = drawOn(40731, 4, 5, 6), y = drawOn(40732, 7, 8, 9),
                     z = drawOn(40733, 0, 0, 1);
    struct Step {
        const char* name;
        std::function<void()> act;
        std::function<void()> expect;
        long long working;
    };
    const std::vector<Step> steps = {
        {"a cut-back keeps every draw", [&] { beforeCut = storeDraw(dir.path(), "ga.c3d", x).backup; },
         [&] { expected.push_back(x); }, DrawsKeptWhenFull + 1},
        {"a correction replaces the draw", [&] { correctDraw(dir.path(), "ga.c3d", DrawsKeptWhenFull, x, corrected); },
         [&] { expected.back() = corrected; }, DrawsKeptWhenFull + 1},
        {"an undone entry is removed",
         [&] {
             const StoreResult r = storeDraw(dir.path(), "ga.c3d", y);
             undoEntry({db, y, r.totalDraws, r.backup});
         },
         [] {}, DrawsKeptWhenFull + 1},
        {"a restore keeps the history as it is", [&] { restoreBackup(db, beforeCut); }, [] {}, MaxDraws},
        {"an undone cut-back removes only its draw",
         [&] {
             const StoreResult r = storeDraw(dir.path(), "ga.c3d", z);
             ASSERT_TRUE(r.cutBack);
             undoEntry({db, z, r.totalDraws, r.backup});
         },
         [] {}, MaxDraws},
        {"a deleted draw is removed", [&] { deleteDraw(dir.path(), "ga.c3d", 0, full.front()); },
         [&] { expected.erase(expected.begin()); }, MaxDraws - 1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        step.expect();
        const std::vector<DrawRecord> history = readHistory(db);
        ASSERT_EQ(history.size(), expected.size());
        EXPECT_TRUE(text(history) == text(expected)) << "ends " << text({history.end() - 3, history.end()});
        EXPECT_EQ(countDraws(db), step.working);
    }
}

TEST_F(History, IsSeededFromTheWorkingFileAndEveryBackupEachDrawOnce)
{
    // Two draws a day: the order of the day is kept, a draw in several files counts once,
    // and a day's two equal draws stay two.
    const std::vector<DrawRecord> oldest = {drawOn(100, 1, 1, 1), drawOn(100, 2, 2, 2), drawOn(101, 3, 3, 3)};
    const std::vector<DrawRecord> older = {drawOn(101, 3, 3, 3), drawOn(101, 4, 4, 4), drawOn(102, 5, 5, 5)};
    const std::vector<DrawRecord> old = {drawOn(102, 5, 5, 5), drawOn(102, 5, 5, 5), drawOn(103, 6, 6, 6)};
    const std::vector<DrawRecord> working = {drawOn(103, 6, 6, 6), drawOn(104, 7, 7, 7)};
    fs::create_directory(dir / "backups");
    writeDatabase(dir / "backups" / "ga-20250101-000000.c3d", oldest);
    writeDatabase(dir / "backups" / "ga-20250201-000000.c3d", older);
    writeDatabase(dir / "backups" / "ga-20250301-000000-2.c3d", old);
    writeDatabase(dir / "backups" / "gb-20250301-000000.c3d", {drawOn(99, 9, 9, 9)}); // another database's
    writeDatabase(db, working);

    ensureHistory(db);

    EXPECT_TRUE(fileExists(dir / "ga.c3d.sqlite"));
    EXPECT_EQ(text(readHistory(db)),
              text({drawOn(100, 1, 1, 1), drawOn(100, 2, 2, 2), drawOn(101, 3, 3, 3), drawOn(101, 4, 4, 4),
                    drawOn(102, 5, 5, 5), drawOn(102, 5, 5, 5), drawOn(103, 6, 6, 6), drawOn(104, 7, 7, 7)}));
    const HistorySummary summary = summarizeHistory(db);
    EXPECT_EQ(summary.draws, 8);
    EXPECT_EQ(summary.firstDate, 100);
    EXPECT_EQ(summary.lastDate, 104);
}

TEST_F(History, AnImportKeepsEveryDrawOfTheFile)
{
    const std::vector<DrawRecord> incoming = drawsOf(variedTriples(3000), 30000);
    storeImport(dir.path(), "ga.c3d", incoming, ImportMode::Merge);
    EXPECT_EQ(countDraws(db), MaxDraws);
    EXPECT_EQ(text(readHistory(db)), text(incoming));
    // The same file again adds nothing.
    storeImport(dir.path(), "ga.c3d", incoming, ImportMode::Merge);
    EXPECT_EQ(summarizeHistory(db).draws, 3000);
}

// A stop after the history took an entry and before the working file did is
// finished at the next open.
TEST_F(History, AnInterruptedWriteIsFinishedAtOpen)
{
    writeDatabase(db, {drawOn(100, 1, 2, 3)});
    ensureHistory(db);
    const std::string intended = encodeDraws({drawOn(100, 1, 2, 3), drawOn(101, 4, 5, 6)});
    sql(
        dir / "ga.c3d.sqlite", "INSERT INTO draws (draw_date, turn, digit1, digit2, digit3) VALUES (101, 0, 4, 5, 6);"
                               "INSERT INTO pending_working VALUES (1, x'" +
                                   [&] {
                                       std::string hex;
                                       for (unsigned char ch : intended) {
                                           const char* digits = "0123456789abcdef";
                                           hex += digits[ch >> 4];
                                           hex += digits[ch & 15];
                                       }
                                       return hex;
                                   }() +
                                   "');");
    ensureHistory(db);
    EXPECT_EQ(readWholeFile(db), intended);
    // A working draw the history lacks (the file put back by hand) is added.
    writeDatabase(db, {drawOn(100, 1, 2, 3), drawOn(101, 4, 5, 6), drawOn(102, 7, 7, 7)});
    ensureHistory(db);
    EXPECT_EQ(summarizeHistory(db).draws, 3);
}

TEST_F(History, ADamagedOrForeignHistoryIsReportedAndLeftAlone)
{
    const fs::path file = dir / "ga.c3d.sqlite";
    struct Case {
        const char* name;
        std::function<void()> make;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"not a database", [&] { writeWholeFile(file, std::string(5000, 'x')); }, "file is not a database"},
        {"another program's", [&] { sql(file, "CREATE TABLE t (x); INSERT INTO t VALUES (1);"); },
         "not a Quor 3 history"},
        {"a newer layout", [&] { ensureHistory(db), sql(file, "PRAGMA user_version = 7;"); }, "newer version"},
        {"damaged pages",
         [&] {
             storeImport(dir.path(), "ga.c3d", drawsOf(variedTriples(3000), 30000), ImportMode::Replace);
             std::string bytes = readWholeFile(file);
             for (std::size_t i = 4096; i < bytes.size(); ++i)
                 bytes[i] = static_cast<char>(i * 7);
             writeWholeFile(file, bytes);
         },
         "malformed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(file);
        writeDatabase(db, {drawOn(100, 1, 2, 3)});
        c.make();
        writeDatabase(db, {drawOn(100, 1, 2, 3)});
        const std::string before = readWholeFile(file);
        std::string message;
        try {
            storeDraw(dir.path(), "ga.c3d", drawOn(101, 1, 1, 1));
        } catch (const Error& e) {
            message = e.what();
        }
        EXPECT_NE(message.find("\"ga.c3d.sqlite\""), std::string::npos) << message;
        EXPECT_NE(message.find(c.reason), std::string::npos) << message;
        EXPECT_EQ(readWholeFile(file), before);
        EXPECT_EQ(countDraws(db), 1);
        // Starting over keeps the file, whole, among the backups.
        const fs::path kept = retireHistory(db);
        EXPECT_EQ(kept.parent_path(), dir / "backups");
        EXPECT_EQ(readWholeFile(kept), before);
        storeDraw(dir.path(), "ga.c3d", drawOn(101, 1, 1, 1));
        EXPECT_EQ(summarizeHistory(db).draws, 2);
    }
}

std::string engineOutput(const std::string& args)
{
    std::string out;
    FILE* pipe = popen((std::string("'") + QUOR3_ENGINE_CLI + "' " + args + " 2>&1").c_str(), "r");
    char buffer[512];
    std::size_t n;
    while (pipe && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    if (pipe)
        pclose(pipe);
    return out;
}

// The history as stored, read without the repair an open makes.
std::vector<DrawRecord> storedHistory(const fs::path& file)
{
    std::vector<DrawRecord> draws;
    sqlite3* db = nullptr;
    // Read-write: a transaction the kill cut short is rolled back, as any reader does.
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, "SELECT draw_date, digit1, digit2, digit3 FROM draws ORDER BY draw_date, turn", -1, &s,
                           nullptr);
        while (s && sqlite3_step(s) == SQLITE_ROW)
            draws.push_back(drawOn(sqlite3_column_double(s, 0), sqlite3_column_int(s, 1), sqlite3_column_int(s, 2),
                                   sqlite3_column_int(s, 3)));
        sqlite3_finalize(s);
    }
    sqlite3_close(db);
    return draws;
}

// An import into a history in use, ahead of its draws and into them: each
// day the working file holds keeps its draws and gains the file's that it
// lacks, the same draw counted once; an older day takes the file's draws
// when they are not all there (a correction, never a second draw); the days
// after the file's stay as they were.
TEST_F(History, AnImportIsMergedIntoTheStoredDaysWhereverItFalls)
{
    struct Case {
        const char* name;
        int stored;
        double storedFrom;
        int given;
        double givenFrom;
    };
    const std::vector<Case> cases = {
        {"many older draws reaching into a short history", MaxDraws, 40000, 2400, 38003},
        {"a few draws amid a long history", 3000, 37000, 300, 38003},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder here;
        const std::vector<DrawRecord> stored = drawsOf(variedTriples(c.stored), c.storedFrom);
        std::vector<DrawRecord> given;
        for (const DrawRecord& r : drawsOf(variedTriples(c.given), c.givenFrom)) {
            // Two days in three of both come with their stored draw first, as a second file would
            // (a file agreeing on fewer than half the shared days is another draw, and refused).
            const double at = r.DrawDate - c.storedFrom;
            if (at >= 0 && at < c.stored && static_cast<int>(at) % 3 != 2)
                given.push_back(stored[static_cast<std::size_t>(at)]);
            given.push_back(r);
        }
        storeImport(here.path(), "ga.c3d", stored, ImportMode::Merge);
        storeImport(here.path(), "ga.c3d", given, ImportMode::Merge);
        std::map<double, int> covered;
        for (const DrawRecord& r : readDraws(here / "ga.c3d"))
            ++covered[r.DrawDate];
        std::map<double, std::vector<std::string>> days;
        auto merge = [&days, &covered](const std::vector<DrawRecord>& file) {
            std::map<double, std::vector<std::string>> fileDays;
            for (const DrawRecord& r : file)
                fileDays[r.DrawDate].push_back(text({r}));
            for (const auto& [date, draws] : fileDays) {
                bool lacking = false;
                std::vector<std::string>& day = days[date];
                for (std::size_t i = 0; i < draws.size(); ++i)
                    if (std::count(day.begin(), day.end(), draws[i]) <
                        std::count(draws.begin(), draws.begin() + static_cast<std::ptrdiff_t>(i) + 1, draws[i])) {
                        lacking = true;
                        if (covered.count(date))
                            day.push_back(draws[i]);
                    }
                if (lacking && !covered.count(date))
                    day = draws;
            }
        };
        merge(stored);
        merge(given);
        std::string expected;
        for (const auto& day : days)
            for (const std::string& draw : day.second)
                expected += draw;
        // As stored: an open would add back what the working file holds.
        EXPECT_TRUE(text(storedHistory(here / "ga.c3d.sqlite")) == expected);
    }
}

TEST_F(History, AKilledEntryNeverLeavesAWorkingDrawTheHistoryLacks)
{
    writeDatabase(db, drawsOf(variedTriples(MaxDraws - 5), 40000));
    ensureHistory(db);
    std::mt19937 random(7);
    for (int i = 0; i < 30; ++i) {
        const pid_t child = fork();
        if (child == 0) {
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, 1);
            dup2(quiet, 2);
            const std::string date = "1/" + std::to_string(1 + i) + "/2030";
            execl(QUOR3_ENGINE_CLI, QUOR3_ENGINE_CLI, "add", db.c_str(), date.c_str(), "1", "2", "3",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        usleep(static_cast<useconds_t>(random() % 20000));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string history = text(storedHistory(dir / "ga.c3d.sqlite"));
        for (const DrawRecord& r : readDraws(db))
            ASSERT_NE(history.find(text({r})), std::string::npos)
                << "round " << i << ": " << text({r}) << " in " << history.size();
    }
}

// Before a delete: a history is copied whole through SQLite's backup, a
// damaged one moved as it is; either way none is left beside the database.
TEST_F(History, IsBackedUpBeforeItIsRemoved)
{
    const fs::path file = dir / "ga.c3d.sqlite";
    storeImport(dir.path(), "ga.c3d", drawsOf(variedTriples(1000), 30000), ImportMode::Merge);
    const std::vector<DrawRecord> held = readHistory(db);
    fs::path kept = backUpAndRemoveHistory(db);
    EXPECT_EQ(kept.parent_path(), dir / "backups");
    EXPECT_EQ(kept.filename().string().rfind("ga.c3d-history-", 0), 0u) << kept;
    EXPECT_TRUE(text(storedHistory(kept)) == text(held));
    EXPECT_FALSE(fs::exists(file));

    writeWholeFile(file, std::string(5000, 'x'));
    kept = backUpAndRemoveHistory(db);
    EXPECT_EQ(readWholeFile(kept), std::string(5000, 'x'));
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(backUpAndRemoveHistory(db).empty());
}

// Any command seeds the history; --all reads it.
TEST_F(History, TheCommandLineShowsAndExportsTheFullHistory)
{
    fs::create_directory(dir / "backups");
    writeDatabase(dir / "backups" / "ga-20250101-000000.c3d", {drawOn(36526, 1, 2, 3)});
    writeDatabase(db, {drawOn(36527, 4, 5, 6)});
    const std::string path = "'" + db.string() + "'";
    EXPECT_EQ(engineOutput("history " + path), "Working database: 1 draw, 1/2/2000 to 1/2/2000\n"
                                               "Full history: 2 draws, 1/1/2000 to 1/2/2000 (in ga.c3d.sqlite)\n");
    EXPECT_EQ(engineOutput("export " + path + " --all"),
              "date,digit1,digit2,digit3\n2000-01-01,1,2,3\n2000-01-02,4,5,6\n");
    EXPECT_NE(engineOutput("fairness " + path + " --all").find("2 draws tested"), std::string::npos);
}

} // namespace
