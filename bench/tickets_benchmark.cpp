// The tickets' command-line reads on a database of 731 draws whose player keeps
// 3,000 tickets: `tickets summary` (the summary and the budget) against
// `tickets list` (every ticket with its settlements), the floor; target under
// three times. The ratio of the median processor times is printed at the end.

#include "engine/Dates.h"
#include "engine/DrawRecord.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "engine/TicketStore.h"
#include "engine/Tickets.h"

#include "MedianReporter.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <iostream>
#include <unistd.h>

namespace
{

constexpr int Draws = 731, Tickets = 3000;

// A scratch folder with the database, its history and the tickets, settled.
class TicketBook
{
  public:
    TicketBook()
    {
        char pattern[] = "/tmp/quor3-tickets-bench-XXXXXX";
        folder_ = ::mkdtemp(pattern);
        const double first = quor3::encodeDate(2025, 1, 1) - Draws;
        std::vector<quor3::DrawRecord> draws(Draws);
        for (int i = 0; i < Draws; ++i) {
            auto& r = draws[static_cast<std::size_t>(i)];
            r.DrawDate = first + i;
            r.Digit1 = (i * 7 + 3) % 10, r.Digit2 = (i * 3 + 1) % 10, r.Digit3 = (i * i + 5) % 10;
        }
        quor3::writeWholeFile(database(), quor3::encodeDraws(draws));
        quor3::ensureHistory(database());
        const quor3::fs::path file = quor3::historyFileFor(database());
        sqlite3* db = nullptr;
        sqlite3_open(file.c_str(), &db);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* put = nullptr;
        sqlite3_prepare_v2(db,
                           "INSERT INTO tickets (first_draw, draws, digit1, digit2, digit3, bet_type, stake_cents,"
                           " added_at) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?1)",
                           -1, &put, nullptr);
        const char* const types[] = {"straight", "box", "straightbox", "combo", "frontpair", "backpair"};
        for (int i = 0; i < Tickets; ++i) {
            // Two different digits at least: every bet type can take the number.
            const int d1 = i % 10, d2 = (i / 10 + 1 + d1) % 10;
            sqlite3_bind_double(put, 1, first + (i * Draws / Tickets));
            sqlite3_bind_int(put, 2, 1 + i % 10);
            sqlite3_bind_int(put, 3, d1);
            sqlite3_bind_int(put, 4, d2 == d1 ? (d1 + 1) % 10 : d2);
            sqlite3_bind_int(put, 5, (i * 7) % 10);
            sqlite3_bind_text(put, 6, types[i % 6], -1, SQLITE_STATIC);
            sqlite3_bind_int(put, 7, (i % 6 == 2 ? 100 : 50) * (1 + i % 2));
            sqlite3_step(put);
            sqlite3_reset(put);
        }
        sqlite3_finalize(put);
        quor3::settleTicketsForDates(db, file, {first, first + Draws});
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        quor3::setMonthlyBudget(database(), 5000);
    }
    ~TicketBook() { quor3::fs::remove_all(folder_); }
    quor3::fs::path database() const { return folder_ / "ga.c3d"; }

  private:
    quor3::fs::path folder_;
};

const TicketBook& book()
{
    static const TicketBook b;
    return b;
}

// `tickets list`: every ticket and its settlements.
void BM_TicketsList(benchmark::State& state)
{
    const quor3::fs::path database = book().database();
    for (auto _ : state) {
        const auto tickets = quor3::listTickets(database);
        if (tickets.size() != Tickets)
            state.SkipWithError("the tickets were not all read");
        benchmark::DoNotOptimize(tickets.data());
    }
}
BENCHMARK(BM_TicketsList)->Unit(benchmark::kMillisecond);

// `tickets summary`: the summary, the budget and what is left of it this month.
void BM_TicketsSummary(benchmark::State& state)
{
    const quor3::fs::path database = book().database();
    for (auto _ : state) {
        const quor3::TicketSummary summary = quor3::summarizeTickets(database);
        if (summary.tickets != Tickets)
            state.SkipWithError("the tickets were not all summed");
        if (quor3::monthlyBudget(database))
            benchmark::DoNotOptimize(quor3::budgetLeft(database, 2024, 12));
        benchmark::DoNotOptimize(summary.won);
    }
}
BENCHMARK(BM_TicketsSummary)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    initializeForMedians(argc, argv, 9);
    book();
    MedianReporter reporter(MedianReporter::Processor);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double list = reporter.seconds["BM_TicketsList"], summary = reporter.seconds["BM_TicketsSummary"];
    if (list > 0 && summary > 0) {
        const double ratio = summary / list;
        std::cout << "tickets summary / tickets list (3,000 tickets) = " << ratio
                  << (ratio < 3.0 ? " (under 3)" : " (NOT UNDER 3)") << '\n';
    }
    benchmark::Shutdown();
}
