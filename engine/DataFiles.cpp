#include "engine/DataFiles.h"

#include "engine/Backups.h"
#include "engine/Errors.h"
#include "engine/History.h"
#include "engine/Text.h"

#include <boost/endian/conversion.hpp>

#include <cstring>
#include <regex>

namespace quor3
{

namespace
{

// Each record is ten 4-byte fields, little-endian: integers or floats by their bits.
template <typename Record> std::string encodeRecords(const std::vector<Record>& records)
{
    static_assert(sizeof(Record) == DigitRecordSize, "digit records are 40 bytes");
    std::string bytes(records.size() * DigitRecordSize, '\0');
    for (std::size_t i = 0; i < records.size(); ++i)
        for (std::size_t f = 0; f < 10; ++f) {
            std::uint32_t u;
            std::memcpy(&u, &records[i][f], 4);
            boost::endian::store_little_u32(reinterpret_cast<unsigned char*>(&bytes[i * DigitRecordSize + 4 * f]), u);
        }
    return bytes;
}

template <typename Record> std::vector<Record> decodeRecords(const std::string& bytes)
{
    const std::size_t count = bytes.size() / DigitRecordSize;
    std::vector<Record> records(count);
    for (std::size_t i = 0; i < count; ++i)
        for (std::size_t f = 0; f < 10; ++f) {
            const auto* in = reinterpret_cast<const unsigned char*>(bytes.data() + i * DigitRecordSize + 4 * f);
            const std::uint32_t u = boost::endian::load_little_u32(in);
            std::memcpy(&records[i][f], &u, 4);
        }
    return records;
}

} // namespace

std::string encodeCounts(const std::vector<DigitCounts>& records)
{
    return encodeRecords(records);
}
std::vector<DigitCounts> decodeCounts(const std::string& bytes)
{
    return decodeRecords<DigitCounts>(bytes);
}
std::string encodeRatios(const std::vector<DigitRatios>& records)
{
    return encodeRecords(records);
}
std::vector<DigitRatios> decodeRatios(const std::string& bytes)
{
    return decodeRecords<DigitRatios>(bytes);
}

std::vector<DigitCounts> readCountsFile(const fs::path& file)
{
    return decodeCounts(readWholeFile(file));
}

void writeCountsFile(const fs::path& file, const std::vector<DigitCounts>& records)
{
    writeWholeFile(file, encodeCounts(records));
}

std::vector<DigitRatios> readRatiosFile(const fs::path& file)
{
    return decodeRatios(readWholeFile(file));
}

void writeRatiosFile(const fs::path& file, const std::vector<DigitRatios>& records)
{
    writeWholeFile(file, encodeRatios(records));
}

std::vector<DigitCounts> readCountsExactly(const fs::path& file, std::size_t count)
{
    auto records = readCountsFile(file);
    if (records.size() < count)
        throwIoError(file, "read",
                     fill(translate("quor3::Error", "the file is shorter than %1 records"), {std::to_string(count)}));
    records.resize(count);
    return records;
}

std::string joinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    const std::size_t n = text.size();
    while (start < n) {
        std::size_t end = start;
        while (end < n && text[end] != '\r' && text[end] != '\n')
            ++end;
        lines.push_back(text.substr(start, end - start));
        if (end < n && text[end] == '\r' && end + 1 < n && text[end + 1] == '\n')
            end += 2;
        else if (end < n)
            end += 1;
        start = end;
    }
    return lines;
}

std::vector<std::string> readTextLines(const fs::path& file)
{
    return splitLines(readWholeFile(file));
}

void writeTextLines(const fs::path& file, const std::vector<std::string>& lines)
{
    writeWholeFile(file, joinLines(lines));
}

void appendTextLines(const fs::path& file, const std::vector<std::string>& lines)
{
    appendToFile(file, joinLines(lines));
}

std::string digitTriple(int a, int b, int c)
{
    return std::to_string(a) + "  " + std::to_string(b) + "  " + std::to_string(c);
}

} // namespace quor3

namespace quor3
{

bool isReservedFileName(const std::string& name)
{
    // The derived files, the log, the sets file, the lock and the scratch name
    // an earlier version used: a database by such a name would be overwritten
    // by its own statistics.
    static const char* const reserved[] = {
        files::Freq,        files::Hottest, files::Warm,    files::Hot,         files::Cold,
        files::WarmChoices, files::OddEven, files::Ordinal, files::PairChoices, files::Repeats,
        files::Order,       files::Pair,    files::Repeat,  "temp.dat",         files::Frequent,
        files::WinnersLog,  "SetsCfg.ini",  files::Lock,    files::StatisticsOf};
    std::string lower;
    for (char ch : name)
        lower += static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    for (const char* r : reserved) {
        std::string candidate;
        for (const char* p = r; *p; ++p)
            candidate += static_cast<char>(*p >= 'A' && *p <= 'Z' ? *p - 'A' + 'a' : *p);
        if (lower == candidate)
            return true;
    }
    return false;
}

void refuseReservedDatabaseName(const fs::path& folder, const std::string& databaseName)
{
    if (isHistoryFile(folder / databaseName))
        throwIoError(folder / databaseName, "use",
                     "it is a full history (the draws and tickets kept beside a database), not a database; open "
                     "the database it belongs to");
    // A backup: in a backup folder, named with the time it was taken.
    static const std::regex stamped(".*-[0-9]{8}(T[0-9]{6}Z|-[0-9]{6}).*", std::regex::icase);
    std::error_code error;
    if (fs::weakly_canonical(folder, error).filename() == BackupFolderName && std::regex_match(databaseName, stamped))
        throwIoError(folder / databaseName, "use",
                     "it is in a backup folder, which holds copies of databases only; restore a backup instead");
    if (isReservedFileName(databaseName))
        throwIoError(folder / databaseName, "use",
                     "Quor 3 keeps its own statistics in a file of that name; choose another name for the database");
}

} // namespace quor3
