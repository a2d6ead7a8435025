#include "engine/Wheel.h"

#include <gtest/gtest.h>

#include <boost/math/distributions/binomial.hpp>

#include <algorithm>
#include <functional>

namespace
{

using quor3::TicketNumber;

bool holds(const TicketNumber& n, int d)
{
    return std::find(n.begin(), n.end(), d) != n.end();
}

TicketNumber numberAt(int i)
{
    return {i / 100, i / 10 % 10, i % 10};
}

} // namespace

TEST(Wheel, PlaysCostsAndPaybacksMatchCountingByBruteForce)
{
    const quor3::PrizeTable table = quor3::defaultPrizeTable();
    const auto ofDigits = [](const TicketNumber& n) {
        return std::all_of(n.begin(), n.end(), [](int d) { return d >= 1 && d <= 5; });
    };
    const auto ascending = [](const TicketNumber& n) { return n[0] <= n[1] && n[1] <= n[2]; };
    const auto different = [](const TicketNumber& n) { return n[0] != n[1] && n[1] != n[2] && n[0] != n[2]; };
    const auto triple = [](const TicketNumber& n) { return n[0] == n[1] && n[1] == n[2]; };
    const auto sum = [](const TicketNumber& n) { return n[0] + n[1] + n[2]; };
    quor3::WheelFilters sumNoTriples;
    sumNoTriples.sum = quor3::WheelRange{7, 11};
    sumNoTriples.triples = false;
    quor3::WheelFilters holdsTwoLowOdd;
    holdsTwoLowOdd.include = {2};
    holdsTwoLowOdd.odd = quor3::WheelRange{0, 1};
    const struct {
        quor3::WheelType type;
        std::optional<int> key;
        quor3::WheelFilters filters;
        std::function<bool(const TicketNumber&)> made;
        std::size_t plays; // where the count is known by heart
    } cases[] = {
        {quor3::WheelType::FullBox, {}, {}, ascending, 35},
        {quor3::WheelType::Box, {}, {}, [&](const TicketNumber& n) { return ascending(n) && different(n); }, 10},
        {quor3::WheelType::KeyBox, 5, {}, [&](const TicketNumber& n) { return ascending(n) && holds(n, 5); }, 15},
        {quor3::WheelType::Straight, {}, {}, different, 60},
        {quor3::WheelType::FullStraight, {}, {}, [](const TicketNumber&) { return true; }, 125},
        {quor3::WheelType::FullBox,
         {},
         sumNoTriples,
         [&](const TicketNumber& n) { return ascending(n) && !triple(n) && sum(n) >= 7 && sum(n) <= 11; },
         0},
        {quor3::WheelType::FullStraight,
         {},
         holdsTwoLowOdd,
         [](const TicketNumber& n) { return holds(n, 2) && (n[0] % 2) + (n[1] % 2) + (n[2] % 2) <= 1; },
         0},
    };
    for (const auto& c : cases) {
        quor3::WheelRequest request;
        request.digits = c.key ? std::vector<int>{1, 2, 3, 4} : std::vector<int>{1, 2, 3, 4, 5};
        request.type = c.type;
        request.key = c.key;
        request.filters = c.filters;
        request.draws = 10;
        const quor3::WheelResult result = quor3::buildWheel(request, {}, table);
        const std::string name = quor3::wheelTypeWord(c.type) + (c.plays ? "" : " filtered");

        std::vector<TicketNumber> expected;
        for (int i = 0; i < 1000; ++i)
            if (ofDigits(numberAt(i)) && c.made(numberAt(i)))
                expected.push_back(numberAt(i));
        if (c.plays) {
            EXPECT_EQ(expected.size(), c.plays) << name;
        }
        ASSERT_EQ(result.plays.size(), expected.size()) << name;
        for (std::size_t k = 0; k < expected.size(); ++k)
            EXPECT_EQ(result.plays[k].number, expected[k]) << name;

        // Prizes summed over the 1,000 numbers, each play as its own ticket.
        long long won = 0;
        int winning = 0;
        for (int i = 0; i < 1000; ++i) {
            long long prize = 0;
            for (const quor3::TicketPlay& play : result.plays) {
                const bool box = c.type == quor3::WheelType::FullBox || c.type == quor3::WheelType::Box ||
                                 c.type == quor3::WheelType::KeyBox;
                EXPECT_EQ(play.type, box && !triple(play.number) ? quor3::BetType::Box : quor3::BetType::Straight);
                prize += quor3::playPrize(play, numberAt(i), table);
            }
            won += prize;
            winning += prize > 0;
        }
        EXPECT_EQ(result.costPerDraw, 100 * static_cast<long long>(expected.size())) << name;
        EXPECT_EQ(result.cost, 10 * result.costPerDraw) << name;
        EXPECT_NEAR(result.chanceAnyWin, winning / 1000.0, 1e-12) << name;
        EXPECT_NEAR(result.payback, won / 1000.0 / static_cast<double>(result.costPerDraw), 1e-12) << name;
    }
}

TEST(Wheel, FullBoxOfFiveDigitsAsPlayersQuoteIt)
{
    quor3::WheelRequest request;
    request.digits = {1, 2, 3, 4, 5};
    const quor3::WheelResult result = quor3::buildWheel(request, {}, quor3::defaultPrizeTable());
    EXPECT_EQ(result.plays.size(), 35u);
    EXPECT_DOUBLE_EQ(result.chanceAnyWin, 0.125);
    EXPECT_NEAR(result.payback, 0.483, 0.0005);
}

TEST(Wheel, FilterSharesOfTheNumbersAndOfTheDraws)
{
    std::vector<quor3::DrawRecord> draws(4);
    const int digits[4][3] = {{1, 2, 3}, {3, 4, 5}, {9, 9, 9}, {0, 0, 1}};
    for (int k = 0; k < 4; ++k) {
        draws[static_cast<std::size_t>(k)].Digit1 = digits[k][0];
        draws[static_cast<std::size_t>(k)].Digit2 = digits[k][1];
        draws[static_cast<std::size_t>(k)].Digit3 = digits[k][2];
    }
    quor3::WheelRequest request;
    request.digits = {0, 1, 2};
    request.filters.triples = false;
    request.filters.repeatFromLast = true;
    const quor3::WheelResult result = quor3::buildWheel(request, draws, quor3::defaultPrizeTable());
    ASSERT_EQ(result.filters.size(), 2u);
    EXPECT_EQ(result.filters[0].name, "no triples");
    EXPECT_DOUBLE_EQ(result.filters[0].chance, 0.99);
    EXPECT_DOUBLE_EQ(result.filters[0].history, 0.75);
    EXPECT_EQ(result.filters[1].name, "a digit of the last draw");
    EXPECT_NEAR(result.filters[1].chance, 1.0 - 0.8 * 0.8 * 0.8, 1e-12); // holds 0 or 1
    EXPECT_DOUBLE_EQ(result.filters[1].history, 1.0 / 3);                // 345 after 123
    for (const quor3::TicketPlay& play : result.plays)
        EXPECT_TRUE(holds(play.number, 0) || holds(play.number, 1));
}

TEST(Wheel, YearAheadMatchesTheBinomialAndABruteForceSum)
{
    const quor3::PrizeTable table = quor3::defaultPrizeTable();
    // One $1 play a draw for 730 draws, read from 60 one-draw tickets of the last 30 days at 2 draws a day.
    const struct {
        TicketNumber number;
        quor3::BetType type;
        double chance;
        double prize;
        double quoted;
    } cases[] = {
        {{4, 5, 1}, quor3::BetType::Straight, 0.001, 500, 0.166},
        {{4, 5, 1}, quor3::BetType::Box, 0.006, 80, 0.014},
    };
    for (const auto& c : cases) {
        std::vector<quor3::TicketRecord> tickets(61);
        for (std::size_t k = 0; k < tickets.size(); ++k) {
            tickets[k].play.number = c.number;
            tickets[k].play.type = c.type;
            tickets[k].play.firstDraw = 1000 - static_cast<double>(k) / 2;
        }
        tickets.back().play.firstDraw = 960; // too old: not part of the habit
        const quor3::Horizon h = quor3::playerHorizon(tickets, {table}, 1000, 2, 730);
        EXPECT_EQ(h.recentTickets, 60);
        EXPECT_EQ(h.cost, 73000);
        EXPECT_EQ(h.expectedBack, std::llround(730 * c.chance * c.prize * 100));
        // Ahead: more wins than 730 / prize.
        const boost::math::binomial_distribution<double> wins(730, c.chance);
        const double binomial = boost::math::cdf(boost::math::complement(wins, std::floor(730 / c.prize)));
        EXPECT_NEAR(h.chanceAhead, binomial, 1e-12);
        EXPECT_NEAR(h.chanceAhead, c.quoted, 0.0005);
    }

    // Two plays on the same draw, two draws: every pair of numbers summed.
    std::vector<quor3::TicketPlay> plays(2);
    plays[0].number = {1, 1, 2};
    plays[0].type = quor3::BetType::Box;
    plays[1].number = {1, 2, 1};
    plays[1].type = quor3::BetType::Straight;
    plays[1].stake = 50;
    const quor3::Cents spent = 2 * 150 + 16000; // a box win alone is not enough; two are, or a straight
    long long ahead = 0;
    std::vector<long long> prizes(1000);
    for (int i = 0; i < 1000; ++i)
        for (const quor3::TicketPlay& play : plays)
            prizes[static_cast<std::size_t>(i)] += quor3::playPrize(play, numberAt(i), table);
    for (int i = 0; i < 1000; ++i)
        for (int j = 0; j < 1000; ++j)
            ahead += prizes[static_cast<std::size_t>(i)] + prizes[static_cast<std::size_t>(j)] > spent;
    EXPECT_NEAR(quor3::chanceAhead({{quor3::drawPrizes(plays, table), 2}}, spent), ahead / 1e6, 1e-12);
}
