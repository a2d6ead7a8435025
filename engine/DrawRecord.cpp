#include "engine/DrawRecord.h"

#include "engine/DatabaseLock.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/Text.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace quor3
{

void encodeDraw(const DrawRecord& record, char* out)
{
    auto* bytes = reinterpret_cast<unsigned char*>(out);
    std::uint64_t date;
    std::memcpy(&date, &record.DrawDate, 8);
    boost::endian::store_little_u64(bytes, date);
    boost::endian::store_little_s32(bytes + 8, record.Digit1);
    boost::endian::store_little_s32(bytes + 12, record.Digit2);
    boost::endian::store_little_s32(bytes + 16, record.Digit3);
    std::memcpy(bytes + 20, record.Reserved.data(), 4);
}

DrawRecord decodeDraw(const char* in)
{
    DrawRecord record;
    const std::uint64_t date = boost::endian::load_little_u64(reinterpret_cast<const unsigned char*>(in));
    std::memcpy(&record.DrawDate, &date, 8);
    record.Digit1 = storedDigit(in, 0);
    record.Digit2 = storedDigit(in, 1);
    record.Digit3 = storedDigit(in, 2);
    std::memcpy(record.Reserved.data(), in + 20, 4);
    return record;
}

std::string encodeDraws(const std::vector<DrawRecord>& records)
{
    std::string bytes(records.size() * DrawRecordSize, '\0');
    for (std::size_t i = 0; i < records.size(); ++i)
        encodeDraw(records[i], &bytes[i * DrawRecordSize]);
    return bytes;
}

std::vector<DrawRecord> decodeDraws(const std::string& bytes)
{
    const std::size_t count = bytes.size() / DrawRecordSize;
    std::vector<DrawRecord> records;
    records.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        records.push_back(decodeDraw(bytes.data() + i * DrawRecordSize));
    return records;
}

std::vector<DrawRecord> readDraws(const fs::path& database)
{
    return decodeDraws(readWholeFile(database));
}

long long countDraws(const fs::path& database)
{
    std::error_code ec;
    const auto size = fs::file_size(database, ec);
    if (ec) {
        errno = ec.value();
        throwIoError(database, "open");
    }
    return static_cast<long long>(size / DrawRecordSize);
}

DrawRecord readDraw(const fs::path& database, long long index)
{
    const int fd = ::open(database.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throwIoError(database, "open");
    char buffer[DrawRecordSize];
    ssize_t got = -1;
    if (index >= 0)
        got = ::pread(fd, buffer, DrawRecordSize, static_cast<off_t>(index * DrawRecordSize));
    const int code = errno;
    ::close(fd);
    if (got != static_cast<ssize_t>(DrawRecordSize)) {
        if (got < 0 && index >= 0) {
            errno = code;
            throwIoError(database, "read");
        }
        throwIoError(database, fill(translate("quor3::Error", "read record %1 of"), {std::to_string(index)}),
                     "the file holds no such record");
    }
    return decodeDraw(buffer);
}

void writeDraw(const fs::path& database, long long index, const DrawRecord& record)
{
    const DatabaseLock lock(database, DatabaseLock::Exclusive);
    if (index < 0 || index >= countDraws(database))
        throwIoError(database, fill(translate("quor3::Error", "write record %1 of"), {std::to_string(index)}),
                     "the file holds no such record");
    std::string bytes(DrawRecordSize, '\0');
    encodeDraw(record, &bytes[0]);
    overwriteAt(database, index * static_cast<long long>(DrawRecordSize), bytes);
}

void appendDraw(const fs::path& database, const DrawRecord& record)
{
    const DatabaseLock lock(database, DatabaseLock::Exclusive);
    std::string bytes(DrawRecordSize, '\0');
    encodeDraw(record, &bytes[0]);
    appendRecord(database, bytes);
}

} // namespace quor3
