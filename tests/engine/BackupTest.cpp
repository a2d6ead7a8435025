#include "EngineTestSupport.h"

#include "engine/Backups.h"
#include "engine/Dates.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/StoreDraw.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>

namespace
{

std::time_t clockNow = 1796567400; // a fixed moment; each test moves it as it needs

std::time_t testClock()
{
    return clockNow;
}

// Backups are named in UTC, whatever the time zone.
std::string stamp(std::time_t when)
{
    std::tm utc{};
    gmtime_r(&when, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &utc);
    return text;
}

// The name an earlier version gave: local time, the name without ".c3d".
std::string legacyStamp(std::time_t when)
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
    EXPECT_EQ(backup, dir / "backups" / ("ga.c3d-" + stamp(clockNow) + ".c3d"));
    EXPECT_EQ(quor3::readWholeFile(backup), quor3::readWholeFile(dir / "ga.c3d"));
}

TEST_F(Backups, NamesWithinOneSecondAndWithoutTheExtension)
{
    writeDatabase(dir / "ga.c3d", drawsOf({{1, 2, 3}}));
    writeDatabase(dir / "draws", drawsOf({{1, 2, 3}}));
    const std::string when = stamp(clockNow);
    EXPECT_EQ(quor3::backupDatabase(dir / "ga.c3d").filename(), "ga.c3d-" + when + ".c3d");
    EXPECT_EQ(quor3::backupDatabase(dir / "ga.c3d").filename(), "ga.c3d-" + when + "-2.c3d");
    EXPECT_EQ(quor3::backupDatabase(dir / "ga.c3d").filename(), "ga.c3d-" + when + "-3.c3d");
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
    EXPECT_EQ(listed.front().file.filename(), "ga.c3d-" + stamp(start + 60 * 24) + ".c3d");
    EXPECT_EQ(listed.back().file.filename(), "ga.c3d-" + stamp(start + 60 * 5) + ".c3d");
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
    const std::string name = "ga.c3d-" + stamp(clockNow) + ".c3d";
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
    EXPECT_EQ(quor3::listBackups(dir / "ga.c3d").front().reason, "before an undo");
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
    EXPECT_EQ(stored.backup, dir / "backups" / ("ga.c3d-" + stamp(clockNow) + ".c3d"));
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

namespace
{

// A time zone far from UTC for the length of a test; no time zone data needed.
class TimeZone
{
  public:
    explicit TimeZone(const char* zone)
    {
        if (const char* old = std::getenv("TZ"))
            old_ = old, hadOld_ = true;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~TimeZone()
    {
        if (hadOld_)
            ::setenv("TZ", old_.c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

  private:
    std::string old_;
    bool hadOld_ = false;
};

int failingRename(const char*, const char*)
{
    errno = EIO;
    return -1;
}

} // namespace

TEST_F(Backups, ABackupJustTakenIsNeverRotatedOutByBackupsNamedLaterThanNow)
{
    writeDatabase(dir / "ga.c3d", drawsOf({{1, 2, 3}}));
    const std::time_t today = clockNow;
    // Taken while the clock was a year ahead.
    for (int i = 0; i < 20; ++i) {
        clockNow = today + 365 * 86400 + 60 * i;
        quor3::backupDatabase(dir / "ga.c3d");
    }
    clockNow = today;
    for (int round = 0; round < 2; ++round) {
        writeDatabase(dir / "ga.c3d", drawsOf({{4, 5, 6}}, 37300 + round));
        const quor3::fs::path made = quor3::backupDatabase(dir / "ga.c3d");
        ASSERT_TRUE(quor3::fileExists(made)) << "round " << round;
        EXPECT_EQ(quor3::readWholeFile(made), quor3::readWholeFile(dir / "ga.c3d"));
        const auto listed = quor3::listBackups(dir / "ga.c3d");
        ASSERT_EQ(listed.size(), 20u);
        EXPECT_EQ(listed[0].file, made);
        clockNow += 1;
    }
    // The one taken in the first round is the second newest, not the oldest.
    EXPECT_EQ(quor3::listBackups(dir / "ga.c3d")[1].file.filename(), "ga.c3d-" + stamp(today) + ".c3d");
}

TEST_F(Backups, BackupsOfEarlierVersionsAreListedRestoredAndCountedInLocalTime)
{
    const TimeZone zone("XYZ-5:30"); // UTC+5:30
    writeDatabase(dir / "ga.c3d", drawsOf({{1, 2, 3}}));
    const std::string old = quor3::readWholeFile(dir / "ga.c3d");
    quor3::fs::create_directory(dir / "backups");
    const std::time_t early = clockNow - 86400;
    for (int i = 0; i < 3; ++i)
        quor3::writeWholeFile(dir / "backups" / ("ga-" + legacyStamp(early + 60 * i) + ".c3d"), old);
    writeDatabase(dir / "ga.c3d", drawsOf({{4, 5, 6}, {7, 8, 9}}));
    const quor3::fs::path made = quor3::backupDatabase(dir / "ga.c3d");
    EXPECT_EQ(made.filename(), "ga.c3d-" + stamp(clockNow) + ".c3d");

    auto listed = quor3::listBackups(dir / "ga.c3d");
    ASSERT_EQ(listed.size(), 4u);
    EXPECT_EQ(listed[0].taken, clockNow);
    EXPECT_EQ(listed[1].taken, early + 120);
    EXPECT_EQ(listed[3].taken, early);
    std::tm local{};
    localtime_r(&clockNow, &local);
    EXPECT_EQ(listed[0].hour, local.tm_hour);
    EXPECT_EQ(listed[0].minute, local.tm_min);
    EXPECT_EQ(listed[3].draws, 1);

    // Counted: 17 more backups make 21 and retire the oldest of the earlier ones.
    for (int i = 0; i < 17; ++i) {
        clockNow += 60;
        quor3::backupDatabase(dir / "ga.c3d");
    }
    listed = quor3::listBackups(dir / "ga.c3d");
    ASSERT_EQ(listed.size(), 20u);
    EXPECT_EQ(listed.back().taken, early + 60);
    clockNow += 60;
    quor3::restoreBackup(dir / "ga.c3d", listed.back().file);
    EXPECT_EQ(quor3::readWholeFile(dir / "ga.c3d"), old);
}

TEST_F(Backups, ADatabaseWithAndWithoutTheExtensionKeepTheirOwnBackups)
{
    writeDatabase(dir / "db.c3d", drawsOf({{1, 2, 3}}));
    writeDatabase(dir / "db", drawsOf({{4, 5, 6}}));
    const quor3::fs::path only = quor3::backupDatabase(dir / "db.c3d");
    for (int i = 0; i < 21; ++i) {
        clockNow += 60;
        quor3::backupDatabase(dir / "db");
    }
    EXPECT_TRUE(quor3::fileExists(only));
    ASSERT_EQ(quor3::listBackups(dir / "db.c3d").size(), 1u);
    EXPECT_EQ(quor3::listBackups(dir / "db").size(), 20u);
}

TEST_F(Backups, TheChosenBackupSurvivesItsRestoreEvenWhenItIsTheOldest)
{
    writeDatabase(dir / "ga.c3d", drawsOf({{1, 2, 3}}));
    const std::string first = quor3::readWholeFile(dir / "ga.c3d");
    const quor3::fs::path oldest = quor3::backupDatabase(dir / "ga.c3d");
    writeDatabase(dir / "ga.c3d", drawsOf({{4, 5, 6}}));
    for (int i = 0; i < 19; ++i) {
        clockNow += 60;
        quor3::backupDatabase(dir / "ga.c3d");
    }
    const std::string current = quor3::readWholeFile(dir / "ga.c3d");
    clockNow += 60;
    // Stopped before the database is replaced: the chosen backup is still there.
    quor3::setRenameFunctionForTesting(&failingRename);
    EXPECT_THROW(quor3::restoreBackup(dir / "ga.c3d", oldest), quor3::Error);
    quor3::setRenameFunctionForTesting(nullptr);
    EXPECT_EQ(quor3::readWholeFile(dir / "ga.c3d"), current);
    ASSERT_TRUE(quor3::fileExists(oldest));
    clockNow += 60;
    quor3::restoreBackup(dir / "ga.c3d", oldest);
    EXPECT_EQ(quor3::readWholeFile(dir / "ga.c3d"), first);
    EXPECT_TRUE(quor3::fileExists(oldest));
}

TEST_F(Backups, EachBackupSaysWhyItWasTakenBesideItNotInIt)
{
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(quor3::MaxDraws)));
    const std::string full = quor3::readWholeFile(dir / "ga.c3d");
    const quor3::fs::path cutBack = quor3::storeDraw(dir.path(), "ga.c3d", drawsOf({{1, 2, 3}}, 40000)[0]).backup;
    EXPECT_EQ(quor3::readWholeFile(cutBack), full);
    const quor3::DrawRecord shown = quor3::readDraws(dir / "ga.c3d")[3];
    const double corrected = shown.DrawDate;
    clockNow += 1;
    quor3::correctDraw(dir.path(), "ga.c3d", 3, shown, drawsOf({{0, 0, 1}}, 40001)[0]);
    clockNow += 1;
    quor3::restoreBackup(dir / "ga.c3d", cutBack);
    clockNow += 1;
    quor3::backupDatabase(dir / "ga.c3d", "before\nsomething");

    const auto listed = quor3::listBackups(dir / "ga.c3d");
    ASSERT_EQ(listed.size(), 4u);
    EXPECT_EQ(listed[0].reason, "before something");
    EXPECT_EQ(listed[1].reason, "before a restore");
    EXPECT_EQ(listed[2].reason, "before a correction of " + quor3::monthDayYear(corrected));
    EXPECT_EQ(listed[3].reason, "before a cut-back");
    EXPECT_EQ(fileNames(dir / "backups").size(), 8u); // each backup and its note
}

// Rotation removes the oldest; the order goes on from the newest kept, whatever the clock says.
TEST_F(Backups, OnceRotationRunsEachNewBackupIsNumberedAboveEveryKeptOneAndListedFirst)
{
    writeDatabase(dir / "ga.c3d", drawsOf({{1, 2, 3}}));
    const struct {
        const char* clock;
        std::time_t step; // added to the clock before each backup
        int backups;
    } cases[] = {{"fixed", 0, 25}, {"set back a day", 0, 3}, {"running", 60, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clock);
        if (std::string(c.clock) == "set back a day")
            clockNow -= 86400;
        for (int i = 0; i < c.backups; ++i) {
            clockNow += c.step;
            const quor3::fs::path made = quor3::backupDatabase(dir / "ga.c3d");
            const auto listed = quor3::listBackups(dir / "ga.c3d");
            ASSERT_EQ(listed.front().file, made) << i;
            for (std::size_t k = 1; k < listed.size(); ++k)
                ASSERT_GT(listed[k - 1].order, listed[k].order) << i << ", place " << k;
        }
    }
    EXPECT_EQ(quor3::listBackups(dir / "ga.c3d").size(), 20u);
}
