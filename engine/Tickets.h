#pragma once

#include "engine/DrawRecord.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quor3
{

// The player's own tickets: what was played, what it cost, what it paid.
// Tickets, the prize tables and the settlements live in the database's full
// history file (historyFileFor), so a ticket is settled from every draw ever
// stored, and keeps its result when the working database is cut back.
//
// Money is whole cents everywhere; a ratio (the long-run return) is the one
// double.

using Cents = long long;

// ---------------------------------------------------------------- bet types

enum class BetType { Straight, Box, StraightBox, Combo, FrontPair, BackPair };
constexpr int BetTypeCount = 6;
// Every bet type in the order the program lists them.
const std::array<BetType, BetTypeCount>& allBetTypes();

// "Straight", "Box", "Straight/Box", "Combo", "Front Pair", "Back Pair".
std::string betTypeName(BetType type);
// "straight", "box", "straightbox", "combo", "frontpair", "backpair": the
// command line's and the CSV's words.
std::string betTypeWord(BetType type);
// The bet type a word names (case-insensitive); none for any other text.
std::optional<BetType> betTypeFromWord(const std::string& word);

// A ticket's three digits in their order, each 0 to 9.
using TicketNumber = std::array<int, 3>;
// "056": with its zeros.
std::string numberText(const TicketNumber& number);
// Three digits 0-9 and nothing else ("056", " 451 "); none otherwise.
std::optional<TicketNumber> numberFromText(const std::string& text);
// How many distinct orders the digits make: 6 (all different), 3 (two equal),
// 1 (a triple).
int distinctOrders(const TicketNumber& number);
// The name with the box's kind where it has one: "Box 6-way", "Box 3-way",
// "Straight/Box 6-way"; the plain name for the other types (and for a
// triple, which cannot be boxed).
std::string betVariantName(BetType type, const TicketNumber& number);

// ---------------------------------------------------------------- tickets

// The longest run of consecutive draws one ticket covers.
constexpr int MaxTicketDraws = 91;

// One ticket as the player writes it.
struct TicketPlay {
    TicketNumber number{};
    BetType type = BetType::Straight;
    Cents stake = 100;    // per play: 50, 100, 200, ... 500
    double firstDraw = 0; // day number of the first draw covered
    int draws = 1;        // consecutive draws of the database from firstDraw on
    bool addon = false;   // played with the add-on digit too (engine/Addon.h): twice the price
};

// Why the ticket cannot be played, in a sentence for the player; empty when
// it can. The rules: a triple cannot be boxed (Box, Straight/Box); the stake
// is 50 cents or whole dollars up to $5; a Straight/Box stake is at least $1 in
// steps of $1; 1 to 91 draws; a first draw date that is a date.
std::string ticketProblem(const TicketPlay& play);

// The price of one draw: the stake, times the distinct orders for a Combo,
// twice that with the add-on.
Cents costPerDraw(const TicketPlay& play);
// The price of the whole ticket: costPerDraw times the draws.
Cents ticketCost(const TicketPlay& play);

// ---------------------------------------------------------------- prizes

// The prizes a table lists, each for a $1 play.
enum class PrizeKey {
    Straight,
    Box3Way,
    Box6Way,
    StraightBox3WayExact, // the exact order of a 3-way Straight/Box
    StraightBox3WayAny,   // any other order of it
    StraightBox6WayExact,
    StraightBox6WayAny,
    Combo,
    FrontPair,
    BackPair
};
constexpr int PrizeKeyCount = 10;
const std::array<PrizeKey, PrizeKeyCount>& allPrizeKeys();
// "Straight", "Box 3-way", "Box 6-way", "Straight/Box 3-way exact order",
// "Straight/Box 3-way any other order", "Straight/Box 6-way exact order",
// "Straight/Box 6-way any other order", "Combo", "Front Pair", "Back Pair".
std::string prizeKeyName(PrizeKey key);
// "straight", "box3", "box6", "straightbox3exact", "straightbox3any",
// "straightbox6exact", "straightbox6any", "combo", "frontpair", "backpair".
std::string prizeKeyWord(PrizeKey key);
std::optional<PrizeKey> prizeKeyFromWord(const std::string& word);

// The day from which the default table is in force: the earliest date a
// ticket can have (1 January of year 1).
double earliestPrizeDate();

// A prize table, in force from its date on until the next table's date.
struct PrizeTable {
    double from = 0; // day number
    std::array<Cents, PrizeKeyCount> prizes{};
    Cents prize(PrizeKey key) const { return prizes[static_cast<std::size_t>(key)]; }
    Cents& prize(PrizeKey key) { return prizes[static_cast<std::size_t>(key)]; }
};

// The default table, from the earliest date: Straight $500; Box 3-way $160,
// 6-way $80; Straight/Box 3-way $330 exact and $80 any other, 6-way $290 exact
// and $40 any other; Combo $500; Front Pair and Back Pair $50.
PrizeTable defaultPrizeTable();

// What one play wins against one drawn number under the table: the $1 prize
// times the stake (a 50-cent play wins half); 0 for a miss. A Combo is a
// straight of each order it covers: when one of them is the drawn number (one
// order can be), it pays the table's Straight prize (the Combo line of a table
// is not used).
Cents playPrize(const TicketPlay& play, const TicketNumber& drawn, const PrizeTable& table);

// What one play wins on average over the 1,000 equally likely numbers, in
// thousandths of a cent (exact: the sum of its prizes over every number).
long long expectedPrizeMilliCents(const TicketPlay& play, const PrizeTable& table);
// The long-run return per dollar spent: a straight at $500 returns 0.50, a
// 6-way box at $80 0.48, a pair at $50 0.50.
double returnPerDollar(BetType type, const TicketNumber& number, const PrizeTable& table);

// The tables of the database, oldest first; the first is in force from the
// earliest date (the default unless the player replaced it). Missing history
// or none stored: the default alone.
std::vector<PrizeTable> readPrizeTables(const fs::path& database);
// The table in force on a date: the last one from that date or before.
const PrizeTable& prizeTableOn(const std::vector<PrizeTable>& tables, double date);
// Stores the table from its date on, replacing one of the same date, and
// settles again the draws from that date on. Every prize must be 0 to
// $1,000,000 (raises quor3::Error naming the history file otherwise).
void storePrizeTable(const fs::path& database, const PrizeTable& table);
// Takes out the table stored from that date (the earlier one applies again);
// the default cannot be removed, only replaced. Settles again.
void removePrizeTable(const fs::path& database, double from);

// ---------------------------------------------------------------- the record

// One draw of a ticket, settled.
struct TicketSettlement {
    double drawDate = 0;
    int turn = 0; // the draw's place in its day, from 0
    TicketNumber drawn{};
    Cents prize = 0;
};

struct TicketRecord {
    long long id = 0; // from 1, in the order added
    TicketPlay play;
    Cents cost = 0;
    int settledDraws = 0;                      // draws of the ticket already drawn and settled
    Cents won = 0;                             // the prizes of those draws
    double addedAt = 0;                        // day number (with the time of day) it was added, UTC
    std::vector<TicketSettlement> settlements; // in draw order
};

// A ticket's state in words: "Waiting for its draw", "2 of 5 draws, won $80.00
// so far", "Won $80.00", "No win".
std::string ticketResultText(const TicketRecord& ticket);

// Adds the ticket and settles it at once against the draws of the full history
// it covers. Returns its id. A ticket with a problem (ticketProblem) raises
// quor3::Error naming the history file, with that problem as the reason, and
// nothing is stored. Takes the folder's lock; the record is on disk when it
// returns.
long long addTicket(const fs::path& database, const TicketPlay& play);
// Every ticket, in the order added (missing history: none).
std::vector<TicketRecord> listTickets(const fs::path& database);
// The settled draws of one ticket, in draw order.
std::vector<TicketSettlement> ticketSettlements(const fs::path& database, long long id);
// Why the ticket cannot be removed ("it is settled: ..."; "there is no ticket
// N"); empty when it can.
std::string ticketRemovalProblem(const fs::path& database, long long id);
// Removes a ticket none of whose draws is settled; raises quor3::Error with
// the reason otherwise.
void removeTicket(const fs::path& database, long long id);

// ---------------------------------------------------------------- settlement
//
// Every change of the record (changeRecord, engine/HistoryChange.h) settles
// again every ticket covering the draws it stores, corrects or removes, in the
// same transaction, each draw by the prize table in force on its date. Nothing
// to call from the windows.

// The lines announcing the winning tickets of a draw (its date and digits):
// "Your ticket 451 Box 6-way won $80.00".
std::vector<std::string> ticketAnnouncements(const fs::path& database, const DrawRecord& draw);
// The same for every settlement that the last change of the history made or
// changed and that wins. A change that settles no draw (an import of draws
// already stored) is no change here: for one command that may write the
// history several times (an import), or may change nothing, take a mark
// before it and ask for the announcements since.
std::vector<std::string> lastChangeAnnouncements(const fs::path& database);
// Where the settlements stand now (0 before any).
long long ticketChangeMark(const fs::path& database);
// The lines of the winning settlements made or changed after the mark.
std::vector<std::string> announcementsSince(const fs::path& database, long long mark);

// ---------------------------------------------------------------- summary

struct MonthMoney {
    int year = 0, month = 0; // 1-12
    Cents spent = 0;         // cost of the tickets' draws of the month already held (settled)
    Cents won = 0;           // prizes of the draws in the month
};

struct TicketSummary {
    long long tickets = 0;
    Cents cost = 0;        // every ticket, drawn or not ("spent")
    Cents settledCost = 0; // the cost of the draws already settled
    Cents won = 0;
    Cents balance = 0;              // won - settledCost
    Cents expectedBack = 0;         // long-run return of settledCost, rounded once
    std::vector<MonthMoney> months; // oldest first, months with money only
};

// What My Tickets shows, read in one go under one lock: every ticket, the
// prize tables, the summary, the budget, and the draws of the history's last
// 60 days or a little more (oldest first: the last is the newest draw held;
// drawsPerDay takes them as the whole history).
struct TicketBook {
    std::vector<TicketRecord> tickets;
    std::vector<PrizeTable> tables;
    TicketSummary summary;
    std::optional<Cents> budget;
    std::vector<DrawRecord> recentDraws;
};
TicketBook readTicketBook(const fs::path& database);

// Summary of the given tickets (as listTickets gives them) under the tables.
// A play with the add-on expects its add-on prizes too, under `addonTables`
// (engine/Addon.h; without them: the default add-on table).
struct AddonTable;
TicketSummary summarizeTickets(const std::vector<TicketRecord>& tickets, const std::vector<PrizeTable>& tables);
TicketSummary summarizeTickets(const std::vector<TicketRecord>& tickets, const std::vector<PrizeTable>& tables,
                               const std::vector<AddonTable>& addonTables);
// The same read from the database.
TicketSummary summarizeTickets(const fs::path& database);

// "$1,234.50": dollars with thousands commas and cents.
std::string moneyText(Cents cents);
// "1.50": the CSV's and the command line's plain amount (sign when negative).
std::string plainMoney(Cents cents);
// "1", "0.50", "$2", "1.5", "167.00" into cents; none for anything else
// (negative, more than two decimals, not a number).
std::optional<Cents> moneyFromText(const std::string& text);
// The balance in words: "loss $185.00", "gain $40.00", "even" at zero.
std::string balanceWords(Cents balance);
// "On average these plays would have paid back $X; they paid $Y."
std::string averageReturnSentence(const TicketSummary& summary);

// The backtest in money: "23,991 plays at $1 would have cost $23,991 and paid
// back $15,500." for that many straight plays with that many exact-order
// matches, at the table's straight prize.
std::string backtestMoneySentence(long long plays, long long exactMatches, const PrizeTable& table);

// ---------------------------------------------------------------- budget

// The monthly budget stored for the database; none when not set.
std::optional<Cents> monthlyBudget(const fs::path& database);
// Sets it (none clears it); a budget must be more than 0.
void setMonthlyBudget(const fs::path& database, std::optional<Cents> budget);
// What is left of the budget in a month (negative when overspent); none
// without a budget.
std::optional<Cents> budgetLeft(const fs::path& database, int year, int month);
// True when adding the ticket would take the spending of its first draw's month
// past the budget (false without one): the window asks first.
bool ticketExceedsBudget(const fs::path& database, const TicketPlay& play);

// ---------------------------------------------------------------- export

// "first_draw,draws,number,type,stake,cost,won" and a line per ticket in the
// order added: "2026-12-07,1,056,box,1.00,1.00,80.00"; "waiting" in place of
// the amount won while none of the ticket's draws is held.
std::string ticketsCsv(const std::vector<TicketRecord>& tickets);
// Writes ticketsCsv of the database to FILE atomically.
void exportTickets(const fs::path& database, const fs::path& file);

// ---------------------------------------------------------------- dates

// "2026-12-07" for a day number.
std::string isoDate(double dayNumber);
// "12/7/2026" or "2026-12-07" into a day number; none for anything else.
std::optional<double> ticketDateFromText(const std::string& text);

} // namespace quor3
