#include "EngineTestSupport.h"

#include "engine/Backups.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "engine/Import.h"
#include "engine/StoreDraw.h"
#include "engine/Text.h"
#include "engine/Tickets.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <csignal>
#include <fcntl.h>
#include <random>
#include <sys/wait.h>

using namespace quor3;

namespace
{

TicketNumber num(const char* text)
{
    return *numberFromText(text);
}

TicketPlay play(const char* number, BetType type, Cents stake = 100, double first = 40000, int draws = 1)
{
    TicketPlay p;
    p.number = num(number);
    p.type = type;
    p.stake = stake;
    p.firstDraw = first;
    p.draws = draws;
    return p;
}

std::string messageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Error& e) {
        return e.what();
    }
    return {};
}

TEST(TicketPrizes, EachBetTypeAgainstHitsAndMisses)
{
    using B = BetType;
    struct Case {
        const char* number;
        B type;
        Cents stake;
        const char* drawn;
        Cents prize;
    };
    const std::vector<Case> cases = {
        {"451", B::Straight, 100, "451", 50000},
        {"451", B::Straight, 50, "451", 25000},
        {"451", B::Straight, 100, "154", 0},
        {"451", B::Box, 100, "154", 8000},
        {"451", B::Box, 100, "451", 8000},
        {"451", B::Box, 50, "514", 4000},
        {"451", B::Box, 100, "452", 0},
        {"455", B::Box, 100, "545", 16000},
        {"455", B::Box, 200, "554", 32000},
        {"455", B::Box, 100, "445", 0},
        {"451", B::StraightBox, 100, "451", 29000},
        {"451", B::StraightBox, 100, "145", 4000},
        {"455", B::StraightBox, 100, "455", 33000},
        {"455", B::StraightBox, 300, "545", 24000},
        {"455", B::StraightBox, 100, "456", 0},
        {"451", B::Combo, 100, "514", 50000},
        {"455", B::Combo, 50, "554", 25000},
        {"777", B::Combo, 100, "777", 50000},
        {"777", B::Combo, 100, "778", 0},
        {"451", B::FrontPair, 100, "459", 5000},
        {"451", B::FrontPair, 100, "541", 0},
        {"451", B::BackPair, 50, "051", 2500},
        {"451", B::BackPair, 100, "415", 0},
        {"777", B::Straight, 100, "777", 50000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.number) + " " + betTypeWord(c.type) + " vs " + c.drawn);
        EXPECT_EQ(playPrize(play(c.number, c.type, c.stake), num(c.drawn), defaultPrizeTable()), c.prize);
    }
}

TEST(TicketPrizes, AComboPaysTheStraightPrizeOfTheTableInForce)
{
    using B = BetType;
    // The player raised the straight prize and lowered the combo line: a
    // combo is a straight of each order, whatever that line says.
    PrizeTable table = defaultPrizeTable();
    table.prize(PrizeKey::Straight) = 60000;
    table.prize(PrizeKey::Combo) = 100;
    EXPECT_EQ(playPrize(play("451", B::Combo, 100), num("514"), table), 60000);
    EXPECT_EQ(playPrize(play("455", B::Combo, 50), num("545"), table), 30000);
    EXPECT_EQ(playPrize(play("451", B::Combo, 100), num("456"), table), 0);
}

TEST(TicketPrizes, CostNamesAndLongRunReturn)
{
    using B = BetType;
    struct Case {
        const char* number;
        B type;
        Cents stake;
        int draws;
        Cents cost;
        const char* name;
        double returned;
    };
    const std::vector<Case> cases = {
        {"451", B::Straight, 100, 1, 100, "Straight", 0.50},
        {"451", B::Box, 100, 5, 500, "Box 6-way", 0.48},
        {"455", B::Box, 50, 2, 100, "Box 3-way", 0.48},
        {"451", B::StraightBox, 200, 1, 200, "Straight/Box 6-way", 0.49},
        {"455", B::StraightBox, 100, 1, 100, "Straight/Box 3-way", 0.49},
        {"451", B::Combo, 100, 2, 1200, "Combo", 0.50},
        {"455", B::Combo, 50, 1, 150, "Combo", 0.50},
        {"777", B::Combo, 100, 91, 9100, "Combo", 0.50},
        {"451", B::BackPair, 100, 1, 100, "Back Pair", 0.50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.number) + " " + betTypeWord(c.type));
        const TicketPlay p = play(c.number, c.type, c.stake, 40000, c.draws);
        EXPECT_EQ(ticketCost(p), c.cost);
        EXPECT_EQ(betVariantName(c.type, p.number), c.name);
        EXPECT_NEAR(returnPerDollar(c.type, p.number, defaultPrizeTable()), c.returned, 1e-12);
    }
}

TEST(TicketPrizes, TheReasonsATicketIsRefused)
{
    using B = BetType;
    struct Case {
        TicketPlay p;
        const char* reason; // empty: playable
    };
    TicketPlay badDate = play("451", B::Straight);
    badDate.firstDraw = 1e9;
    const std::vector<Case> cases = {
        {play("777", B::Box), "A triple (777) cannot be boxed"},
        {play("777", B::StraightBox), "A triple (777) cannot be boxed"},
        {play("451", B::Straight, 75), "50 cents or a whole number of dollars up to $5"},
        {play("451", B::Box, 600), "50 cents or a whole number of dollars up to $5"},
        {play("451", B::StraightBox, 50), "at least $1, in steps of $1"},
        {play("451", B::Straight, 100, 40000, 0), "1 to 91 consecutive draws"},
        {play("451", B::Straight, 100, 40000, 92), "1 to 91 consecutive draws"},
        {badDate, "not a date"},
        {play("451", B::Straight, 50, 40000, 91), ""},
        {play("455", B::StraightBox, 500), ""},
    };
    for (const Case& c : cases) {
        const std::string problem = ticketProblem(c.p);
        if (*c.reason == 0)
            EXPECT_EQ(problem, "");
        else
            EXPECT_NE(problem.find(c.reason), std::string::npos) << problem;
    }
}

TEST(TicketPrizes, MoneyWordsAndText)
{
    EXPECT_EQ(balanceWords(-18500), "loss $185.00");
    EXPECT_EQ(balanceWords(4000), "gain $40.00");
    EXPECT_EQ(moneyText(2399100), "$23,991.00");
    EXPECT_EQ(plainMoney(150), "1.50");
    for (const auto& [text, cents] : std::vector<std::pair<std::string, Cents>>{
             {"1", 100}, {"0.50", 50}, {".5", 50}, {"$167.00", 16700}, {"2.5", 250}})
        EXPECT_EQ(moneyFromText(text), std::optional<Cents>(cents)) << text;
    for (const char* bad : {"", "-1", "1.505", "1.", "abc", "$", "1e3"})
        EXPECT_FALSE(moneyFromText(bad)) << bad;
    EXPECT_EQ(ticketDateFromText("12/7/2026"), ticketDateFromText("2026-12-07"));
    EXPECT_FALSE(ticketDateFromText("2/30/2026"));
    EXPECT_EQ(backtestMoneySentence(23991, 31, defaultPrizeTable()),
              "23,991 plays at $1 would have cost $23,991 and paid back $15,500.");
}

// A language writes money one way, with the separators its translation gives.
TEST(TicketPrizes, MoneyFollowsTheLanguagesSeparators)
{
    setTranslator([](const char* context, const char* text) -> std::string {
        if (std::string(context) == "quor3::Money")
            return std::string(text) == "," ? "." : ",";
        return text;
    });
    const std::string large = moneyText(123456), small = moneyText(50),
                      whole = backtestMoneySentence(1000, 0, defaultPrizeTable());
    const auto typed = moneyFromText("1,50");
    setTranslator(nullptr);
    EXPECT_EQ(large, "$1.234,56");
    EXPECT_EQ(small, "$0,50");
    EXPECT_EQ(whole, "1.000 plays at $1 would have cost $1.000 and paid back $0.");
    EXPECT_EQ(typed, std::optional<Cents>(150));
    EXPECT_EQ(moneyText(123456), "$1,234.56");
}

class Tickets : public ::testing::Test
{
  protected:
    TempFolder dir;
    fs::path db = dir / "g.c3d";
    void store(const DrawRecord& d) { storeDraw(dir.path(), "g.c3d", d); }
    TicketRecord ticket(long long id)
    {
        for (const TicketRecord& t : listTickets(db))
            if (t.id == id)
                return t;
        ADD_FAILURE() << "no ticket " << id;
        return {};
    }
};

// A ticket is settled when its draw arrives and when it is added after it;
// a correction settles it again; an import settles the draws it brings.
TEST_F(Tickets, SettledOnEntryAddCorrectionAndImport)
{
    store(drawOn(40000, 4, 5, 1));
    const long long late = addTicket(db, play("451", BetType::Box, 100, 40000));
    const long long waiting = addTicket(db, play("154", BetType::Straight, 100, 40001, 3));
    EXPECT_EQ(ticket(late).won, 8000);
    EXPECT_EQ(ticket(waiting).settledDraws, 0);
    EXPECT_EQ(ticketResultText(ticket(waiting)), "Waiting for its draws");

    store(drawOn(40001, 1, 5, 4));
    EXPECT_EQ(lastChangeAnnouncements(db), std::vector<std::string>{"Your ticket 154 Straight won $500.00"});
    EXPECT_EQ(ticketAnnouncements(db, drawOn(40000, 4, 5, 1)),
              std::vector<std::string>{"Your ticket 451 Box 6-way won $80.00"});
    EXPECT_EQ(ticketResultText(ticket(waiting)), "1 of 3 draws, won $500.00 so far");

    // The winning draw was mistyped: the win becomes a loss.
    correctDraw(dir.path(), "g.c3d", 1, drawOn(40001, 1, 5, 4), drawOn(40001, 1, 5, 5));
    EXPECT_EQ(ticket(waiting).won, 0);
    EXPECT_EQ(ticket(waiting).settlements.at(0).drawn, num("155"));
    EXPECT_TRUE(lastChangeAnnouncements(db).empty());

    long long mark = ticketChangeMark(db);
    storeImport(dir.path(), "g.c3d", {drawOn(40002, 1, 5, 4), drawOn(40003, 0, 0, 0), drawOn(40004, 1, 5, 4)},
                ImportMode::Merge);
    EXPECT_EQ(announcementsSince(db, mark), std::vector<std::string>{"Your ticket 154 Straight won $500.00"});
    mark = ticketChangeMark(db);
    storeImport(dir.path(), "g.c3d", {drawOn(40002, 1, 5, 4)}, ImportMode::Merge);
    EXPECT_TRUE(announcementsSince(db, mark).empty()); // nothing new: nothing to announce again
    const TicketRecord t = ticket(waiting);
    EXPECT_EQ(t.settledDraws, 3);
    EXPECT_EQ(t.won, 50000); // the draw after its last is none of its
    EXPECT_EQ(ticketResultText(t), "Won $500.00");
    EXPECT_NE(ticketRemovalProblem(db, waiting).find("is settled"), std::string::npos);
    EXPECT_NE(messageOf([&] { removeTicket(db, waiting); }).find("is settled"), std::string::npos);
    EXPECT_EQ(listTickets(db).size(), 2u);
}

// The working database keeps its newest draws only; the settled results stay.
TEST_F(Tickets, ACutBackKeepsSettledResults)
{
    writeDatabase(db, drawsOf(variedTriples(MaxDraws), 40000));
    const DrawRecord first = readDraws(db).front();
    TicketPlay p = play("000", BetType::Straight, 100, first.DrawDate);
    p.number = {first.Digit1, first.Digit2, first.Digit3};
    const long long id = addTicket(db, p);
    store(drawOn(40000 + MaxDraws, 1, 2, 3));
    ASSERT_EQ(countDraws(db), DrawsKeptWhenFull + 1);
    EXPECT_EQ(ticket(id).won, 50000);
    EXPECT_EQ(ticket(id).settlements.at(0).drawDate, first.DrawDate);
}

// A multi-draw ticket across a change of the prize table: each draw by its day's table.
TEST_F(Tickets, EachDrawIsPaidByTheTableOfItsDay)
{
    for (int i = 0; i < 3; ++i)
        store(drawOn(40000 + i, 4, 5, 1));
    const long long id = addTicket(db, play("451", BetType::Straight, 50, 40000, 3));
    EXPECT_EQ(ticket(id).won, 3 * 25000);
    PrizeTable richer = defaultPrizeTable();
    richer.from = 40001;
    richer.prize(PrizeKey::Straight) = 60000;
    storePrizeTable(db, richer);
    EXPECT_EQ(ticket(id).won, 25000 + 2 * 30000);
    const std::vector<PrizeTable> tables = readPrizeTables(db);
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(prizeTableOn(tables, 40000).prize(PrizeKey::Straight), 50000);
    EXPECT_EQ(prizeTableOn(tables, 50000).prize(PrizeKey::Straight), 60000);
    removePrizeTable(db, 40001);
    EXPECT_EQ(ticket(id).won, 3 * 25000);
    EXPECT_NE(messageOf([&] { removePrizeTable(db, earliestPrizeDate()); }).find("not removed"), std::string::npos);
}

TEST_F(Tickets, ARefusedTicketChangesNothing)
{
    store(drawOn(40000, 4, 5, 1));
    addTicket(db, play("451", BetType::Box));
    const std::string before = readWholeFile(historyFileFor(db));
    const std::string message = messageOf([&] { addTicket(db, play("777", BetType::Box)); });
    EXPECT_NE(message.find("\"g.c3d.sqlite\""), std::string::npos) << message;
    EXPECT_NE(message.find("cannot be boxed"), std::string::npos) << message;
    EXPECT_EQ(readWholeFile(historyFileFor(db)), before);
    EXPECT_NE(messageOf([&] { removeTicket(db, 9); }).find("there is no ticket 9"), std::string::npos);
}

TEST_F(Tickets, SummaryBudgetAndCsv)
{
    store(drawOn(40000, 4, 5, 1)); // 7/6/2009
    addTicket(db, play("451", BetType::Box, 100, 40000));
    addTicket(db, play("056", BetType::Straight, 50, 40000, 2));
    addTicket(db, play("451", BetType::Combo, 100, 40030));
    const TicketSummary s = summarizeTickets(db);
    EXPECT_EQ(s.tickets, 3);
    EXPECT_EQ(s.cost, 100 + 100 + 600);
    EXPECT_EQ(s.settledCost, 150);
    EXPECT_EQ(s.won, 8000);
    EXPECT_EQ(s.balance, 7850);
    EXPECT_EQ(s.expectedBack, 73); // 48 + 25 cents
    EXPECT_EQ(averageReturnSentence(s), "On average these plays would have paid back $0.73; they paid $80.00.");
    // A month counts the draws held: the combo of August and the straight's
    // second draw still wait, so the month adds up to the balance.
    ASSERT_EQ(s.months.size(), 1u);
    EXPECT_EQ(s.months[0].spent, s.settledCost);
    EXPECT_EQ(s.months[0].won - s.months[0].spent, s.balance);

    EXPECT_EQ(ticketsCsv(listTickets(db)), "first_draw,draws,number,type,stake,cost,won\n"
                                           "2009-07-06,1,451,box,1.00,1.00,80.00\n"
                                           "2009-07-06,2,056,straight,0.50,1.00,0.00\n"
                                           "2009-08-05,1,451,combo,1.00,6.00,waiting\n");

    EXPECT_FALSE(monthlyBudget(db));
    EXPECT_FALSE(ticketExceedsBudget(db, play("451", BetType::Combo, 500, 40000)));
    setMonthlyBudget(db, 500);
    EXPECT_EQ(budgetLeft(db, 2009, 7), 300);
    EXPECT_FALSE(ticketExceedsBudget(db, play("451", BetType::Straight, 300, 40000)));
    EXPECT_TRUE(ticketExceedsBudget(db, play("451", BetType::Straight, 400, 40000)));
    setMonthlyBudget(db, std::nullopt);
    EXPECT_FALSE(budgetLeft(db, 2009, 7));
}

void sql(const fs::path& file, const std::string& statements)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, statements.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

// A history of the first layout gains the tickets' tables in place, its copy
// kept among the backups; a newer one is refused by name and reason.
TEST_F(Tickets, AnOlderHistoryIsUpgradedANewerRefused)
{
    store(drawOn(40000, 4, 5, 1));
    const fs::path file = historyFileFor(db);
    sql(file, "DROP TABLE tickets; DROP TABLE prize_tables; DROP TABLE settlements; DROP TABLE ticket_settings;"
              " PRAGMA user_version = 1;");
    const std::string layout1 = readWholeFile(file);
    EXPECT_TRUE(listTickets(db).empty());
    addTicket(db, play("451", BetType::Straight));
    EXPECT_EQ(ticket(1).won, 50000);
    std::vector<fs::path> copies;
    for (const auto& entry : fs::directory_iterator(dir / "backups"))
        if (entry.path().filename().string().find("g.c3d-history-layout1-") == 0)
            copies.push_back(entry.path());
    ASSERT_EQ(copies.size(), 1u);
    sqlite3* copy = nullptr;
    ASSERT_EQ(sqlite3_open(copies[0].c_str(), &copy), SQLITE_OK);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(copy, "SELECT count(*) FROM draws", -1, &s, nullptr);
    ASSERT_EQ(sqlite3_step(s), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(s, 0), 1);
    sqlite3_finalize(s);
    sqlite3_close(copy);

    sql(file, "PRAGMA user_version = " + std::to_string(HistoryLayoutVersion + 1) + ";");
    const std::string message = messageOf([&] { addTicket(db, play("451", BetType::Box)); });
    EXPECT_NE(message.find("\"g.c3d.sqlite\""), std::string::npos) << message;
    EXPECT_NE(message.find("newer version"), std::string::npos) << message;
}

// An upgrade that fails (here a table of that name is in the way) is tried
// again at every use, with one copy of the old file among the backups.
TEST_F(Tickets, AFailingUpgradeKeepsOneCopyHoweverOftenItIsTried)
{
    store(drawOn(40000, 4, 5, 1));
    const fs::path file = historyFileFor(db);
    sql(file, "DROP TABLE prize_tables; DROP TABLE settlements; DROP TABLE ticket_settings;"
              " PRAGMA user_version = 1;");
    for (int attempt = 0; attempt < 3; ++attempt)
        EXPECT_THROW(addTicket(db, play("451", BetType::Straight)), Error);
    int copies = 0;
    for (const auto& entry : fs::directory_iterator(dir / "backups"))
        copies += entry.path().filename().string().find("g.c3d-history-layout1-") == 0;
    EXPECT_EQ(copies, 1);
}

// A kill at any moment of an add leaves the record as before or with the
// ticket whole, settled.
TEST_F(Tickets, AKilledAddLeavesTheOldOrTheNewRecord)
{
    store(drawOn(40000, 4, 5, 1));
    std::mt19937 random(11);
    std::size_t count = 0;
    for (int i = 0; i < 20; ++i) {
        const pid_t child = fork();
        if (child == 0) {
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, 1);
            dup2(quiet, 2);
            execl(QUOR3_ENGINE_CLI, QUOR3_ENGINE_CLI, "tickets", db.c_str(), "add", "2009-07-06", "451", "box", "1",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        usleep(static_cast<useconds_t>(random() % 30000));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::vector<TicketRecord> tickets = listTickets(db);
        ASSERT_TRUE(tickets.size() == count || tickets.size() == count + 1) << "round " << i;
        count = tickets.size();
        for (const TicketRecord& t : tickets)
            ASSERT_EQ(t.won, 8000) << "round " << i;
    }
}

struct CliRun {
    int status;
    std::string out;
};

CliRun engine(const std::string& args)
{
    CliRun run{-1, {}};
    FILE* pipe = popen((std::string("'") + QUOR3_ENGINE_CLI + "' " + args + " 2>&1").c_str(), "r");
    char buffer[512];
    std::size_t n;
    while (pipe && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    if (pipe)
        run.status = WEXITSTATUS(pclose(pipe));
    return run;
}

TEST_F(Tickets, TheCommandLineAddsListsAndSums)
{
    const std::string path = "'" + db.string() + "' ";
    ASSERT_EQ(engine("add " + path + "12/7/2026 4 5 1").status, 0);
    for (const char* ticket :
         {"12/7/2026 451 box 1", "2026-12-07 123 box 1", "12/7/2026 789 BOX 1.00", "12/8/2026 451 box 1 --draws 1"})
        EXPECT_EQ(engine("tickets " + path + "add " + ticket).status, 0) << ticket;
    const CliRun refused = engine("tickets " + path + "add 12/7/2026 777 box 1");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.out.find("cannot be boxed"), std::string::npos) << refused.out;
    EXPECT_EQ(engine("tickets " + path + "add 12/7/2026 451 box 0.25").status, 1);
    const std::string firstTicket =
        "[{\"id\": 1, \"first_draw\": \"2026-12-07\", \"draws\": 1, \"number\": \"451\", \"type\": \"box\", "
        "\"stake_cents\": 100, \"cost_cents\": 100, \"settled_draws\": 1, \"won_cents\": 8000}, {\"id\": 2,";
    EXPECT_EQ(engine("tickets " + path + "list --json").out.substr(0, firstTicket.size()), firstTicket);
    EXPECT_EQ(engine("tickets " + path + "summary --json").out,
              "{\"tickets\": 4, \"cost_cents\": 400, \"settled_cost_cents\": 300, \"won_cents\": 8000, "
              "\"balance_cents\": 7700, \"expected_back_cents\": 144}\n");
    const CliRun entry = engine("add " + path + "12/8/2026 1 4 5");
    EXPECT_NE(entry.out.find("\nYour ticket 451 Box 6-way won $80.00\n"), std::string::npos) << entry.out;
}

// A draw taken back takes its settlement and prize with it, however it goes.
TEST_F(Tickets, ADrawUndoneOrDeletedLosesItsSettlementAndPrize)
{
    for (const bool undone : {true, false}) {
        SCOPED_TRACE(undone ? "undone" : "deleted");
        TempFolder folder;
        const fs::path database = folder / "g.c3d";
        storeDraw(folder.path(), "g.c3d", drawOn(40000, 4, 5, 1));
        const long long id = addTicket(database, play("451", BetType::Straight, 100, 40000, 2));
        const DrawRecord second = drawOn(40001, 4, 5, 1);
        storeDraw(folder.path(), "g.c3d", second);
        ASSERT_EQ(listTickets(database).at(0).won, 100000);
        if (undone)
            undoEntry(StoredEntry{database, second, 2, {}});
        else
            deleteDraw(folder.path(), "g.c3d", 1, second);
        const TicketRecord t = listTickets(database).at(0);
        EXPECT_EQ(t.id, id);
        EXPECT_EQ(t.settledDraws, 1);
        EXPECT_EQ(t.won, 50000);
        ASSERT_EQ(t.settlements.size(), 1u);
        EXPECT_EQ(t.settlements[0].drawDate, 40000);
        EXPECT_EQ(summarizeTickets(database).won, 50000);
    }
}

// What the settled plays return on average, summed in thousandths of a cent and rounded once, half a cent up.
TEST(TicketPrizes, TheWouldHavePaidBackAmountRoundsHalfACentUp)
{
    const struct {
        Cents straightPrize; // a $1 straight pays back a thousandth of it on average
        int tickets;
        Cents expectedBack;
    } cases[] = {{50499, 1, 50}, {50500, 1, 51}, {50501, 1, 51}, {49500, 1, 50}, {50500, 2, 101}, {50250, 2, 101}};
    for (const auto& c : cases) {
        PrizeTable table = defaultPrizeTable();
        table.prize(PrizeKey::Straight) = c.straightPrize;
        TicketRecord ticket;
        ticket.play = play("451", BetType::Straight);
        ticket.settlements = {TicketSettlement{40000, 0, num("123"), 0}};
        const TicketSummary summary = summarizeTickets(std::vector<TicketRecord>(c.tickets, ticket), {table});
        EXPECT_EQ(summary.expectedBack, c.expectedBack) << c.straightPrize << " x " << c.tickets;
        EXPECT_EQ(averageReturnSentence(summary),
                  "On average these plays would have paid back " + moneyText(c.expectedBack) + "; they paid $0.00.");
    }
}

} // namespace
