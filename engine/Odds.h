#pragma once

#include "engine/Addon.h"
#include "engine/Tickets.h"

#include <string>
#include <vector>

namespace quor3
{

// The odds of a play told both ways, and what it pays back.
//
// States publish the odds as the winning numbers per draw: a 6-way box wins on
// 6 of the 1,000 numbers, "1 in 167"; an add-on straight makes three numbers a
// draw, "1 in 333". That counts wins, not draws with a win: the three numbers
// an add-on makes can win together, so the chance of at least one win in a
// draw is smaller than the published odds say.
struct PlayOdds {
    double winsPerDraw = 0; // winning numbers per draw, on average: published as 1 in 1/this
    double chanceOfWin = 0; // of at least one win in a draw
    double payback = 0;     // what the play pays back on average per dollar spent
};

struct BetOdds {
    BetType type = BetType::Straight;
    TicketNumber number{}; // a number of the kind the odds are for
    PlayOdds base;         // the play alone
    PlayOdds addon;        // its add-on half
    PlayOdds withAddon;    // the whole play with the add-on, at twice the stake
};

// The odds of a play of that bet on that number, under the prizes given.
// Which numbers win does not depend on the prizes; the payback does.
BetOdds betOdds(BetType type, const TicketNumber& number, const PrizeTable& prizes, const AddonTable& addon);

// The odds of each bet the program lists: Straight, Box 3-way, Box 6-way,
// Straight/Box 3-way and 6-way, Combo (6-way), Front Pair, Back Pair. Each is
// named by betVariantName(type, number).
std::vector<BetOdds> oddsOfEveryBet(const PrizeTable& prizes, const AddonTable& addon);

// A chance as people read odds: "1 in 1,000", "1 in 333", "1 in 167" (the
// nearest whole number of draws); "never" for a chance of 0.
std::string oneInText(double chance);
// A payback per dollar: "0.50", "0.55".
std::string paybackText(double payback);

} // namespace quor3
