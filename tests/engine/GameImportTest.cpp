// One import, every draw: each draw of the files in a database of its own.

#include "EngineTestSupport.h"

#include "engine/GameImport.h"
#include "engine/Import.h"
#include "engine/ResultsSource.h"
#include "engine/Tickets.h"

#include <gtest/gtest.h>

namespace
{

const quor3::fs::path samples = quor3::fs::path(__FILE__).parent_path().parent_path() / "data" / "import";

std::vector<std::string> described(const std::vector<quor3::DrawRecord>& draws)
{
    std::vector<std::string> lines;
    for (const auto& r : draws)
        lines.push_back(quor3::isoDate(r.DrawDate) + " " + std::to_string(r.Digit1) + std::to_string(r.Digit2) +
                        std::to_string(r.Digit3));
    return lines;
}

// The draws of one draw of a sample file, read as the one-draw import reads them.
std::vector<std::string> drawOfSample(const std::string& file, const std::string& drawName)
{
    return described(quor3::chooseDraw(quor3::importFile(samples / file), drawName).draws);
}

} // namespace

TEST(GameImport, EveryDrawInItsOwnDatabaseHoldingExactlyItsNumbers)
{
    struct Case {
        std::string database;
        std::vector<std::string> files;
        // Per database, in the order of the day: the printed line, and the
        // sample and draw whose numbers it holds.
        std::vector<std::tuple<std::string, std::string, std::string>> draws;
    };
    const std::vector<Case> cases = {
        {"tx-pick3.c3d",
         // Out of the order of the day on purpose.
         {"texas/pick3-night.csv", "texas/pick3-morning.csv", "texas/pick3-evening.csv", "texas/pick3-day.csv"},
         {{"Pick 3 Morning: tx-pick3-morning.c3d", "texas/pick3-morning.csv", ""},
          {"Pick 3 Day: tx-pick3-day.c3d", "texas/pick3-day.csv", ""},
          {"Pick 3 Evening: tx-pick3-evening.c3d", "texas/pick3-evening.csv", ""},
          {"Pick 3 Night: tx-pick3-night.c3d", "texas/pick3-night.csv", ""}}},
        {"ny.c3d",
         {"draw-columns.csv"},
         {{"Midday: ny-midday.c3d", "draw-columns.csv", "Midday"},
          {"Evening: ny-evening.c3d", "draw-columns.csv", "Evening"}}},
    };
    for (const Case& c : cases) {
        TempFolder dir;
        std::string args = "'" + (dir / c.database).string() + "'";
        for (const std::string& f : c.files)
            args += " '" + (samples / f).string() + "'";
        const CommandRun run = runCommand("XDG_CONFIG_HOME='" + dir.path().string() + "' '" + QUOR3_ENGINE_CLI +
                                              "' import " + args + " --all-draws",
                                          dir / "err.txt");
        ASSERT_EQ(run.status, 0) << run.out << run.err;
        std::vector<std::string> game;
        for (const auto& [line, sample, drawName] : c.draws) {
            const std::string name = line.substr(line.rfind(' ') + 1);
            game.push_back(name);
            EXPECT_NE(run.out.find(line + "\n"), std::string::npos) << line << "\n" << run.out;
            EXPECT_EQ(described(quor3::readDraws(dir / name)), drawOfSample(sample, drawName)) << name;
            EXPECT_EQ(quor3::rememberedDrawName(dir / "quor3.ini", name), line.substr(0, line.find(':')));
        }
        EXPECT_FALSE(quor3::fileExists(dir / c.database));
        for (const std::string& name : game)
            EXPECT_EQ(quor3::gameDatabases(dir / "quor3.ini", name), game) << name;
    }
}

TEST(GameImport, DatabaseNamesFitTwentyFiveCharactersAndKeepTheDraw)
{
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"ga.c3d", "Pick 3 Night", "ga-night.c3d"},
        {"dir/tx-pick3.c3d", "Pick 3 Morning", "tx-pick3-morning.c3d"},
        {"a-rather-long-game-name.c3d", "Evening", "a-rather-long-evening.c3d"},
        {"ct.c3d", "Play3 Bonus", "ct-play3-bonus.c3d"},
    };
    for (const auto& [path, draw, expected] : cases)
        EXPECT_EQ(quor3::gameDrawDatabaseName(path, draw), expected) << path << " " << draw;
}

TEST(GameImport, TheGameSharesTheNamedDatabasesSource)
{
    TempFolder dir;
    const quor3::fs::path ini = dir / "quor3.ini";
    quor3::ResultsSource source;
    source.address = "https://results.example/ny.csv";
    source.etag = "\"abc\"";
    quor3::writeResultsSource(ini, "ny.c3d", source);
    const quor3::ImportScan scan = quor3::importFile(samples / "draw-columns.csv");
    const auto plans = quor3::planGameImport(dir / "ny.c3d", {scan}, {samples / "draw-columns.csv"});
    quor3::storeGameImport(dir.path(), plans, quor3::ImportMode::Merge, "test", ini, "ny.c3d");
    for (const auto& [name, draw] :
         {std::pair<std::string, std::string>{"ny-midday.c3d", "Midday"}, {"ny-evening.c3d", "Evening"}}) {
        const auto own = quor3::readResultsSource(ini, name);
        ASSERT_TRUE(own) << name;
        EXPECT_EQ(own->address, source.address);
        EXPECT_EQ(own->drawName, draw);
        EXPECT_EQ(own->etag, ""); // the validators describe the other database's bytes
    }
}
