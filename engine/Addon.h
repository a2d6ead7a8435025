#pragma once

#include "engine/Tickets.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quor3
{

// The add-on digit: a fourth digit drawn beside the three and published with
// them. A play with the add-on costs twice its stake; besides the base prize
// it wins the add-on prize once for each of the three numbers made by putting
// the add-on digit in place of one drawn digit that wins under the play's bet.
// The add-on never enters the statistics: it is money only.

enum class AddonKey { Straight, Box3Way, Box6Way, Combo, FrontPair, BackPair };
constexpr int AddonKeyCount = 6;
const std::array<AddonKey, AddonKeyCount>& allAddonKeys();
// "Add-on Straight", "Add-on Box 3-way", "Add-on Box 6-way", "Add-on Combo",
// "Add-on Front Pair", "Add-on Back Pair".
std::string addonKeyName(AddonKey key);
// "addon-straight", "addon-box3", "addon-box6", "addon-combo",
// "addon-frontpair", "addon-backpair": the command line's words.
std::string addonKeyWord(AddonKey key);
std::optional<AddonKey> addonKeyFromWord(const std::string& word);

// The add-on prizes for a $1 play (a 50-cent play wins half). A Combo's prize
// is for each of its orders, as a straight's.
struct AddonTable {
    double from = 0; // day number: in force from then until the next table's date
    std::array<Cents, AddonKeyCount> prizes{};
    Cents prize(AddonKey key) const { return prizes[static_cast<std::size_t>(key)]; }
    Cents& prize(AddonKey key) { return prizes[static_cast<std::size_t>(key)]; }
};

// The table of the states that publish one: Straight $200, Box 3-way $68,
// 6-way $34, Combo $200 for each order, Front and Back Pair $20.
AddonTable defaultAddonTable();

// The add-on tables of the database, oldest first, kept beside the prize
// tables (engine/Tickets.h) under their own words: the first is in force from
// the earliest date (the default unless the player replaced it).
std::vector<AddonTable> readAddonTables(const fs::path& database);
// The table in force on a date: the last one from that date or before.
const AddonTable& addonTableOn(const std::vector<AddonTable>& tables, double date);
// Stores the table from its date on, replacing the add-on prizes of one of the
// same date (the base prizes of that date stay), and settles again the draws
// from that date on. Prizes 0 to $1,000,000 (quor3::Error otherwise).
void storeAddonTable(const fs::path& database, const AddonTable& table);

// A draw read from a results file carries its add-on digit in its record's
// unused bytes on the way to the full history; the working file's records
// keep those bytes zero (storeImport and changeRecord clear them), so the
// add-on never reaches the statistics.
void carryAddon(DrawRecord& record, std::optional<int> digit);
std::optional<int> carriedAddon(const DrawRecord& record);
// Every draw of the full history, oldest first, each carrying its add-on
// digit where the history has one (after ensureHistory, as readHistory).
std::vector<DrawRecord> readHistoryWithAddons(const fs::path& database);

// The add-on prizes as a base table, so that one rule decides what wins. A
// Straight/Box is half a straight and half a box: its exact order wins half
// of each prize, any other order half the box's (rounded down to the cent).
PrizeTable addonPrizeTable(const AddonTable& table);

// The three numbers the add-on digit makes, in place of the first, the second
// and the third drawn digit.
std::array<TicketNumber, 3> addonNumbers(const TicketNumber& drawn, int addonDigit);

// What the add-on half of a play wins in one draw: the add-on prize, times the
// stake, for each of the three numbers that wins; 0 when none does.
Cents addonPrize(const TicketPlay& play, const TicketNumber& drawn, int addonDigit, const AddonTable& table);

// The price of one draw of a play with the add-on: twice costPerDraw.
Cents addonCostPerDraw(const TicketPlay& play);

// What the add-on half of a play wins on average in one draw, in thousandths
// of a cent (exact: each of the three numbers is any of the 1,000 alike).
long long expectedAddonPrizeMilliCents(const TicketPlay& play, const AddonTable& table);

// What the add-on half returns per dollar spent on it: a straight at $200
// returns 0.60.
double addonReturnPerDollar(BetType type, const TicketNumber& number, const AddonTable& table);
// What a whole play with the add-on (base and add-on, twice the stake) returns
// per dollar: a straight at $500 and $200 returns 0.55.
double withAddonReturnPerDollar(BetType type, const TicketNumber& number, const PrizeTable& prizes,
                                const AddonTable& addon);

} // namespace quor3
