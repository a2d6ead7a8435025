#include "engine/Tickets.h"

#include "engine/Errors.h"

namespace quor3
{
const std::array<BetType, BetTypeCount>& allBetTypes()
{ static std::array<BetType, BetTypeCount> v; return v; }

std::string betTypeName(BetType type)
{ return {}; }

std::string betTypeWord(BetType type)
{ return {}; }

std::optional<BetType> betTypeFromWord(const std::string& word)
{ return {}; }

std::string numberText(const TicketNumber& number)
{ return {}; }

std::optional<TicketNumber> numberFromText(const std::string& text)
{ return {}; }

int distinctOrders(const TicketNumber& number)
{ return {}; }

std::string betVariantName(BetType type, const TicketNumber& number)
{ return {}; }

std::string ticketProblem(const TicketPlay& play)
{ return {}; }

Cents costPerDraw(const TicketPlay& play)
{ return {}; }

Cents ticketCost(const TicketPlay& play)
{ return {}; }

const std::array<PrizeKey, PrizeKeyCount>& allPrizeKeys()
{ static std::array<PrizeKey, PrizeKeyCount> v; return v; }

std::string prizeKeyName(PrizeKey key)
{ return {}; }

std::string prizeKeyWord(PrizeKey key)
{ return {}; }

std::optional<PrizeKey> prizeKeyFromWord(const std::string& word)
{ return {}; }

double earliestPrizeDate()
{ return {}; }

PrizeTable defaultPrizeTable()
{ return {}; }

Cents playPrize(const TicketPlay& play, const TicketNumber& drawn, const PrizeTable& table)
{ return {}; }

long long expectedPrizeMilliCents(const TicketPlay& play, const PrizeTable& table)
{ return {}; }

double returnPerDollar(BetType type, const TicketNumber& number, const PrizeTable& table)
{ return {}; }

std::vector<PrizeTable> readPrizeTables(const fs::path& database)
{ return {}; }

const PrizeTable& prizeTableOn(const std::vector<PrizeTable>& tables, double date)
{ static PrizeTable v; return v; }

void storePrizeTable(const fs::path& database, const PrizeTable& table)
{}

void removePrizeTable(const fs::path& database, double from)
{}

std::string ticketResultText(const TicketRecord& ticket)
{ return {}; }

long long addTicket(const fs::path& database, const TicketPlay& play)
{ return {}; }

std::vector<TicketRecord> listTickets(const fs::path& database)
{ return {}; }

std::vector<TicketSettlement> ticketSettlements(const fs::path& database, long long id)
{ return {}; }

std::string ticketRemovalProblem(const fs::path& database, long long id)
{ return {}; }

void removeTicket(const fs::path& database, long long id)
{}

std::vector<std::string> ticketAnnouncements(const fs::path& database, const DrawRecord& draw)
{ return {}; }

std::vector<std::string> lastChangeAnnouncements(const fs::path& database)
{ return {}; }

TicketSummary summarizeTickets(const std::vector<TicketRecord>& tickets, const std::vector<PrizeTable>& tables)
{ return {}; }

TicketSummary summarizeTickets(const fs::path& database)
{ return {}; }

std::string moneyText(Cents cents)
{ return {}; }

std::string plainMoney(Cents cents)
{ return {}; }

std::optional<Cents> moneyFromText(const std::string& text)
{ return {}; }

std::string balanceWords(Cents balance)
{ return {}; }

std::string averageReturnSentence(const TicketSummary& summary)
{ return {}; }

std::optional<Cents> monthlyBudget(const fs::path& database)
{ return {}; }

void setMonthlyBudget(const fs::path& database, std::optional<Cents> budget)
{}

std::optional<Cents> budgetLeft(const fs::path& database, int year, int month)
{ return {}; }

bool ticketExceedsBudget(const fs::path& database, const TicketPlay& play)
{ return {}; }

std::string ticketsCsv(const std::vector<TicketRecord>& tickets)
{ return {}; }

void exportTickets(const fs::path& database, const fs::path& file)
{}

std::string isoDate(double dayNumber)
{ return {}; }

std::optional<double> ticketDateFromText(const std::string& text)
{ return {}; }

} // namespace quor3
