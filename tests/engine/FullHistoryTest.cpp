#include "EngineTestSupport.h"

#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "engine/Import.h"
#include "engine/StoreDraw.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

using namespace quor3;

namespace
{

int failingFlush(int)
{
    errno = EIO;
    return -1;
}

// Only the working file's rename fails: backups and the history are written.
int failingWorkingRename(const char* from, const char* to)
{
    if (fs::path(to).filename() == "ga.c3d") {
        errno = EIO;
        return -1;
    }
    return ::rename(from, to);
}

long long countOn(const std::vector<DrawRecord>& draws, const DrawRecord& draw)
{
    return std::count_if(draws.begin(), draws.end(), [&](const DrawRecord& r) {
        return r.DrawDate == draw.DrawDate && r.Digit1 == draw.Digit1 && r.Digit2 == draw.Digit2 &&
               r.Digit3 == draw.Digit3;
    });
}

class FullHistory : public ::testing::Test
{
  protected:
    void TearDown() override
    {
        setFlushFunctionForTesting(nullptr);
        setRenameFunctionForTesting(nullptr);
    }
    TempFolder dir;
    fs::path db = dir / "ga.c3d";
};

} // namespace

// The history never keeps a draw the working file could not take, not even
// after the next open finishes what a stop left undone.
TEST_F(FullHistory, AFailedWriteOfTheWorkingFileLeavesTheDrawOutOfTheHistoryForGood)
{
    const DrawRecord draw = drawOn(41000, 1, 2, 3);
    const struct {
        const char* change;
        int stored; // draws in the database before
        std::function<void()> fail;
        std::function<void(const fs::path&)> make;
    } cases[] = {
        {"an entry", 20, [] { setFlushFunctionForTesting(&failingFlush); },
         [&](const fs::path& folder) { storeDraw(folder, "ga.c3d", draw); }},
        {"an entry that cuts a full database back", MaxDraws,
         [] { setRenameFunctionForTesting(&failingWorkingRename); },
         [&](const fs::path& folder) { storeDraw(folder, "ga.c3d", draw); }},
        {"an import", 20, [] { setRenameFunctionForTesting(&failingWorkingRename); },
         [&](const fs::path& folder) { storeImport(folder, "ga.c3d", {draw}, ImportMode::Merge); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        TempFolder folder;
        const fs::path database = folder / "ga.c3d";
        writeDatabase(database, drawsOf(variedTriples(c.stored), 40000));
        ensureHistory(database);
        const std::string before = readWholeFile(database);
        c.fail();
        EXPECT_THROW(c.make(folder.path()), Error);
        TearDown();
        ensureHistory(database); // the next open
        EXPECT_EQ(readWholeFile(database), before);
        EXPECT_EQ(countOn(readHistory(database), draw), 0);
    }
}

TEST_F(FullHistory, TheSameDigitsDrawnTwiceOnOneDateStayTwoDraws)
{
    const DrawRecord twice = drawOn(40030, 4, 5, 1);
    const struct {
        const char* how;
        std::function<void(const fs::path& folder)> make;
    } cases[] = {
        {"entry",
         [&](const fs::path& folder) {
             storeDraw(folder, "ga.c3d", twice);
             storeDraw(folder, "ga.c3d", twice);
         }},
        // An import names a draw once; the two stored stay two.
        {"import",
         [&](const fs::path& folder) {
             storeDraw(folder, "ga.c3d", twice);
             storeDraw(folder, "ga.c3d", twice);
             storeImport(folder, "ga.c3d", {twice, drawOn(40031, 9, 9, 9)}, ImportMode::Merge);
         }},
        {"seeding",
         [&](const fs::path& folder) {
             std::vector<DrawRecord> draws = drawsOf(variedTriples(30), 40000);
             draws.push_back(twice);
             draws.push_back(twice);
             writeDatabase(folder / "ga.c3d", draws);
             ensureHistory(folder / "ga.c3d");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        TempFolder folder;
        writeDatabase(folder / "ga.c3d", drawsOf(variedTriples(30), 40000));
        c.make(folder.path());
        EXPECT_EQ(countOn(readDraws(folder / "ga.c3d"), twice), 2);
        EXPECT_EQ(countOn(readHistory(folder / "ga.c3d"), twice), 2);
    }
}

// A history is made whole in a scratch file and renamed in place: the scratch
// file must be on the disk first, through the flush every other write uses.
TEST_F(FullHistory, ANewOrSeededHistoryIsFlushedBeforeItsRename)
{
    const struct {
        const char* how;
        std::function<void()> make;
    } cases[] = {
        {"seeded at open", [&] { ensureHistory(db); }},
        {"made by an entry", [&] { storeDraw(dir.path(), "ga.c3d", drawOn(40020, 1, 2, 3)); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        writeDatabase(db, drawsOf(variedTriples(20), 40000));
        setFlushFunctionForTesting(&failingFlush);
        EXPECT_THROW(c.make(), Error);
        setFlushFunctionForTesting(nullptr);
        EXPECT_FALSE(fileExists(historyFileFor(db)));
        EXPECT_EQ(readDraws(db).size(), 20u);
    }
}
