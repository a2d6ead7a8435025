#include "EngineTestSupport.h"

#include "engine/Addon.h"
#include "engine/Dates.h"
#include "engine/Export.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "engine/Import.h"
#include "engine/StoreDraw.h"
#include "engine/Tickets.h"

#include <gtest/gtest.h>

using namespace quor3;

namespace
{

std::vector<std::optional<int>> addonsOf(const std::vector<DrawRecord>& draws)
{
    std::vector<std::optional<int>> addons;
    for (const DrawRecord& r : draws)
        addons.push_back(carriedAddon(r));
    return addons;
}

ChosenDraws chosen(const std::string& text)
{
    return chooseDraw(importDraws(text), "");
}

TEST(AddonImport, TheAddonIsReadWhereResultsPublishIt)
{
    const std::optional<int> none;
    struct Case {
        const char* text;
        std::vector<std::optional<int>> addons;
    };
    const Case cases[] = {
        // Texas: the last field after the digits and their sum; an empty cell is none.
        {"Pick 3 Day,12,1,2026,4,5,1,10,7\nPick 3 Day,12,2,2026,1,2,3,6,\n", {7, none}},
        // A sum but no add-on after it; a last digit that is no sum's follower.
        {"Pick 3 Day,12,1,2026,4,5,1,10\nPick 3 Day,12,2,2026,1,2,3,5\n", {none, none}},
        // A "sum" of twenty digits is no sum (and no overflow).
        {"Pick 3 Day,12,1,2026,6,6,6,99999999999999999918,9\n", {none}},
        // A column of the add-on digit, under any of its names.
        {"Draw Date,Winning Numbers,Fireball\n12/01/2026,451,7\n12/02/2026,123,\n", {7, none}},
        {"Date,Number,Wild Ball\n12/01/2026,451,0\n", {0}},
        {"Date,Number,FB\n12/01/2026,451,3\n", {3}},
        // A bonus or a multiplier is no add-on digit.
        {"Date,Number,Multiplier\n12/01/2026,451,2\n", {none}},
        // Florida: "FB d" within the row.
        {"12/01/2026 E 4-5-1 FB 7\n12/02/2026 E 1-2-3 FB 0\n", {7, 0}},
        {"12/01/2026,4-5-1,FB: 9\n", {9}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(addonsOf(chosen(c.text).draws), c.addons) << c.text;
}

// 320 days of draws from 1/1/2025, each with the add-on digit of its day.
std::string texasFile(bool withAddon, int days = 320, int firstDay = 0)
{
    std::string text;
    for (int i = firstDay; i < firstDay + days; ++i) {
        CivilDate d;
        decodeDate(encodeDate(2025, 1, 1) + i, d);
        const int a = i % 10, b = i / 10 % 10, c = i / 100 % 10;
        text += "Pick 3 Day," + std::to_string(d.month) + "," + std::to_string(d.day) + "," + std::to_string(d.year) +
                "," + std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(c) + "," +
                std::to_string(a + b + c) + (withAddon ? "," + std::to_string((i * 7) % 10) : "") + "\n";
    }
    return text;
}

std::map<std::string, std::string> derivedFiles(const fs::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && !isHistoryFile(entry.path()) && name != "quor3.lock")
            files[name] = readWholeFile(entry.path());
    }
    return files;
}

TEST(AddonRecord, KeptInTheFullHistoryAloneAndExported)
{
    TempFolder with, without;
    // The newer days first, then the older ones: the history's stored rows
    // after the older days are written again with them.
    for (const bool addon : {true, false}) {
        const fs::path folder = (addon ? with : without).path();
        storeImport(folder, "tx.c3d", chosen(texasFile(addon, 100, 320)).draws, ImportMode::Merge, "new.csv");
        storeImport(folder, "tx.c3d", chosen(texasFile(addon)).draws, ImportMode::Merge, "old.csv");
        SequenceDigits digits;
        RecordingStatus status;
        rebuildStatistics(folder, "tx.c3d", FirstPanels::TotalAndLastDate, status, digits);
    }
    EXPECT_EQ(derivedFiles(with.path()), derivedFiles(without.path()));
    EXPECT_GT(derivedFiles(with.path()).size(), 3u);

    const std::vector<DrawRecord> history = readHistoryWithAddons(with / "tx.c3d");
    ASSERT_EQ(history.size(), 420u);
    for (std::size_t i = 0; i < history.size(); ++i)
        ASSERT_EQ(carriedAddon(history[i]), std::optional<int>(static_cast<int>(i * 7 % 10))) << i;
    EXPECT_TRUE(addonsOf(readHistoryWithAddons(without / "tx.c3d"))[0] == std::nullopt);

    // A fetched draw stored as an entry keeps its add-on in the history alone.
    DrawRecord fetched = chosen("3/1/2026,9-9-9,FB 5\n").draws.front();
    storeDraw(with.path(), "tx.c3d", fetched, {"fetch", "http://127.0.0.1/"});
    EXPECT_EQ(carriedAddon(readHistoryWithAddons(with / "tx.c3d").back()), 5);
    EXPECT_EQ(readDraws(with / "tx.c3d").back().Reserved, (std::array<std::uint8_t, 4>{}));

    const std::string csv = exportCsv(history, true);
    EXPECT_EQ(csv.substr(0, csv.find('\n', 40) + 1), "date,digit1,digit2,digit3,addon\n2025-01-01,0,0,0,0\n");
    EXPECT_EQ(exportCsv(readHistoryWithAddons(without / "tx.c3d"), true).substr(0, 27), "date,digit1,digit2,digit3\n2");
}

TEST(AddonTickets, SettledWithTheAddonPrizeOfEachSubstitutedNumberThatWins)
{
    using B = BetType;
    struct Case {
        const char* number;
        B type;
        const char* drawn;
        const char* addon; // "" for a draw without one
        Cents won;
    };
    // Substituted numbers of 451 with 7: 751, 471, 457.
    const Case cases[] = {
        {"451", B::Straight, "451", "7", 50000},           // none of them wins: the base prize alone
        {"457", B::Straight, "451", "7", 20000},           // one
        {"111", B::Straight, "111", "1", 50000 + 60000},   // all three
        {"112", B::Box, "121", "1", 16000 + 2 * 6800},     // two: 121 twice, 111 no
        {"123", B::Box, "124", "3", 3400},                 // one 6-way
        {"450", B::FrontPair, "451", "7", 5000 + 2000},    // 457
        {"051", B::BackPair, "451", "5", 5000 + 2 * 2000}, // 551 and 451
        {"457", B::Combo, "451", "7", 20000},              // its order 457
        {"457", B::StraightBox, "451", "7", 10000 + 1700}, // half of each prize
        {"457", B::Straight, "451", "", 0},                // no add-on drawn
    };
    TempFolder dir;
    std::string file = "Date,Number,Fireball\n";
    for (std::size_t i = 0; i < std::size(cases); ++i)
        file += "12/" + std::to_string(i + 1) + "/2025," + cases[i].drawn + "," + cases[i].addon + "\n";
    storeImport(dir.path(), "fl.c3d", chosen(file).draws, ImportMode::Replace);
    const fs::path db = dir / "fl.c3d";
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        TicketPlay p;
        p.number = *numberFromText(cases[i].number);
        p.type = cases[i].type;
        p.firstDraw = encodeDate(2025, 12, static_cast<int>(i) + 1);
        p.addon = true;
        addTicket(db, p);
    }
    std::vector<TicketRecord> tickets = listTickets(db);
    ASSERT_EQ(tickets.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(tickets[i].won, cases[i].won) << cases[i].number << ' ' << betTypeWord(cases[i].type);
        EXPECT_EQ(tickets[i].cost, cases[i].type == B::Combo ? 1200 : 200) << i;
        EXPECT_TRUE(tickets[i].play.addon);
    }

    // A later add-on table settles its draws again; the base table stays.
    AddonTable table = defaultAddonTable();
    table.from = encodeDate(2025, 12, 2);
    table.prize(AddonKey::Straight) = 30000;
    storeAddonTable(db, table);
    tickets = listTickets(db);
    EXPECT_EQ(tickets[1].won, 30000);
    EXPECT_EQ(tickets[0].won, 50000);
    EXPECT_EQ(readPrizeTables(db).size(), 1u);
}

} // namespace

namespace
{

TEST(AddonFetch, TheNewsNamesTheAddonAndTheHistoryKeepsIt)
{
    TempFolder dir;
    storeImport(dir.path(), "fl.c3d", chosen("12/01/2025,4-5-1,FB 7\n").draws, ImportMode::Replace);
    writeWholeFile(dir / "results.csv", "12/01/2025,4-5-1,FB 7\n12/02/2025,1-2-3,FB 0\n");
    const CommandRun run =
        runCommand("XDG_CONFIG_HOME='" + dir.path().string() + "' '" + QUOR3_ENGINE_CLI + "' fetch '" +
                       (dir / "fl.c3d").string() + "' --from '" + (dir / "results.csv").string() + "'",
                   dir / "err.txt");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("Added 12/2/2025: 123, add-on 0\n", 0), 0u) << run.out;
    EXPECT_EQ(addonsOf(readHistoryWithAddons(dir / "fl.c3d")), (std::vector<std::optional<int>>{7, 0}));
}

} // namespace
