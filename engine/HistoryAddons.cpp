#include "engine/Addon.h"
#include "engine/DatabaseLock.h"
#include "engine/History.h"
#include "engine/HistoryStore.h"

namespace quor3
{

using namespace history;

std::vector<DrawRecord> readHistoryWithAddons(const fs::path& database)
{
    ensureHistory(database);
    const DatabaseLock lock(database, DatabaseLock::Shared);
    std::unique_ptr<Connection> c = openExisting(historyFileFor(database));
    std::vector<DrawRecord> draws;
    // A history of an older layout that could not be brought up to date (a
    // read-only file) has no add-on digits.
    const bool addons = layoutOf(*c) >= 4;
    Statement s(*c,
                addons ? "SELECT draw_date, digit1, digit2, digit3, addon FROM draws ORDER BY draw_date, turn"
                       : "SELECT draw_date, digit1, digit2, digit3, NULL FROM draws ORDER BY draw_date, turn",
                "read the full history");
    while (s.step()) {
        draws.push_back(
            recordOf(s.real(0), {static_cast<std::int32_t>(s.integer(1)), static_cast<std::int32_t>(s.integer(2)),
                                 static_cast<std::int32_t>(s.integer(3))}));
        if (!s.isNull(4))
            carryAddon(draws.back(), static_cast<int>(s.integer(4)));
    }
    return draws;
}

} // namespace quor3
