#include "engine/Addon.h"
#include "engine/Odds.h"

#include <gtest/gtest.h>

namespace
{

using quor3::BetType;
using quor3::Cents;
using quor3::TicketNumber;
using quor3::TicketPlay;

TicketPlay play(BetType type, TicketNumber number, Cents stake = 100)
{
    TicketPlay p;
    p.type = type;
    p.number = number;
    p.stake = stake;
    return p;
}

TicketNumber numberOf(int n)
{
    return {n / 100, n / 10 % 10, n % 10};
}

} // namespace

// Each bet against a draw and add-on digit where 0, 1, 2 or 3 of the numbers
// the add-on makes win, under the default add-on table. (A 6-way number
// cannot win three times: the three made numbers would need the same digits.)
TEST(Addon, EachMadeNumberThatWinsPaysTheAddonPrize)
{
    struct Case {
        BetType type;
        int number, drawn, addon;
        Cents stake, prize;
    } const cases[] = {
        {BetType::Straight, 123, 456, 7, 100, 0},
        {BetType::Straight, 123, 923, 1, 100, 20000},
        {BetType::Straight, 113, 113, 1, 100, 2 * 20000},
        {BetType::Straight, 111, 111, 1, 50, 3 * 10000},
        {BetType::Box, 123, 456, 7, 100, 0},
        {BetType::Box, 123, 124, 3, 100, 3400},
        {BetType::Box, 123, 122, 3, 100, 2 * 3400},
        {BetType::Box, 112, 123, 1, 100, 6800},
        {BetType::Box, 112, 121, 1, 100, 2 * 6800},
        {BetType::Box, 112, 111, 2, 100, 3 * 6800},
        // Straight/Box: half of each prize for the exact order, half the box's
        // for another.
        {BetType::StraightBox, 123, 923, 1, 100, 11700},
        {BetType::StraightBox, 123, 122, 3, 100, 11700 + 1700},
        {BetType::StraightBox, 112, 111, 2, 200, 2 * (13400 + 3400 + 3400)},
        {BetType::Combo, 123, 456, 7, 100, 0},
        {BetType::Combo, 123, 124, 3, 100, 20000},
        {BetType::Combo, 123, 122, 3, 100, 2 * 20000},
        {BetType::Combo, 112, 111, 2, 100, 3 * 20000},
        {BetType::FrontPair, 123, 456, 7, 100, 0},
        {BetType::FrontPair, 123, 423, 1, 100, 2000},
        {BetType::FrontPair, 123, 122, 1, 100, 2 * 2000},
        {BetType::FrontPair, 115, 115, 1, 100, 3 * 2000},
        {BetType::BackPair, 123, 456, 7, 100, 0},
        {BetType::BackPair, 123, 421, 3, 100, 2000},
        {BetType::BackPair, 123, 223, 2, 100, 2 * 2000},
        {BetType::BackPair, 133, 533, 3, 500, 3 * 10000},
    };
    const quor3::AddonTable table = quor3::defaultAddonTable();
    for (const Case& c : cases)
        EXPECT_EQ(quor3::addonPrize(play(c.type, numberOf(c.number), c.stake), numberOf(c.drawn), c.addon, table),
                  c.prize)
            << quor3::betTypeWord(c.type) << ' ' << c.number << " against " << c.drawn << " add-on " << c.addon;
}

// The paybacks, the published odds and the chance of a win, against every
// (drawn number, add-on digit) pair counted out with the real prizes.
TEST(Odds, EveryBetAgreesWithTheTenThousandDrawsCountedOut)
{
    struct Expected {
        const char *published, *addonPublished, *addonPayback, *wholePayback;
    } const expected[] = {
        {"1 in 1,000", "1 in 333", "0.60", "0.55"}, // Straight
        {"1 in 333", "1 in 111", "0.61", "0.55"},   // Box 3-way
        {"1 in 167", "1 in 56", "0.61", "0.55"},    // Box 6-way
        {"1 in 333", "1 in 111", "0.61", "0.55"},   // Straight/Box 3-way
        {"1 in 167", "1 in 56", "0.61", "0.55"},    // Straight/Box 6-way
        {"1 in 167", "1 in 56", "0.60", "0.55"},    // Combo
        {"1 in 100", "1 in 33", "0.60", "0.55"},    // Front Pair
        {"1 in 100", "1 in 33", "0.60", "0.55"},    // Back Pair
    };
    const quor3::PrizeTable prizes = quor3::defaultPrizeTable();
    const quor3::AddonTable addon = quor3::defaultAddonTable();
    const std::vector<quor3::BetOdds> all = quor3::oddsOfEveryBet(prizes, addon);
    ASSERT_EQ(all.size(), std::size(expected));
    for (std::size_t i = 0; i < all.size(); ++i) {
        const quor3::BetOdds& odds = all[i];
        SCOPED_TRACE(quor3::betVariantName(odds.type, odds.number));
        const TicketPlay p = play(odds.type, odds.number);
        long long basePrizes = 0, addonPrizes = 0, addonWins = 0, anyWins = 0;
        for (int n = 0; n < 1000; ++n)
            for (int digit = 0; digit < 10; ++digit) {
                const Cents base = quor3::playPrize(p, numberOf(n), prizes);
                const Cents more = quor3::addonPrize(p, numberOf(n), digit, addon);
                basePrizes += base;
                addonPrizes += more;
                addonWins += more > 0;
                anyWins += base > 0 || more > 0;
            }
        const double cost = 10000.0 * static_cast<double>(quor3::costPerDraw(p));
        EXPECT_DOUBLE_EQ(odds.base.payback, basePrizes / cost);
        EXPECT_DOUBLE_EQ(odds.addon.payback, addonPrizes / cost);
        EXPECT_DOUBLE_EQ(odds.withAddon.payback, (basePrizes + addonPrizes) / (2 * cost));
        EXPECT_DOUBLE_EQ(odds.addon.chanceOfWin, addonWins / 10000.0);
        EXPECT_DOUBLE_EQ(odds.withAddon.chanceOfWin, anyWins / 10000.0);
        EXPECT_EQ(quor3::oneInText(odds.base.winsPerDraw), expected[i].published);
        EXPECT_EQ(quor3::oneInText(odds.addon.winsPerDraw), expected[i].addonPublished);
        EXPECT_EQ(quor3::paybackText(odds.addon.payback), expected[i].addonPayback);
        EXPECT_EQ(quor3::paybackText(odds.withAddon.payback), expected[i].wholePayback);
    }
    // A straight's three made numbers never win together, but the base and
    // the add-on can: 1 + 3 in 1,000, less 0.3 when both win.
    EXPECT_DOUBLE_EQ(all[0].addon.chanceOfWin, 0.003);
    EXPECT_EQ(quor3::oneInText(all[0].withAddon.chanceOfWin), "1 in 270");
    // A front pair's third made number wins exactly when the base does.
    EXPECT_DOUBLE_EQ(all[6].withAddon.chanceOfWin, all[6].addon.chanceOfWin);
    EXPECT_LT(all[6].addon.chanceOfWin, all[6].addon.winsPerDraw);
    EXPECT_EQ(quor3::oneInText(0), "never");
}
