#pragma once

#include "engine/FileIo.h"
#include "engine/Ranking.h"

#include <array>
#include <string>
#include <vector>

namespace quor3
{

// Ten int32 counters or ten binary32 ratios indexed by digit: the 40-byte
// records of the binary derived files.
using DigitCounts = DigitValues;
using DigitRatios = std::array<float, 10>;
constexpr std::size_t DigitRecordSize = 40;

// The derived files, all beside the database.
namespace files
{
inline const char* const Freq = "freq.dat";
inline const char* const Hottest = "hottest.dat";
inline const char* const Warm = "warm.dat";
inline const char* const WarmChoices = "wm.dat";
inline const char* const Hot = "hot.dat";
inline const char* const Cold = "cold.dat";
inline const char* const OddEven = "oddeven.dat";
inline const char* const Order = "order.dat";
inline const char* const Ordinal = "ordinal.dat";
inline const char* const Pair = "pair.dat";
inline const char* const PairChoices = "pr.dat";
inline const char* const Repeat = "repeat.dat";
inline const char* const Repeats = "repeats.dat";
inline const char* const WinnersLog = "quor3 winners.txt";
inline const char* const Frequent = "frequent.txt";
// The folder's lock (DatabaseLock).
inline const char* const Lock = "quor3.lock";
// The name of the database the derived files were last written for: the
// databases of a folder share them.
inline const char* const StatisticsOf = "quor3 statistics.txt";
} // namespace files

std::string encodeCounts(const std::vector<DigitCounts>& records);
std::vector<DigitCounts> decodeCounts(const std::string& bytes); // partial tail ignored
std::string encodeRatios(const std::vector<DigitRatios>& records);
std::vector<DigitRatios> decodeRatios(const std::string& bytes);

std::vector<DigitCounts> readCountsFile(const fs::path& file);
void writeCountsFile(const fs::path& file, const std::vector<DigitCounts>& records);
std::vector<DigitRatios> readRatiosFile(const fs::path& file);
void writeRatiosFile(const fs::path& file, const std::vector<DigitRatios>& records);
// Exactly `count` records from the start of a binary file; fewer is a read error.
std::vector<DigitCounts> readCountsExactly(const fs::path& file, std::size_t count);

// Text files: lines end with CR LF when written; CR LF, LF or CR end them when read.
std::string joinLines(const std::vector<std::string>& lines);
std::vector<std::string> splitLines(const std::string& text);
std::vector<std::string> readTextLines(const fs::path& file);
void writeTextLines(const fs::path& file, const std::vector<std::string>& lines);
void appendTextLines(const fs::path& file, const std::vector<std::string>& lines);

// "3  0  7": three digits joined by two blanks.
std::string digitTriple(int a, int b, int c);

// True for the name of a file the program writes beside a database (any
// letter case): such a name may not be used for a database.
bool isReservedFileName(const std::string& name);
// Raises the error that says so.
void refuseReservedDatabaseName(const fs::path& folder, const std::string& databaseName);

} // namespace quor3
