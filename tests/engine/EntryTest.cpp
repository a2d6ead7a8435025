#include "EngineTestSupport.h"

#include "engine/EntryDates.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/StoreDraw.h"
#include "engine/Winners.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

using namespace quor3;

// --- Calendar moves of the add window ---

TEST(EntryDates, NextDayCrossesMonthAndYearEnds)
{
    EXPECT_EQ(nextDay({2002, 3, 1}), (CivilDate{2002, 3, 2}));
    EXPECT_EQ(nextDay({2003, 2, 28}), (CivilDate{2003, 3, 1}));
    EXPECT_EQ(nextDay({2004, 2, 28}), (CivilDate{2004, 2, 29}));
    EXPECT_EQ(nextDay({2004, 2, 29}), (CivilDate{2004, 3, 1}));
    EXPECT_EQ(nextDay({2002, 12, 31}), (CivilDate{2003, 1, 1}));
    EXPECT_EQ(nextDay({2002, 4, 30}), (CivilDate{2002, 5, 1}));
    EXPECT_EQ(nextDay({2002, 5, 30}), (CivilDate{2002, 5, 31}));
}

TEST(EntryDates, CenturyYearsFollowTheGregorianRule)
{
    // 2100 is no leap year: there is no 29 February 2100 to propose.
    EXPECT_EQ(nextDay({2100, 2, 28}), (CivilDate{2100, 3, 1}));
    EXPECT_EQ(nextDay({2000, 2, 28}), (CivilDate{2000, 2, 29}));
    EXPECT_EQ(withYear({2004, 2, 29}, 2100), (CivilDate{2100, 2, 28}));
    EXPECT_EQ(dayLimit(2100, 2), 28);
}

TEST(EntryDates, UpGoesToTheFirstOfTheNextMonth)
{
    EXPECT_EQ(firstDayOfNextMonth({2003, 1, 31}), (CivilDate{2003, 2, 1}));
    EXPECT_EQ(firstDayOfNextMonth({2002, 12, 15}), (CivilDate{2003, 1, 1}));
}

TEST(EntryDates, DownGoesToTheLastDayOfThePreviousMonthWithFebruaryAs28)
{
    EXPECT_EQ(lastDayOfPreviousMonth({2004, 3, 15}), (CivilDate{2004, 2, 28}));
    EXPECT_EQ(lastDayOfPreviousMonth({2003, 1, 10}), (CivilDate{2002, 12, 31}));
    EXPECT_EQ(lastDayOfPreviousMonth({2003, 5, 1}), (CivilDate{2003, 4, 30}));
    EXPECT_EQ(lastDayOfPreviousMonth({2003, 8, 31}), (CivilDate{2003, 7, 31}));
}

TEST(EntryDates, MovesStayWithinTheRangeOfDayNumbers)
{
    EXPECT_EQ(nextDay({9999, 12, 31}), (CivilDate{9999, 12, 31}));
    EXPECT_EQ(firstDayOfNextMonth({9999, 12, 5}), (CivilDate{9999, 12, 31}));
    EXPECT_EQ(lastDayOfPreviousMonth({1, 1, 20}), (CivilDate{1, 1, 1}));
}

TEST(EntryDates, DayLimitFollowsMonthAndYear)
{
    EXPECT_EQ(dayLimit(2004, 2), 29);
    EXPECT_EQ(dayLimit(2003, 2), 28);
    EXPECT_EQ(dayLimit(2003, 4), 30);
    EXPECT_EQ(dayLimit(2003, 11), 30);
    EXPECT_EQ(dayLimit(2003, 12), 31);
    EXPECT_EQ(withYear({2003, 7, 15}, 2010), (CivilDate{2010, 7, 15}));
}

// --- Storing a draw ---

namespace
{

DrawRecord draw(int a, int b, int c, int year, int month, int day)
{
    DrawRecord r;
    r.DrawDate = encodeDate(year, month, day);
    r.Digit1 = a;
    r.Digit2 = b;
    r.Digit3 = c;
    return r;
}

bool sameDraw(const DrawRecord& x, const DrawRecord& y)
{
    return x.DrawDate == y.DrawDate && x.Digit1 == y.Digit1 && x.Digit2 == y.Digit2 && x.Digit3 == y.Digit3;
}

int failingRename(const char*, const char*)
{
    errno = EIO;
    return -1;
}

} // namespace

TEST(StoreDraw, FirstDrawCreatesTheDatabase)
{
    TempFolder dir;
    const StoreResult r = storeDraw(dir.path(), "new.c3d", draw(4, 0, 7, 2002, 3, 1));
    EXPECT_EQ(r.totalDraws, 1);
    EXPECT_FALSE(r.cutBack);
    const auto stored = readDraws(dir / "new.c3d");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_TRUE(sameDraw(stored[0], draw(4, 0, 7, 2002, 3, 1)));
}

TEST(StoreDraw, AppendsAtTheEndWhateverTheDateAndTwiceTheSameDate)
{
    TempFolder dir;
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(10)));
    EXPECT_EQ(storeDraw(dir.path(), "ga.c3d", draw(4, 0, 7, 2001, 3, 1)).totalDraws, 11);
    EXPECT_EQ(storeDraw(dir.path(), "ga.c3d", draw(5, 5, 5, 2001, 3, 1)).totalDraws, 12);
    const auto stored = readDraws(dir / "ga.c3d");
    ASSERT_EQ(stored.size(), 12u);
    EXPECT_TRUE(sameDraw(stored[10], draw(4, 0, 7, 2001, 3, 1)));
    EXPECT_TRUE(sameDraw(stored[11], draw(5, 5, 5, 2001, 3, 1)));
}

TEST(StoreDraw, SevenHundredThirtyDrawsGrowToAFullDatabase)
{
    TempFolder dir;
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(730)));
    const StoreResult r = storeDraw(dir.path(), "ga.c3d", draw(1, 2, 3, 2004, 1, 1));
    EXPECT_EQ(r.totalDraws, 731);
    EXPECT_FALSE(r.cutBack);
    EXPECT_EQ(countDraws(dir / "ga.c3d"), 731);
}

TEST(StoreDraw, AFullDatabaseKeepsItsLast90DrawsThenTheNewOne)
{
    TempFolder dir;
    auto old = drawsOf(variedTriples(731));
    for (auto& r : old)
        r.Reserved = {1, 2, 3, 4};
    writeDatabase(dir / "ga.c3d", old);
    const DrawRecord added = draw(9, 8, 7, 2004, 1, 2);
    const StoreResult r = storeDraw(dir.path(), "ga.c3d", added);
    EXPECT_EQ(r.totalDraws, 91);
    EXPECT_TRUE(r.cutBack);
    const std::string bytes = readWholeFile(dir / "ga.c3d");
    ASSERT_EQ(bytes.size(), 91u * 24u);
    const auto stored = decodeDraws(bytes);
    for (int i = 0; i < 90; ++i)
        EXPECT_TRUE(sameDraw(stored[i], old[641 + i])) << "record " << i;
    EXPECT_TRUE(sameDraw(stored[90], added));
    for (const auto& s : stored)
        EXPECT_EQ(s.Reserved, (std::array<std::uint8_t, 4>{}));
    EXPECT_FALSE(fileExists(dir / "temp.dat"));
}

TEST(StoreDraw, AFailedCutBackLeavesTheOldDatabaseWhole)
{
    TempFolder dir;
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(731)));
    const std::string before = readWholeFile(dir / "ga.c3d");
    setRenameFunctionForTesting(&failingRename);
    EXPECT_THROW(storeDraw(dir.path(), "ga.c3d", draw(9, 8, 7, 2004, 1, 2)), Error);
    setRenameFunctionForTesting(nullptr);
    EXPECT_EQ(readWholeFile(dir / "ga.c3d"), before);
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(dir.path()))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    // No scratch file stays behind, in the folder or among the backups.
    EXPECT_EQ(left, (std::vector<std::string>{"backups", "ga.c3d", "quor3.lock"}));
    EXPECT_TRUE(fs::is_empty(dir / "backups"));
}

// --- Correcting and deleting a draw named by its place and contents ---

TEST(CorrectDraw, ChangesNothingWhenTheNamedDrawIsNoLongerInItsPlace)
{
    const auto shown = drawsOf({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    const DrawRecord fix = draw(0, 0, 1, 2010, 5, 5);
    // What another program did to the database after the window read it.
    const struct {
        const char* change;
        std::vector<DrawRecord> now;
    } cases[] = {
        {"an older draw merged in front",
         [&] {
             auto v = drawsOf({{9, 9, 9}}, 37000);
             v.insert(v.end(), shown.begin(), shown.end());
             return v;
         }()},
        {"the last draw removed", {shown[0], shown[1]}},
        {"the draw itself corrected", {shown[0], shown[1], draw(7, 8, 8, 2002, 1, 3)}},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        writeDatabase(dir / "ga.c3d", c.now);
        const std::string before = readWholeFile(dir / "ga.c3d");
        EXPECT_THROW(correctDraw(dir.path(), "ga.c3d", 2, shown[2], fix), DrawMovedError) << c.change;
        EXPECT_THROW(deleteDraw(dir.path(), "ga.c3d", 2, shown[2]), DrawMovedError) << c.change;
        EXPECT_EQ(readWholeFile(dir / "ga.c3d"), before) << c.change;
        EXPECT_FALSE(fs::exists(dir / "backups")) << c.change;
    }
    TempFolder dir;
    writeDatabase(dir / "ga.c3d", shown);
    correctDraw(dir.path(), "ga.c3d", 2, shown[2], fix);
    EXPECT_TRUE(sameDraw(readDraw(dir / "ga.c3d", 2), fix));
}

TEST(DeleteDraw, RemovesOneDrawAfterABackupAndTheLastOneTakesTheFile)
{
    TempFolder dir;
    const auto draws = drawsOf({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    writeDatabase(dir / "ga.c3d", draws);
    const std::string before = readWholeFile(dir / "ga.c3d");
    const DeleteResult r = deleteDraw(dir.path(), "ga.c3d", 1, draws[1]);
    EXPECT_EQ(r.totalDraws, 2);
    EXPECT_EQ(readWholeFile(r.backup), before);
    EXPECT_EQ(readWholeFile(dir / "ga.c3d"), before.substr(0, 24) + before.substr(48));

    deleteDraw(dir.path(), "ga.c3d", 0, draws[0]);
    const DeleteResult last = deleteDraw(dir.path(), "ga.c3d", 0, draws[2]);
    EXPECT_EQ(last.totalDraws, 0);
    EXPECT_FALSE(fileExists(dir / "ga.c3d"));
    EXPECT_EQ(readWholeFile(last.backup), before.substr(48));
}

// --- The match check ---

namespace
{

struct Announced {
    std::vector<std::string> messages;
    std::function<void(const WinnerMatch&)> hook()
    {
        return [this](const WinnerMatch& m) { messages.push_back(m.message); };
    }
};

void writeChoices(const TempFolder& dir, const char* file, const std::vector<std::string>& lines)
{
    writeTextLines(dir / file, lines);
}

const std::vector<std::string> noMatch5 = {"9  9  9", "9  9  8", "9  8  8", "8  8  8", "8  8  9"};

} // namespace

TEST(checkWinners, SameDigitsInAnyOrderCountRepeatsToo)
{
    EXPECT_TRUE(sameDigitsAnyOrder(7, 0, 3, 3, 0, 7));
    EXPECT_TRUE(sameDigitsAnyOrder(7, 0, 3, 7, 0, 3));
    EXPECT_TRUE(sameDigitsAnyOrder(7, 0, 3, 0, 3, 7));
    EXPECT_FALSE(sameDigitsAnyOrder(7, 0, 3, 7, 0, 0));
    EXPECT_TRUE(sameDigitsAnyOrder(1, 1, 2, 2, 1, 1));
    EXPECT_FALSE(sameDigitsAnyOrder(1, 1, 2, 1, 2, 2));
    EXPECT_FALSE(sameDigitsAnyOrder(1, 2, 2, 1, 1, 2));
}

TEST(checkWinners, FirstMatchStartsTheLogWithTheDrawsDate)
{
    TempFolder dir;
    writeChoices(dir, "hot.dat", {"3  0  7", "1  2  3", "7  0  3", "0  3  7", "7  0  0"});
    Announced seen;
    const auto matches = checkWinners(dir.path(), "ga.c3d", 7, 0, 3, {2002, 6, 15}, seen.hook());
    ASSERT_EQ(matches.size(), 3u);
    EXPECT_EQ(seen.messages,
              (std::vector<std::string>{"W I N N E R\r\nHot Category: 3  0  7", "W I N N E R\r\nHot Category: 7  0  3",
                                        "W I N N E R\r\nHot Category: 0  3  7"}));
    EXPECT_EQ(readWholeFile(dir / "quor3 winners.txt"),
              "Log began on: 6/15/2002\r\n"
              "6/15/2002[Quor3 Picked: 3  0  7] [Actual: 703] Hot Category ga.c3d\r\n"
              "6/15/2002[Quor3 Picked: 7  0  3] [Actual: 703] Hot Category ga.c3d\r\n"
              "6/15/2002[Quor3 Picked: 0  3  7] [Actual: 703] Hot Category ga.c3d\r\n");
}

TEST(checkWinners, AnExistingLogIsAppendedToWithoutANewFirstLine)
{
    TempFolder dir;
    writeWholeFile(dir / "quor3 winners.txt", "Log began on: 1/2/2001\r\n");
    writeChoices(dir, "cold.dat", {"2  1  1", "1  2  2", "9  9  9", "9  9  9", "9  9  9"});
    const auto matches = checkWinners(dir.path(), "ga.c3d", 1, 1, 2, {2003, 1, 5});
    ASSERT_EQ(matches.size(), 1u);
    EXPECT_EQ(readWholeFile(dir / "quor3 winners.txt"),
              "Log began on: 1/2/2001\r\n1/5/2003[Quor3 Picked: 2  1  1] [Actual: 112] Cold Category ga.c3d\r\n");
}

TEST(checkWinners, CategoriesAreComparedInTheirOrderAndMissingFilesAreSkipped)
{
    TempFolder dir;
    writeChoices(dir, "hot.dat", {"3  0  7", "9  9  9", "9  9  9", "9  9  9", "9  9  9"});
    writeChoices(dir, "cold.dat", {"9  9  9", "9  9  9", "7  3  0", "9  9  9", "9  9  9"});
    writeChoices(dir, "wm.dat", {"9  9  9", "9  9  9", "9  9  9", "9  9  9"});
    writeChoices(dir, "oddeven.dat", noMatch5);
    // Ordinal choices: lines 1, 5, 9 give the first one; lines 1, 6, 11 the fifth.
    writeChoices(dir, "ordinal.dat", {"3", "9", "9", "9", "9", "0", "9", "9", "9", "9", "7", "9"});
    // "pr.dat" is missing; the repeats after it are still compared.
    writeChoices(dir, "repeats.dat", {"0  7  3", "9  9  9", "9  9  9", "9  9  9", "9  9  9"});
    Announced seen;
    const auto matches = checkWinners(dir.path(), "ga.c3d", 7, 0, 3, {2002, 6, 15}, seen.hook());
    EXPECT_EQ(seen.messages,
              (std::vector<std::string>{"W I N N E R\r\nHot Category: 3  0  7", "W I N N E R\r\nCold Category: 7  3  0",
                                        "W I N N E R\r\nOrdinal Category: 3  0  7",
                                        "W I N N E R\r\n% Repeats Category: 0  7  3"}));
    const auto log = readTextLines(dir / "quor3 winners.txt");
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[1], "6/15/2002[Quor3 Picked: 3  0  7] [Actual: 703] Hot Category ga.c3d");
    EXPECT_EQ(log[2], "6/15/2002[Quor3 Picked: 7  3  0] [Actual: 703] Cold Category ga.c3d");
    EXPECT_EQ(log[3], "6/15/2002[Quor3 Picked: 3  0  7] [Actual: 703] Ordinal Category ga.c3d");
    EXPECT_EQ(log[4], "6/15/2002[Quor3 Picked: 0  7  3] [Actual: 703] % Repeats Category ga.c3d");
}

TEST(checkWinners, OnlyTheCountedLinesAndTheirFirstSevenCharactersAreUsed)
{
    TempFolder dir;
    writeChoices(dir, "wm.dat", {"9  9  9 and more", "9  9  9", "9  9  9", "9  9  9", "5  5  5"});
    EXPECT_TRUE(checkWinners(dir.path(), "ga.c3d", 5, 5, 5, {2002, 6, 15}).empty());
    EXPECT_TRUE(checkWinners(dir.path(), "ga.c3d", 9, 9, 9, {2002, 6, 15}).size() == 4);
    EXPECT_EQ(readTextLines(dir / "quor3 winners.txt")[1],
              "6/15/2002[Quor3 Picked: 9  9  9] [Actual: 999] Warm Category ga.c3d");
}

TEST(checkWinners, AShortChoiceFileStopsTheCheckAfterEarlierMatchesWereLogged)
{
    TempFolder dir;
    writeChoices(dir, "hot.dat", {"3  0  7", "9  9  9", "9  9  9", "9  9  9", "9  9  9"});
    writeChoices(dir, "cold.dat", {"9  9  9", "9  9  9"});
    writeChoices(dir, "repeats.dat", {"3  0  7", "9  9  9", "9  9  9", "9  9  9", "9  9  9"});
    Announced seen;
    try {
        checkWinners(dir.path(), "ga.c3d", 7, 0, 3, {2002, 6, 15}, seen.hook());
        FAIL() << "a missing line must stop the check";
    } catch (const Error& e) {
        EXPECT_EQ(e.kind(), Error::Kind::Conversion);
        EXPECT_STREQ(e.what(), "'' is not a valid integer value");
    }
    EXPECT_EQ(seen.messages.size(), 1u);
    EXPECT_EQ(readTextLines(dir / "quor3 winners.txt").size(), 2u);
}

TEST(checkWinners, ALetterInAChoiceIsNamedInTheMessage)
{
    TempFolder dir;
    writeChoices(dir, "hot.dat", {"3  x  7", "9  9  9", "9  9  9", "9  9  9", "9  9  9"});
    try {
        checkWinners(dir.path(), "ga.c3d", 7, 0, 3, {2002, 6, 15});
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'x' is not a valid integer value");
    }
    EXPECT_FALSE(fileExists(dir / "quor3 winners.txt"));
}
