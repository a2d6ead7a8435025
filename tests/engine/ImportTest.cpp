#include "EngineTestSupport.h"

#include "engine/Backups.h"
#include "engine/Dates.h"
#include "engine/Errors.h"
#include "engine/Export.h"
#include "engine/FileIo.h"
#include "engine/Import.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using quor3::ImportMode;

namespace
{

const quor3::fs::path sampleFolder = quor3::fs::path(__FILE__).parent_path().parent_path() / "data" / "import";

quor3::ImportScan scanSample(const std::string& name)
{
    return quor3::importDraws(quor3::readWholeFile(sampleFolder / name));
}

// "2026-12-06 4 5 1" for each draw, to compare whole lists at a glance.
std::vector<std::string> described(const std::vector<quor3::DrawRecord>& draws)
{
    std::vector<std::string> out;
    for (const auto& r : draws) {
        const quor3::CivilDate d = quor3::decodeDate(r.DrawDate);
        char text[40];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %d %d %d", d.year, d.month, d.day, r.Digit1, r.Digit2,
                      r.Digit3);
        out.push_back(text);
    }
    return out;
}

std::vector<std::string> described(const quor3::ImportScan& scan)
{
    std::vector<quor3::DrawRecord> records;
    for (const auto& d : scan.draws)
        records.push_back(d.record);
    return described(records);
}

std::vector<int> skippedLineNumbers(const quor3::ImportScan& scan)
{
    std::vector<int> out;
    for (const auto& s : scan.skipped)
        out.push_back(s.lineNumber);
    return out;
}

quor3::DrawRecord draw(int year, int month, int day, int a, int b, int c)
{
    quor3::DrawRecord r;
    r.DrawDate = quor3::encodeDate(year, month, day);
    r.Digit1 = a;
    r.Digit2 = b;
    r.Digit3 = c;
    return r;
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

int failingFlush(int)
{
    errno = EIO;
    return -1;
}

CommandRun engine(const TempFolder& dir, const std::string& args)
{
    return runCommand(std::string("'") + QUOR3_ENGINE_CLI + "' " + args, dir / "err.txt");
}

std::string quoted(const quor3::fs::path& p)
{
    return "'" + p.string() + "'";
}

} // namespace

// --- Reading the sample files ---

TEST(ImportSamples, NewestFirstIsReadFromTheBottomUp)
{
    const auto scan = scanSample("newest-first.csv");
    EXPECT_EQ(described(scan), (std::vector<std::string>{"2026-12-02 8 6 4", "2026-12-03 1 1 1", "2026-12-04 9 3 2",
                                                         "2026-12-05 0 0 7", "2026-12-06 4 5 1"}));
    EXPECT_TRUE(scan.skipped.empty());
    EXPECT_TRUE(scan.drawNames.empty());
    EXPECT_TRUE(contains(scan.layout, "comma-separated")) << scan.layout;
    EXPECT_TRUE(contains(scan.layout, "a header line")) << scan.layout;
    EXPECT_TRUE(contains(scan.layout, "4-5-1")) << scan.layout;
    EXPECT_TRUE(contains(scan.layout, "newest first")) << scan.layout;
    EXPECT_EQ(scan.draws.front().lineNumber, 6);
}

TEST(ImportSamples, MiddayAndEveningKeepTheirOrderOfTheDayAndAreChosenApart)
{
    const auto scan = scanSample("midday-evening.csv");
    ASSERT_EQ(scan.drawNames, (std::vector<std::string>{"Evening", "Midday"}));
    EXPECT_EQ(described(scan), (std::vector<std::string>{"2026-12-04 6 1 3", "2026-12-04 2 9 9", "2026-12-05 0 4 6",
                                                         "2026-12-05 7 7 1", "2026-12-06 5 2 9", "2026-12-06 3 8 0"}));
    const auto midday = quor3::chooseDraw(scan, "MIDDAY");
    EXPECT_EQ(described(midday.draws),
              (std::vector<std::string>{"2026-12-04 6 1 3", "2026-12-05 0 4 6", "2026-12-06 5 2 9"}));
    EXPECT_EQ(midday.otherDrawLines, 3);
    EXPECT_EQ(described(quor3::chooseDraw(scan, "Evening").draws),
              (std::vector<std::string>{"2026-12-04 2 9 9", "2026-12-05 7 7 1", "2026-12-06 3 8 0"}));
    // Several draws and none chosen, or one the file does not hold: no guess.
    EXPECT_THROW(quor3::chooseDraw(scan, ""), quor3::Error);
    EXPECT_THROW(quor3::chooseDraw(scan, "Night"), quor3::Error);
}

TEST(ImportSamples, BonusColumnsAfterTheDigitsAreIgnored)
{
    const auto scan = scanSample("bonus-columns.csv");
    EXPECT_EQ(described(scan), (std::vector<std::string>{"2026-11-30 1 2 3", "2026-12-01 4 0 9", "2026-12-02 8 8 5"}));
    EXPECT_TRUE(scan.skipped.empty());
    EXPECT_TRUE(contains(scan.layout, "YYYY-MM-DD")) << scan.layout;
    EXPECT_TRUE(contains(scan.layout, "digits in three fields")) << scan.layout;
}

TEST(ImportSamples, MonthDayAndYearInFieldsOfTheirOwn)
{
    const auto scan = scanSample("month-day-year.txt");
    EXPECT_EQ(described(scan), (std::vector<std::string>{"2026-11-29 5 1 2", "2026-11-30 0 6 7", "2026-12-01 3 4 0"}));
    EXPECT_TRUE(scan.skipped.empty());
    EXPECT_TRUE(contains(scan.layout, "tab-separated")) << scan.layout;
    EXPECT_TRUE(contains(scan.layout, "three fields")) << scan.layout;
}

TEST(ImportSamples, JunkLinesAreReportedWithTheirNumberAndReason)
{
    const auto scan = scanSample("junk-lines.txt");
    EXPECT_EQ(described(scan), (std::vector<std::string>{"2026-12-01 3 4 5", "2026-12-03 6 7 8"}));
    // Comments, blank lines and the header line are no errors.
    ASSERT_EQ(skippedLineNumbers(scan), (std::vector<int>{5, 6, 7, 11}));
    EXPECT_EQ(scan.skipped[0].reason, "no date found");
    EXPECT_EQ(scan.skipped[0].text, "Advertisement: play responsibly!");
    EXPECT_EQ(scan.skipped[1].reason, "impossible date \"02/30/2026\"");
    EXPECT_EQ(scan.skipped[2].reason, "no three digits 0 to 9 after the date");
    EXPECT_EQ(scan.skipped[3].reason, "no date found");
}

TEST(ImportSamples, ByteOrderMarkAndCarriageReturns)
{
    const std::string bytes = quor3::readWholeFile(sampleFolder / "bom-crlf.csv");
    ASSERT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    ASSERT_TRUE(contains(bytes, "\r\n"));
    const auto scan = quor3::importDraws(bytes);
    EXPECT_EQ(described(scan), (std::vector<std::string>{"2026-01-01 1 2 3", "2026-01-02 4 5 6", "2026-01-03 7 8 9"}));
    EXPECT_TRUE(scan.skipped.empty());
    EXPECT_TRUE(contains(scan.layout, "semicolon-separated")) << scan.layout;
}

TEST(ImportSamples, TwoDigitYearsBelowSeventyAreThisCentury)
{
    const auto scan = scanSample("two-digit-years.csv");
    EXPECT_EQ(described(scan), (std::vector<std::string>{"1970-12-31 4 5 6", "1999-06-15 7 8 9", "2000-06-15 0 1 2",
                                                         "2069-01-02 1 2 3"}));
    EXPECT_TRUE(contains(scan.layout, "no header line")) << scan.layout;
}

TEST(ImportSamples, GameNamesAndWrittenOutDatesOfAResultsSite)
{
    const auto scan = scanSample("results-site.txt");
    ASSERT_EQ(scan.drawNames, (std::vector<std::string>{"Pick 3 Night", "Pick 3 Day"}));
    EXPECT_EQ(described(quor3::chooseDraw(scan, "pick 3 day").draws),
              (std::vector<std::string>{"2026-12-05 9 9 0", "2026-12-06 0 3 3"}));
    EXPECT_TRUE(contains(scan.layout, "Saturday, December 6, 2026")) << scan.layout;
}

TEST(ImportSamples, BlankSeparatedWithDrawLetters)
{
    const auto scan = scanSample("blank-separated.txt");
    ASSERT_EQ(scan.drawNames, (std::vector<std::string>{"Evening", "Midday"}));
    EXPECT_EQ(described(quor3::chooseDraw(scan, "Midday").draws),
              (std::vector<std::string>{"2026-12-04 4 5 6", "2026-12-05 7 8 9"}));
    EXPECT_TRUE(contains(scan.layout, "blanks")) << scan.layout;
}

// --- What lotteries publish: each draw name gives that draw's digits, and only those ---

TEST(ImportPublishedShapes, EachDrawNameStoresThatDrawDigitForDigit)
{
    struct Case {
        const char* file;
        const char* name;
        std::vector<std::string> draws;
    };
    const Case cases[] = {
        // One column per draw, newest first; sums, Win 4 and Booster columns beside them.
        {"draw-columns.csv", "Evening", {"2018-08-03 4 5 0", "2018-08-04 0 0 7", "2018-08-05 2 1 4"}},
        {"draw-columns.csv", "midday", {"2018-08-03 9 0 1", "2018-08-04 0 6 6", "2018-08-05 2 3 2"}},
        // Tonight's evening not drawn yet: a blank cell.
        {"draw-columns-short.csv", "Midday", {"2026-05-07 0 0 3", "2026-05-08 3 9 7"}},
        {"draw-columns-short.csv", "Evening", {"2026-05-06 5 1 2", "2026-05-07 0 6 6"}},
        {"draw-columns.json", "Midday", {"2026-07-11 7 0 9", "2026-07-12 0 5 6", "2026-07-13 1 2 0"}},
        {"draw-columns.json", "Evening", {"2026-07-11 0 0 4", "2026-07-12 2 8 3"}},
        // Game and draw in one field, no header, a Fireball digit last.
        {"game-and-draw.csv", "Evening", {"2019-04-29 7 7 6", "2019-04-30 1 0 9"}},
        {"game-and-draw.csv", "pick 3 midday", {"2019-04-29 0 1 2", "2019-04-30 5 5 5"}},
        // The time of the draw changes; the draw stays one.
        {"draw-times.csv", "Midday", {"2025-07-28 9 4 4", "2025-07-29 0 0 5"}},
        {"draw-times.csv", "NIGHT", {"2025-07-28 3 3 8"}},
        // Pasted from a results page: a date line, then a line per draw.
        {"results-page.txt", "Evening", {"2026-12-05 8 8 1", "2026-12-06 3 7 4"}},
        {"results-page.txt", "Midday", {"2026-12-05 0 1 2", "2026-12-06 3 9 9"}},
        {"bom-no-header.csv", "", {"2026-12-06 4 5 1", "2026-12-07 0 0 9"}},
    };
    for (const Case& c : cases) {
        const auto scan = scanSample(c.file);
        EXPECT_EQ(described(quor3::chooseDraw(scan, c.name).draws), c.draws) << c.file << " " << c.name;
        // Read piece by piece from the file, the same.
        const auto fromFile = quor3::importFile(sampleFolder / c.file);
        EXPECT_EQ(described(fromFile), described(scan)) << c.file;
    }
}

TEST(ImportPublishedShapes, NamesLayoutsAndSkippedCells)
{
    auto scan = scanSample("draw-times.csv");
    EXPECT_EQ(scan.drawNames, (std::vector<std::string>{"Midday", "Evening", "Night"}));

    scan = scanSample("draw-columns-short.csv");
    EXPECT_EQ(scan.drawNames, (std::vector<std::string>{"Midday", "Evening"}));
    // 1234 is no draw of this game; the blank evening is no fault.
    ASSERT_EQ(skippedLineNumbers(scan), (std::vector<int>{4}));
    EXPECT_TRUE(contains(scan.skipped[0].reason, "\"1234\"")) << scan.skipped[0].reason;
    EXPECT_TRUE(contains(scan.layout, "one column per draw")) << scan.layout;

    scan = scanSample("draw-columns.csv");
    EXPECT_TRUE(scan.skipped.empty());
    EXPECT_TRUE(contains(scan.layout, "; the Midday Daily Booster, Evening Daily Booster, Midday Win 4 Booster and "
                                      "Evening Win 4 Booster columns, left aside"))
        << scan.layout;
    EXPECT_TRUE(contains(scanSample("bonus-columns.csv").layout, "; a Fireball column, left aside"));
    EXPECT_TRUE(contains(scanSample("draw-columns.json").layout, "JSON")) << scanSample("draw-columns.json").layout;
    // A day of the month is no draw of the day.
    EXPECT_TRUE(scanSample("month-day-year.txt").drawNames.empty());
    // JSON of another shape is no table: nothing is read from it.
    for (const char* json : {"{\"draw_date\":\"2026-01-02\",\"midday\":\"123\"}", "[1,2,3]", "[[\"2026-01-02\"]]"})
        EXPECT_TRUE(quor3::importDraws(json).draws.empty()) << json;
    EXPECT_EQ(described(quor3::importDraws("[{\"date\":\"2026-01-02\",\"more\":{\"a\":[1]},\"night\":7,"
                                           "\"day\":12}]")),
              (std::vector<std::string>{"2026-01-02 0 0 7", "2026-01-02 0 1 2"}));
    EXPECT_EQ(quor3::importDraws("").layout, "");
    EXPECT_EQ(quor3::importDraws("\n  \n").layout, "");
}

TEST(ImportPublishedShapes, ANameAnsweringToSeveralDrawsOrNoneIsRefusedWithTheList)
{
    const auto scan = scanSample("game-and-draw.csv");
    EXPECT_EQ(quor3::findDrawName(scan, "evening"), 0);
    EXPECT_EQ(quor3::findDrawName(scan, "Pick 3"), -1);
    const auto message = [&](const std::string& name) {
        try {
            quor3::chooseDraw(scan, name);
        } catch (const quor3::Error& e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(message("Pick 3"),
              "\"Pick 3\" names several draws of the file (Pick 3 Evening, Pick 3 Midday): choose one.");
    EXPECT_EQ(message("Night"), "The file holds no draw named \"Night\"; it holds Pick 3 Evening, Pick 3 Midday.");
    // A word is matched whole: "Even" is no word of "Evening".
    EXPECT_EQ(message("Even"), "The file holds no draw named \"Even\"; it holds Pick 3 Evening, Pick 3 Midday.");
}

TEST(ImportPublishedShapes, ADrawTheFileRepeatsIsCountedOnce)
{
    const auto scan = quor3::importDraws("1/1/2026,1,2,3\n1/2/2026,4,5,6\n1/1/2026,1,2,3\n1/1/2026,7,8,9\n");
    const auto chosen = quor3::chooseDraw(scan, "");
    EXPECT_EQ(described(chosen.draws),
              (std::vector<std::string>{"2026-01-01 1 2 3", "2026-01-01 7 8 9", "2026-01-02 4 5 6"}));
    EXPECT_EQ(chosen.repeatedDraws, 1);
    for (const ImportMode mode : {ImportMode::Merge, ImportMode::Replace}) {
        const auto plan = quor3::planImport({draw(2026, 1, 2, 4, 5, 6)},
                                            {draw(2026, 1, 1, 1, 2, 3), draw(2026, 1, 1, 1, 2, 3)}, mode);
        EXPECT_EQ(plan.fromFile, 1);
        EXPECT_EQ(plan.repeatedInFile, 1);
        EXPECT_TRUE(
            contains(quor3::describeImport({plan, true, {}, 0, {}}), "1 draw repeated in the file was counted once."));
    }
}

TEST(ImportPublishedShapes, LinesOfOtherDrawsAreCountedAsLines)
{
    struct Case {
        const char* name;
        const char* text;
        long long otherLines;
    };
    const std::vector<Case> cases = {
        {"a column per draw: every line holds an evening draw",
         "Draw Date,Midday,Evening\n1/1/2026,123,456\n1/2/2026,234,567\n1/3/2026,,678\n", 0},
        {"a line per draw", "1/1/2026,Midday,123\n1/1/2026,Evening,456\n1/2/2026,Midday,234\n", 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(quor3::chooseDraw(quor3::importDraws(c.text), "Evening").otherDrawLines, c.otherLines) << c.name;
}

// --- The forms one line may take ---

TEST(ImportLines, EveryDateAndDigitsFormGivesTheSameDraw)
{
    const char* const lines[] = {
        "12/6/2026,4,5,1",
        "12/06/26,4,5,1",
        "2026-12-06;451",
        "12-06-2026\t4-5-1",
        "Dec 6, 2026\t4 5 1",
        "\"Saturday, December 6, 2026\",\"4,5,1\"",
        "Saturday, December 6, 2026,4,5,1",
        "December,6,2026,4,5,1",
        "12,6,2026,4,5,1",
        "6 Dec 2026   4 5 1",
        "Sat. Dec. 6th 2026 | 451",
        "12/06/2026 00:00:00,4,5,1",
        "\"12/6/2026\",\"4\",\"5\",\"1\",\"9\"",
        "20261,12/6/2026,451",
    };
    for (const char* line : lines) {
        const auto scan = quor3::importDraws(line);
        EXPECT_EQ(described(scan), (std::vector<std::string>{"2026-12-06 4 5 1"})) << line;
        EXPECT_TRUE(scan.skipped.empty()) << line;
    }
}

TEST(ImportLines, LinesThatHoldNoDrawAreNeverGuessed)
{
    const auto scan = quor3::importDraws("date,digits\n"
                                         "12/6/2026,4,5\n"
                                         "12/7/2026,45,1\n"
                                         "4,5,1\n"
                                         "13/1/2026,1,2,3\n"
                                         "12/8/2026,4,5,1\n");
    EXPECT_EQ(described(scan), (std::vector<std::string>{"2026-12-08 4 5 1"}));
    EXPECT_EQ(skippedLineNumbers(scan), (std::vector<int>{2, 3, 4, 5}));
    EXPECT_EQ(scan.skipped[3].reason, "impossible date \"13/1/2026\"");
}

TEST(ImportLines, NothingUsable)
{
    for (const char* text : {"", "\n\n", "# only a comment\n", "Date,Numbers\n", "hello world\nno draws here\n"}) {
        const auto scan = quor3::importDraws(text);
        EXPECT_TRUE(scan.draws.empty()) << text;
        EXPECT_TRUE(quor3::chooseDraw(scan, "").draws.empty());
    }
}

TEST(ImportLines, DrawsOfOneDateKeepTheFileOrderEitherWay)
{
    // Oldest first: kept as it is.
    auto scan = quor3::importDraws("1/1/2026,1,1,1\n1/1/2026,2,2,2\n1/2/2026,3,3,3\n");
    EXPECT_EQ(described(scan), (std::vector<std::string>{"2026-01-01 1 1 1", "2026-01-01 2 2 2", "2026-01-02 3 3 3"}));
    // Newest first, evening above midday: read from the bottom, midday comes first.
    scan = quor3::importDraws("1/2/2026,3,3,3\n1/1/2026,2,2,2\n1/1/2026,1,1,1\n");
    EXPECT_EQ(described(scan), (std::vector<std::string>{"2026-01-01 1 1 1", "2026-01-01 2 2 2", "2026-01-02 3 3 3"}));
    // A file of one date tells no order of its own: it is read as it stands.
    scan = quor3::importDraws("1/1/2026,1,1,1\n1/1/2026,2,2,2\n");
    EXPECT_EQ(described(scan), (std::vector<std::string>{"2026-01-01 1 1 1", "2026-01-01 2 2 2"}));
    // As many steps forward as back: the file's order of the day stands.
    scan = quor3::importDraws("1/2/2026,3,3,3\n1/1/2026,1,1,1\n1/1/2026,2,2,2\n1/3/2026,4,4,4\n");
    EXPECT_EQ(described(scan), (std::vector<std::string>{"2026-01-01 1 1 1", "2026-01-01 2 2 2", "2026-01-02 3 3 3",
                                                         "2026-01-03 4 4 4"}));
}

// --- Merge, replace and the limit ---

TEST(ImportPlan, MergeSortsByDateStoredFirstAndSkipsDrawsAlreadyStored)
{
    const std::vector<quor3::DrawRecord> stored = {draw(2026, 1, 1, 1, 1, 1), draw(2026, 1, 3, 3, 3, 3)};
    const std::vector<quor3::DrawRecord> incoming = {draw(2026, 1, 1, 9, 9, 9), draw(2026, 1, 2, 2, 2, 2),
                                                     draw(2026, 1, 3, 3, 3, 3)};
    const auto plan = quor3::planImport(stored, incoming, ImportMode::Merge);
    EXPECT_EQ(described(plan.draws), (std::vector<std::string>{"2026-01-01 1 1 1", "2026-01-01 9 9 9",
                                                               "2026-01-02 2 2 2", "2026-01-03 3 3 3"}));
    EXPECT_EQ(plan.fromFile, 2);
    EXPECT_EQ(plan.alreadyStored, 1);
    EXPECT_EQ(plan.leftOut, 0);
}

TEST(ImportPlan, ReplaceTakesTheFileAlone)
{
    const auto plan = quor3::planImport({draw(2026, 1, 1, 1, 1, 1)}, {draw(2026, 1, 2, 2, 2, 2)}, ImportMode::Replace);
    EXPECT_EQ(described(plan.draws), (std::vector<std::string>{"2026-01-02 2 2 2"}));
    EXPECT_EQ(plan.fromFile, 1);
}

TEST(ImportPlan, AtMost731NewestDrawsAreKept)
{
    std::vector<quor3::DrawRecord> incoming;
    for (int i = 0; i < 800; ++i)
        incoming.push_back(drawsOf({{i % 10, (i / 10) % 10, (i / 100) % 10}}, 40000.0 + i)[0]);
    auto plan = quor3::planImport({}, incoming, ImportMode::Replace);
    ASSERT_EQ(plan.draws.size(), 731u);
    EXPECT_EQ(plan.leftOut, 69);
    EXPECT_EQ(plan.draws.front().DrawDate, 40069.0);
    EXPECT_EQ(plan.draws.back().DrawDate, 40799.0);

    // Merging 100 later draws into 700 stored ones leaves out the 69 oldest stored.
    const std::vector<quor3::DrawRecord> stored(incoming.begin(), incoming.begin() + 700);
    const std::vector<quor3::DrawRecord> later(incoming.begin() + 700, incoming.end());
    plan = quor3::planImport(stored, later, ImportMode::Merge);
    EXPECT_EQ(plan.draws.size(), 731u);
    EXPECT_EQ(plan.leftOut, 69);
    EXPECT_EQ(plan.fromFile, 100);
    EXPECT_TRUE(contains(quor3::describeImport({plan, true, {}, 0, {}}),
                         "69 draws older than the newest 731 are kept in the full history only"));
}

// --- Storing ---

TEST(ImportStore, ReplacesAtomicallyAfterABackupWithReservedBytesZero)
{
    TempFolder dir;
    auto before = drawsOf({{1, 2, 3}, {4, 5, 6}});
    before[0].Reserved = {1, 2, 3, 4};
    writeDatabase(dir / "ga.c3d", before);
    const std::string oldBytes = quor3::readWholeFile(dir / "ga.c3d");

    const auto outcome = quor3::storeImport(dir.path(), "ga.c3d", {draw(2026, 1, 2, 7, 8, 9)}, ImportMode::Merge);
    EXPECT_TRUE(outcome.changed);
    ASSERT_FALSE(outcome.backup.empty());
    EXPECT_EQ(quor3::readWholeFile(outcome.backup), oldBytes);
    const auto after = quor3::readDraws(dir / "ga.c3d");
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after[0].Reserved, (std::array<std::uint8_t, 4>{}));
    EXPECT_EQ(after[2].Digit1, 7);
    EXPECT_TRUE(contains(quor3::describeImport(outcome), "kept in backups/ga.c3d-"));
}

TEST(ImportStore, CreatesAMissingDatabaseWithoutABackup)
{
    TempFolder dir;
    const auto outcome = quor3::storeImport(dir.path(), "new.c3d", {draw(2026, 1, 2, 7, 8, 9)}, ImportMode::Merge);
    EXPECT_TRUE(outcome.changed);
    EXPECT_TRUE(outcome.backup.empty());
    EXPECT_EQ(quor3::countDraws(dir / "new.c3d"), 1);
    EXPECT_FALSE(quor3::fs::exists(dir / "backups"));
}

TEST(ImportStore, NothingToStoreOrNothingNewChangesNothing)
{
    TempFolder dir;
    writeDatabase(dir / "ga.c3d", drawsOf({{1, 2, 3}}));
    const std::string bytes = quor3::readWholeFile(dir / "ga.c3d");
    EXPECT_THROW(quor3::storeImport(dir.path(), "ga.c3d", {}, ImportMode::Replace), quor3::Error);
    const auto same = quor3::storeImport(dir.path(), "ga.c3d", drawsOf({{1, 2, 3}}), ImportMode::Merge);
    EXPECT_FALSE(same.changed);
    EXPECT_EQ(same.plan.alreadyStored, 1);
    EXPECT_EQ(quor3::readWholeFile(dir / "ga.c3d"), bytes);
    EXPECT_FALSE(quor3::fs::exists(dir / "backups"));
}

TEST(ImportStore, AFailedBackupStopsTheImport)
{
    TempFolder dir;
    writeDatabase(dir / "ga.c3d", drawsOf({{1, 2, 3}}));
    const std::string bytes = quor3::readWholeFile(dir / "ga.c3d");
    // The backup folder's place is taken by a file.
    quor3::writeWholeFile(dir / "backups", "not a folder");
    try {
        quor3::storeImport(dir.path(), "ga.c3d", {draw(2026, 1, 2, 7, 8, 9)}, ImportMode::Merge);
        FAIL() << "the import went on without its backup";
    } catch (const quor3::Error& e) {
        EXPECT_TRUE(contains(e.what(), "backups")) << e.what();
    }
    EXPECT_EQ(quor3::readWholeFile(dir / "ga.c3d"), bytes);

    // The copy cannot be flushed to disk.
    quor3::fs::remove(dir / "backups");
    quor3::setFlushFunctionForTesting(&failingFlush);
    EXPECT_THROW(quor3::storeImport(dir.path(), "ga.c3d", {draw(2026, 1, 2, 7, 8, 9)}, ImportMode::Merge),
                 quor3::Error);
    quor3::setFlushFunctionForTesting(nullptr);
    EXPECT_EQ(quor3::readWholeFile(dir / "ga.c3d"), bytes);
    EXPECT_TRUE(quor3::listBackups(dir / "ga.c3d").empty());
    for (const auto& entry : quor3::fs::directory_iterator(dir.path() / "backups"))
        ADD_FAILURE() << "left behind: " << entry.path();
}

// --- Export ---

TEST(Export, HeaderIsoDatesRecordOrderAndLineFeeds)
{
    const std::vector<quor3::DrawRecord> draws = {draw(2026, 12, 6, 4, 5, 1), draw(2002, 1, 1, 3, 0, 7)};
    EXPECT_EQ(quor3::exportCsv(draws), "date,digit1,digit2,digit3\n2026-12-06,4,5,1\n2002-01-01,3,0,7\n");
}

TEST(Export, ExportThenReplaceGivesTheSameBytes)
{
    TempFolder dir;
    std::vector<quor3::DrawRecord> draws = drawsOf(variedTriples(731), 44000);
    draws[10].DrawDate = draws[9].DrawDate; // two draws on one day keep their order
    writeDatabase(dir / "ga.c3d", draws);
    EXPECT_EQ(quor3::exportDraws(dir / "ga.c3d", dir / "ga.csv"), 731);
    const auto scan = quor3::importDraws(quor3::readWholeFile(dir / "ga.csv"));
    EXPECT_TRUE(scan.skipped.empty());
    writeDatabase(dir / "other.c3d", drawsOf({{9, 9, 9}}));
    quor3::storeImport(dir.path(), "other.c3d", quor3::chooseDraw(scan, "").draws, ImportMode::Replace);
    EXPECT_EQ(quor3::readWholeFile(dir / "other.c3d"), quor3::readWholeFile(dir / "ga.c3d"));
}

// --- Large and hostile files ---

TEST(ImportLimits, SkippedLinesAreListedUpToAThousandAndCounted)
{
    std::string text;
    for (int i = 0; i < 1500; ++i)
        text += "12/6/2026,no digits here\n";
    const auto scan = quor3::importDraws(text);
    EXPECT_EQ(scan.skipped.size(), 1000u);
    EXPECT_EQ(scan.skippedCount, 1500);
    EXPECT_EQ(scan.skipped.back().lineNumber, 1000);
}

TEST(ImportLimits, OnlyRegularFilesOfAtMost200MegabytesAreRead)
{
    TempFolder dir;
    const auto refusal = [](const quor3::fs::path& file) {
        try {
            quor3::importFile(file);
        } catch (const quor3::Error& e) {
            return std::string(e.what());
        }
        return std::string("read");
    };
    {
        std::FILE* big = std::fopen((dir / "big.csv").c_str(), "w");
        ASSERT_TRUE(big);
        // Sparse: no disk space is taken.
        ASSERT_EQ(ftruncate(fileno(big), 200LL * 1024 * 1024 + 1), 0);
        std::fclose(big);
    }
    EXPECT_TRUE(contains(refusal(dir / "big.csv"), "larger than 200 MB")) << refusal(dir / "big.csv");
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    EXPECT_TRUE(contains(refusal(dir / "fifo"), "not a regular file")) << refusal(dir / "fifo");
    EXPECT_TRUE(contains(refusal("/dev/zero"), "not a regular file"));
    // Asked to stop, the reading stops with nothing.
    quor3::writeWholeFile(dir / "small.csv", "12/6/2026,4,5,1\n");
    const auto stopped = quor3::importFile(dir / "small.csv", [](long long, long long) { return false; });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_TRUE(stopped.draws.empty());
}

// --- The command line ---

TEST(ImportCommandLine, ImportPrintsWhatItStoredAndSkipped)
{
    TempFolder dir;
    const CommandRun run =
        engine(dir, "import " + quoted(dir / "ga.c3d") + " " + quoted(sampleFolder / "junk-lines.txt"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(contains(run.out, "Skipped line 6: impossible date \"02/30/2026\"")) << run.out;
    EXPECT_TRUE(contains(run.out, "The database now holds 2 draws")) << run.out;
    EXPECT_TRUE(contains(run.out, "Total Draws: 2\nLast Draw Date: 12/3/2026\n")) << run.out;
    EXPECT_EQ(quor3::countDraws(dir / "ga.c3d"), 2);
}

TEST(ImportCommandLine, DrawChoiceReplaceAndNothingUsable)
{
    TempFolder dir;
    const std::string db = quoted(dir / "ga.c3d");
    const std::string sample = quoted(sampleFolder / "midday-evening.csv");
    CommandRun run = engine(dir, "import " + db + " " + sample);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(contains(run.err, "choose one")) << run.err;
    EXPECT_FALSE(quor3::fileExists(dir / "ga.c3d"));

    run = engine(dir, "import " + db + " " + sample + " --draw evening");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(contains(run.out, "Left aside 3 lines of other draws.")) << run.out;
    run = engine(dir, "import " + db + " " + sample + " --draw midday --replace");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(described(quor3::readDraws(dir / "ga.c3d")),
              (std::vector<std::string>{"2026-12-04 6 1 3", "2026-12-05 0 4 6", "2026-12-06 5 2 9"}));

    const std::string bytes = quor3::readWholeFile(dir / "ga.c3d");
    quor3::writeWholeFile(dir / "junk.txt", "nothing\nto see\n");
    run = engine(dir, "import " + db + " " + quoted(dir / "junk.txt"));
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(contains(run.err, "nothing changed")) << run.err;
    EXPECT_EQ(quor3::readWholeFile(dir / "ga.c3d"), bytes);
}

TEST(ImportCommandLine, TheNamedDrawOfAFileWithAColumnPerDraw)
{
    TempFolder dir;
    const CommandRun run = engine(dir, "import " + quoted(dir / "ga.c3d") + " " +
                                           quoted(sampleFolder / "draw-columns.csv") + " --draw Evening");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(described(quor3::readDraws(dir / "ga.c3d")),
              (std::vector<std::string>{"2018-08-03 4 5 0", "2018-08-04 0 0 7", "2018-08-05 2 1 4"}));
}

TEST(ImportCommandLine, AHundredMegabytesWithoutADrawTakeLittleMemoryAndPrintLittle)
{
    TempFolder dir;
    {
        const std::string line = "12/6/2026,no draw on this line, only words and more words\n";
        std::string block;
        while (block.size() < (1 << 20))
            block += line;
        std::FILE* file = std::fopen((dir / "junk.csv").c_str(), "w");
        ASSERT_TRUE(file);
        for (int i = 0; i < 100; ++i)
            ASSERT_EQ(std::fwrite(block.data(), 1, block.size(), file), block.size());
        std::fclose(file);
    }
    const CommandRun run = engine(dir, "import " + quoted(dir / "ga.c3d") + " " + quoted(dir / "junk.csv"));
    EXPECT_EQ(run.status, 1);
    EXPECT_LT(run.out.size(), 1u << 20);
    EXPECT_TRUE(contains(run.out, "Skipped line 1000: ")) << run.out.substr(0, 200);
    EXPECT_FALSE(contains(run.out, "Skipped line 1001: "));
    EXPECT_TRUE(contains(run.out, " more skipped lines.\n"));
#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#define QUOR3_SANITIZED
#endif
#endif
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__) && !defined(QUOR3_SANITIZED)
    // The largest child so far: the other commands are far smaller.
    rusage usage{};
    ASSERT_EQ(getrusage(RUSAGE_CHILDREN, &usage), 0);
    EXPECT_LT(usage.ru_maxrss, 80L * 1024); // kilobytes
#endif
}

TEST(ImportCommandLine, ExportBackupsAndRestore)
{
    TempFolder dir;
    const std::string db = quoted(dir / "ga.c3d");
    writeDatabase(dir / "ga.c3d", drawsOf({{1, 2, 3}, {4, 5, 6}}));
    CommandRun run = engine(dir, "export " + db);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "date,digit1,digit2,digit3\n2002-01-01,1,2,3\n2002-01-02,4,5,6\n");
    run = engine(dir, "export " + db + " " + quoted(dir / "out.csv"));
    EXPECT_EQ(run.out, "Exported 2 draws to " + (dir / "out.csv").string() + ".\n");
    EXPECT_EQ(quor3::readWholeFile(dir / "out.csv"), "date,digit1,digit2,digit3\n2002-01-01,1,2,3\n2002-01-02,4,5,6\n");

    run = engine(dir, "backups " + db);
    EXPECT_EQ(run.out, "No backups of ga.c3d.\n");
    const std::string original = quor3::readWholeFile(dir / "ga.c3d");
    run = engine(dir, "import " + db + " " + quoted(sampleFolder / "bonus-columns.csv") + " --replace");
    ASSERT_EQ(run.status, 0) << run.err;
    run = engine(dir, "backups " + db);
    const auto backups = quor3::listBackups(dir / "ga.c3d");
    ASSERT_EQ(backups.size(), 1u);
    const std::string name = backups[0].file.filename().string();
    EXPECT_TRUE(contains(run.out, name + "  taken ")) << run.out;
    EXPECT_TRUE(contains(run.out, "  2 draws  last draw 1/2/2002  before an import\n")) << run.out;

    run = engine(dir, "restore " + db + " " + name);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(contains(run.out, "Restored " + name + ".")) << run.out;
    EXPECT_TRUE(contains(run.out, "Total Draws: 2\n")) << run.out;
    EXPECT_EQ(quor3::readWholeFile(dir / "ga.c3d"), original);
    EXPECT_EQ(quor3::listBackups(dir / "ga.c3d").size(), 2u);

    run = engine(dir, "restore " + db + " nonsense.c3d");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(quor3::readWholeFile(dir / "ga.c3d"), original);
}

TEST(ImportCommandLine, TheCutBackOfAnAddNamesItsBackup)
{
    TempFolder dir;
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(quor3::MaxDraws)));
    const CommandRun run = engine(dir, "add " + quoted(dir / "ga.c3d") + " 1/1/2030 1 2 3");
    EXPECT_EQ(run.status, 0) << run.err;
    const auto backups = quor3::listBackups(dir / "ga.c3d");
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_TRUE(contains(run.out, "Total Draws: 91\n")) << run.out;
    EXPECT_TRUE(contains(run.out, "The older draws are kept in backups/" + backups[0].file.filename().string() + ".\n"))
        << run.out;
    EXPECT_EQ(backups[0].draws, quor3::MaxDraws);
}
