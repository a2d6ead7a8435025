#include "EngineTestSupport.h"

#include "engine/FileIo.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace
{

// Runs quor3-engine with the arguments; standard error goes to `dir/err.txt`.
CommandRun engine(const TempFolder& dir, const std::string& args)
{
    return runCommand(std::string("'") + QUOR3_ENGINE_CLI + "' " + args, dir / "err.txt");
}

std::string quoted(const quor3::fs::path& p)
{
    return "'" + p.string() + "'";
}

} // namespace

TEST(CommandLine, RebuildOfAMissingDatabaseTouchesNothing)
{
    TempFolder dir;
    const CommandRun run = engine(dir, "rebuild " + quoted(dir / "none.c3d"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Total Draws: 0\nLast Draw Date: \nHottest Number: \nColdest Number: \n");
    EXPECT_FALSE(quor3::fileExists(dir / "freq.dat"));
}

TEST(CommandLine, AddCreatesTheDatabaseAndRebuildMatchesIt)
{
    TempFolder dir;
    const std::string db = quoted(dir / "my game.c3d");
    CommandRun run = engine(dir, "add " + db + " 3/1/2002 3 0 7");
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
    const CommandRun run = engine(dir, "check " + quoted(dir / "ga.c3d") + " 6/15/2002 7 0 3");
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
    CommandRun run = engine(dir, "rebuild " + quoted(dir / "empty.c3d"));
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
    const CommandRun run = engine(dir, "check " + quoted(dir / "ga.c3d") + " 6/15/2002 7 0 3");
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
        const CommandRun run = engine(dir, "add " + quoted(dir / name) + " 3/1/2002 3 0 7");
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

TEST(CommandLine, ExportRefusesEveryTargetThatIsNoPlaceForACsvFile)
{
    TempFolder dir, outside;
    const std::vector<quor3::DrawRecord> draws = drawsOf(variedTriples(5));
    quor3::writeWholeFile(dir / "ga.c3d", quor3::encodeDraws(draws));
    quor3::writeWholeFile(dir / "db", quor3::encodeDraws(draws));
    quor3::writeWholeFile(dir / "other.c3d", quor3::encodeDraws(draws));
    quor3::writeWholeFile(dir / "freq.dat", "1\n");
    quor3::fs::create_directory(dir / "backups");
    quor3::writeWholeFile(dir / "backups" / "keep.csv", "kept");
    quor3::writeWholeFile(outside / "target.csv", "kept");
    quor3::fs::create_symlink(outside / "target.csv", dir / "link.csv");
    ASSERT_EQ(::mkfifo((dir / "fifo.csv").c_str(), 0644), 0);
    const struct {
        std::string database, target, reason;
    } cases[] = {
        {"ga.c3d", "ga.c3d", "it is a draw database"},  {"ga.c3d", "other.c3d", "it is a draw database"},
        {"ga.c3d", "NEW.C3D", "it is a draw database"}, {"db", "db", "it is a draw database"},
        {"ga.c3d", "freq.dat", "statistics"},           {"ga.c3d", "backups/keep.csv", "backup folder"},
        {"ga.c3d", "link.csv", "symbolic link"},        {"ga.c3d", "fifo.csv", "not a regular file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        const CommandRun run = engine(dir, "export " + quoted(dir / c.database) + " " + quoted(dir / c.target));
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(quor3::readWholeFile(dir / "err.txt").find(c.reason), std::string::npos)
            << quor3::readWholeFile(dir / "err.txt");
    }
    EXPECT_EQ(quor3::readWholeFile(dir / "ga.c3d"), quor3::encodeDraws(draws));
    EXPECT_EQ(quor3::readWholeFile(dir / "db"), quor3::encodeDraws(draws));
    EXPECT_EQ(quor3::readWholeFile(dir / "other.c3d"), quor3::encodeDraws(draws));
    EXPECT_FALSE(quor3::fs::exists(dir / "NEW.C3D"));
    EXPECT_EQ(quor3::readWholeFile(dir / "freq.dat"), "1\n");
    EXPECT_EQ(quor3::readWholeFile(dir / "backups" / "keep.csv"), "kept");
    EXPECT_EQ(quor3::readWholeFile(outside / "target.csv"), "kept");
    EXPECT_TRUE(quor3::fs::is_symlink(dir / "link.csv"));
    EXPECT_EQ(engine(dir, "export " + quoted(dir / "ga.c3d") + " " + quoted(dir / "ga.csv")).status, 0);
}

TEST(CommandLine, AChangeWhoseStatisticsCannotBeWrittenSaysWhatHappened)
{
    TempFolder dir;
    const std::string db = quoted(dir / "ga.c3d");
    quor3::writeWholeFile(dir / "ga.c3d", quor3::encodeDraws(drawsOf(variedTriples(10))));
    ASSERT_EQ(engine(dir, "rebuild " + db).status, 0);
    const std::string hot = quor3::readWholeFile(dir / "hot.dat");
    const std::string freq = quor3::readWholeFile(dir / "freq.dat");
    ::chmod((dir / "cold.dat").c_str(), 0444); // another user's file: never replaced
    quor3::writeWholeFile(dir / "new.csv", "date,digit1,digit2,digit3\n2026-12-06,4,5,1\n");

    CommandRun run = engine(dir, "import " + db + " " + quoted(dir / "new.csv"));
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.out.find("The database now holds 11 draws"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("The change is stored, but the statistics could not be updated: "), std::string::npos);
    EXPECT_NE(run.out.find("cold.dat"), std::string::npos);
    EXPECT_EQ(quor3::readWholeFile(dir / "err.txt"), "");
    EXPECT_EQ(quor3::countDraws(dir / "ga.c3d"), 11);
    // All old: none of the files before the refused one was written either.
    EXPECT_EQ(quor3::readWholeFile(dir / "hot.dat"), hot);
    EXPECT_EQ(quor3::readWholeFile(dir / "freq.dat"), freq);

    // A restore says so too, and the backup it takes says why.
    quor3::fs::path backup;
    for (const auto& entry : quor3::fs::directory_iterator(dir / "backups"))
        if (entry.path().extension() == ".c3d")
            backup = entry.path();
    run = engine(dir, "restore " + db + " " + quoted(backup));
    EXPECT_EQ(run.status, 3) << quor3::readWholeFile(dir / "err.txt");
    EXPECT_EQ(quor3::countDraws(dir / "ga.c3d"), 10);
    run = engine(dir, "backups " + db);
    EXPECT_NE(run.out.find("  before a restore\n"), std::string::npos) << run.out;
}
