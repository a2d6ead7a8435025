#include "EngineTestSupport.h"

#include "engine/FileIo.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

namespace
{

struct CliRun {
    int status;
    std::string out;
};

// Runs quor3-engine with the arguments; standard error goes to `dir/err.txt`.
CliRun engine(const TempFolder& dir, const std::string& args)
{
    const std::string command =
        std::string("'") + QUOR3_ENGINE_CLI + "' " + args + " 2>'" + (dir / "err.txt").string() + "'";
    CliRun run{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[512];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string quoted(const quor3::fs::path& p)
{
    return "'" + p.string() + "'";
}

} // namespace

TEST(CommandLine, RebuildOfAMissingDatabaseTouchesNothing)
{
    TempFolder dir;
    const CliRun run = engine(dir, "rebuild " + quoted(dir / "none.c3d"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Total Draws: 0\nLast Draw Date: \nHottest Number: \nColdest Number: \n");
    EXPECT_FALSE(quor3::fileExists(dir / "freq.dat"));
}

TEST(CommandLine, AddCreatesTheDatabaseAndRebuildMatchesIt)
{
    TempFolder dir;
    const std::string db = quoted(dir / "my game.c3d");
    CliRun run = engine(dir, "add " + db + " 3/1/2002 3 0 7");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Total Draws: 1\nLast Draw Date: 3/1/2002\nHottest Number: 0\nColdest Number: 9\n");
    const auto draws = quor3::readDraws(dir / "my game.c3d");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].DrawDate, quor3::encodeDate(2002, 3, 1));
    run = engine(dir, "rebuild " + db);
    EXPECT_EQ(run.out, "Total Draws: 1\nLast Draw Date: 3/1/2002\nHottest Number: 0\nColdest Number: 9\n");
}

TEST(CommandLine, CheckPrintsAndLogsEachMatch)
{
    TempFolder dir;
    quor3::writeTextLines(dir / "hot.dat", {"3  0  7", "1  2  3", "7  0  3", "0  0  7", "9  9  9"});
    const CliRun run = engine(dir, "check " + quoted(dir / "ga.c3d") + " 6/15/2002 7 0 3");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "6/15/2002[Quor3 Picked: 3  0  7] [Actual: 703] Hot Category ga.c3d\n"
                       "6/15/2002[Quor3 Picked: 7  0  3] [Actual: 703] Hot Category ga.c3d\n");
    EXPECT_EQ(quor3::readWholeFile(dir / "quor3 winners.txt"),
              "Log began on: 6/15/2002\r\n" + run.out.substr(0, run.out.find('\n')) + "\r\n" +
                  run.out.substr(run.out.find('\n') + 1, run.out.size() - run.out.find('\n') - 2) + "\r\n");
}

TEST(CommandLine, FailuresExitWithOneAndAMessage)
{
    TempFolder dir;
    quor3::writeWholeFile(dir / "empty.c3d", "");
    CliRun run = engine(dir, "rebuild " + quoted(dir / "empty.c3d"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(quor3::readWholeFile(dir / "err.txt").find("empty.c3d"), std::string::npos);
    run = engine(dir, "add " + quoted(dir / "ga.c3d") + " 2/30/2002 1 2 3");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(quor3::readWholeFile(dir / "err.txt"), "quor3-engine: Invalid argument to date encode\n");
    EXPECT_FALSE(quor3::fileExists(dir / "ga.c3d"));
    EXPECT_EQ(engine(dir, "add " + quoted(dir / "ga.c3d") + " 2/3/2002 1 2 x").status, 1);
    EXPECT_EQ(engine(dir, "frobnicate").status, 2);
    run = engine(dir, "--help");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("quor3-engine rebuild PATH"), std::string::npos);
}

TEST(CommandLine, ACheckThatFailsPartWayStillPrintsTheLinesItLogged)
{
    TempFolder dir;
    quor3::writeTextLines(dir / "hot.dat", {"3  0  7", "1  2  3", "4  5  6", "0  0  7", "9  9  9"});
    quor3::writeTextLines(dir / "cold.dat", {"x  y  z", "1  2  3", "4  5  6", "0  0  7", "9  9  9"});
    const CliRun run = engine(dir, "check " + quoted(dir / "ga.c3d") + " 6/15/2002 7 0 3");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "6/15/2002[Quor3 Picked: 3  0  7] [Actual: 703] Hot Category ga.c3d\n");
    EXPECT_NE(quor3::readWholeFile(dir / "quor3 winners.txt").find("Hot Category ga.c3d"), std::string::npos);
}

TEST(CommandLine, ADatabaseMayNotBeNamedLikeAFileTheProgramWrites)
{
    TempFolder dir;
    for (const char* name : {"freq.dat", "FREQ.DAT", "Hot.dat", "temp.dat", "quor3 winners.txt", "setscfg.ini",
                             "frequent.txt", "repeats.dat"}) {
        SCOPED_TRACE(name);
        const CliRun run = engine(dir, "add " + quoted(dir / name) + " 3/1/2002 3 0 7");
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(quor3::readWholeFile(dir / "err.txt").find(name), std::string::npos);
        EXPECT_NE(quor3::readWholeFile(dir / "err.txt").find("choose another name"), std::string::npos);
        EXPECT_FALSE(quor3::fileExists(dir / name));
    }
    // An 11-draw database under the name stays as it is.
    const std::vector<quor3::DrawRecord> draws = drawsOf(variedTriples(11));
    quor3::writeWholeFile(dir / "freq.dat", quor3::encodeDraws(draws));
    EXPECT_EQ(engine(dir, "add " + quoted(dir / "freq.dat") + " 3/1/2002 3 0 7").status, 1);
    EXPECT_EQ(engine(dir, "rebuild " + quoted(dir / "freq.dat")).status, 1);
    EXPECT_EQ(quor3::readWholeFile(dir / "freq.dat"), quor3::encodeDraws(draws));
    EXPECT_EQ(engine(dir, "add " + quoted(dir / "frequency.c3d") + " 3/1/2002 3 0 7").status, 0);
}
