#include "engine/Tickets.h"

#include "engine/Addon.h"

#include "engine/Backups.h"
#include "engine/DatabaseLock.h"
#include "engine/Dates.h"
#include "engine/Errors.h"
#include "engine/Export.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "engine/Sqlite.h"
#include "engine/Text.h"
#include "engine/TicketStore.h"

#include <boost/algorithm/string/case_conv.hpp>
#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/trim.hpp>
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <map>
#include <memory>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace quor3
{

// The tickets reference a draw by its date and turn, as the draws table keys it.
const char* const TicketSchema = "CREATE TABLE tickets ("
                                 " id INTEGER PRIMARY KEY AUTOINCREMENT,"
                                 " first_draw REAL NOT NULL, draws INTEGER NOT NULL,"
                                 " digit1 INTEGER NOT NULL, digit2 INTEGER NOT NULL, digit3 INTEGER NOT NULL,"
                                 " bet_type TEXT NOT NULL, stake_cents INTEGER NOT NULL, added_at REAL NOT NULL,"
                                 " addon INTEGER NOT NULL DEFAULT 0);"
                                 "CREATE TABLE prize_tables ("
                                 " from_date REAL NOT NULL, prize_key TEXT NOT NULL, cents INTEGER NOT NULL,"
                                 " PRIMARY KEY (from_date, prize_key)) WITHOUT ROWID;"
                                 "CREATE TABLE settlements ("
                                 " ticket_id INTEGER NOT NULL, place INTEGER NOT NULL,"
                                 " draw_date REAL NOT NULL, turn INTEGER NOT NULL,"
                                 " digit1 INTEGER NOT NULL, digit2 INTEGER NOT NULL, digit3 INTEGER NOT NULL,"
                                 " prize_cents INTEGER NOT NULL, change_number INTEGER NOT NULL,"
                                 " PRIMARY KEY (ticket_id, place)) WITHOUT ROWID;"
                                 "CREATE INDEX settlements_by_date ON settlements (draw_date);"
                                 "CREATE TABLE ticket_settings (key TEXT PRIMARY KEY, value INTEGER) WITHOUT ROWID;";

namespace
{

// ------------------------------------------------------------ names

const std::array<BetType, BetTypeCount> BetTypes = {BetType::Straight, BetType::Box,       BetType::StraightBox,
                                                    BetType::Combo,    BetType::FrontPair, BetType::BackPair};
const char* const BetNames[] = {
    QT_TRANSLATE_NOOP("quor3::Tickets", "Straight"),     QT_TRANSLATE_NOOP("quor3::Tickets", "Box"),
    QT_TRANSLATE_NOOP("quor3::Tickets", "Straight/Box"), QT_TRANSLATE_NOOP("quor3::Tickets", "Combo"),
    QT_TRANSLATE_NOOP("quor3::Tickets", "Front Pair"),   QT_TRANSLATE_NOOP("quor3::Tickets", "Back Pair")};
const char* const BetWords[] = {"straight", "box", "straightbox", "combo", "frontpair", "backpair"};

const std::array<PrizeKey, PrizeKeyCount> PrizeKeys = {PrizeKey::Straight,
                                                       PrizeKey::Box3Way,
                                                       PrizeKey::Box6Way,
                                                       PrizeKey::StraightBox3WayExact,
                                                       PrizeKey::StraightBox3WayAny,
                                                       PrizeKey::StraightBox6WayExact,
                                                       PrizeKey::StraightBox6WayAny,
                                                       PrizeKey::Combo,
                                                       PrizeKey::FrontPair,
                                                       PrizeKey::BackPair};
const char* const PrizeNames[] = {QT_TRANSLATE_NOOP("quor3::Tickets", "Straight"),
                                  QT_TRANSLATE_NOOP("quor3::Tickets", "Box 3-way"),
                                  QT_TRANSLATE_NOOP("quor3::Tickets", "Box 6-way"),
                                  QT_TRANSLATE_NOOP("quor3::Tickets", "Straight/Box 3-way exact order"),
                                  QT_TRANSLATE_NOOP("quor3::Tickets", "Straight/Box 3-way any other order"),
                                  QT_TRANSLATE_NOOP("quor3::Tickets", "Straight/Box 6-way exact order"),
                                  QT_TRANSLATE_NOOP("quor3::Tickets", "Straight/Box 6-way any other order"),
                                  QT_TRANSLATE_NOOP("quor3::Tickets", "Combo"),
                                  QT_TRANSLATE_NOOP("quor3::Tickets", "Front Pair"),
                                  QT_TRANSLATE_NOOP("quor3::Tickets", "Back Pair")};
const char* const PrizeWords[] = {
    "straight",        "box3",  "box6",      "straightbox3exact", "straightbox3any", "straightbox6exact",
    "straightbox6any", "combo", "frontpair", "backpair"};

constexpr Cents MaxPrize = 100000000; // $1,000,000 for $1
constexpr Cents MaxBudget = 100000000000LL;

std::string lower(const std::string& text)
{
    return boost::algorithm::to_lower_copy(text);
}

std::string trimmed(const std::string& text)
{
    return boost::algorithm::trim_copy_if(text, boost::algorithm::is_any_of(" \t\r\n"));
}

bool allDigits(const std::string& text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

bool validNumber(const TicketNumber& n)
{
    return std::all_of(n.begin(), n.end(), [](int d) { return d >= 0 && d <= 9; });
}

TicketNumber sortedDigits(TicketNumber n)
{
    std::sort(n.begin(), n.end());
    return n;
}

// Money is written one way in the user's language: the translation gives
// the separators ("$1,234.50" in English, "$1.234,50" in Spanish).
std::string thousandsSeparator()
{
    return translate("quor3::Money", ",");
}

std::string decimalPoint()
{
    return translate("quor3::Money", ".");
}

std::string withCommas(long long whole)
{
    std::string digits = std::to_string(whole);
    const std::string separator = thousandsSeparator();
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), separator);
    return digits;
}

// "$23,991": whole dollars without cents, other amounts as moneyText.
std::string dollarsText(Cents cents)
{
    if (cents % 100 == 0 && cents >= 0)
        return "$" + withCommas(cents / 100);
    return moneyText(cents);
}

// ------------------------------------------------------------ SQLite

// The history's file, through the engine's one SQLite layer: opened here, or
// the history's own connection, borrowed.
class Db : public SqliteConnection
{
  public:
    Db(const fs::path& file, bool write) : SqliteConnection(file, write ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY)
    {
    }
    Db(sqlite3* borrowed, const fs::path& file) : SqliteConnection(borrowed, file) {}
};
using Stmt = SqliteStatement;

long long single(Db& db, const char* sql, const std::string& action)
{
    Stmt s(db, sql, action);
    long long value = 0;
    if (s.step())
        value = s.integer(0);
    s.run();
    return value;
}

bool missing(const fs::path& file)
{
    struct stat st;
    return ::lstat(file.c_str(), &st) != 0 && errno == ENOENT;
}

template <typename F> void inTransaction(Db& db, F&& work)
{
    db.exec("BEGIN IMMEDIATE", "write the tickets");
    try {
        work();
        db.exec("COMMIT", "write the tickets");
    } catch (...) {
        sqlite3_exec(db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

// Reads what the tickets' tables hold, under the folder's shared lock. A
// database with no history yet has no tickets; neither has a history of an
// older layout that could not be brought up to date (a read-only file).
template <typename R, typename F> R reading(const fs::path& database, R empty, F&& read)
{
    const fs::path file = historyFileFor(database);
    if (!fileExists(database) && missing(file))
        return empty;
    ensureHistory(database);
    const DatabaseLock lock(database, DatabaseLock::Shared);
    Db db(file, false);
    if (single(db, "PRAGMA user_version", "read the tickets") < HistoryLayoutVersion)
        return empty;
    return read(db);
}

// Changes the tickets' tables in one transaction under the folder's lock; it
// is on disk when this returns (synchronous=FULL).
template <typename F> void writing(const fs::path& database, const std::string& action, F&& write)
{
    const fs::path file = historyFileFor(database);
    if (!fileExists(database) && missing(file))
        throwIoError(database, action, std::strerror(ENOENT));
    const DatabaseLock lock(database, DatabaseLock::Exclusive);
    ensureHistory(database);
    Db db(file, true);
    db.exec("PRAGMA synchronous=FULL", action);
    // A damaged file is found before anything is written to it.
    db.checkIntact(action);
    if (single(db, "PRAGMA user_version", action) < 2)
        throwIoError(file, action, "the history could not be brought up to date (is it read-only?)");
    inTransaction(db, [&] { write(db); });
}

// ------------------------------------------------------------ stored rows

struct StoredTicket {
    long long id = 0;
    TicketPlay play;
    double addedAt = 0;
};

#define TICKET_FIELDS                                                                                                  \
    "t.id, t.first_draw, t.draws, t.digit1, t.digit2, t.digit3, t.bet_type, t.stake_cents, t.added_at, t.addon"
const char* const TicketColumns = "SELECT " TICKET_FIELDS " FROM tickets t";

// A row that another program or a damaged file made unplayable is none.
std::optional<StoredTicket> ticketOf(const Stmt& s)
{
    StoredTicket t;
    t.id = s.integer(0);
    t.play.firstDraw = s.real(1);
    t.play.draws = static_cast<int>(std::clamp<long long>(s.integer(2), 0, 1000));
    for (int i = 0; i < 3; ++i)
        t.play.number[static_cast<std::size_t>(i)] = static_cast<int>(std::clamp<long long>(s.integer(3 + i), -1, 10));
    const auto type = betTypeFromWord(s.text(6));
    if (!type)
        return std::nullopt;
    t.play.type = *type;
    t.play.stake = s.integer(7);
    t.addedAt = s.real(8);
    t.play.addon = s.integer(9) != 0;
    if (!ticketProblem(t.play).empty())
        return std::nullopt;
    return t;
}

std::vector<PrizeTable> loadTables(Db& db)
{
    std::map<double, std::map<PrizeKey, Cents>> stored;
    Stmt s(db, "SELECT from_date, prize_key, cents FROM prize_tables", "read the prize tables");
    while (s.step()) {
        const auto key = prizeKeyFromWord(s.text(1));
        const Cents cents = s.integer(2);
        CivilDate date;
        if (key && cents >= 0 && cents <= MaxPrize && decodeDate(s.real(0), date))
            stored[std::max(s.real(0), earliestPrizeDate())][*key] = cents;
    }
    std::vector<PrizeTable> tables{defaultPrizeTable()};
    for (const auto& [from, prizes] : stored) {
        if (from > tables.back().from) {
            tables.push_back(tables.back());
            tables.back().from = from;
        }
        for (const auto& [key, cents] : prizes)
            tables.back().prize(key) = cents;
    }
    return tables;
}

std::vector<AddonTable> loadAddonTables(Db& db)
{
    std::map<double, std::map<AddonKey, Cents>> stored;
    Stmt s(db, "SELECT from_date, prize_key, cents FROM prize_tables", "read the prize tables");
    while (s.step()) {
        const auto key = addonKeyFromWord(s.text(1));
        const Cents cents = s.integer(2);
        CivilDate date;
        if (key && cents >= 0 && cents <= MaxPrize && decodeDate(s.real(0), date))
            stored[std::max(s.real(0), earliestPrizeDate())][*key] = cents;
    }
    std::vector<AddonTable> tables{defaultAddonTable()};
    tables.back().from = earliestPrizeDate();
    for (const auto& [from, prizes] : stored) {
        if (from > tables.back().from) {
            tables.push_back(tables.back());
            tables.back().from = from;
        }
        for (const auto& [key, cents] : prizes)
            tables.back().prize(key) = cents;
    }
    return tables;
}

long long nextChange(Db& db)
{
    Stmt s(db,
           "INSERT INTO ticket_settings (key, value) VALUES ('last_change', 1)"
           " ON CONFLICT (key) DO UPDATE SET value = value + 1",
           "write the tickets");
    s.run();
    return single(db, "SELECT value FROM ticket_settings WHERE key = 'last_change'", "write the tickets");
}

// Settles the ticket against the draws of the history it covers now; a row
// that keeps its draw and prize keeps its change number, so that the last
// change names only what it changed.
void settleTicket(Db& db, const StoredTicket& t, const std::vector<PrizeTable>& tables,
                  const std::vector<AddonTable>& addonTables, long long change)
{
    std::vector<TicketSettlement> now;
    {
        Stmt s(db,
               "SELECT draw_date, turn, digit1, digit2, digit3, addon FROM draws WHERE draw_date >= ?1"
               " ORDER BY draw_date, turn LIMIT ?2",
               "settle the tickets");
        s.bind(1, t.play.firstDraw).bind(2, t.play.draws);
        while (s.step()) {
            TicketSettlement r;
            r.drawDate = s.real(0);
            r.turn = static_cast<int>(s.integer(1));
            for (int i = 0; i < 3; ++i)
                r.drawn[static_cast<std::size_t>(i)] = static_cast<int>(s.integer(2 + i));
            r.prize = playPrize(t.play, r.drawn, prizeTableOn(tables, r.drawDate));
            // A draw without its add-on digit pays the base prize alone.
            if (t.play.addon && !s.isNull(5))
                r.prize +=
                    addonPrize(t.play, r.drawn, static_cast<int>(s.integer(5)), addonTableOn(addonTables, r.drawDate));
            now.push_back(r);
        }
    }
    std::vector<TicketSettlement> was;
    {
        Stmt s(db,
               "SELECT draw_date, turn, digit1, digit2, digit3, prize_cents FROM settlements"
               " WHERE ticket_id = ?1 ORDER BY place",
               "settle the tickets");
        s.bind(1, t.id);
        while (s.step()) {
            TicketSettlement r;
            r.drawDate = s.real(0);
            r.turn = static_cast<int>(s.integer(1));
            for (int i = 0; i < 3; ++i)
                r.drawn[static_cast<std::size_t>(i)] = static_cast<int>(s.integer(2 + i));
            r.prize = s.integer(5);
            was.push_back(r);
        }
    }
    Stmt put(db,
             "INSERT OR REPLACE INTO settlements (ticket_id, place, draw_date, turn, digit1, digit2, digit3,"
             " prize_cents, change_number) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)",
             "settle the tickets");
    for (std::size_t place = 0; place < now.size(); ++place) {
        const TicketSettlement& r = now[place];
        if (place < was.size()) {
            const TicketSettlement& o = was[place];
            if (o.drawDate == r.drawDate && o.turn == r.turn && o.drawn == r.drawn && o.prize == r.prize)
                continue;
        }
        put.bind(1, t.id).bind(2, static_cast<long long>(place)).bind(3, r.drawDate).bind(4, r.turn);
        for (int i = 0; i < 3; ++i)
            put.bind(5 + i, r.drawn[static_cast<std::size_t>(i)]);
        put.bind(8, r.prize).bind(9, change);
        put.run();
    }
    if (was.size() > now.size()) {
        Stmt drop(db, "DELETE FROM settlements WHERE ticket_id = ?1 AND place >= ?2", "settle the tickets");
        drop.bind(1, t.id).bind(2, static_cast<long long>(now.size()));
        drop.run();
    }
}

// Every ticket whose draws may lie between the dates: it starts by the last
// of them, and has draws still to settle or one settled from the first on.
void settleBetween(Db& db, double from, double to)
{
    std::vector<StoredTicket> affected;
    {
        Stmt s(db,
               "SELECT " TICKET_FIELDS " FROM tickets t WHERE t.first_draw <= ?2 AND (t.draws > (SELECT count(*) FROM "
               "settlements s WHERE s.ticket_id = t.id)"
               " OR EXISTS (SELECT 1 FROM settlements s WHERE s.ticket_id = t.id AND s.draw_date >= ?1))"
               " ORDER BY id",
               "settle the tickets");
        s.bind(1, from).bind(2, to);
        while (s.step())
            if (auto t = ticketOf(s))
                affected.push_back(*t);
    }
    const long long change = nextChange(db);
    if (affected.empty())
        return;
    const std::vector<PrizeTable> tables = loadTables(db);
    const std::vector<AddonTable> addonTables = loadAddonTables(db);
    for (const StoredTicket& t : affected)
        settleTicket(db, t, tables, addonTables, change);
}

std::vector<TicketRecord> readTickets(Db& db, bool strict)
{
    std::vector<TicketRecord> tickets;
    std::map<long long, std::size_t> at;
    {
        Stmt s(db, (std::string(TicketColumns) + " ORDER BY t.id").c_str(), "read the tickets");
        while (s.step()) {
            const auto t = ticketOf(s);
            if (!t) {
                if (strict)
                    throwIoError(db.file(), "read the tickets",
                                 fill(translate("quor3::Error", "ticket %1 is damaged; it is left as it is"),
                                      {std::to_string(s.integer(0))}));
                continue;
            }
            TicketRecord r;
            r.id = t->id;
            r.play = t->play;
            r.cost = ticketCost(t->play);
            r.addedAt = t->addedAt;
            at[r.id] = tickets.size();
            tickets.push_back(r);
        }
    }
    Stmt s(db,
           "SELECT ticket_id, draw_date, turn, digit1, digit2, digit3, prize_cents FROM settlements"
           " ORDER BY ticket_id, place",
           "read the tickets");
    while (s.step()) {
        const auto found = at.find(s.integer(0));
        if (found == at.end())
            continue;
        TicketRecord& r = tickets[found->second];
        TicketSettlement settled;
        settled.drawDate = s.real(1);
        settled.turn = static_cast<int>(s.integer(2));
        for (int i = 0; i < 3; ++i)
            settled.drawn[static_cast<std::size_t>(i)] = static_cast<int>(s.integer(3 + i));
        settled.prize = s.integer(6);
        r.settlements.push_back(settled);
        r.won += settled.prize;
        ++r.settledDraws;
    }
    return tickets;
}

std::string announcement(const TicketPlay& play, Cents prize)
{
    return fill(translate("quor3::Tickets", "Your ticket %1 %2 won %3"),
                {numberText(play.number), betVariantName(play.type, play.number), moneyText(prize)});
}

std::vector<std::string> announcementsWhere(const fs::path& database, const std::string& condition,
                                            const std::function<void(Stmt&)>& bindings)
{
    return reading(database, std::vector<std::string>{}, [&](Db& db) {
        std::vector<std::string> lines;
        const std::string sql = "SELECT " TICKET_FIELDS ", w.won FROM tickets t JOIN (SELECT ticket_id,"
                                " sum(prize_cents) AS won FROM settlements WHERE prize_cents > 0 AND " +
                                condition + " GROUP BY ticket_id) w ON w.ticket_id = t.id ORDER BY t.id";
        Stmt s(db, sql.c_str(), "read the tickets");
        bindings(s);
        while (s.step())
            if (const auto t = ticketOf(s))
                lines.push_back(announcement(t->play, s.integer(10)));
        return lines;
    });
}

std::pair<int, int> monthOf(double dayNumber)
{
    const CivilDate d = decodeDate(dayNumber);
    return {d.year, d.month};
}

Cents spentInMonth(Db& db, int year, int month)
{
    const double from = encodeDate(year, month, 1);
    const double to = month == 12 ? encodeDate(year + 1, 1, 1) : encodeDate(year, month + 1, 1);
    Cents spent = 0;
    Stmt s(db, (std::string(TicketColumns) + " WHERE t.first_draw >= ?1 AND t.first_draw < ?2").c_str(),
           "read the tickets");
    s.bind(1, from).bind(2, to);
    while (s.step())
        if (const auto t = ticketOf(s))
            spent += ticketCost(t->play);
    return spent;
}

std::optional<Cents> storedBudget(Db& db)
{
    Stmt s(db, "SELECT value FROM ticket_settings WHERE key = 'monthly_budget_cents'", "read the budget");
    std::optional<Cents> budget;
    if (s.step() && !s.isNull(0) && s.integer(0) > 0)
        budget = s.integer(0);
    s.run();
    return budget;
}

std::string settledReason(long long id, long long settled)
{
    return fill(
        settled == 1
            ? translate("quor3::Tickets", "ticket %1 is settled for %2 draw already drawn; a settled ticket stays in "
                                          "the record")
            : translate("quor3::Tickets", "ticket %1 is settled for %2 draws already drawn; a settled ticket stays in "
                                          "the record"),
        {std::to_string(id), std::to_string(settled)});
}

} // namespace

// ------------------------------------------------------------ bet types

const std::array<BetType, BetTypeCount>& allBetTypes()
{
    return BetTypes;
}

std::string betTypeName(BetType type)
{
    return translate("quor3::Tickets", BetNames[static_cast<int>(type)]);
}

std::string betTypeWord(BetType type)
{
    return BetWords[static_cast<int>(type)];
}

std::optional<BetType> betTypeFromWord(const std::string& word)
{
    const std::string w = lower(trimmed(word));
    for (BetType t : BetTypes)
        if (w == BetWords[static_cast<int>(t)])
            return t;
    return std::nullopt;
}

std::string numberText(const TicketNumber& number)
{
    std::string text;
    for (int d : number)
        text += d >= 0 && d <= 9 ? static_cast<char>('0' + d) : '?';
    return text;
}

std::optional<TicketNumber> numberFromText(const std::string& text)
{
    const std::string t = trimmed(text);
    if (t.size() != 3 || !allDigits(t))
        return std::nullopt;
    return TicketNumber{t[0] - '0', t[1] - '0', t[2] - '0'};
}

int distinctOrders(const TicketNumber& number)
{
    const TicketNumber s = sortedDigits(number);
    if (s[0] == s[2])
        return 1;
    return s[0] == s[1] || s[1] == s[2] ? 3 : 6;
}

std::string betVariantName(BetType type, const TicketNumber& number)
{
    const int orders = distinctOrders(number);
    if ((type == BetType::Box || type == BetType::StraightBox) && orders > 1)
        return fill(translate("quor3::Tickets", "%1 %2-way"), {betTypeName(type), std::to_string(orders)});
    return betTypeName(type);
}

// ------------------------------------------------------------ tickets

std::string ticketProblem(const TicketPlay& play)
{
    if (!validNumber(play.number))
        return translate("quor3::Tickets", "The number must be three digits from 0 to 9.");
    if ((play.type == BetType::Box || play.type == BetType::StraightBox) && distinctOrders(play.number) == 1)
        return fill(translate("quor3::Tickets", "A triple (%1) cannot be boxed: its digits make one order only."),
                    {numberText(play.number)});
    if (play.type == BetType::StraightBox) {
        if (play.stake < 100 || play.stake > 500 || play.stake % 100 != 0)
            return translate("quor3::Tickets", "A Straight/Box stake is at least $1, in steps of $1, up to $5.");
    } else if (play.stake != 50 && (play.stake < 100 || play.stake > 500 || play.stake % 100 != 0)) {
        return translate("quor3::Tickets", "The stake must be 50 cents or a whole number of dollars up to $5.");
    }
    if (play.draws < 1 || play.draws > MaxTicketDraws)
        return fill(translate("quor3::Tickets", "A ticket covers 1 to %1 consecutive draws."),
                    {std::to_string(MaxTicketDraws)});
    CivilDate date;
    if (std::floor(play.firstDraw) != play.firstDraw || !decodeDate(play.firstDraw, date))
        return translate("quor3::Tickets", "The first draw date is not a date.");
    return {};
}

Cents costPerDraw(const TicketPlay& play)
{
    return play.stake * (play.type == BetType::Combo ? distinctOrders(play.number) : 1) * (play.addon ? 2 : 1);
}

Cents ticketCost(const TicketPlay& play)
{
    return costPerDraw(play) * play.draws;
}

// ------------------------------------------------------------ prizes

const std::array<PrizeKey, PrizeKeyCount>& allPrizeKeys()
{
    return PrizeKeys;
}

std::string prizeKeyName(PrizeKey key)
{
    return translate("quor3::Tickets", PrizeNames[static_cast<int>(key)]);
}

std::string prizeKeyWord(PrizeKey key)
{
    return PrizeWords[static_cast<int>(key)];
}

std::optional<PrizeKey> prizeKeyFromWord(const std::string& word)
{
    const std::string w = lower(trimmed(word));
    for (PrizeKey k : PrizeKeys)
        if (w == PrizeWords[static_cast<int>(k)])
            return k;
    return std::nullopt;
}

double earliestPrizeDate()
{
    return encodeDate(1, 1, 1);
}

PrizeTable defaultPrizeTable()
{
    PrizeTable t;
    t.from = earliestPrizeDate();
    t.prize(PrizeKey::Straight) = 50000;
    t.prize(PrizeKey::Box3Way) = 16000;
    t.prize(PrizeKey::Box6Way) = 8000;
    t.prize(PrizeKey::StraightBox3WayExact) = 33000;
    t.prize(PrizeKey::StraightBox3WayAny) = 8000;
    t.prize(PrizeKey::StraightBox6WayExact) = 29000;
    t.prize(PrizeKey::StraightBox6WayAny) = 4000;
    t.prize(PrizeKey::Combo) = 50000;
    t.prize(PrizeKey::FrontPair) = 5000;
    t.prize(PrizeKey::BackPair) = 5000;
    return t;
}

Cents playPrize(const TicketPlay& play, const TicketNumber& drawn, const PrizeTable& table)
{
    const TicketNumber& n = play.number;
    const bool exact = n == drawn;
    const bool anyOrder = sortedDigits(n) == sortedDigits(drawn);
    const int orders = distinctOrders(n);
    Cents perDollar = 0;
    switch (play.type) {
    case BetType::Straight: perDollar = exact ? table.prize(PrizeKey::Straight) : 0; break;
    case BetType::Box:
        if (anyOrder && orders > 1)
            perDollar = table.prize(orders == 3 ? PrizeKey::Box3Way : PrizeKey::Box6Way);
        break;
    case BetType::StraightBox:
        if (anyOrder && orders > 1) {
            if (orders == 3)
                perDollar = table.prize(exact ? PrizeKey::StraightBox3WayExact : PrizeKey::StraightBox3WayAny);
            else
                perDollar = table.prize(exact ? PrizeKey::StraightBox6WayExact : PrizeKey::StraightBox6WayAny);
        }
        break;
    // A combo is a straight of each order it covers: the one order drawn pays
    // the straight prize of the table.
    case BetType::Combo: perDollar = anyOrder ? table.prize(PrizeKey::Straight) : 0; break;
    case BetType::FrontPair:
        perDollar = n[0] == drawn[0] && n[1] == drawn[1] ? table.prize(PrizeKey::FrontPair) : 0;
        break;
    case BetType::BackPair:
        perDollar = n[1] == drawn[1] && n[2] == drawn[2] ? table.prize(PrizeKey::BackPair) : 0;
        break;
    }
    return perDollar * play.stake / 100;
}

long long expectedPrizeMilliCents(const TicketPlay& play, const PrizeTable& table)
{
    long long sum = 0;
    for (int a = 0; a < 10; ++a)
        for (int b = 0; b < 10; ++b)
            for (int c = 0; c < 10; ++c)
                sum += playPrize(play, {a, b, c}, table);
    return sum;
}

double returnPerDollar(BetType type, const TicketNumber& number, const PrizeTable& table)
{
    TicketPlay play;
    play.type = type;
    play.number = number;
    play.stake = 100;
    return static_cast<double>(expectedPrizeMilliCents(play, table)) / 1000.0 / static_cast<double>(costPerDraw(play));
}

std::vector<PrizeTable> readPrizeTables(const fs::path& database)
{
    return reading(database, std::vector<PrizeTable>{defaultPrizeTable()}, [](Db& db) { return loadTables(db); });
}

namespace
{

// The table in force on a date, of base or add-on prizes: the last one from
// that date or before; `fallback` when there is none.
template <typename Table>
const Table& tableInForce(const std::vector<Table>& tables, double date, const Table& fallback)
{
    const Table* found = tables.empty() ? &fallback : &tables.front();
    for (const Table& t : tables)
        if (t.from <= date)
            found = &t;
    return *found;
}

// Refuses a table whose first day is not a date or whose prize is out of range.
template <typename Table, typename Keys, typename Name>
void checkTable(const fs::path& database, const Table& table, const Keys& keys, Name name)
{
    const std::string action = "store the prize table in";
    CivilDate date;
    if (std::floor(table.from) != table.from || !decodeDate(table.from, date))
        throwIoError(historyFileFor(database), action, "its first day is not a date");
    for (const auto k : keys)
        if (table.prize(k) < 0 || table.prize(k) > MaxPrize)
            throwIoError(historyFileFor(database), action,
                         fill(translate("quor3::Error", "the %1 prize must be from $0 to %2"),
                              {name(k), dollarsText(MaxPrize)}));
}

} // namespace

const PrizeTable& prizeTableOn(const std::vector<PrizeTable>& tables, double date)
{
    static const PrizeTable fallback = defaultPrizeTable();
    return tableInForce(tables, date, fallback);
}

void storePrizeTable(const fs::path& database, const PrizeTable& table)
{
    const std::string action = "store the prize table in";
    checkTable(database, table, PrizeKeys, prizeKeyName);
    const double from = std::max(table.from, earliestPrizeDate());
    writing(database, action, [&](Db& db) {
        // The add-on prizes of the date are a table of their own.
        Stmt drop(db, "DELETE FROM prize_tables WHERE from_date = ?1 AND prize_key NOT LIKE 'addon-%'", action);
        drop.bind(1, from).run();
        Stmt put(db, "INSERT INTO prize_tables (from_date, prize_key, cents) VALUES (?1, ?2, ?3)", action);
        for (PrizeKey k : PrizeKeys)
            put.bind(1, from).bind(2, prizeKeyWord(k)).bind(3, table.prize(k)).run();
        settleBetween(db, from, HUGE_VAL);
    });
}

std::vector<AddonTable> readAddonTables(const fs::path& database)
{
    std::vector<AddonTable> fallback{defaultAddonTable()};
    fallback.back().from = earliestPrizeDate();
    return reading(database, fallback, [](Db& db) { return loadAddonTables(db); });
}

const AddonTable& addonTableOn(const std::vector<AddonTable>& tables, double date)
{
    static const AddonTable fallback = defaultAddonTable();
    return tableInForce(tables, date, fallback);
}

void storeAddonTable(const fs::path& database, const AddonTable& table)
{
    const std::string action = "store the prize table in";
    checkTable(database, table, allAddonKeys(), addonKeyName);
    const double from = std::max(table.from, earliestPrizeDate());
    writing(database, action, [&](Db& db) {
        Stmt drop(db, "DELETE FROM prize_tables WHERE from_date = ?1 AND prize_key LIKE 'addon-%'", action);
        drop.bind(1, from).run();
        Stmt put(db, "INSERT INTO prize_tables (from_date, prize_key, cents) VALUES (?1, ?2, ?3)", action);
        for (AddonKey k : allAddonKeys())
            put.bind(1, from).bind(2, addonKeyWord(k)).bind(3, table.prize(k)).run();
        settleBetween(db, from, HUGE_VAL);
    });
}

void removePrizeTable(const fs::path& database, double from)
{
    const std::string action = "remove the prize table from";
    if (from <= earliestPrizeDate())
        throwIoError(historyFileFor(database), action,
                     "the table in force from the earliest date can be changed, not removed");
    writing(database, action, [&](Db& db) {
        Stmt drop(db, "DELETE FROM prize_tables WHERE from_date = ?1", action);
        drop.bind(1, from).run();
        if (sqlite3_changes(db.handle()) == 0)
            throwIoError(db.file(), action,
                         fill(translate("quor3::Error", "no table is in force from %1"), {monthDayYear(from)}));
        settleBetween(db, from, HUGE_VAL);
    });
}

// ------------------------------------------------------------ the record

std::string ticketResultText(const TicketRecord& ticket)
{
    const int draws = ticket.play.draws;
    if (ticket.settledDraws == 0)
        return draws == 1 ? translate("quor3::Tickets", "Waiting for its draw")
                          : translate("quor3::Tickets", "Waiting for its draws");
    if (ticket.settledDraws < draws)
        return ticket.won > 0
                   ? fill(translate("quor3::Tickets", "%1 of %2 draws, won %3 so far"),
                          {std::to_string(ticket.settledDraws), std::to_string(draws), moneyText(ticket.won)})
                   : fill(translate("quor3::Tickets", "%1 of %2 draws, no win so far"),
                          {std::to_string(ticket.settledDraws), std::to_string(draws)});
    return ticket.won > 0 ? fill(translate("quor3::Tickets", "Won %1"), {moneyText(ticket.won)})
                          : translate("quor3::Tickets", "No win");
}

long long addTicket(const fs::path& database, const TicketPlay& play)
{
    const std::string action = "add a ticket to";
    std::string problem = ticketProblem(play);
    if (!problem.empty()) {
        problem[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(problem[0])));
        throwIoError(historyFileFor(database), action, problem.substr(0, problem.size() - 1));
    }
    long long id = 0;
    writing(database, action, [&](Db& db) {
        Stmt put(db,
                 "INSERT INTO tickets (first_draw, draws, digit1, digit2, digit3, bet_type, stake_cents, added_at,"
                 " addon) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)",
                 action);
        // 25,569 days from 30 December 1899 to 1 January 1970.
        const double now = 25569.0 + static_cast<double>(std::time(nullptr)) / 86400.0;
        put.bind(1, play.firstDraw).bind(2, play.draws);
        for (int i = 0; i < 3; ++i)
            put.bind(3 + i, play.number[static_cast<std::size_t>(i)]);
        put.bind(6, betTypeWord(play.type)).bind(7, play.stake).bind(8, now).bind(9, play.addon ? 1 : 0).run();
        id = sqlite3_last_insert_rowid(db.handle());
        StoredTicket t{id, play, now};
        settleTicket(db, t, loadTables(db), loadAddonTables(db), nextChange(db));
    });
    return id;
}

std::vector<TicketRecord> listTickets(const fs::path& database)
{
    return reading(database, std::vector<TicketRecord>{}, [](Db& db) { return readTickets(db, true); });
}

std::vector<TicketSettlement> ticketSettlements(const fs::path& database, long long id)
{
    for (const TicketRecord& t : listTickets(database))
        if (t.id == id)
            return t.settlements;
    return {};
}

std::string ticketRemovalProblem(const fs::path& database, long long id)
{
    for (const TicketRecord& t : listTickets(database))
        if (t.id == id)
            return t.settledDraws == 0 ? std::string() : settledReason(id, t.settledDraws);
    return fill(translate("quor3::Tickets", "there is no ticket %1"), {std::to_string(id)});
}

void removeTicket(const fs::path& database, long long id)
{
    const std::string action = "remove a ticket from";
    writing(database, action, [&](Db& db) {
        {
            Stmt s(db,
                   "SELECT count(*), (SELECT count(*) FROM settlements WHERE ticket_id = ?1) FROM tickets"
                   " WHERE id = ?1",
                   action);
            s.bind(1, id);
            s.step();
            const long long found = s.integer(0), settled = s.integer(1);
            s.run();
            if (found == 0)
                throwIoError(db.file(), action,
                             fill(translate("quor3::Error", "there is no ticket %1"), {std::to_string(id)}));
            if (settled > 0)
                throwIoError(db.file(), action, settledReason(id, settled));
        }
        Stmt drop(db, "DELETE FROM tickets WHERE id = ?1", action);
        drop.bind(1, id).run();
    });
}

// ------------------------------------------------------------ settlement

std::vector<std::string> ticketAnnouncements(const fs::path& database, const DrawRecord& draw)
{
    return announcementsWhere(database, "draw_date = ?1 AND digit1 = ?2 AND digit2 = ?3 AND digit3 = ?4", [&](Stmt& s) {
        s.bind(1, draw.DrawDate).bind(2, draw.Digit1).bind(3, draw.Digit2);
        s.bind(4, draw.Digit3);
    });
}

std::vector<std::string> lastChangeAnnouncements(const fs::path& database)
{
    return announcementsWhere(database, "change_number = (SELECT value FROM ticket_settings WHERE key = 'last_change')",
                              [](Stmt&) {});
}

long long ticketChangeMark(const fs::path& database)
{
    return reading(database, 0LL, [](Db& db) {
        return single(db, "SELECT value FROM ticket_settings WHERE key = 'last_change'", "read the tickets");
    });
}

std::vector<std::string> announcementsSince(const fs::path& database, long long mark)
{
    return announcementsWhere(database, "change_number > ?1", [&](Stmt& s) { s.bind(1, mark); });
}

void settleTicketsForDates(sqlite3* handle, const fs::path& file, const std::vector<double>& dates)
{
    if (dates.empty())
        return;
    Db db(handle, file);
    if (single(db, "PRAGMA user_version", "settle the tickets") < 2)
        return;
    const auto [lo, hi] = std::minmax_element(dates.begin(), dates.end());
    settleBetween(db, *lo, *hi);
}

// ------------------------------------------------------------ summary

TicketSummary summarizeTickets(const std::vector<TicketRecord>& tickets, const std::vector<PrizeTable>& tables)
{
    return summarizeTickets(tickets, tables, {});
}

TicketSummary summarizeTickets(const std::vector<TicketRecord>& tickets, const std::vector<PrizeTable>& tables,
                               const std::vector<AddonTable>& addonTables)
{
    TicketSummary sum;
    std::map<std::pair<int, int>, MonthMoney> months;
    long long expectedMilli = 0;
    // A play's average prize depends on its bet type, how many orders its
    // digits make, its stake and the table alone: each is summed over the
    // 1,000 numbers once, not once a ticket.
    std::map<std::tuple<const PrizeTable*, BetType, int, Cents>, long long> expected;
    const auto expectedOf = [&expected](const TicketPlay& play, const PrizeTable& table) {
        const auto key = std::make_tuple(&table, play.type, distinctOrders(play.number), play.stake);
        const auto found = expected.find(key);
        if (found != expected.end())
            return found->second;
        return expected[key] = expectedPrizeMilliCents(play, table);
    };
    // Settlements come in date order: the month's entry is looked up again
    // only when the month changes.
    std::pair<int, int> lastMonth{0, 0};
    double monthFrom = HUGE_VAL, monthTo = -HUGE_VAL;
    MonthMoney* month = nullptr;
    for (const TicketRecord& t : tickets) {
        ++sum.tickets;
        sum.cost += t.cost;
        const PrizeTable* lastTable = nullptr;
        long long lastExpected = 0;
        const AddonTable* lastAddon = nullptr;
        long long lastAddonExpected = 0;
        const Cents perDraw = costPerDraw(t.play);
        // A month counts the draws held: a draw still to come is neither spent
        // nor lost there, so the months add up to the balance.
        for (const TicketSettlement& s : t.settlements) {
            sum.settledCost += perDraw;
            sum.won += s.prize;
            if (!month || s.drawDate < monthFrom || s.drawDate >= monthTo) {
                lastMonth = monthOf(s.drawDate);
                month = &months[lastMonth];
                monthFrom = encodeDate(lastMonth.first, lastMonth.second, 1);
                monthTo = lastMonth.second == 12 ? encodeDate(lastMonth.first + 1, 1, 1)
                                                 : encodeDate(lastMonth.first, lastMonth.second + 1, 1);
            }
            month->spent += perDraw;
            month->won += s.prize;
            const PrizeTable& table = prizeTableOn(tables, s.drawDate);
            if (&table != lastTable) {
                lastTable = &table;
                lastExpected = expectedOf(t.play, table);
            }
            expectedMilli += lastExpected;
            if (t.play.addon) {
                const AddonTable& addon = addonTableOn(addonTables, s.drawDate);
                if (&addon != lastAddon) {
                    lastAddon = &addon;
                    lastAddonExpected = expectedAddonPrizeMilliCents(t.play, addon);
                }
                expectedMilli += lastAddonExpected;
            }
        }
    }
    sum.balance = sum.won - sum.settledCost;
    sum.expectedBack = (expectedMilli + 500) / 1000;
    for (auto& [month, money] : months) {
        if (money.spent == 0 && money.won == 0)
            continue;
        money.year = month.first;
        money.month = month.second;
        sum.months.push_back(money);
    }
    return sum;
}

TicketSummary summarizeTickets(const fs::path& database)
{
    return reading(database, TicketSummary{}, [](Db& db) {
        return summarizeTickets(readTickets(db, false), loadTables(db), loadAddonTables(db));
    });
}

TicketBook readTicketBook(const fs::path& database)
{
    return reading(database, TicketBook{}, [](Db& db) {
        TicketBook book;
        book.tickets = readTickets(db, true);
        book.tables = loadTables(db);
        book.summary = summarizeTickets(book.tickets, book.tables, loadAddonTables(db));
        book.budget = storedBudget(db);
        Stmt s(db,
               "SELECT draw_date, digit1, digit2, digit3 FROM draws"
               " WHERE draw_date >= (SELECT max(draw_date) - 60 FROM draws) ORDER BY draw_date, turn",
               "read the full history");
        while (s.step()) {
            DrawRecord r;
            r.DrawDate = s.real(0);
            r.Digit1 = static_cast<std::int32_t>(s.integer(1));
            r.Digit2 = static_cast<std::int32_t>(s.integer(2));
            r.Digit3 = static_cast<std::int32_t>(s.integer(3));
            book.recentDraws.push_back(r);
        }
        return book;
    });
}

std::string moneyText(Cents cents)
{
    const Cents a = cents < 0 ? -cents : cents;
    char tail[8];
    std::snprintf(tail, sizeof tail, "%02lld", a % 100);
    return (cents < 0 ? "-$" : "$") + withCommas(a / 100) + decimalPoint() + tail;
}

std::string plainMoney(Cents cents)
{
    const Cents a = cents < 0 ? -cents : cents;
    char text[40];
    std::snprintf(text, sizeof text, "%s%lld.%02lld", cents < 0 ? "-" : "", a / 100, a % 100);
    return text;
}

std::optional<Cents> moneyFromText(const std::string& text)
{
    std::string t = trimmed(text);
    if (!t.empty() && t[0] == '$')
        t.erase(0, 1);
    // The language's decimal point is read as the point ("1,50" in Spanish).
    if (const std::string point = decimalPoint(); point.size() == 1 && point != ".")
        std::replace(t.begin(), t.end(), point[0], '.');
    const auto dot = t.find('.');
    const std::string whole = t.substr(0, dot);
    const std::string part = dot == std::string::npos ? std::string() : t.substr(dot + 1);
    if ((whole.empty() && part.empty()) || whole.size() > 12 || part.size() > 2 ||
        (!whole.empty() && !allDigits(whole)) || (!part.empty() && !allDigits(part)) ||
        (dot != std::string::npos && part.empty()))
        return std::nullopt;
    Cents cents = whole.empty() ? 0 : std::stoll(whole) * 100;
    if (!part.empty())
        cents += std::stoll(part) * (part.size() == 1 ? 10 : 1);
    return cents;
}

std::string balanceWords(Cents balance)
{
    if (balance == 0)
        return translate("quor3::Tickets", "even");
    return balance < 0 ? fill(translate("quor3::Tickets", "loss %1"), {moneyText(-balance)})
                       : fill(translate("quor3::Tickets", "gain %1"), {moneyText(balance)});
}

std::string averageReturnSentence(const TicketSummary& summary)
{
    return fill(translate("quor3::Tickets", "On average these plays would have paid back %1; they paid %2."),
                {moneyText(summary.expectedBack), moneyText(summary.won)});
}

std::string backtestMoneySentence(long long plays, long long exactMatches, const PrizeTable& table)
{
    return fill(
        plays == 1 ? translate("quor3::Tickets", "%1 play at $1 would have cost %2 and paid back %3.")
                   : translate("quor3::Tickets", "%1 plays at $1 would have cost %2 and paid back %3."),
        {withCommas(plays), dollarsText(plays * 100), dollarsText(exactMatches * table.prize(PrizeKey::Straight))});
}

// ------------------------------------------------------------ budget

std::optional<Cents> monthlyBudget(const fs::path& database)
{
    return reading(database, std::optional<Cents>{}, [](Db& db) { return storedBudget(db); });
}

void setMonthlyBudget(const fs::path& database, std::optional<Cents> budget)
{
    const std::string action = "store the monthly budget in";
    if (budget && (*budget <= 0 || *budget > MaxBudget))
        throwIoError(
            historyFileFor(database), action,
            fill(translate("quor3::Error", "a budget must be more than $0 and at most %1"), {dollarsText(MaxBudget)}));
    writing(database, action, [&](Db& db) {
        if (!budget) {
            db.exec("DELETE FROM ticket_settings WHERE key = 'monthly_budget_cents'", action);
            return;
        }
        Stmt put(db, "INSERT OR REPLACE INTO ticket_settings (key, value) VALUES ('monthly_budget_cents', ?1)", action);
        put.bind(1, *budget).run();
    });
}

std::optional<Cents> budgetLeft(const fs::path& database, int year, int month)
{
    if (!isValidDate(year, month, 1))
        return std::nullopt;
    return reading(database, std::optional<Cents>{}, [&](Db& db) -> std::optional<Cents> {
        const auto budget = storedBudget(db);
        if (!budget)
            return std::nullopt;
        return *budget - spentInMonth(db, year, month);
    });
}

bool ticketExceedsBudget(const fs::path& database, const TicketPlay& play)
{
    CivilDate date;
    if (!decodeDate(play.firstDraw, date))
        return false;
    const auto left = budgetLeft(database, date.year, date.month);
    return left && ticketCost(play) > *left;
}

// ------------------------------------------------------------ export

std::string ticketsCsv(const std::vector<TicketRecord>& tickets)
{
    std::string csv = "first_draw,draws,number,type,stake,cost,won\n";
    for (const TicketRecord& t : tickets)
        csv += isoDate(t.play.firstDraw) + "," + std::to_string(t.play.draws) + "," + numberText(t.play.number) + "," +
               betTypeWord(t.play.type) + "," + plainMoney(t.play.stake) + "," + plainMoney(t.cost) + "," +
               (t.settledDraws == 0 ? std::string("waiting") : plainMoney(t.won)) + "\n";
    return csv;
}

void exportTickets(const fs::path& database, const fs::path& file)
{
    refuseExportTarget(database, file);
    if (file == historyFileFor(database))
        throwIoError(file, "write the tickets to", "it is the database's full history");
    writeWholeFile(file, ticketsCsv(listTickets(database)));
}

// ------------------------------------------------------------ dates

std::string isoDate(double dayNumber)
{
    CivilDate d;
    if (!decodeDate(dayNumber, d))
        return "0000-00-00";
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

std::optional<double> ticketDateFromText(const std::string& text)
{
    const std::optional<CivilDate> date = dateFromText(text);
    if (!date)
        return std::nullopt;
    return encodeDate(*date);
}

} // namespace quor3
