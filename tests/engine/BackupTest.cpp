#include "EngineTestSupport.h"

#include "engine/Backups.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/StoreDraw.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <ctime>

namespace
{

std::time_t clockNow = 1796567400; // a fixed moment; each test moves it as it needs

std::time_t testClock()
{
    return clockNow;
}

std::string stamp(std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

int failingFlush(int)
{
    errno = EIO;
    return -1;
}

std::vector<std::string> fileNames(const quor3::fs::path& folder)
{
    std::vector<std::string> names;
    if (!quor3::fs::exists(folder))
        return names;
    for (const auto& entry : quor3::fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class Backups : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        clockNow = 1796567400;
        quor3::setBackupClockForTesting(&testClock);
    }
    void TearDown() override
    {
        quor3::setBackupClockForTesting(nullptr);
        quor3::setFlushFunctionForTesting(nullptr);
    }
    TempFolder dir;
};

} // namespace

TEST_F(Backups, CopyLandsBesideTheDatabaseByteForByte)
{
    auto draws = drawsOf({{1, 2, 3}, {4, 5, 6}});
    draws[1].Reserved = {9, 9, 9, 9};
    writeDatabase(dir / "ga.c3d", draws);
    quor3::appendToFile(dir / "ga.c3d", "partial"); // a damaged tail is copied as it is
    const quor3::fs::path backup = quor3::backupDatabase(dir / "ga.c3d");
    EXPECT_EQ(backup, dir / "backups" / ("ga-" + stamp(clockNow) + ".c3d"));
    EXPECT_EQ(quor3::readWholeFile(backup), quor3::readWholeFile(dir / "ga.c3d"));
}

TEST_F(Backups, NamesWithinOneSecondAndWithoutTheExtension)
{
    writeDatabase(dir / "ga.c3d", drawsOf({{1, 2, 3}}));
    writeDatabase(dir / "draws", drawsOf({{1, 2, 3}}));
    const std::string when = stamp(clockNow);
    EXPECT_EQ(quor3::backupDatabase(dir / "ga.c3d").filename(), "ga-" + when + ".c3d");
    EXPECT_EQ(quor3::backupDatabase(dir / "ga.c3d").filename(), "ga-" + when + "-2.c3d");
    EXPECT_EQ(quor3::backupDatabase(dir / "ga.c3d").filename(), "ga-" + when + "-3.c3d");
    EXPECT_EQ(quor3::backupDatabase(dir / "draws").filename(), "draws-" + when + ".c3d");
    const auto listed = quor3::listBackups(dir / "ga.c3d");
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(listed[0].sequence, 3);
    EXPECT_EQ(listed[2].sequence, 1);
}

TEST_F(Backups, OnlyTheNewestTwentyOfEachDatabaseAreKept)
{
    writeDatabase(dir / "ga.c3d", drawsOf({{1, 2, 3}}));
    writeDatabase(dir / "other.c3d", drawsOf({{1, 2, 3}}));
    const quor3::fs::path otherBackup = quor3::backupDatabase(dir / "other.c3d");
    const std::time_t start = clockNow;
    for (int i = 0; i < 25; ++i) {
        clockNow = start + 60 * i;
        quor3::backupDatabase(dir / "ga.c3d");
    }
    const auto listed = quor3::listBackups(dir / "ga.c3d");
    ASSERT_EQ(listed.size(), 20u);
    EXPECT_EQ(listed.front().file.filename(), "ga-" + stamp(start + 60 * 24) + ".c3d");
    EXPECT_EQ(listed.back().file.filename(), "ga-" + stamp(start + 60 * 5) + ".c3d");
    EXPECT_TRUE(quor3::fileExists(otherBackup));
}

TEST_F(Backups, ListShowsDrawsAndLastDateNewestFirstAndNothingElse)
{
    writeDatabase(dir / "ga.c3d", drawsOf({{1, 2, 3}}));
    quor3::backupDatabase(dir / "ga.c3d");
    clockNow += 3600;
    writeDatabase(dir / "ga.c3d", drawsOf({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}));
    quor3::backupDatabase(dir / "ga.c3d");
    // Files that only look alike are no backups of ga.c3d.
    quor3::writeWholeFile(dir / "backups" / "ga-notes.c3d", "x");
    quor3::writeWholeFile(dir / "backups" / "gab-20260101-120000.c3d", "x");
    quor3::writeWholeFile(dir / "backups" / "ga-20260101-120000-1.c3d", "x");

    const auto listed = quor3::listBackups(dir / "ga.c3d");
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].draws, 3);
    EXPECT_EQ(listed[0].lastDrawDate, 37259.0);
    EXPECT_EQ(listed[1].draws, 1);
    EXPECT_EQ(listed[1].lastDrawDate, 37257.0);
    std::tm local{};
    localtime_r(&clockNow, &local);
    EXPECT_EQ(listed[0].year, local.tm_year + 1900);
    EXPECT_EQ(listed[0].hour, local.tm_hour);
    EXPECT_EQ(listed[0].second, local.tm_sec);
}

TEST_F(Backups, ALinkOrAFileInPlaceOfTheFolderIsRefused)
{
    TempFolder elsewhere;
    writeDatabase(dir / "ga.c3d", drawsOf({{1, 2, 3}}));
    quor3::fs::create_directory_symlink(elsewhere.path(), dir / "backups");
    EXPECT_THROW(quor3::backupDatabase(dir / "ga.c3d"), quor3::Error);
    EXPECT_TRUE(fileNames(elsewhere.path()).empty());
    quor3::fs::remove(dir / "backups");
    quor3::writeWholeFile(dir / "backups", "a file");
    EXPECT_THROW(quor3::backupDatabase(dir / "ga.c3d"), quor3::Error);
}

TEST_F(Backups, ACopyThatCannotBeFlushedLeavesNothing)
{
    writeDatabase(dir / "ga.c3d", drawsOf({{1, 2, 3}}));
    quor3::setFlushFunctionForTesting(&failingFlush);
    EXPECT_THROW(quor3::backupDatabase(dir / "ga.c3d"), quor3::Error);
    EXPECT_TRUE(fileNames(dir / "backups").empty());
    EXPECT_THROW(quor3::backupDatabase(dir / "missing.c3d"), quor3::Error);
}

TEST_F(Backups, RestoreBacksUpTheCurrentFileFirst)
{
    writeDatabase(dir / "ga.c3d", drawsOf({{1, 2, 3}}));
    const std::string first = quor3::readWholeFile(dir / "ga.c3d");
    const quor3::fs::path backup = quor3::backupDatabase(dir / "ga.c3d");
    writeDatabase(dir / "ga.c3d", drawsOf({{4, 5, 6}, {7, 8, 9}}));
    const std::string second = quor3::readWholeFile(dir / "ga.c3d");
    clockNow += 1;

    const quor3::fs::path kept = quor3::restoreBackup(dir / "ga.c3d", backup.filename());
    EXPECT_EQ(quor3::readWholeFile(dir / "ga.c3d"), first);
    EXPECT_EQ(quor3::readWholeFile(kept), second);
    // The full path names the same backup.
    quor3::restoreBackup(dir / "ga.c3d", kept);
    EXPECT_EQ(quor3::readWholeFile(dir / "ga.c3d"), second);
    // A missing database is simply put back.
    quor3::fs::remove(dir / "ga.c3d");
    EXPECT_TRUE(quor3::restoreBackup(dir / "ga.c3d", backup).empty());
    EXPECT_EQ(quor3::readWholeFile(dir / "ga.c3d"), first);
}

TEST_F(Backups, RestoreRefusesWhatIsNoBackupOfThisDatabase)
{
    TempFolder elsewhere;
    writeDatabase(dir / "ga.c3d", drawsOf({{1, 2, 3}}));
    writeDatabase(dir / "other.c3d", drawsOf({{4, 5, 6}}));
    const std::string bytes = quor3::readWholeFile(dir / "ga.c3d");
    const quor3::fs::path otherBackup = quor3::backupDatabase(dir / "other.c3d");
    const std::string name = "ga-" + stamp(clockNow) + ".c3d";
    // Another database's backup; a backup-like name outside the folder; a link; an empty file.
    EXPECT_THROW(quor3::restoreBackup(dir / "ga.c3d", otherBackup), quor3::Error);
    writeDatabase(elsewhere / name, drawsOf({{0, 0, 0}}));
    EXPECT_THROW(quor3::restoreBackup(dir / "ga.c3d", elsewhere / name), quor3::Error);
    quor3::fs::create_symlink(elsewhere / name, dir / "backups" / name);
    EXPECT_THROW(quor3::restoreBackup(dir / "ga.c3d", name), quor3::Error);
    quor3::fs::remove(dir / "backups" / name);
    quor3::writeWholeFile(dir / "backups" / name, "");
    EXPECT_THROW(quor3::restoreBackup(dir / "ga.c3d", name), quor3::Error);
    EXPECT_EQ(quor3::readWholeFile(dir / "ga.c3d"), bytes);
    EXPECT_EQ(quor3::listBackups(dir / "ga.c3d").size(), 1u); // only the empty one, and no backup was taken
}

TEST_F(Backups, UndoAfterAnAppendRemovesTheLastDraw)
{
    auto draws = drawsOf({{1, 2, 3}, {4, 5, 6}});
    writeDatabase(dir / "ga.c3d", draws);
    const std::string before = quor3::readWholeFile(dir / "ga.c3d");
    const quor3::DrawRecord entered = drawsOf({{7, 8, 9}}, 37300)[0];
    quor3::appendDraw(dir / "ga.c3d", entered);

    quor3::undoEntry({dir / "ga.c3d", entered, 3, {}});
    EXPECT_EQ(quor3::readWholeFile(dir / "ga.c3d"), before);
    ASSERT_EQ(quor3::listBackups(dir / "ga.c3d").size(), 1u);
    EXPECT_EQ(quor3::listBackups(dir / "ga.c3d")[0].draws, 3);
}

TEST_F(Backups, UndoOfTheFirstDrawRemovesTheFileItMade)
{
    const quor3::DrawRecord entered = drawsOf({{7, 8, 9}})[0];
    quor3::appendDraw(dir / "ga.c3d", entered);
    quor3::undoEntry({dir / "ga.c3d", entered, 1, {}});
    EXPECT_FALSE(quor3::fs::exists(dir / "ga.c3d"));
    EXPECT_EQ(quor3::listBackups(dir / "ga.c3d").size(), 1u);
}

TEST_F(Backups, UndoAfterACutBackRestoresTheBackupTakenBeforeIt)
{
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(731)));
    const std::string full = quor3::readWholeFile(dir / "ga.c3d");
    const quor3::fs::path backup = quor3::backupDatabase(dir / "ga.c3d");
    std::vector<quor3::DrawRecord> kept = quor3::readDraws(dir / "ga.c3d");
    kept.erase(kept.begin(), kept.end() - 90);
    const quor3::DrawRecord entered = drawsOf({{7, 8, 9}}, 39000)[0];
    kept.push_back(entered);
    writeDatabase(dir / "ga.c3d", kept);
    clockNow += 1;

    quor3::undoEntry({dir / "ga.c3d", entered, 91, backup});
    EXPECT_EQ(quor3::readWholeFile(dir / "ga.c3d"), full);
    EXPECT_EQ(quor3::listBackups(dir / "ga.c3d").front().draws, 91);
}

TEST_F(Backups, UndoRefusesADatabaseThatChangedSince)
{
    writeDatabase(dir / "ga.c3d", drawsOf({{1, 2, 3}, {4, 5, 6}}));
    const std::string bytes = quor3::readWholeFile(dir / "ga.c3d");
    const quor3::DrawRecord other = drawsOf({{7, 8, 9}})[0];
    EXPECT_THROW(quor3::undoEntry({dir / "ga.c3d", other, 2, {}}), quor3::Error);
    EXPECT_THROW(quor3::undoEntry({dir / "ga.c3d", drawsOf({{4, 5, 6}}, 37258)[0], 3, {}}), quor3::Error);
    EXPECT_THROW(quor3::undoEntry({dir / "none.c3d", other, 1, {}}), quor3::Error);
    EXPECT_EQ(quor3::readWholeFile(dir / "ga.c3d"), bytes);
    EXPECT_TRUE(quor3::listBackups(dir / "ga.c3d").empty());
}

TEST_F(Backups, TheCutBackOfAFullDatabaseKeepsTheOlderDrawsInABackup)
{
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(quor3::MaxDraws)));
    const std::string full = quor3::readWholeFile(dir / "ga.c3d");
    const quor3::StoreResult stored = quor3::storeDraw(dir.path(), "ga.c3d", drawsOf({{1, 2, 3}}, 40000)[0]);
    EXPECT_TRUE(stored.cutBack);
    EXPECT_EQ(stored.backup, dir / "backups" / ("ga-" + stamp(clockNow) + ".c3d"));
    EXPECT_EQ(quor3::readWholeFile(stored.backup), full);
    EXPECT_EQ(quor3::countDraws(dir / "ga.c3d"), 91);
}

TEST_F(Backups, AnOrdinaryAppendNeedsNoBackup)
{
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(10)));
    const quor3::StoreResult stored = quor3::storeDraw(dir.path(), "ga.c3d", drawsOf({{1, 2, 3}}, 40000)[0]);
    EXPECT_TRUE(stored.backup.empty());
    EXPECT_FALSE(quor3::fs::exists(dir / "backups"));
}

TEST_F(Backups, ACutBackWithoutItsBackupDoesNotHappen)
{
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(quor3::MaxDraws)));
    const std::string full = quor3::readWholeFile(dir / "ga.c3d");
    quor3::writeWholeFile(dir / "backups", "a file where the folder belongs");
    EXPECT_THROW(quor3::storeDraw(dir.path(), "ga.c3d", drawsOf({{1, 2, 3}}, 40000)[0]), quor3::Error);
    EXPECT_EQ(quor3::readWholeFile(dir / "ga.c3d"), full);
}

TEST_F(Backups, ACorrectionChangesOneRecordAfterABackup)
{
    auto draws = drawsOf({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    draws[0].Reserved = {5, 5, 5, 5};
    writeDatabase(dir / "ga.c3d", draws);
    const std::string before = quor3::readWholeFile(dir / "ga.c3d");
    const quor3::DrawRecord fixed = drawsOf({{0, 0, 1}}, 37300)[0];

    const quor3::fs::path backup = quor3::correctDraw(dir.path(), "ga.c3d", 1, draws[1], fixed);
    EXPECT_EQ(quor3::readWholeFile(backup), before);
    const auto after = quor3::readDraws(dir / "ga.c3d");
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after[1].DrawDate, 37300.0);
    EXPECT_EQ(after[1].Digit3, 1);
    // The other records stay byte for byte.
    const std::string bytes = quor3::readWholeFile(dir / "ga.c3d");
    EXPECT_EQ(bytes.substr(0, 24), before.substr(0, 24));
    EXPECT_EQ(bytes.substr(48), before.substr(48));
}

TEST_F(Backups, ACorrectionThatCannotBeMadeChangesNothing)
{
    const auto draws = drawsOf({{1, 2, 3}, {4, 5, 6}});
    writeDatabase(dir / "ga.c3d", draws);
    const std::string before = quor3::readWholeFile(dir / "ga.c3d");
    const quor3::DrawRecord fixed = drawsOf({{0, 0, 1}})[0];
    EXPECT_THROW(quor3::correctDraw(dir.path(), "ga.c3d", 2, draws[1], fixed), quor3::Error);
    EXPECT_THROW(quor3::correctDraw(dir.path(), "ga.c3d", -1, draws[0], fixed), quor3::Error);
    EXPECT_FALSE(quor3::fs::exists(dir / "backups"));
    quor3::setFlushFunctionForTesting(&failingFlush);
    EXPECT_THROW(quor3::correctDraw(dir.path(), "ga.c3d", 0, draws[0], fixed), quor3::Error);
    quor3::setFlushFunctionForTesting(nullptr);
    EXPECT_EQ(quor3::readWholeFile(dir / "ga.c3d"), before);
    EXPECT_TRUE(fileNames(dir / "backups").empty());
}
