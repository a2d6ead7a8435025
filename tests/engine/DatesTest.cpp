#include "engine/Dates.h"
#include "engine/Errors.h"

#include <gtest/gtest.h>

using namespace quor3;

TEST(Dates, DayNumbersCountFrom30December1899)
{
    EXPECT_EQ(encodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(encodeDate(2002, 1, 1), 37257.0);
    EXPECT_EQ(encodeDate(1, 1, 1), -693593.0);
    EXPECT_EQ(encodeDate(9999, 12, 31), 2958465.0);
    for (double day : {-693593.0, -1.0, 0.0, 37257.0, 59.0, 60.0, 2958465.0}) {
        const CivilDate d = decodeDate(day);
        EXPECT_EQ(encodeDate(d), day);
    }
    EXPECT_EQ(decodeDate(37257.0), (CivilDate{2002, 1, 1}));
}

TEST(Dates, ImpossibleDatesRaiseTheEncodeError)
{
    EXPECT_THROW(encodeDate(2003, 2, 29), Error);
    EXPECT_THROW(encodeDate(2100, 2, 29), Error);
    EXPECT_THROW(encodeDate(2002, 4, 31), Error);
    EXPECT_THROW(encodeDate(2002, 13, 1), Error);
    EXPECT_THROW(encodeDate(0, 1, 1), Error);
    EXPECT_NO_THROW(encodeDate(2000, 2, 29));
    // The day after the last of every month, in a common and in a leap year.
    const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int year : {2002, 2004})
        for (int month = 1; month <= 12; ++month) {
            const int last = lengths[month - 1] + (month == 2 && year == 2004 ? 1 : 0);
            EXPECT_EQ(encodeDate(year, month, last) + 1,
                      month == 12 ? encodeDate(year + 1, 1, 1) : encodeDate(year, month + 1, 1))
                << year << "-" << month;
            EXPECT_THROW(encodeDate(year, month, last + 1), Error) << year << "-" << month;
            EXPECT_THROW(encodeDate(year, month, 0), Error) << year << "-" << month;
        }
    try {
        encodeDate(2002, 6, 31);
        FAIL() << "31 June must not encode";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Invalid argument to date encode");
        EXPECT_EQ(e.kind(), Error::Kind::Date);
    }
}

TEST(EntryLine, DatePiecesWithoutLeadingZeros)
{
    DrawRecord r;
    r.DrawDate = encodeDate(2002, 1, 1);
    r.Digit1 = 3;
    r.Digit2 = 0;
    r.Digit3 = 7;
    EXPECT_EQ(entryLine(r), "1/1/2002 :        3   0   7");
    EXPECT_EQ(entryLine(r).size(), 27u);
    EXPECT_EQ(searchLine(r), "1/1/2002 : " + std::string(8, ' ') + "3   0   7");
    r.DrawDate = encodeDate(2001, 12, 25);
    EXPECT_EQ(entryLine(r).substr(0, 12), "12/25/2001 :");
    r.Digit1 = 123; // wider values keep their first two characters
    r.Digit2 = -5;
    EXPECT_EQ(entryLine(r), "12/25/2001 :        12   -5   7");
}

TEST(Conversion, IntegerTextLikeTheEntryBoxes)
{
    EXPECT_EQ(toInt("14"), 14);
    EXPECT_EQ(toInt(" -3 "), -3);
    EXPECT_EQ(toInt("+7"), 7);
    for (const char* bad : {"", "x", "1x", "--1", "99999999999"})
        EXPECT_THROW(toInt(bad), Error) << bad;
    try {
        toInt("abc");
        FAIL() << "'abc' must not convert";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
}

TEST(Dates, TheCalendarEndsAfter31December9999AsItBeginsOn1January0001)
{
    const struct {
        double day;
        const char* shown; // "0/0/0": refused as a date
    } cases[] = {
        {-693594.0, "0/0/0"},      {-693593.5, "0/0/0"},      {-693593.0, "1/1/1"},
        {2958465.0, "12/31/9999"}, {2958465.5, "12/31/9999"}, {2958466.0, "0/0/0"},
    };
    for (const auto& c : cases) {
        CivilDate date;
        EXPECT_EQ(decodeDate(c.day, date), std::string(c.shown) != "0/0/0") << c.day;
        EXPECT_EQ(monthDayYear(c.day), c.shown) << c.day;
    }
    EXPECT_THROW(encodeDate(10000, 1, 1), Error);
    EXPECT_THROW(encodeDate(0, 12, 31), Error);
}

// Every typed date goes through one reading: the ticket windows', the
// command line's and the prize tables'.
TEST(Dates, DateFromTextReadsMonthDayYearAndIso)
{
    const struct {
        const char* text;
        std::optional<quor3::CivilDate> date;
    } cases[] = {
        {"12/7/2026", quor3::CivilDate{2026, 12, 7}},
        {" 2026-12-07\t", quor3::CivilDate{2026, 12, 7}},
        {"02/29/2024", quor3::CivilDate{2024, 2, 29}},
        {"2/29/2026", std::nullopt},
        {"12/7/26", std::nullopt},
        {"12-7-2026", std::nullopt},
        {"2026/12/07", std::nullopt},
        {"12//2026", std::nullopt},
        {"12/7/2026/1", std::nullopt},
        {"+12/7/2026", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(quor3::dateFromText(c.text), c.date) << c.text;
}
