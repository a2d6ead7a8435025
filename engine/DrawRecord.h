#pragma once

#include <boost/endian/conversion.hpp>

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quor3
{

namespace fs = std::filesystem;

// The capacity of a draw database and of every table kept per draw.
constexpr int MaxDraws = 731;
// A full database is cut back to this many of its latest draws before a new one is added.
constexpr int DrawsKeptWhenFull = 90;
constexpr std::size_t DrawRecordSize = 24;

// One draw as stored: a day number (days since 30 December 1899) and three
// digits, 24 bytes little-endian with four unused bytes at the end.
struct DrawRecord {
    double DrawDate = 0.0;
    std::int32_t Digit1 = 0;
    std::int32_t Digit2 = 0;
    std::int32_t Digit3 = 0;
    std::array<std::uint8_t, 4> Reserved{};
};

// Digit `position` (0 to 2) of a stored record, read in place.
inline std::int32_t storedDigit(const char* record24, int position)
{
    return boost::endian::load_little_s32(reinterpret_cast<const unsigned char*>(record24 + 8 + 4 * position));
}

void encodeDraw(const DrawRecord& record, char* out24);
DrawRecord decodeDraw(const char* in24);
std::string encodeDraws(const std::vector<DrawRecord>& records);
// Whole records only: a partial tail is ignored.
std::vector<DrawRecord> decodeDraws(const std::string& bytes);

// File operations on a draw database. All raise quor3::Error on failure.
std::vector<DrawRecord> readDraws(const fs::path& database);
long long countDraws(const fs::path& database);
DrawRecord readDraw(const fs::path& database, long long index);
// Writes record `index` in place; the number of records does not change.
void writeDraw(const fs::path& database, long long index, const DrawRecord& record);
// Appends one record, creating the file when it does not exist.
void appendDraw(const fs::path& database, const DrawRecord& record);

} // namespace quor3
