#include "engine/Export.h"

#include "engine/DatabaseLock.h"
#include "engine/Dates.h"
#include "engine/FileIo.h"

#include <cstdio>

namespace quor3
{

std::string exportCsv(const std::vector<DrawRecord>& draws)
{
    std::string text = "date,digit1,digit2,digit3\n";
    text.reserve(text.size() + draws.size() * 17);
    char line[80];
    for (const DrawRecord& r : draws) {
        // A damaged record's day number is no date: it shows as 0000-00-00, and
        // an import reports that line instead of guessing.
        CivilDate date;
        decodeDate(r.DrawDate, date);
        const int length = std::snprintf(line, sizeof line, "%04d-%02d-%02d,%d,%d,%d\n", date.year, date.month,
                                         date.day, r.Digit1, r.Digit2, r.Digit3);
        text.append(line, static_cast<std::size_t>(length));
    }
    return text;
}

long long exportDraws(const fs::path& database, const fs::path& csvFile)
{
    std::vector<DrawRecord> draws;
    {
        const DatabaseLock lock(database, DatabaseLock::Shared);
        draws = readDraws(database);
    }
    writeWholeFile(csvFile, exportCsv(draws));
    return static_cast<long long>(draws.size());
}

} // namespace quor3
