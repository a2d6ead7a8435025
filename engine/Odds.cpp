#include "engine/Odds.h"

#include "engine/Text.h"

#include <cmath>
#include <cstdio>

namespace quor3
{

namespace
{

// Every prize a dollar: what wins, whatever the prizes.
PrizeTable everyPrizeADollar()
{
    PrizeTable t;
    t.prizes.fill(100);
    return t;
}

std::string grouped(long long value)
{
    std::string digits = std::to_string(value);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

} // namespace

BetOdds betOdds(BetType type, const TicketNumber& number, const PrizeTable& prizes, const AddonTable& addon)
{
    BetOdds odds;
    odds.type = type;
    odds.number = number;
    TicketPlay play;
    play.type = type;
    play.number = number;
    play.stake = 100;

    const PrizeTable unit = everyPrizeADollar();
    std::array<bool, 1000> wins{};
    int winning = 0;
    for (int n = 0; n < 1000; ++n) {
        wins[static_cast<std::size_t>(n)] = playPrize(play, {n / 100, n / 10 % 10, n % 10}, unit) > 0;
        winning += wins[static_cast<std::size_t>(n)] ? 1 : 0;
    }
    // Every (drawn number, add-on digit) pair is alike: count the pairs where
    // one of the made numbers wins, and those where the play wins either way.
    int addonDraws = 0, anyDraws = 0;
    for (int n = 0; n < 1000; ++n) {
        const TicketNumber drawn{n / 100, n / 10 % 10, n % 10};
        for (int digit = 0; digit < 10; ++digit) {
            bool made = false;
            for (const TicketNumber& m : addonNumbers(drawn, digit))
                made = made || wins[static_cast<std::size_t>(m[0] * 100 + m[1] * 10 + m[2])];
            addonDraws += made ? 1 : 0;
            anyDraws += made || wins[static_cast<std::size_t>(n)] ? 1 : 0;
        }
    }

    odds.base.winsPerDraw = winning / 1000.0;
    odds.base.chanceOfWin = odds.base.winsPerDraw;
    odds.base.payback = returnPerDollar(type, number, prizes);
    odds.addon.winsPerDraw = 3 * odds.base.winsPerDraw;
    odds.addon.chanceOfWin = addonDraws / 10000.0;
    odds.addon.payback = addonReturnPerDollar(type, number, addon);
    odds.withAddon.winsPerDraw = odds.base.winsPerDraw + odds.addon.winsPerDraw;
    odds.withAddon.chanceOfWin = anyDraws / 10000.0;
    odds.withAddon.payback = withAddonReturnPerDollar(type, number, prizes, addon);
    return odds;
}

std::vector<BetOdds> oddsOfEveryBet(const PrizeTable& prizes, const AddonTable& addon)
{
    const TicketNumber sixWay{1, 2, 3}, threeWay{1, 1, 2};
    const std::pair<BetType, TicketNumber> bets[] = {{BetType::Straight, sixWay},    {BetType::Box, threeWay},
                                                     {BetType::Box, sixWay},         {BetType::StraightBox, threeWay},
                                                     {BetType::StraightBox, sixWay}, {BetType::Combo, sixWay},
                                                     {BetType::FrontPair, sixWay},   {BetType::BackPair, sixWay}};
    std::vector<BetOdds> all;
    for (const auto& [type, number] : bets)
        all.push_back(betOdds(type, number, prizes, addon));
    return all;
}

std::string oneInText(double chance)
{
    if (!(chance > 0))
        return translate("quor3::Odds", "never");
    const long long draws = std::max(1LL, std::llround(1.0 / chance));
    return fill(translate("quor3::Odds", "1 in %1"), {grouped(draws)});
}

std::string paybackText(double payback)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", payback);
    return text;
}

} // namespace quor3
