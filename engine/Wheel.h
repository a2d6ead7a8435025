#pragma once

#include "engine/DrawRecord.h"
#include "engine/Tickets.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quor3
{

// Wheels and filters with their price: the plays a wheel makes of chosen
// digits, what they cost, how often they win and what they pay back. A wheel
// changes what a player spends and how often a play wins; what it pays back
// on average is fixed by the prize table.

// ---------------------------------------------------------------- money over many draws

// What a set of plays wins in one draw, as (prize, chance) over the 1,000
// numbers, prizes in increasing order; a prize of 0 included.
using PrizeDistribution = std::vector<std::pair<Cents, double>>;
PrizeDistribution drawPrizes(const std::vector<TicketPlay>& plays, const PrizeTable& table);

// The chance that the prizes of independent draws add up to more than
// `spent`: `times` draws of each distribution. Exact: the distributions are
// convolved draw by draw, each total kept once it passes `spent`.
double chanceAhead(const std::vector<std::pair<PrizeDistribution, long long>>& draws, Cents spent);

// ---------------------------------------------------------------- wheels

enum class WheelType {
    FullBox,     // every set of three of the digits, repeats allowed (5 digits: 35)
    Box,         // every set of three different digits (5 digits: 10)
    KeyBox,      // every set of three, repeats allowed, holding the key (a key and 4 others: 15)
    Straight,    // every order of three different digits (5 digits: 60)
    FullStraight // every order of three, repeats allowed (5 digits: 125)
};
// "fullbox", "box", "keybox", "straight", "fullstraight".
std::string wheelTypeWord(WheelType type);
std::optional<WheelType> wheelTypeFromWord(const std::string& word);
// "Full box", "Box", "Key box", "Straight", "Full straight", in the user's language.
std::string wheelTypeName(WheelType type);

struct WheelRange {
    int low = 0;
    int high = 0;
};

struct WheelFilters {
    std::optional<WheelRange> sum;     // the digits' sum, 0-27
    std::optional<WheelRange> rootSum; // the sum's digits added until one is left, 0-9
    std::optional<WheelRange> spread;  // highest digit less lowest, 0-9
    std::optional<WheelRange> odd;     // odd digits, 0-3
    std::optional<WheelRange> high;    // digits 5 to 9, 0-3
    bool singles = true;               // three different digits
    bool doubles = true;               // two equal
    bool triples = true;               // one digit three times
    std::vector<int> include;          // digits every play holds
    std::vector<int> exclude;          // digits no play holds
    bool repeatFromLast = false;       // every play holds a digit of the last draw
};

// The root sum: 0 for 0, else 1 + (sum - 1) mod 9.
int rootSum(const TicketNumber& number);
// True when the number passes every filter; `lastDraw` for the repeat filter.
bool passesFilters(const WheelFilters& filters, const TicketNumber& number,
                   const std::optional<TicketNumber>& lastDraw);

struct WheelRequest {
    std::vector<int> digits; // the chosen digits, each 0-9
    WheelType type = WheelType::FullBox;
    std::optional<int> key;     // the key digit (KeyBox needs one; any other wheel then keeps only plays holding it)
    std::optional<BetType> bet; // Straight or Box; by default Box for the box wheels, Straight for the others
    Cents stake = 100;
    long long draws = 365; // the draws the plays are played on
    WheelFilters filters;
};

// One filter's share of the 1,000 numbers beside its share of the drawn numbers.
struct FilterShare {
    std::string name;   // "sum 10-17", "root sum 3-7", "no triples", "holds 5", "a digit of the last draw"
    std::string title;  // the same in the user's language
    double chance = 0;  // of the 1,000 numbers
    double history = 0; // of the draws (for the repeat: of the draws after another)
};

struct WheelResult {
    std::vector<TicketPlay> plays; // number, bet type and stake (a triple in a box wheel is played straight)
    long long draws = 0;
    Cents costPerDraw = 0;
    Cents cost = 0;                 // over the draws
    double chanceAnyWin = 0;        // per draw
    double expectedBackPerDraw = 0; // cents
    double payback = 0;             // per dollar spent, the same over any number of draws
    double chanceAhead = 0;         // of ending the draws with more won than spent
    std::vector<FilterShare> filters;
};

// Why the request cannot be wheeled, in a sentence; empty when it can.
std::string wheelProblem(const WheelRequest& request);
// The plays and their price, the filters against `history` (oldest first; its
// last draw is the one the repeat filter means). Raises quor3::Error with the
// problem when there is one.
WheelResult buildWheel(const WheelRequest& request, const std::vector<DrawRecord>& history, const PrizeTable& table);

// The command line's JSON: {"plays": n, "cost_per_draw": c, "chance_any_win": p,
// "payback": r, "chance_ahead": q, "filters": [{"name": ..., "chance": ..., "history": ...}], ...}.
std::string wheelJson(const WheelResult& result);

// ---------------------------------------------------------------- the player's year

struct Horizon {
    int recentTickets = 0;  // the tickets the habit is read from
    long long draws = 0;    // the draws ahead
    Cents cost = 0;         // the same habit over those draws
    Cents expectedBack = 0; // what chance returns on average
    double chanceAhead = 0; // of ending them with more won than spent
};

// The days of tickets the habit is read from.
constexpr int HabitDays = 30;
// How many draws a day the history holds: the most on one day among its last
// 60 days of draws; 1 without draws.
int drawsPerDay(const std::vector<DrawRecord>& history);
// The tickets whose first draw is no more than HabitDays days before `today`
// (or later), played again and again for `draws` draws: each ticket's draws
// scaled by draws / (HabitDays * perDay), under the table in force today.
// The tickets count as independent draws.
Horizon playerHorizon(const std::vector<TicketRecord>& tickets, const std::vector<PrizeTable>& tables, double today,
                      int perDay, long long draws);
// {"draws": N, "cost": c, "expected_back": e, "chance_ahead": q, "tickets": k}, money in dollars.
std::string horizonJson(const Horizon& horizon);

} // namespace quor3
