#pragma once

// A second, deliberately plain account of what the program writes: the derived
// files of a rebuild, the winners log of a match check and the database after a
// stored draw, computed straight from the rules on whole byte strings. It
// shares no code with the engine, so a fault has to be made twice, the same
// way, to get past the comparison in ModelTest.cpp.

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace model
{

struct Draw {
    double day = 0;
    std::int32_t first = 0, second = 0, third = 0;
    std::array<std::uint8_t, 4> reserved{};
};

// File name -> whole contents.
using Files = std::map<std::string, std::string>;

std::string databaseBytes(const std::vector<Draw>& draws);
std::vector<Draw> drawsOf(const std::string& databaseBytes);

// "3/1/2002" for the day number of 1 March 2002.
std::string monthDayYear(double day);

struct Rebuilt {
    Files files;                       // the thirteen derived files
    std::map<int, std::string> panels; // status texts by panel
    std::array<int, 10> hotRanking{};
};

// The rebuild of a database of at least one draw; nextDigit is the source of
// the odd/even choices' random digits.
Rebuilt rebuild(const std::vector<Draw>& draws, const std::function<int()>& nextDigit);

struct Match {
    std::string message, logLine;
};

struct Checked {
    std::vector<Match> matches;
    std::optional<std::string> log; // the winners log afterwards; nullopt while it does not exist
    std::optional<std::string> error;
};

// The match check of the draw a, b, c entered for month/day/year against the
// choice files in `files`, with the winners log as it stood before.
Checked checkWinners(const Files& files, const std::optional<std::string>& log, const std::string& databaseName, int a,
                     int b, int c, int year, int month, int day);

// The database after storing `draw`; nullopt stands for a database file that
// does not exist yet.
std::string store(const std::optional<std::string>& databaseBytes, const Draw& draw);

} // namespace model
