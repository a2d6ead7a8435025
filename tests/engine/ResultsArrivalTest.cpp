// What a fetch or an import does with the draws that arrive: the right draw,
// no future dates, a full database, the settings file, the exit status.

#include "EngineTestSupport.h"
#include "TestHttpServer.h"

#include "engine/Backups.h"
#include "engine/Errors.h"
#include "engine/Import.h"
#include "engine/ImportChecks.h"
#include "engine/NewResults.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <thread>

using quor3::DrawRecord;

namespace
{

class NullStatus : public quor3::StatusSink
{
  public:
    void setStatusText(int, const std::string&) override {}
};

std::string digits(const DrawRecord& r)
{
    return std::to_string(r.Digit1) + std::to_string(r.Digit2) + std::to_string(r.Digit3);
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// A file with a Midday and an Evening column.
std::string twoDrawFile(const std::vector<DrawRecord>& midday, const std::vector<DrawRecord>& evening)
{
    std::string text = "Draw Date,Midday Daily #,Evening Daily #\n";
    for (std::size_t i = 0; i < evening.size(); ++i)
        text += quor3::monthDayYear(evening[i].DrawDate) + "," + digits(midday[i]) + "," + digits(evening[i]) + "\n";
    return text;
}

std::string csvOf(const std::vector<DrawRecord>& draws)
{
    std::string text = "Date,Digits\n";
    for (const auto& r : draws)
        text += quor3::monthDayYear(r.DrawDate) + "," + digits(r) + "\n";
    return text;
}

CommandRun engine(const TempFolder& dir, const std::string& args)
{
    return runCommand("XDG_CONFIG_HOME='" + dir.path().string() + "' '" + QUOR3_ENGINE_CLI + "' " + args,
                      dir / "err.txt");
}

quor3::NewResultsOutcome fetchFrom(const TempFolder& dir, const std::string& address, const std::string& draw = {})
{
    quor3::ResultsSource source;
    source.address = address;
    source.drawName = draw;
    NullStatus status;
    return quor3::fetchNewResults(dir / "quor3.ini", dir.path(), "ga.c3d", source, {}, status);
}

} // namespace

TEST(TheRightDraw, AnotherDrawOfTheFileIsRefusedWithNothingChanged)
{
    const auto evening = drawsOf(variedTriples(30));
    auto midday = evening;
    for (auto& r : midday)
        r.Digit3 = (r.Digit3 + 1) % 10;
    TempFolder dir;
    writeDatabase(dir / "ga.c3d", std::vector<DrawRecord>(evening.begin(), evening.end() - 2));
    quor3::writeWholeFile(dir / "r.csv", twoDrawFile(midday, evening));
    const std::string db = "'" + (dir / "ga.c3d").string() + "' ", file = "'" + (dir / "r.csv").string() + "'";
    const std::string before = quor3::readWholeFile(dir / "ga.c3d");
    for (const std::string& args :
         {"fetch " + db + "--from " + file + " --draw Midday", "import " + db + file + " --draw Midday"}) {
        const CommandRun run = engine(dir, args);
        EXPECT_EQ(run.status, 1) << args;
        EXPECT_TRUE(contains(run.err, "on only 0 of the 28 dates")) << run.err;
        EXPECT_TRUE(contains(run.err, "On " + quor3::monthDayYear(evening[0].DrawDate) + " the database has " +
                                          digits(evening[0]) + ", the file " + digits(midday[0])))
            << run.err;
        EXPECT_TRUE(contains(run.err, "Choose another draw")) << run.err;
        EXPECT_EQ(quor3::readWholeFile(dir / "ga.c3d"), before);
    }
    // The evening draw is taken and remembered.
    EXPECT_EQ(engine(dir, "import " + db + file + " --draw Evening").status, 0);
    EXPECT_EQ(quor3::readDraws(dir / "ga.c3d").size(), 30u);
    EXPECT_EQ(quor3::rememberedDrawName(dir / "quor3.ini", "ga.c3d"), "Evening");
}

TEST(TheRightDraw, AgreementNeedsHalfOfAtLeastFiveSharedDates)
{
    const auto stored = drawsOf(variedTriples(10));
    // {dates shared, of them differing, refused}
    for (const auto& [shared, differing, refused] :
         std::vector<std::tuple<int, int, bool>>{{4, 4, false}, {5, 3, true}, {6, 3, false}, {10, 6, true}}) {
        std::vector<DrawRecord> file(stored.begin(), stored.begin() + shared);
        for (int i = 0; i < differing; ++i)
            file[static_cast<std::size_t>(i)].Digit1 = (file[static_cast<std::size_t>(i)].Digit1 + 1) % 10;
        const auto agreement = quor3::compareDraws(stored, file);
        EXPECT_EQ(agreement.firstDisagreements.size(), std::min(3u, static_cast<unsigned>(differing)));
        bool thrown = false;
        try {
            quor3::refuseAnotherDraw(agreement);
        } catch (const quor3::Error&) {
            thrown = true;
        }
        EXPECT_EQ(thrown, refused) << shared << " shared, " << differing << " differing";
    }
}

TEST(TheRightDraw, DrawsAfterTomorrowAreSkippedWithTheReasonAndTheRememberedDrawIsPreselected)
{
    TempFolder dir;
    const auto stored = drawsOf(variedTriples(20));
    writeDatabase(dir / "ga.c3d", stored);
    const double tomorrow = quor3::latestStorableDate();
    auto file = stored;
    file.push_back(drawOn(tomorrow, 1, 2, 3));
    file.push_back(drawOn(tomorrow + 1, 4, 5, 6));
    file.push_back(drawOn(quor3::encodeDate(2099, 1, 1), 7, 8, 9));
    quor3::writeWholeFile(dir / "r.csv", csvOf(file));
    const auto outcome = fetchFrom(dir, (dir / "r.csv").string());
    EXPECT_EQ(outcome.added, 1);
    EXPECT_EQ(quor3::readDraws(dir / "ga.c3d").back().DrawDate, tomorrow);
    const auto summary = quor3::summaryOf(outcome);
    ASSERT_EQ(summary.size(), 3u);
    EXPECT_EQ(summary[0], "Skipped line 23: dated after today: " + quor3::monthDayYear(tomorrow + 1) + " 456");
    EXPECT_EQ(summary[1], "Skipped line 24: dated after today: 1/1/2099 789");
    // An import leaves them out too, and says so.
    const auto imported = quor3::storeImport(dir.path(), "ga.c3d", file, quor3::ImportMode::Merge);
    EXPECT_EQ(imported.datedAfterToday, 2);
    EXPECT_TRUE(contains(quor3::describeImport(imported), "2 draws dated after today were skipped")) << "";

    const quor3::ImportScan scan = quor3::importDraws(twoDrawFile(stored, stored));
    for (const auto& [remembered, index] : std::vector<std::pair<const char*, int>>{
             {"Evening", 1}, {"evening daily #", 1}, {"Pick 3 Midday", 0}, {"", -1}})
        EXPECT_EQ(quor3::drawToPreselect(scan, remembered), index) << remembered;
}

TEST(AFullDatabase, TheCommandLineCutsBackAsBeforeAndSaysWhetherThePlayerAgreed)
{
    TempFolder dir;
    const auto stored = drawsOf(variedTriples(quor3::MaxDraws));
    writeDatabase(dir / "ga.c3d", stored);
    auto file = stored;
    file.push_back(drawOn(stored.back().DrawDate + 1, 1, 2, 3));
    EXPECT_TRUE(quor3::newResultsWouldCutBack(dir.path(), "ga.c3d", file));
    EXPECT_FALSE(quor3::newResultsWouldCutBack(dir.path(), "ga.c3d", stored));
    quor3::writeWholeFile(dir / "r.csv", csvOf(file));
    const std::string fetch = "fetch '" + (dir / "ga.c3d").string() + "' --from '" + (dir / "r.csv").string() + "'";
    CommandRun run = engine(dir, fetch);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(contains(run.out, "The database was full: it keeps its newest 90 draws")) << run.out;
    EXPECT_TRUE(contains(run.out, "without a question")) << run.out;
    EXPECT_EQ(quor3::readDraws(dir / "ga.c3d").size(), 91u);
    EXPECT_EQ(quor3::listBackups(dir / "ga.c3d").size(), 1u);

    // The older draws of the file are in the full history: said, with no advice.
    run = engine(dir, fetch);
    EXPECT_TRUE(contains(run.out, "641 older draws of the results file are not in the database but are kept in its "
                                  "full history"))
        << run.out;
    EXPECT_FALSE(contains(run.out, "Import")) << run.out;
    EXPECT_EQ(quor3::readDraws(dir / "ga.c3d").size(), 91u);

    writeDatabase(dir / "ga.c3d", stored);
    quor3::SettingsSection(dir / "quor3.ini", quor3::CutBackQuestionSection)
        .write({{quor3::cutBackQuestionKey(dir / "ga.c3d"), "1"}});
    run = engine(dir, fetch);
    EXPECT_TRUE(contains(run.out, "follows your answer \"Don't ask again for this database\"")) << run.out;
}

TEST(AFullDatabase, TheCutBackAnswerIsFoundUnderTheKeyTheAddWindowWrites)
{
    struct Case {
        const char* path;
        const char* key;
    };
    for (const Case& c : std::vector<Case>{{"/home/p/My Draws/ga.c3d", "/home/p/%4Dy%20%44raws/ga.c3d"},
                                           {"/tmp/a=b[1].c3d", "/tmp/a%3Db%5B1%5D.c3d"},
                                           {"/x/./y/../G.c3d", "/x/%47.c3d"},
                                           {"/d/caf\xc3\xa9.c3d", "/d/caf%C3%A9.c3d"}})
        EXPECT_EQ(quor3::cutBackQuestionKey(c.path), c.key);
    EXPECT_EQ(quor3::cutBackQuestionKey("ga.c3d"), quor3::cutBackQuestionKey(quor3::fs::current_path() / "ga.c3d"));
}

TEST(SettingsFile, ControlCharactersNeverReachTheFile)
{
    TempFolder dir;
    const auto ini = dir / "quor3.ini";
    quor3::ResultsSource source;
    source.address = "https://example.com/p3.csv";
    source.etag = "\"v1\"\r\n[Results other.c3d]\r\nAddress=https://example.com/x";
    source.lastModified = "Mon\n";
    quor3::writeResultsSource(ini, "ga.c3d", source);
    EXPECT_FALSE(quor3::readResultsSource(ini, "other.c3d"));
    EXPECT_EQ(quor3::readResultsSource(ini, "ga.c3d")->etag, "");
    EXPECT_EQ(quor3::readResultsSource(ini, "ga.c3d")->lastModified, "");
    const std::string before = quor3::readWholeFile(ini);
    for (const std::string& value : {std::string("a\rb"), std::string("a\x7f"), std::string(1, '\0')})
        EXPECT_THROW(quor3::SettingsSection(ini, "Config").write({{"Key", value}}), quor3::Error);
    EXPECT_EQ(quor3::readWholeFile(ini), before);
}

TEST(SettingsFile, WritersAtOnceLoseNoSectionAndKilledWritersLeaveNoScratchCopy)
{
    TempFolder dir;
    const auto ini = dir / "quor3.ini";
    const int rounds = 60;
    auto writeAll = [&](const std::string& who) {
        for (int i = 0; i < rounds; ++i)
            quor3::SettingsSection(ini, "Results " + who + std::to_string(i) + ".c3d").write({{"Address", who}});
    };
    // Another process and another thread of this one, against this thread.
    const pid_t child = fork();
    if (child == 0) {
        writeAll("p");
        _exit(0);
    }
    std::thread other([&] { writeAll("t"); });
    writeAll("m");
    other.join();
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    for (const char* who : {"p", "t", "m"})
        for (int i = 0; i < rounds; ++i)
            EXPECT_TRUE(quor3::readResultsSource(ini, std::string(who) + std::to_string(i) + ".c3d")) << who << i;

    // A scratch copy whose writer is gone is removed at the next change.
    const pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    waitpid(gone, nullptr, 0);
    const auto leftover = dir / (".quor3.ini." + std::to_string(gone) + "-1");
    quor3::writeWholeFile(leftover, "[Config]\r\n");
    quor3::SettingsSection(ini, "Config").write({{"QCheck", "1"}});
    EXPECT_FALSE(quor3::fileExists(leftover));
}

TEST(FetchFaults, StoredDrawsWithAFailedRebuildOrSettingsWriteExitThreeAndShowWhatCameIn)
{
    struct Case {
        const char* name;
        std::function<void(const TempFolder&)> spoil;
        const char* said;
    };
    const std::vector<Case> cases = {
        {"rebuild", [](const TempFolder& dir) { quor3::fs::create_directory(dir / "hot.dat"); },
         "the statistics could not be updated"},
        {"settings",
         [](const TempFolder& dir) {
             quor3::writeWholeFile(dir / "quor3.ini", "[Config]\r\n");
             ::chmod((dir / "quor3.ini").c_str(), 0444);
         },
         "the results source could not be saved"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        const auto stored = drawsOf(variedTriples(20));
        writeDatabase(dir / "ga.c3d", stored);
        auto file = stored;
        file.push_back(drawOn(stored.back().DrawDate + 1, 4, 5, 1));
        quor3::writeWholeFile(dir / "r.csv", csvOf(file));
        c.spoil(dir);
        const CommandRun run =
            engine(dir, "fetch '" + (dir / "ga.c3d").string() + "' --from '" + (dir / "r.csv").string() + "'");
        EXPECT_EQ(run.status, 3) << run.err;
        EXPECT_TRUE(contains(run.out, "Added " + quor3::monthDayYear(file.back().DrawDate) + ": 451")) << run.out;
        EXPECT_TRUE(contains(run.out, "1 new draw added")) << run.out;
        EXPECT_TRUE(contains(run.out, c.said)) << run.out;
        EXPECT_EQ(quor3::readDraws(dir / "ga.c3d").size(), 21u);
    }
}

TEST(FetchFaults, ValidatorsAreDroppedOnceTheDatabaseIsRestoredOrUndone)
{
    for (const bool restore : {true, false}) {
        TempFolder dir;
        const auto stored = drawsOf(variedTriples(20));
        writeDatabase(dir / "ga.c3d", stored);
        const auto backup = quor3::backupDatabase(dir / "ga.c3d");
        auto file = stored;
        for (int i = 1; i <= 3; ++i)
            file.push_back(drawOn(stored.back().DrawDate + i, i, i, i));
        TestHttpServer server([&](const std::string& request) {
            if (contains(request, "If-None-Match: \"v1\""))
                return TestHttpServer::Answer{"HTTP/1.1 304 Not Modified\r\nETag: \"v1\"\r\nConnection: close\r\n\r\n"};
            return TestHttpServer::reply(200, "OK", csvOf(file), "ETag: \"v1\"\r\n");
        });
        NullStatus status;
        auto again = [&] { return quor3::fetchNewResults(dir / "quor3.ini", dir.path(), "ga.c3d", {}, status); };
        EXPECT_EQ(fetchFrom(dir, server.url("/r.csv")).added, 3);
        EXPECT_TRUE(again().upToDate);
        if (restore)
            quor3::restoreBackup(dir / "ga.c3d", backup);
        else
            quor3::undoEntry({dir / "ga.c3d", file.back(), 23, {}});
        EXPECT_EQ(again().added, restore ? 3 : 1);
        EXPECT_FALSE(contains(server.requests().back(), "If-None-Match")) << server.requests().back();
    }
}

TEST(FetchFaults, TheFirstNewDrawIsCheckedEvenWithoutTheDerivedFiles)
{
    TempFolder twin, dir;
    const auto stored = drawsOf(variedTriples(20));
    writeDatabase(twin / "ga.c3d", stored);
    NullStatus status;
    quor3::ReproducibleDigits twinDigits(3, 0);
    quor3::rebuildStatistics(twin.path(), "ga.c3d", quor3::FirstPanels::TotalAndLastDate, status, twinDigits);
    const std::string hot = quor3::readTextLines(twin / "hot.dat").at(0);
    auto file = stored;
    file.push_back(drawOn(stored.back().DrawDate + 1, hot[0] - '0', hot[3] - '0', hot[6] - '0'));

    writeDatabase(dir / "ga.c3d", stored); // no derived files beside it
    quor3::ReproducibleDigits digits(3, 0);
    const auto outcome = quor3::addNewResults(dir.path(), "ga.c3d", file, true, status, &digits);
    EXPECT_EQ(outcome.added, 1);
    EXPECT_FALSE(outcome.matches.empty());
}
