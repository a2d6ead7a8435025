#include "EngineTestSupport.h"

#include "engine/Calendar.h"
#include "engine/EntryDates.h"
#include "engine/Tickets.h"

#include <gtest/gtest.h>

namespace
{

// Monday 4 January 2027 to Saturday 1 January 2028, Monday to Saturday,
// without Monday 5 April 2027.
std::vector<double> mondayToSaturday()
{
    std::vector<double> dates;
    const double first = quor3::encodeDate(2027, 1, 4), last = quor3::encodeDate(2028, 1, 1);
    for (double d = first; d <= last; ++d)
        if (quor3::weekdayOf(d) != 6 && d != quor3::encodeDate(2027, 4, 5))
            dates.push_back(d);
    return dates;
}

} // namespace

TEST(Calendar, AMondayToSaturdayDrawMissesItsMondayAndNoSunday)
{
    const std::vector<double> dates = mondayToSaturday();
    const quor3::DrawDays days = quor3::learnDrawDays(dates);
    EXPECT_EQ(quor3::drawDaysText(days), "Mon Tue Wed Thu Fri Sat");
    const std::vector<double> missing = quor3::missingDrawDays(dates, days);
    ASSERT_EQ(missing.size(), 1U);
    EXPECT_EQ(quor3::isoDate(missing[0]), "2027-04-05");
    // Saturday's next draw is on Monday.
    EXPECT_EQ(quor3::isoDate(quor3::nextDrawDay(quor3::encodeDate(2028, 1, 1), days)), "2028-01-03");
    // Four weeks are too few to tell: every day, and the Sundays go missing.
    const std::vector<double> short_(dates.begin(), dates.begin() + 24);
    EXPECT_EQ(quor3::drawDaysText(quor3::learnDrawDays(short_)), "Mon Tue Wed Thu Fri Sat Sun");
    EXPECT_EQ(quor3::missingDrawDays(short_, quor3::learnDrawDays(short_)).size(), 3U);
    // So are a few draws spread over the year, and one after a gap of a year.
    const std::vector<double> sparse = {dates[0], dates[50], dates[100], dates[150], dates[200], dates[250]};
    EXPECT_EQ(quor3::drawDaysText(quor3::learnDrawDays(sparse)), "Mon Tue Wed Thu Fri Sat Sun");
    const std::vector<double> late = {dates[0] - 400, dates[0]};
    EXPECT_EQ(quor3::drawDaysText(quor3::learnDrawDays(late)), "Mon Tue Wed Thu Fri Sat Sun");
}

// The add window proposes the next draw day, across month and year ends.
TEST(Calendar, TheNextEntryIsProposedForTheNextDrawDay)
{
    const quor3::DrawDays mondayToSaturday = *quor3::drawDaysFromText("Mon Tue Wed Thu Fri Sat");
    const quor3::DrawDays sundays = *quor3::drawDaysFromText("Sun");
    const struct {
        quor3::CivilDate date;
        quor3::DrawDays days;
        quor3::CivilDate next;
    } cases[] = {{{2028, 1, 1}, mondayToSaturday, {2028, 1, 3}},
                 {{2027, 12, 31}, mondayToSaturday, {2028, 1, 1}},
                 {{2027, 2, 28}, quor3::DrawDays{}, {2027, 3, 1}},
                 {{2027, 2, 28}, sundays, {2027, 3, 7}},
                 {{9999, 12, 30}, sundays, {9999, 12, 31}}};
    for (const auto& c : cases)
        EXPECT_EQ(quor3::monthDayYear(quor3::nextDrawDate(c.date, c.days)), quor3::monthDayYear(c.next))
            << quor3::monthDayYear(c.date);
}

TEST(Calendar, DrawDaysAreReadAsTheyAreWritten)
{
    const struct {
        const char *text, *days;
    } cases[] = {{"Mon Tue Wed Thu Fri Sat", "Mon Tue Wed Thu Fri Sat"},
                 {"sunday, WED,mon", "Mon Wed Sun"},
                 {"Sat Sat", "Sat"},
                 {"", nullptr},
                 {"Mon Funday", nullptr},
                 {"Mo", nullptr}};
    for (const auto& c : cases) {
        const auto days = quor3::drawDaysFromText(c.text);
        EXPECT_EQ(days ? quor3::drawDaysText(*days) : std::string("none"), c.days ? c.days : "none") << c.text;
    }
}

TEST(Calendar, TheCommandLinePrintsAndSetsTheDrawDays)
{
    TempFolder dir;
    std::vector<quor3::DrawRecord> draws;
    for (double d : mondayToSaturday())
        draws.push_back(drawOn(d, 1, 2, 3));
    writeDatabase(dir / "tx.c3d", draws);
    const auto engine = [&](const std::string& args) {
        return runCommand("XDG_CONFIG_HOME='" + dir.path().string() + "' '" + QUOR3_ENGINE_CLI + "' history '" +
                              (dir / "tx.c3d").string() + "' " + args,
                          dir / "err.txt");
    };
    CommandRun run = engine("--json");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string span = "{\"draws\": 311, \"first\": \"2027-01-04\", \"last\": \"2028-01-01\"}";
    EXPECT_EQ(run.out, "{\"working\": " + span + ", \"full\": " + span +
                           ", \"days\": \"Mon Tue Wed Thu Fri Sat\", \"missing\": [\"2027-04-05\"]}\n");

    run = engine("--days 'Mon Tue Wed Thu Fri Sat Sun'");
    EXPECT_EQ(run.out, "Draw days: Mon Tue Wed Thu Fri Sat Sun\n52 draw days missing in the last year\n");
    EXPECT_NE(quor3::readWholeFile(dir / "quor3.ini").find("DrawDays=Mon Tue Wed Thu Fri Sat Sun"), std::string::npos);
    run = engine("--days learned");
    EXPECT_EQ(run.out, "Draw days: Mon Tue Wed Thu Fri Sat\n1 draw day missing in the last year\n");
    run = engine("--days Funday");
    EXPECT_EQ(run.status, 1);
}
